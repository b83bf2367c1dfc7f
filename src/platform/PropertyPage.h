// One page of a property sheet, built from a template like a dialog. Its
// initialisation runs once, when the sheet first makes it active. Buttons report
// their ids to OnCommand, an edit receiving the focus to OnSetFocus, a track bar
// moved by the user to OnVScroll (CControlNotifier); Enter while the page or one
// of its controls has the focus goes to OnReturnKey. Base of the two calculation
// pages.
#pragma once

#include "platform/ControlNotifier.h"
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
    // Edit nId receives the focus, for eReason (a click, Tab, the window or the
    // page coming back...); called before the edit handles it. Does nothing here.
    virtual void OnSetFocus(int nId, Qt::FocusReason eReason);
    // Track bar nId was moved by the user to nPos (its value already). Does nothing
    // here.
    virtual void OnVScroll(int nId, int nPos);
    virtual bool OnReturnKey();

    void keyPressEvent(QKeyEvent* pEvent) override;

    const CDialogBuilder& Builder() const { return m_builder; }

private:
    const SDialogTemplate& m_tpl;
    CDialogBuilder m_builder;
    CControlNotifier m_notifier;
    bool m_bCreated = false;
    bool m_bInitialised = false;
};
