// The preview window: label positions and texts, scene geometry read back in
// feedback mode, the projection, the mouse modes and the context menu (the font:
// GLLabelFontTest.cpp).
#include "FeedbackCapture.h"
#include "TestGLWnd.h"

#include "platform/Resources.h"

#include <GL/gl.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <utility>

namespace
{
// ------------------------------------------------------------------ labels

struct SLabelCase
{
    const char* pszName;
    int nMode;
    std::array<float, 6> data; // w1, h1, d1, w2, h2, d2
    float fZoom;
    std::vector<SLabelCall> expected;
};

void PrintTo(const SLabelCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class LabelTest : public ::testing::TestWithParam<SLabelCase>
{
};

TEST_P(LabelTest, PositionsAndTexts)
{
    const SLabelCase& c = GetParam();
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetMode(c.nMode);
    wnd.SetViewData(c.data[0], c.data[1], c.data[2], c.data[3], c.data[4], c.data[5]);
    wnd.m_fZoom = c.fZoom;
    EXPECT_EQ(wnd.RenderLabels(), c.expected);
}

// Worked by hand: g = zoom x 1800 / largest extent; positions truncated.
INSTANTIATE_TEST_SUITE_P(
    Preview, LabelTest,
    ::testing::Values(
        // W 4, H 2.25, D 7.5: g = 240.
        SLabelCase{"DistanceWorkedExample",
                   0,
                   {4, 2.25f, 6, 4, 2.25f, 7.5f},
                   1.0f,
                   {{0, 540, 0, "W=4.00"},
                    {576, 0, 0, "H=2.25"},
                    {480, -270, 864, "P_WA=6.00"},
                    {288, -270, 1350, "P_TP=7.50"}}},
        // Zoom 2 doubles g to 480.
        SLabelCase{"DistanceZoomed",
                   0,
                   {4, 2.25f, 6, 4, 2.25f, 7.5f},
                   2.0f,
                   {{0, 1080, 0, "W=4.00"},
                    {1152, 0, 0, "H=2.25"},
                    {960, -540, 1728, "P_WA=6.00"},
                    {576, -540, 2700, "P_TP=7.50"}}},
        SLabelCase{
            "ZeroWidthHidesOnlyW",
            0,
            {0, 2.25f, 6, 0, 2.25f, 7.5f},
            1.0f,
            {{0, 0, 0, "H=2.25"}, {0, -270, 864, "P_WA=6.00"}, {0, -270, 1350, "P_TP=7.50"}}},
        SLabelCase{"ZeroHeightHidesOnlyH",
                   0,
                   {4, 0, 6, 4, 0, 7.5f},
                   1.0f,
                   {{0, 0, 0, "W=4.00"}, {480, 0, 864, "P_WA=6.00"}, {288, 0, 1350, "P_TP=7.50"}}},
        // Width 10 > distance 7.5 (a short-throw lens): the labels take the geometry's
        // scale, g = 1800 / 10 = 180, and stay on its lines.
        SLabelCase{"WidthBeyondDistanceTakesTheGeometrysScale",
                   0,
                   {10, 5.625f, 6, 10, 5.625f, 7.5f},
                   1.0f,
                   {{0, 1012, 0, "W=10.00"},
                    {1080, 0, 0, "H=5.62"},
                    {900, -506, 648, "P_WA=6.00"},
                    {540, -506, 1012, "P_TP=7.50"}}},
        // Tele 3.2 x 1.8 and wide 4 x 2.25 at 5: W 4, H 2.25, D 5, g = 360.
        SLabelCase{"ScreenMode",
                   1,
                   {3.2f, 1.8f, 5, 4, 2.25f, 5},
                   1.0f,
                   {{0, 810, 0, "W=4.00"}, {864, 0, 0, "H=2.25"}, {720, -405, 900, "PJD=5.00"}}},
        SLabelCase{"ZeroDistanceDrawsNoLabel", 0, {4, 2.25f, 0, 4, 2.25f, 0}, 1.0f, {}},
        SLabelCase{"NoDataDrawsNothing", 0, {0, 0, 0, 0, 0, 0}, 1.0f, {}}),
    [](const ::testing::TestParamInfo<SLabelCase>& info) { return info.param.pszName; });

// ------------------------------------------------------------------ geometry

// Feedback of one frame (see CaptureFeedback) with the preview's drawing operations
// marked: 1 dimension lines, 2 box, 3 and 4 the beams.
class CFeedbackWnd : public CTestGLWnd
{
public:
    std::map<int, std::vector<SSegment>> Capture(float k)
    {
        m_nBeam = 0;
        return CaptureFeedback(*this, k);
    }

protected:
    void DrawDimensionLines(float x, float y, float z, float w, float h, float d) override
    {
        glPassThrough(1);
        CGLWnd::DrawDimensionLines(x, y, z, w, h, d);
    }
    void DrawBoundingBox(float x, float y, float z, float w, float h, float d) override
    {
        glPassThrough(2);
        CGLWnd::DrawBoundingBox(x, y, z, w, h, d);
    }
    void DrawBeam(float x, float y, float z, float w, float h, float d, float s1, float s2) override
    {
        glPassThrough(static_cast<GLfloat>(3 + m_nBeam++));
        CGLWnd::DrawBeam(x, y, z, w, h, d, s1, s2);
    }

private:
    int m_nBeam = 0;
};

// The 12 edges of the box from (x0, y0, z0) to (x1, y1, z1), in thousandths.
std::set<Edge> BoxEdges(int x0, int y0, int z0, int x1, int y1, int z1)
{
    std::set<Edge> edges;
    const int xs[2] = {x0, x1}, ys[2] = {y0, y1}, zs[2] = {z0, z1};
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j)
        {
            edges.insert(E({x0, ys[i], zs[j]}, {x1, ys[i], zs[j]}));
            edges.insert(E({xs[i], y0, zs[j]}, {xs[i], y1, zs[j]}));
            edges.insert(E({xs[i], ys[j], z0}, {xs[i], ys[j], z1}));
        }
    return edges;
}

// A screen w x h (thousandths) centred at the origin and its four edges to the lens.
std::set<Edge> PyramidEdges(int w, int h, int d)
{
    const Point lb{-w / 2, -h / 2, 0}, rb{w / 2, -h / 2, 0}, rt{w / 2, h / 2, 0},
        lt{-w / 2, h / 2, 0}, apex{0, 0, d};
    return {E(lb, rb),   E(rb, rt),   E(rt, lt),   E(lt, lb),
            E(apex, lb), E(apex, rb), E(apex, rt), E(apex, lt)};
}

// One frame of the preview in that mode with that data, scaled by k (see CFeedbackWnd).
std::map<int, std::vector<SSegment>> CaptureScene(int nMode, const std::array<float, 6>& data,
                                                  float k)
{
    CFeedbackWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetMode(nMode);
    wnd.SetViewData(data[0], data[1], data[2], data[3], data[4], data[5]);
    return wnd.Capture(k);
}

TEST(PreviewGeometry, WorkedExampleInFeedback)
{
    auto sections = CaptureScene(0, {4, 2.25f, 6, 4, 2.25f, 7.5f}, 240); // 1800 / 7.5

    // Dimension lines, red: top edge, right edge, axis to the farthest lens.
    const std::set<Edge> lines = {E({-2000, 1125, 0}, {2000, 1125, 0}),
                                  E({2000, -1125, 0}, {2000, 1125, 0}), E({0, 0, 0}, {0, 0, 7500})};
    EXPECT_EQ(Edges(sections[1]), lines);
    EXPECT_EQ(sections[1].size(), 3u);
    EXPECT_TRUE(AllColoured(sections[1], 1, 0, 0));

    // The box 4 x 2.25 x 7.5 around the installation, light blue.
    EXPECT_EQ(Edges(sections[2]), BoxEdges(-2000, -1125, 0, 2000, 1125, 7500));
    EXPECT_TRUE(AllColoured(sections[2], 0, 0.5f, 1));

    // Its faces in the order z = 0, z = D, y = H, y = 0, x = W, x = 0.
    const std::array<std::pair<int, int>, 6> planes = {
        {{2, 0}, {2, 7500}, {1, 1125}, {1, -1125}, {0, 2000}, {0, -2000}}};
    // Each face gives four edges in a row.
    ASSERT_EQ(sections[2].size(), 24u);
    for (size_t i = 0; i < sections[2].size(); ++i)
    {
        const auto [nAxis, nValue] = planes[i / 4];
        EXPECT_EQ(Key(sections[2][i].p)[nAxis], nValue) << "edge " << i;
        EXPECT_EQ(Key(sections[2][i].q)[nAxis], nValue) << "edge " << i;
    }

    // The two beams, blue: the same screen, lenses at 6 and 7.5.
    EXPECT_EQ(Edges(sections[3]), PyramidEdges(4000, 2250, 6000));
    EXPECT_EQ(Edges(sections[4]), PyramidEdges(4000, 2250, 7500));
    EXPECT_TRUE(AllColoured(sections[3], 0, 0, 1));
    EXPECT_TRUE(AllColoured(sections[4], 0, 0, 1));
}

TEST(PreviewGeometry, WidthBeyondDistanceScalesFromWidth)
{
    // 1800 / 10: the width is the largest extent.
    auto sections = CaptureScene(0, {10, 5.625f, 6, 10, 5.625f, 7.5f}, 180);
    EXPECT_EQ(Edges(sections[2]), BoxEdges(-5000, -2813, 0, 5000, 2813, 7500));
}

TEST(PreviewGeometry, ScreenModeBeamsShareTheLens)
{
    auto sections = CaptureScene(1, {3.2f, 1.8f, 5, 4, 2.25f, 5}, 360); // 1800 / 5
    EXPECT_EQ(Edges(sections[3]), PyramidEdges(3200, 1800, 5000));
    EXPECT_EQ(Edges(sections[4]), PyramidEdges(4000, 2250, 5000));
}

TEST(PreviewGeometry, NoDataDrawsOnlyTheClearColour)
{
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    const QImage frame = wnd.grabFramebuffer();
    ASSERT_FALSE(frame.isNull());
    for (int y = 0; y < frame.height(); y += 7)
        for (int x = 0; x < frame.width(); x += 7)
            ASSERT_EQ(frame.pixel(x, y) & 0xFFFFFF, 0xFFFFFFu) << x << "," << y;
}

// ------------------------------------------------------------------ projection

TEST(PreviewProjection, PerspectiveFromTheWindowSize)
{
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0); // 45 degrees field of view
    struct
    {
        int w, h;
        double dAspect;
    } rows[] = {{226, 193, 226.0 / 193.0}, {300, 0, 300.0}}; // zero height: aspect = width
    wnd.makeCurrent();
    for (const auto& row : rows)
    {
        wnd.resizeGL(row.w, row.h);
        GLdouble m[16];
        GLint viewport[4];
        glGetDoublev(GL_PROJECTION_MATRIX, m); // stored in single precision
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_NEAR(m[0], f / row.dAspect, 1e-6 * m[5]) << row.w << "x" << row.h;
        EXPECT_NEAR(m[5], f, 1e-6);
        EXPECT_NEAR(m[10], -6001.0 / 5999.0, 1e-6); // near 1, far 6000
        EXPECT_NEAR(m[14], -2.0 * 6000.0 / 5999.0, 1e-6);
        EXPECT_EQ(viewport[2], row.w);
        EXPECT_EQ(viewport[3], row.h);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    }
    wnd.doneCurrent();
}

