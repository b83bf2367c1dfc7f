// Shift+F10 opens the context menu of every GL view, as the menu key does.
#include "TestGLWnd.h"

#include "gl/GLShiftWnd_Orizzontale.h"
#include "gl/GLShiftWnd_Verticale.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// Presses Shift+F10 in the view and picks "Zoom" from the menu that opens; returns
// where the menu opened, (-1, -1) when none did.
template <class TView> QPoint ZoomByShiftF10(CTestView<TView>& wnd)
{
    wnd.ShowAt(120, 90);
    QPoint ptMenu(-1, -1);
    QTimer timer; // goes with this scope, whether or not a menu opened
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout,
                     [&ptMenu]()
                     {
                         auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                         if (!pMenu)
                             return;
                         ptMenu = pMenu->pos();
                         for (QAction* pAction : pMenu->actions())
                             if (pAction->text() == "Zoom")
                                 pMenu->setActiveAction(pAction);
                         QTest::keyClick(pMenu, Qt::Key_Return);
                     });
    timer.start(50);
    QTest::keyClick(&wnd, Qt::Key_F10, Qt::ShiftModifier);
    return ptMenu;
}

TEST(ViewMenuKey, ShiftF10OpensTheMenuOfEachView)
{
    CTestView<CGLWnd> preview;
    CTestView<CGLShiftWnd_Orizzontale> horizontal;
    CTestView<CGLShiftWnd_Verticale> vertical;
    // The keyboard's menu opens just inside the view's top-left corner.
    const QPoint ptPreview = ZoomByShiftF10(preview);
    EXPECT_EQ(ptPreview, preview.mapToGlobal(QPoint(5, 5)));
    const QPoint ptHorizontal = ZoomByShiftF10(horizontal);
    EXPECT_EQ(ptHorizontal, horizontal.mapToGlobal(QPoint(5, 5)));
    const QPoint ptVertical = ZoomByShiftF10(vertical);
    EXPECT_EQ(ptVertical, vertical.mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(preview.m_bZoom && horizontal.m_bZoom && vertical.m_bZoom);
}

} // namespace
