// The "Projection Distance" page (template 129): the user gives one of screen
// width (1009), height (1010) or diagonal (1011) and gets the other two and the
// projection distances at the wide (1012) and tele (1013) ends, in the main
// dialog's unit. The writable size edit is the input; focus entering another size
// edit makes that one the input and zeroes the other two.
#pragma once

#include "platform/PropertyPage.h"

#include <QString>

class CLenvaraApp;

class CPage_Image : public CPropertyPage
{
    Q_OBJECT

public:
    explicit CPage_Image(CLenvaraApp& app, QWidget* pParent = nullptr);

    // 1 when the calculation succeeded (the record then holds its results), else 0
    // with every field as it was and the failure marked (ShowCalculationFailure).
    int Calculate();
    // Marks the input in the warning colour with the reason the calculation of what
    // the dialog shows now fails, and the luminance panel the same way; the next
    // successful calculation takes the marks away.
    void ShowCalculationFailure();
    void ConvertUnits();
    // Recalculates; then the message for a model without shift data, whatever the
    // inputs, or, only when the recalculation succeeded, the Shift Calculator for
    // this page's installation.
    void OnShift();
    // Makes that size edit the input: writable, the other two read-only and 0.00. The
    // mark of a failed calculation moves with the input.
    void ChooseInput(int nId);

protected:
    bool OnInitDialog() override;
    void OnCommand(int nId) override;
    bool OnReturnKey() override;
    void OnSetFocus(int nId, Qt::FocusReason eReason) override;

private:
    // The writable size edit.
    int InputId() const;

    CLenvaraApp& m_app;
    // The reason the last calculation failed; empty after a successful one.
    QString m_strFailure;
};
