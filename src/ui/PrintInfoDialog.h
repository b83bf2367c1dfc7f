// The Print Information dialog (template 136): the two dealer lines (from
// "DealerData.txt", shown from their start but not editable), two customer lines,
// the quotation and the notes that the printed report carries, with the logo. Every
// opening starts with empty customer, quotation and notes, in the dialog and in the
// record; OK stores all six texts in the record (dealer, customer and quotation at
// most 99 characters, notes at most 254: the edits take no more, so nothing typed is
// lost), Cancel stores nothing. While the user types, a text that will not print
// whole in its cell of the report is marked in the warning colour with a tooltip.
// A member of the main dialog for its whole life, made without a parent; shown by
// the print commands.
#pragma once

#include "platform/Dialog.h"

#include <memory>

class CLenvaraApp;
class CReportTextGauge;
class QLineEdit;

class CPrintInfoDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CPrintInfoDialog(CLenvaraApp& app, QWidget* pParent = nullptr);
    ~CPrintInfoDialog() override;

protected:
    bool OnInitDialog() override;
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // Shows the dealer lines and empties the other four texts.
    void Initialise();
    void OnOK();
    // Marks the edit when its text will not print whole.
    void UpdateFitMark(QLineEdit* pEdit);

    CLenvaraApp& m_app;
    QLineEdit* m_editNotes = nullptr;
    QLineEdit* m_editQuotation = nullptr;
    QLineEdit* m_editDealer2 = nullptr;
    QLineEdit* m_editDealer1 = nullptr;
    QLineEdit* m_editCustomer1 = nullptr;
    QLineEdit* m_editCustomer2 = nullptr;
    std::unique_ptr<CReportTextGauge> m_pGauge;
};
