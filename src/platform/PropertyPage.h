// One page of a property sheet, built from a template like a dialog. Its
// initialisation runs once, when the sheet first makes it active. Buttons report
// their ids to OnCommand; Enter while the page or one of its controls has the focus
// goes to OnReturnKey. Base of the two calculation pages.
#pragma once

#include "platform/DialogBuilder.h"
#include "platform/DialogTemplate.h"

#include <QWidget>

class CPropertyPage : public QWidget
{
    Q_OBJECT

public:
    explicit CPropertyPage(const SDialogTemplate& tpl, QWidget* pParent = nullptr);

    QString GetCaption() const;
    // Builds the controls (first call only).
    void Create();
    // Create, then OnInitDialog the first time only.
    void InitOnce();
    bool IsInitialised() const { return m_bInitialised; }

protected:
    virtual bool OnInitDialog();
    virtual void OnCommand(int nId);
    virtual bool OnReturnKey();

    void keyPressEvent(QKeyEvent* pEvent) override;

    const CDialogBuilder& Builder() const { return m_builder; }

private:
    const SDialogTemplate& m_tpl;
    CDialogBuilder m_builder;
    bool m_bCreated = false;
    bool m_bInitialised = false;
};
