// The shift views: the horizontal view's geometry read back in feedback mode at full
// shift either way with its labels, and the shift labels of both views on the worked
// examples.
#include "FeedbackCapture.h"
#include "TestGLWnd.h"

#include "gl/GLShiftWnd_Orizzontale.h"
#include "gl/GLShiftWnd_Verticale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

// The angle in degrees whose tangent is t, so that the offsets are round numbers.
float AngleOf(double t)
{
    return static_cast<float>(std::atan(t) * 180.0 / M_PI);
}

// The horizontal view with its drawing operations marked: 1 and 2 the WA and TP
// pyramids, 3 and 4 the WA and TP shift ranges, 5 the marker.
class CShiftFeedbackWnd : public CTestView<CGLShiftWnd_Orizzontale>
{
public:
    int m_nPyramid = 0;

protected:
    void DrawShiftedPyramid(float w, float h, float d, float c) override
    {
        glPassThrough(static_cast<GLfloat>(1 + m_nPyramid++));
        CGLShiftWnd_Orizzontale::DrawShiftedPyramid(w, h, d, c);
    }
    void DrawShiftRangeWide(float w, float h) override
    {
        glPassThrough(3);
        CGLShiftWnd_Orizzontale::DrawShiftRangeWide(w, h);
    }
    void DrawShiftRangeTele(float w, float h) override
    {
        glPassThrough(4);
        CGLShiftWnd_Orizzontale::DrawShiftRangeTele(w, h);
    }
    void DrawShiftMarkerDistance(float w, float h) override
    {
        glPassThrough(5);
        CGLShiftWnd_Orizzontale::DrawShiftMarkerDistance(w, h);
    }
};

// A rectangle at z = 0 (thousandths) and, when d is not 0, its corners' edges to the
// lens at (0, 0, d) and the lens axis.
std::set<Edge> RectEdges(int l, int r, int b, int t, int d = 0)
{
    const Point lb{l, b, 0}, rb{r, b, 0}, rt{r, t, 0}, lt{l, t, 0}, apex{0, 0, d};
    std::set<Edge> edges = {E(lb, rb), E(rb, rt), E(rt, lt), E(lt, lb)};
    if (d != 0)
        edges.insert({E(apex, lb), E(apex, rb), E(apex, rt), E(apex, lt), E({0, 0, 0}, apex)});
    return edges;
}

struct SShiftCase
{
    const char* pszName;
    float r;
    int nWide, nTele, nEdge; // WA and TP centre and WA edge offsets, thousandths
    SLabelCall shiftLabel;
};

void PrintTo(const SShiftCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class ShiftViewTest : public ::testing::TestWithParam<SShiftCase>
{
};

// Width 4, height 2 at 6 (WA) and 8 (TP): scale and label scale 1800 / 8 = 225.
// Tangents: WA left 0.125 and right 0.25, TP left 0.1 and right 0.2.
TEST_P(ShiftViewTest, GeometryAndLabelsAtFullShift)
{
    const SShiftCase& c = GetParam();
    CShiftFeedbackWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetMode(0);
    wnd.SetViewData(4, 2, 6, 4, 2, 8);
    wnd.SetWideAngles(AngleOf(0.125), AngleOf(0.25));
    wnd.SetTeleAngles(AngleOf(0.1), AngleOf(0.2));
    wnd.SetShiftRatio(c.r);

    const std::vector<SLabelCall> labels = {
        c.shiftLabel, {450, -225, 810, "P_WA=6.00"}, {270, -225, 1350, "P_TP=8.00"}};
    EXPECT_EQ(wnd.RenderLabels(), labels);

    wnd.m_nPyramid = 0;
    auto sections = CaptureFeedback(wnd, 225);
    // The pictures moved by their centre offsets, blue and red, each lens axis black.
    EXPECT_EQ(Edges(sections[1]), RectEdges(c.nWide - 2000, c.nWide + 2000, -1000, 1000, 6000));
    EXPECT_EQ(Edges(sections[2]), RectEdges(c.nTele - 2000, c.nTele + 2000, -1000, 1000, 8000));
    ASSERT_FALSE(sections[1].empty() || sections[2].empty());
    EXPECT_TRUE(AllColoured({sections[1].back(), sections[2].back()}, 0, 0, 0));
    EXPECT_TRUE(AllColoured({sections[1].begin(), sections[1].end() - 1}, 0, 0, 1));
    EXPECT_TRUE(AllColoured({sections[2].begin(), sections[2].end() - 1}, 1, 0, 0));
    // The reach at each end around the picture enlarged by 1.1 (4.4 x 2.2), translucent.
    EXPECT_EQ(Edges(sections[3]), RectEdges(-2950, 3700, -1100, 1100));
    EXPECT_EQ(Edges(sections[4]), RectEdges(-3000, 3800, -1100, 1100));
    EXPECT_TRUE(AllColoured(sections[3], 0, 0, 1, 0.5f));
    EXPECT_TRUE(AllColoured(sections[4], 1, 0, 0, 0.5f));
    // The marker from the axis to the WA edge at 1.5 half-heights, ticks of h' / 15.
    const std::set<Edge> marker = {E({c.nEdge, 1797, 0}, {c.nEdge, 1503, 0}),
                                   E({0, 1797, 0}, {0, 1503, 0}),
                                   E({0, 1650, 0}, {c.nEdge, 1650, 0})};
    EXPECT_EQ(Edges(sections[5]), marker);
    EXPECT_TRUE(AllColoured(sections[5], 0, 0, 1, 0.5f));
}

INSTANTIATE_TEST_SUITE_P(
    Horizontal, ShiftViewTest,
    ::testing::Values(
        // Right: 0.25 x 6 and 0.2 x 8; the right edge at 1.5 + 2.
        SShiftCase{"FullRight", 1.0f, 1500, 1600, 3500, {337, 450, 0, "H Shift = 3.50"}},
        // Left: -0.125 x 6 and -0.1 x 8; the left edge at -0.75 - 2.
        SShiftCase{"FullLeft", -1.0f, -750, -800, -2750, {-168, 450, 0, "H Shift = -2.75"}}),
    [](const ::testing::TestParamInfo<SShiftCase>& info) { return info.param.pszName; });

TEST(ShiftViewLabels, WorkedExamplesOfBothViews)
{
    // Label scale 1800 / 6 = 300. Full left with 5 degrees, width 4: centre -0.525.
    CTestView<CGLShiftWnd_Orizzontale> horizontal;
    horizontal.ShowAt(40, 40);
    horizontal.SetViewData(4, 2.25f, 6, 4, 2.25f, 6);
    horizontal.SetWideAngles(5, 0);
    horizontal.SetShiftRatio(-1);
    EXPECT_EQ(horizontal.RenderLabels().front(), (SLabelCall{-157, 675, 0, "H Shift = -2.52"}));
    // Full up with 10 degrees, height 2.25: centre 1.058, beside the pictures.
    CTestView<CGLShiftWnd_Verticale> vertical;
    vertical.ShowAt(300, 40);
    vertical.SetViewData(4, 2.25f, 6, 4, 2.25f, 6);
    vertical.SetWideAngles(0, 10);
    vertical.SetShiftRatio(1);
    EXPECT_EQ(vertical.RenderLabels().front(), (SLabelCall{1080, 317, 0, "V Shift = 2.18"}));
}

} // namespace
