#include "DialogDriver.h"

#include "platform/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

QWidget* CDialogDriver::Control(const QWidget* pParent, int nId)
{
    QWidget* pControl = FindControl(pParent, nId);
    EXPECT_NE(pControl, nullptr) << "no control " << nId;
    return pControl;
}

QString CDialogDriver::Text(const QWidget* pParent, int nId)
{
    Control(pParent, nId);
    return QString::fromStdString(GetControlText(pParent, nId, 256));
}

void CDialogDriver::ClickWidget(QWidget* pWidget)
{
    if (!pWidget)
        return;
    // A click into an inactive window only activates it (the focus then comes back
    // "with the window"): wait until it is active, as a person's click would be.
    // An open pop-up (a completion list) would take the click for itself and close,
    // as it does for a person, who then clicks again: close it first.
    if (QWidget* pPopup = QApplication::activePopupWidget())
    {
        pPopup->close();
        QApplication::processEvents();
    }
    pWidget->activateWindow();
    (void)QTest::qWaitForWindowActive(pWidget->window(), 10000);
    QTest::mouseClick(pWidget, Qt::LeftButton, Qt::NoModifier, pWidget->rect().center());
    QApplication::processEvents();
    // A person's click into an edit of the active window gives it the focus; where the
    // synthetic click raced the window's activation, give it as the click would.
    if (pWidget->focusPolicy() & Qt::ClickFocus && !pWidget->hasFocus())
    {
        pWidget->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
    }
}

void CDialogDriver::Click(const QWidget* pParent, int nId)
{
    ClickWidget(Control(pParent, nId));
}

void CDialogDriver::Type(const QWidget* pParent, int nId, const QString& strText)
{
    QWidget* pControl = Control(pParent, nId);
    if (!pControl)
        return;
    QWidget* pTarget = pControl;
    if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        pTarget = pCombo->lineEdit();
    // A click into the edit, as a person does before typing.
    ClickWidget(pTarget);
    QTest::keyClick(pTarget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pTarget, Qt::Key_Backspace);
    QTest::keyClicks(pTarget, strText);
    QApplication::processEvents();
}

void CDialogDriver::PressKey(QWidget* pWidget, int nKey)
{
    QTest::keyClick(pWidget, static_cast<Qt::Key>(nKey));
    QApplication::processEvents();
}

void CDialogDriver::PressEnter(const QWidget* pParent, int nId)
{
    QWidget* pControl = Control(pParent, nId);
    if (!pControl)
        return;
    if (auto* pCombo = qobject_cast<QComboBox*>(pControl))
        pControl = pCombo->lineEdit();
    PressKey(pControl, Qt::Key_Return);
}

void CDialogDriver::PressTab(QWidget* pWindow)
{
    QWidget* pFocus = QApplication::focusWidget();
    QTest::keyClick(pFocus ? pFocus : pWindow, Qt::Key_Tab);
    QApplication::processEvents();
}

QString CDialogDriver::CaptureModal(const std::function<void()>& action)
{
    QString strCaptured;
    bool bSeen = false;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout,
                     [&]
                     {
                         QWidget* pModal = QApplication::activeModalWidget();
                         if (!pModal || bSeen)
                             return;
                         bSeen = true;
                         if (auto* pBox = qobject_cast<QMessageBox*>(pModal))
                             strCaptured = pBox->text();
                         else
                             strCaptured = pModal->windowTitle();
                         pModal->close();
                     });
    timer.start();
    action();
    // A dialog that did not come up within the action does not count.
    timer.stop();
    return strCaptured;
}

void CDialogDriver::AnswerFileDialog(QWidget* pModal, const QString& strPath)
{
    auto* pDialog = qobject_cast<QFileDialog*>(pModal);
    ASSERT_NE(pDialog, nullptr) << pModal->metaObject()->className();
    const QFileInfo info(strPath);
    pDialog->setDirectory(info.absolutePath());
    auto* pEdit = pDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(pEdit, nullptr);
    pEdit->setText(info.fileName());
    QMetaObject::invokeMethod(pDialog, "accept", Qt::QueuedConnection);
}

int CDialogDriver::HandleModals(const std::function<void()>& action,
                                const std::vector<std::function<void(QWidget*)>>& handlers)
{
    size_t nHandled = 0;
    // A modal window open before the action (the dialog the action runs in) is not one
    // of the action's: between two of its modals it is the active one again. The last
    // window answered is watched, so that a new one at its address is not taken for it.
    const QPointer<QWidget> pOuter = QApplication::activeModalWidget();
    QPointer<QWidget> pLast;
    bool bBusy = false;
    int nUnansweredTicks = 0;
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout,
                     [&]
                     {
                         QWidget* pModal = QApplication::activeModalWidget();
                         if (!pModal || pModal == pOuter)
                         {
                             pLast = nullptr;
                             nUnansweredTicks = 0;
                             return;
                         }
                         // A handler waits for its window, running this timer again.
                         if (bBusy)
                             return;
                         if (pModal == pLast || nHandled >= handlers.size())
                         {
                             if (++nUnansweredTicks < 500)
                                 return;
                             ADD_FAILURE() << "an unanswered modal dialog: "
                                           << pModal->metaObject()->className() << " \""
                                           << pModal->windowTitle().toStdString() << "\"";
                             nUnansweredTicks = 0;
                             if (auto* pDialog = qobject_cast<QDialog*>(pModal))
                                 pDialog->reject();
                             else
                                 pModal->close();
                             return;
                         }
                         pLast = pModal;
                         nUnansweredTicks = 0;
                         bBusy = true;
                         handlers[nHandled++](pModal);
                         bBusy = false;
                     });
    timer.start();
    action();
    timer.stop();
    return static_cast<int>(nHandled);
}
