// Drives dialogs the way a person does, through real key and mouse events:
// focus a control by id, type into it, press Enter or Escape, click. Controls are
// found by their numeric objectName among the direct children of a dialog or page.
#pragma once

#include <QString>

#include <functional>
#include <ostream>
#include <vector>

class QWidget;

class CDialogDriver
{
public:
    // Fails the current test when the control does not exist.
    static QWidget* Control(const QWidget* pParent, int nId);
    static QString Text(const QWidget* pParent, int nId);

    // Mouse click into the control (gives it the focus as a click does).
    static void Click(const QWidget* pParent, int nId);
    static void ClickWidget(QWidget* pWidget);
    // Clicks into the control, selects all of its text and types the new text.
    static void Type(const QWidget* pParent, int nId, const QString& strText);
    static void PressEnter(const QWidget* pParent, int nId);
    static void PressKey(QWidget* pWidget, int nKey);
    // Moves the focus on with Tab from whatever has it.
    static void PressTab(QWidget* pWindow);

    // Runs action, which is expected to open a modal dialog; returns the dialog's
    // message text (message boxes) or window title, and closes it. Empty when no
    // modal dialog appeared.
    static QString CaptureModal(const std::function<void()>& action);
    // Runs action and hands each modal dialog that comes up during it, in order, to
    // the next handler, which is to close it. Returns how many dialogs were handled.
    // A modal dialog that stays up unanswered for 10 s (no handler left for it, or
    // its handler did not close it) fails the test and is rejected: a missing
    // answer shows as a failure naming the dialog, not as a hang.
    // Answers a file dialog as a person does: the folder, the name typed into its
    // name field, then accept (queued, so the caller's timer can answer what the
    // dialog asks next). selectFile() is not enough: it leaves the name field alone
    // whenever that field already has the focus.
    static void AnswerFileDialog(QWidget* pModal, const QString& strPath);
    static int HandleModals(const std::function<void()>& action,
                            const std::vector<std::function<void(QWidget*)>>& handlers);
};

// Readable QString values in test failure messages.
inline void PrintTo(const QString& str, std::ostream* pOut)
{
    *pOut << '"' << str.toStdString() << '"';
}