// ------------------------------------------------------------------ mouse

struct SDragCase
{
    const char* pszName;
    int nCommand;
    QPoint ptTo; // from (100, 100)
    double dRotX, dRotY, dTransX, dTransY;
    float fZoom;
};

void PrintTo(const SDragCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class DragTest : public ::testing::TestWithParam<SDragCase>
{
};

TEST_P(DragTest, OneStep)
{
    const SDragCase& c = GetParam();
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.OnCommand(c.nCommand);
    QTest::mousePress(&wnd, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&wnd, c.ptTo);
    EXPECT_DOUBLE_EQ(wnd.m_dRotX, c.dRotX);
    EXPECT_DOUBLE_EQ(wnd.m_dRotY, c.dRotY);
    EXPECT_DOUBLE_EQ(wnd.m_dTransX, c.dTransX);
    EXPECT_DOUBLE_EQ(wnd.m_dTransY, c.dTransY);
    EXPECT_DOUBLE_EQ(wnd.m_dTransZ, -4000.0);
    EXPECT_FLOAT_EQ(wnd.m_fZoom, c.fZoom);
    // Released, further moves change nothing.
    QTest::mouseRelease(&wnd, Qt::LeftButton, Qt::NoModifier, c.ptTo);
    QTest::mouseMove(&wnd, QPoint(10, 10));
    EXPECT_DOUBLE_EQ(wnd.m_dRotY, c.dRotY);
    EXPECT_DOUBLE_EQ(wnd.m_dTransX, c.dTransX);
    EXPECT_FLOAT_EQ(wnd.m_fZoom, c.fZoom);
}

INSTANTIATE_TEST_SUITE_P(
    Preview, DragTest,
    ::testing::Values(
        // Half a degree per pixel: 3 right turns +1.5 about y, 2 up -1.0 about x.
        SDragCase{"SpinRightUp", CGLWnd::kIdSpin, {103, 98}, 33.0, -17.5, 250, 500, 1.0f},
        // Ten units per pixel: 3 right moves x by +30, 2 up moves y by +20.
        SDragCase{"MoveRightUp", CGLWnd::kIdMove, {103, 98}, 34.0, -19.0, 280, 520, 1.0f},
        SDragCase{"ZoomSidewaysZoomsOut",
                  CGLWnd::kIdZoom,
                  {104, 100},
                  34.0,
                  -19.0,
                  250,
                  500,
                  1.0f / 1.025f},
        SDragCase{
            "ZoomUpZoomsOut", CGLWnd::kIdZoom, {100, 90}, 34.0, -19.0, 250, 500, 1.0f / 1.025f},
        SDragCase{"ZoomDownZoomsIn", CGLWnd::kIdZoom, {100, 101}, 34.0, -19.0, 250, 500, 1.025f}),
    [](const ::testing::TestParamInfo<SDragCase>& info) { return info.param.pszName; });

TEST(PreviewMouse, ZoomStopsBeforeItCanNoLongerComeBack)
{
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.OnCommand(CGLWnd::kIdZoom);
    wnd.m_fZoom = 1e6f;
    QTest::mousePress(&wnd, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&wnd, QPoint(100, 101)); // down: zoom in, beyond the limit
    EXPECT_FLOAT_EQ(wnd.m_fZoom, 1e6f);
    QTest::mouseMove(&wnd, QPoint(100, 100)); // up: zoom out again
    EXPECT_FLOAT_EQ(wnd.m_fZoom, 1e6f / 1.025f);
    QTest::mouseRelease(&wnd, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
}

TEST(PreviewMouse, ClickGivesTheFocusForTheMenuKey)
{
    // Keyboard context menus go to the focused widget: a click must give the view the
    // focus (whether the window system then activates the window is not ours to test),
    // while Tab passes it by.
    CTestGLWnd wnd;
    EXPECT_EQ(wnd.focusPolicy(), Qt::ClickFocus);
}

TEST(PreviewMouse, CursorFollowsTheModeOnEveryMove)
{
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    const struct
    {
        int nCommand;
        int nCursor;
    } rows[] = {{CGLWnd::kIdZoom, 145}, {CGLWnd::kIdMove, 143}, {CGLWnd::kIdSpin, 146}};
    QPoint pt(30, 30);
    for (const auto& row : rows)
    {
        wnd.OnCommand(row.nCommand);
        pt += QPoint(7, 5);
        QMouseEvent move(QEvent::MouseMove, pt, wnd.mapToGlobal(pt), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier); // no button held
        QApplication::sendEvent(&wnd, &move);
        const QImage expected = LoadCursorResource(row.nCursor).pixmap().toImage();
        ASSERT_FALSE(expected.isNull()) << "cursor resource " << row.nCursor;
        EXPECT_EQ(wnd.cursor().pixmap().toImage(), expected) << row.nCursor;
    }
}

// ------------------------------------------------------------------ context menu

// Opens the context menu with the event, then picks the item with that text from
// the popup; returns the popup's position.
QPoint PickFromMenu(CTestGLWnd& wnd, QContextMenuEvent::Reason eReason, const QPoint& ptLocal,
                    const QString& strItem, QStringList* pItems = nullptr)
{
    QPoint ptMenu(-1, -1);
    QTimer::singleShot(50,
                       [&]()
                       {
                           auto* pMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                           if (!pMenu)
                               return;
                           ptMenu = pMenu->pos();
                           for (QAction* pAction : pMenu->actions())
                           {
                               if (pItems)
                                   pItems->append(pAction->text());
                               if (pAction->text() == strItem)
                                   pMenu->setActiveAction(pAction);
                           }
                           QTest::keyClick(pMenu, Qt::Key_Return);
                       });
    QContextMenuEvent event(eReason, ptLocal, wnd.mapToGlobal(ptLocal));
    QApplication::sendEvent(&wnd, &event);
    return ptMenu;
}

TEST(PreviewMenu, OpensInPlaceAndSetsTheMode)
{
    const struct
    {
        QContextMenuEvent::Reason eReason;
        const char* pszItem;
        QPoint ptMenu; // where the popup opens, in window coordinates
        bool bMove, bSpin, bZoom;
    } rows[] = {
        // From the keyboard the pointer means nothing: just inside the top-left corner.
        {QContextMenuEvent::Keyboard, "Zoom", {5, 5}, false, false, true},
        {QContextMenuEvent::Mouse, "Move", {60, 70}, true, false, false},
    };
    for (const auto& row : rows)
    {
        CTestGLWnd wnd;
        wnd.ShowAt(120, 90);
        QStringList items;
        const QPoint pt = PickFromMenu(wnd, row.eReason, QPoint(60, 70), row.pszItem, &items);
        EXPECT_EQ(pt, wnd.mapToGlobal(row.ptMenu)) << row.pszItem;
        EXPECT_EQ(items, QStringList({"Move", "Spin", "Zoom", "Resize"}));
        EXPECT_EQ(wnd.m_bMove, row.bMove) << row.pszItem;
        EXPECT_EQ(wnd.m_bSpin, row.bSpin) << row.pszItem;
        EXPECT_EQ(wnd.m_bZoom, row.bZoom) << row.pszItem;
    }
}

TEST(PreviewMenu, ResizeRestoresTheViewAndSpin)
{
    CTestGLWnd wnd;
    wnd.ShowAt(120, 90);
    wnd.SetMode(1);
    wnd.SetViewData(3.2f, 1.8f, 5, 4, 2.25f, 5);
    wnd.OnCommand(CGLWnd::kIdZoom);
    QTest::mousePress(&wnd, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QTest::mouseMove(&wnd, QPoint(50, 60));
    wnd.OnCommand(CGLWnd::kIdMove);
    QTest::mouseMove(&wnd, QPoint(70, 40));
    QTest::mouseRelease(&wnd, Qt::LeftButton, Qt::NoModifier, QPoint(70, 40));
    wnd.m_dRotX = 12;
    wnd.m_dRotY = 80;
    ASSERT_NE(wnd.m_fZoom, 1.0f);
    ASSERT_NE(wnd.m_dTransX, 250.0);

    PickFromMenu(wnd, QContextMenuEvent::Mouse, QPoint(20, 20), "Resize");
    EXPECT_DOUBLE_EQ(wnd.m_dRotX, 34.0);
    EXPECT_DOUBLE_EQ(wnd.m_dRotY, -19.0);
    EXPECT_DOUBLE_EQ(wnd.m_dTransX, 250.0);
    EXPECT_DOUBLE_EQ(wnd.m_dTransY, 500.0);
    EXPECT_DOUBLE_EQ(wnd.m_dTransZ, -4000.0);
    EXPECT_FLOAT_EQ(wnd.m_fZoom, 1.0f);
    EXPECT_TRUE(wnd.m_bSpin);
    EXPECT_FALSE(wnd.m_bMove || wnd.m_bZoom || wnd.m_bLButtonDown);
    // The data and the mode stay.
    EXPECT_EQ(wnd.GetMode(), 1);
    EXPECT_EQ(wnd.RenderLabels().back().strText, "PJD=5.00");
}

} // namespace
