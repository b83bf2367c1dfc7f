// The combined shift outline: its axis ends against the record's one-direction
// limits, and points on each side and in a corner worked by hand.
#include "core/ShiftEnvelope.h"

#include "core/OwnCatalogue.h"
#include "core/ProjectorCatalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace
{

double Degrees(double dRoom, double dFocal)
{
    return std::atan(dRoom / dFocal) * 180.0 / std::numbers::pi;
}

// Pavo QC 16:9 shifts both ways; Kelda W1 has a negative offset (-0.61) above and one
// (5.8) that leaves no room below.
TEST(ShiftEnvelopeTest, AxisEndsAreTheOneDirectionLimits)
{
    for (const char* pszName : {"Pavo QC", "Kelda W1"})
    {
        CTarsioModel model;
        ASSERT_TRUE(model.LoadModel(pszName, 1)) << pszName;
        const SShiftEnvelope env = CircleShiftEnvelope(PanelLensOf(model));
        float h[4], v[4];
        ASSERT_TRUE(model.HorizontalShiftLimits(h[0], h[1], h[2], h[3]));
        ASSERT_TRUE(model.VerticalShiftLimits(v[0], v[1], v[2], v[3]));
        const double dFocal = env.lens.dPanelWidth * model.GetThrowWide();
        const SShiftRange across = *HorizontalRangeAt(env, 0.0);
        const SShiftRange up = *VerticalRangeAt(env, 0.0);
        // Room A is the minus side, room B the plus side; a negative room is no travel.
        EXPECT_NEAR(Degrees(-across.dMin, dFocal), std::max(h[0], 0.0f), 1e-4) << pszName;
        EXPECT_NEAR(Degrees(across.dMax, dFocal), std::max(h[1], 0.0f), 1e-4) << pszName;
        EXPECT_NEAR(Degrees(-up.dMin, dFocal), std::max(v[0], 0.0f), 1e-4) << pszName;
        EXPECT_NEAR(Degrees(up.dMax, dFocal), std::max(v[1], 0.0f), 1e-4) << pszName;
    }
}

TEST(ShiftEnvelopeTest, PointsOnEachSideAndInACorner)
{
    // Pavo QC: panel 20.736 x 11.664 mm, R 16.9, H offsets 3.5 / 3.5, V offsets 0 / 3.8.
    // Geometric rooms: sqrt(16.9² - 5.832²) - 10.368 = 5.4938 across,
    // sqrt(16.9² - 10.368²) - 5.832 = 7.5140 up and down; less the offsets:
    // left = right = 1.9938, up 7.5140, down 3.7140.
    CTarsioModel model;
    ASSERT_TRUE(model.LoadModel("Pavo QC", 1));
    const SShiftEnvelope env = CircleShiftEnvelope(PanelLensOf(model));
    EXPECT_NEAR(env.dLeft, 1.99383, 1e-4);
    EXPECT_NEAR(env.dRight, 1.99383, 1e-4);
    EXPECT_NEAR(env.dUp, 7.51396, 1e-4);
    EXPECT_NEAR(env.dDown, 3.71396, 1e-4);

    // Half the right room is half the geometric room, 2.7469: there the circle leaves
    // sqrt(16.9² - (2.7469 + 10.368)²) - 5.832 = 4.8267 of 7.5140 (64.24 %) vertically,
    // so 4.8267 up and 0.6424 x 3.7140 = 2.3857 down. The same to the left.
    for (double dX : {0.99692, -0.99692})
    {
        const SShiftRange corner = *VerticalRangeAt(env, dX);
        EXPECT_NEAR(corner.dMax, 4.82675, 1e-4) << dX;
        EXPECT_NEAR(corner.dMin, -2.38574, 1e-4) << dX;
    }
    // Half way up (3.7570 of the geometric 7.5140): sqrt(16.9² - (3.757 + 5.832)²)
    // - 10.368 = 3.5482 of 5.4938 across, so 0.6459 x 1.9938 = 1.2877 either way.
    const SShiftRange half = *HorizontalRangeAt(env, 7.51396 / 2);
    EXPECT_NEAR(half.dMax, 1.28773, 1e-4);
    EXPECT_NEAR(half.dMin, -1.28773, 1e-4);
    // The Shift Calculator's sliders in shares of the rooms: half right leaves 64.24 %
    // up and down; full right leaves nothing.
    EXPECT_NEAR(VerticalShareAt(env, 0.5, true), 0.64237, 1e-4);
    EXPECT_NEAR(VerticalShareAt(env, -0.5, false), 0.64237, 1e-4);
    EXPECT_TRUE(ReachesShares(env, 0.5, -0.64));
    EXPECT_FALSE(ReachesShares(env, 0.5, 0.65));
    EXPECT_FALSE(ReachesShares(env, 1.0, 1.0 / 15));
    // Beyond the room on either side nothing remains.
    EXPECT_FALSE(VerticalRangeAt(env, 2.1).has_value());
    EXPECT_FALSE(HorizontalRangeAt(env, -3.8).has_value());

    // The outline is closed, runs through the four axis ends and nowhere beyond.
    const std::vector<SShiftPoint> outline = ShiftEnvelopeOutline(env);
    EXPECT_EQ(outline.front().dX, outline.back().dX);
    EXPECT_EQ(outline.front().dY, outline.back().dY);
    EXPECT_NEAR(outline.front().dX, -1.99383, 1e-4);
    double dTop = 0.0, dBottom = 0.0;
    for (const SShiftPoint& p : outline)
    {
        dTop = std::max(dTop, p.dY);
        dBottom = std::min(dBottom, p.dY);
        EXPECT_LE(std::abs(p.dX), 1.99383 + 1e-4);
    }
    EXPECT_NEAR(dTop, 7.51396, 1e-4);
    EXPECT_NEAR(dBottom, -3.71396, 1e-4);
}

TEST(ShiftEnvelopeTest, DiamondOfShiftPercentages)
{
    // Left 2, right 4, down 1, up 3: |h| / H + |v| / V <= 1 on each side.
    const SShiftEnvelope env = DiamondShiftEnvelope(2.0, 4.0, 1.0, 3.0);
    EXPECT_TRUE(env.bApproximate);
    const SShiftRange right = *VerticalRangeAt(env, 1.0); // a quarter of the right room
    EXPECT_DOUBLE_EQ(right.dMin, -0.75);
    EXPECT_DOUBLE_EQ(right.dMax, 2.25);
    const SShiftRange left = *VerticalRangeAt(env, -1.0); // half the left room
    EXPECT_DOUBLE_EQ(left.dMax, 1.5);
    const SShiftRange up = *HorizontalRangeAt(env, 1.5); // half the room up
    EXPECT_DOUBLE_EQ(up.dMin, -1.0);
    EXPECT_DOUBLE_EQ(up.dMax, 2.0);
    EXPECT_FALSE(HorizontalRangeAt(env, -1.5).has_value());
}

struct SRangeCase
{
    bool bVertical; // VerticalRangeAt(d), else HorizontalRangeAt(d)
    double d;
    std::optional<SShiftRange> expected;
};

void ExpectRanges(const SShiftEnvelope& env, const std::vector<SRangeCase>& cases)
{
    for (const SRangeCase& c : cases)
    {
        const std::optional<SShiftRange> range =
            c.bVertical ? VerticalRangeAt(env, c.d) : HorizontalRangeAt(env, c.d);
        ASSERT_EQ(range.has_value(), c.expected.has_value()) << c.bVertical << " " << c.d;
        if (!range)
            continue;
        EXPECT_NEAR(range->dMin, c.expected->dMin, 1e-5) << c.bVertical << " " << c.d;
        EXPECT_NEAR(range->dMax, c.expected->dMax, 1e-5) << c.bVertical << " " << c.d;
    }
}

TEST(ShiftEnvelopeTest, MakersOutlineOfAnOwnProjector)
{
    // A 14.592 x 9.12 mm panel shifting 30 % of the width either side, 50 % of the
    // height up and 10 % down, with the outline (0, 50), (20, 40), (30, 0): in panel
    // millimetres (0, 4.56), (2.9184, 3.648), (4.3776, 0). Below, the outline is
    // scaled to the 0.912 mm down: at a share s of the room across, 1 - 0.3 s up to the
    // middle point (s = 2/3, 0.8 remains), then 0.8 x (1 - s) / (1/3).
    const SCatalogueRead read = ParseProjectorCatalogue(
        R"({"lenvara-projectors": 1, "projectors": [{"name": "Outline 1", "lumens": 5000,
            "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6},
            "throw": {"16:9": [1.22, 1.53]},
            "shift_percent": {"up": 50, "down": 10, "left": 30, "right": 30},
            "shift_envelope": [[0, 50], [20, 40], [30, 0]]}]})",
        "outline.json");
    ASSERT_FALSE(read.error) << FormatCatalogueError(*read.error);
    InstallOwnProjectors(read.projectors, "outline.json");
    const std::optional<SShiftEnvelope> env = ModelShiftEnvelope("Outline 1", 1);
    InstallOwnProjectors({}, "");
    ASSERT_TRUE(env);
    EXPECT_FALSE(env->bApproximate);
    ExpectRanges(*env, {
                           {true, 2.9184, SShiftRange{-0.7296, 3.648}},    // on the middle point
                           {true, 1.4592, SShiftRange{-0.8208, 4.104}},    // s 1/3: 0.9 remains
                           {true, -3.648, SShiftRange{-0.3648, 1.824}},    // s 5/6 left: 0.4
                           {true, 4.3776, SShiftRange{0.0, 0.0}},          // the end
                           {true, 4.5, std::nullopt},                      // beyond it
                           {false, 3.648, SShiftRange{-2.9184, 2.9184}},   // on the middle point
                           {false, -0.8208, SShiftRange{-1.4592, 1.4592}}, // s 0.9 down: 1/3
                           {false, 4.6, std::nullopt},
                       });

    // The outline is the maker's points in each quadrant, counter-clockwise from the
    // left end of the horizontal axis.
    const std::vector<SShiftPoint> outline = ShiftEnvelopeOutline(*env);
    const double expected[][2] = {{-4.3776, 0},      {-2.9184, -0.7296}, {0, -0.912},
                                  {2.9184, -0.7296}, {4.3776, 0},        {2.9184, 3.648},
                                  {0, 4.56},         {-2.9184, 3.648},   {-4.3776, 0}};
    ASSERT_EQ(outline.size(), std::size(expected));
    for (std::size_t i = 0; i < outline.size(); ++i)
    {
        EXPECT_NEAR(outline[i].dX, expected[i][0], 1e-5) << i;
        EXPECT_NEAR(outline[i].dY, expected[i][1], 1e-5) << i;
    }
}

TEST(ShiftEnvelopeTest, OutlineRunningStraightAcrossGivesItsWidestPoint)
{
    // Independent travel: 3 either side at any height, 4 up and 2 down at any width.
    const SShiftEnvelope env = OutlineShiftEnvelope(3.0, 3.0, 2.0, 4.0, {{0, 4}, {3, 4}, {3, 0}});
    ExpectRanges(env, {
                          {true, 3.0, SShiftRange{-2.0, 4.0}},
                          {true, -1.0, SShiftRange{-2.0, 4.0}},
                          {false, 4.0, SShiftRange{-3.0, 3.0}},
                          {false, -2.0, SShiftRange{-3.0, 3.0}},
                      });
}

} // namespace
