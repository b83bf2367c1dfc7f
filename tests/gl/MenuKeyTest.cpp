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

// Presses Shift+F10 in the view and picks "Zoom" from the menu that opens: true when
// the menu opened just inside the view's top-left corner and "Zoom" took effect.
template <class TView> bool ZoomByShiftF10()
{
    CTestView<TView> wnd;
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
    return ptMenu == wnd.mapToGlobal(QPoint(5, 5)) && wnd.m_bZoom;
}

TEST(ViewMenuKey, ShiftF10OpensTheMenuOfEachView)
{
    EXPECT_TRUE(ZoomByShiftF10<CGLWnd>());
    EXPECT_TRUE(ZoomByShiftF10<CGLShiftWnd_Orizzontale>());
    EXPECT_TRUE(ZoomByShiftF10<CGLShiftWnd_Verticale>());
}

} // namespace
