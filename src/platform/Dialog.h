// platform/: our small window-system layer on Qt 6: dialogs and menus from templates,
// controls by id, a device context, bitmaps and resources, the print job.
//
// A dialog built from a template: the controls of the table at their places, an
// optional menu bar above them, fixed size. Push buttons, radio buttons and menu
// items report their ids to OnCommand, an edit receiving the focus to OnSetFocus,
// a track bar moved by the user to OnVScroll (CControlNotifier). Enter goes to
// OnReturnKey (never to the focused button), Escape cancels. Base of the main
// dialog and the About box.
#pragma once

#include "platform/ControlNotifier.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogTemplate.h"

#include <QDialog>

class QMenuBar;

class CDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDialog(const SDialogTemplate& tpl, const SMenuTemplate* pMenu = nullptr,
                     QWidget* pParent = nullptr);

    // Builds the controls and runs OnInitDialog, the first time only.
    bool Create();
    // Create, then run modally; the result of QDialog::exec.
    int DoModal();

    const CDialogBuilder& Builder() const { return m_builder; }
    QMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // Top-left of the template area (below the menu bar) in widget pixels.
    QPoint GetTemplateOrigin() const { return m_ptOrigin; }

protected:
    virtual bool OnInitDialog();
    // A control of the program's own class for this table entry, or nullptr.
    virtual QWidget* CreateControl(const SControlTemplate& ctl, QWidget* pParent);
    // Buttons (id), radio buttons (id) and menu commands. 1 accepts, 2 cancels.
    virtual void OnCommand(int nId);
    // Edit nId receives the focus, for eReason (a click, Tab, the window coming
    // back...); called before the edit handles it. Does nothing here.
    virtual void OnSetFocus(int nId, Qt::FocusReason eReason);
    // Track bar nId was moved by the user to nPos (its value already). Does nothing
    // here.
    virtual void OnVScroll(int nId, int nPos);
    // Enter pressed anywhere in the dialog; true when handled (the key is consumed).
    virtual bool OnReturnKey();

    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    const SDialogTemplate& m_tpl;
    const SMenuTemplate* m_pMenu;
    CDialogBuilder m_builder;
    CControlNotifier m_notifier;
    QMenuBar* m_pMenuBar = nullptr;
    QPoint m_ptOrigin;
    bool m_bCreated = false;
};
