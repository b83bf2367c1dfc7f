// The main dialog's GL preview, created after the dialog is shown and active, leaves
// the dialog's window as it is: no new native window, still active, and no other
// control made a native window.
#include "app/LenvaraApp.h"
#include "gl/GLWnd.h"
#include "gl/GetOGLBitmap.h"
#include "ui/LenvaraDlg.h"

#include <QTest>

#include <gtest/gtest.h>

namespace
{
class CWinIdWatch : public QObject
{
public:
    int m_nChanges = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nChanges += pEvent->type() == QEvent::WinIdChange;
        return false;
    }
};

TEST(MainDialogPreview, ComesWithoutRecreatingTheActiveDialog)
{
    CLenvaraApp app;
    CLenvaraDlg* pDlg = CreateMainDialog(app);
    pDlg->show(); // makes the native window; the preview waits for the first paint
    const WId id = pDlg->winId();
    CWinIdWatch watch;
    pDlg->installEventFilter(&watch);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pDlg));
    pDlg->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(pDlg, 2000));

    CGLWnd* pPreview = pDlg->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    // Until the preview shows its GL picture, and a little longer.
    EXPECT_TRUE(QTest::qWaitFor(
        [pPreview]
        {
            CGetOGLBitmap capture;
            return capture.Capture(*pPreview, QRect(0, 0, 1, 1)) == 1;
        },
        3000));
    QTest::qWait(100);
    EXPECT_EQ(watch.m_nChanges, 0);
    EXPECT_EQ(pDlg->winId(), id);
    EXPECT_TRUE(pDlg->isActiveWindow());
    for (const QWidget* pChild : pDlg->findChildren<QWidget*>())
    {
        if (pChild->isWindow())
            continue;
        EXPECT_EQ(pChild->internalWinId(), 0u)
            << pChild->metaObject()->className() << " " << pChild->objectName().toStdString();
    }
    app.ExitInstance();
}
} // namespace
