// Preloaded into the desktop program by the start-up thread test. When the
// application object is made, it checks that the toolkit runs on the process's main
// thread, then works the started program as a person would: picks "Kelda W1", types
// a width and presses Enter, opens the Shift Calculator and closes it with Escape,
// opens the About box from the Help menu and closes it with Escape. Prints
// "startup-driver: ok" and ends the process with 0; any failure prints its step and
// ends with 3; when a step never completes, the process ends with 4 after 30 s.
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <sys/syscall.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace
{
const char* g_pszStep = "start";

[[noreturn]] void Finish(int nCode, const char* pszWhat)
{
    std::printf("startup-driver: %s\n", pszWhat);
    std::fflush(stdout);
    std::_Exit(nCode);
}

template <typename T> T* Find(const QWidget* pWindow, int nId)
{
    return pWindow->findChild<T*>(QString::number(nId));
}

// Calls done with the modal dialog titled strTitle once it is up, from the event loop.
void WhenModal(const QString& strTitle, std::function<void(QWidget*)> done)
{
    auto* pTimer = new QTimer;
    QObject::connect(pTimer, &QTimer::timeout,
                     [pTimer, strTitle, done]
                     {
                         QWidget* pModal = QApplication::activeModalWidget();
                         if (!pModal || !pModal->isVisible() || pModal->windowTitle() != strTitle)
                             return;
                         pTimer->stop();
                         pTimer->deleteLater();
                         done(pModal);
                     });
    pTimer->start(20);
}

// Runs action, which opens the modal dialog titled strTitle, and closes that dialog
// with Escape; fails when it does not open or does not close.
void OpenAndEscape(const char* pszStep, const QString& strTitle,
                   const std::function<void()>& action)
{
    g_pszStep = pszStep;
    bool bSeen = false;
    WhenModal(strTitle,
              [&bSeen](QWidget* pModal)
              {
                  bSeen = true;
                  QTest::keyClick(pModal, Qt::Key_Escape);
              });
    action(); // returns when the dialog's own event loop has ended
    if (!bSeen)
        Finish(3, pszStep);
}

void Drive()
{
    g_pszStep = "main dialog";
    QWidget* pMain = nullptr;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        if (pWidget->isVisible() && Find<QComboBox>(pWidget, LenvaraDlgIds::kIdModel))
            pMain = pWidget;
    if (!pMain)
    {
        QTimer::singleShot(20, &Drive);
        return;
    }
    g_pszStep = "calculation";
    Find<QComboBox>(pMain, LenvaraDlgIds::kIdModel)->setEditText(QStringLiteral("Kelda W1"));
    // The pages reuse ids; the projection-distance page is the one with its Shift id.
    auto* pShift = Find<QPushButton>(pMain, ImagePageIds::kIdShift);
    QWidget* pPage = pShift ? pShift->parentWidget() : nullptr;
    auto* pWidth = pPage ? Find<QLineEdit>(pPage, ImagePageIds::kIdWidth) : nullptr;
    if (!pWidth)
        Finish(3, g_pszStep);
    // A click into the width makes it the page's input; it counts once the window is
    // active, as a person's click would be.
    pMain->activateWindow();
    if (!QTest::qWaitForWindowActive(pMain, 5000))
        Finish(3, "main dialog active");
    QTest::mouseClick(pWidth, Qt::LeftButton);
    QApplication::processEvents();
    pWidth->selectAll();
    QTest::keyClicks(pWidth, QStringLiteral("3"));
    QTest::keyClick(pWidth, Qt::Key_Return);
    QApplication::processEvents();
    if (Find<QLineEdit>(pPage, ImagePageIds::kIdDistWide)->text() != QStringLiteral("4.11"))
        Finish(3, g_pszStep);

    OpenAndEscape("shift calculator", QStringLiteral("Shift Calculator"),
                  [pShift] { QTest::mouseClick(pShift, Qt::LeftButton); });
    QAction* pAbout = nullptr;
    for (QAction* pAction : pMain->findChildren<QAction*>())
        if (pAction->text() == QStringLiteral("&About Lenvara Calculator"))
            pAbout = pAction;
    if (!pAbout)
        Finish(3, "about command");
    OpenAndEscape("about box", QStringLiteral("About Lenvara Calculator"),
                  [pAbout] { pAbout->trigger(); });
    Finish(0, "ok");
}

void OnTimeOut(int)
{
    static const char kText[] = "startup-driver: timed out\n";
    (void)!write(1, kText, sizeof kText - 1);
    _exit(4);
}

// Set when the toolkit says, while the application object is made, that it runs on
// another thread than the one that made it.
bool g_bToolkitOnOtherThread = false;
QtMessageHandler g_pfnPreviousHandler = nullptr;

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& strMessage)
{
    if (strMessage.contains(QStringLiteral("main() thread")))
        g_bToolkitOnOtherThread = true;
    if (g_pfnPreviousHandler)
        g_pfnPreviousHandler(type, context, strMessage);
}

void OnApplicationMade()
{
    const bool bMainThread = syscall(SYS_gettid) == getpid();
    if (!bMainThread || g_bToolkitOnOtherThread ||
        QCoreApplication::instance()->thread() != QThread::currentThread())
        Finish(3, "the application does not run on the main thread");
    QTimer::singleShot(0, &Drive);
}

// Armed when the shim is loaded, so a start that never reaches the application
// object ends too.
const bool g_bArmed = []
{
    std::signal(SIGALRM, &OnTimeOut);
    alarm(30);
    g_pfnPreviousHandler = qInstallMessageHandler(&OnMessage);
    return true;
}();
} // namespace

Q_COREAPP_STARTUP_FUNCTION(OnApplicationMade)
