// The room check on numbers worked by hand from its formulas.
#include "core/RoomCheck.h"

#include <gtest/gtest.h>

namespace
{

// A 2.0 x 1.125 m screen at 282.94 cd/m² (2000 lm, 1920 x 1080 panel, gain 1).
const SScreenEnd kScreen{2.0, 1.125, 282.94};
const SProjectorFacts kFacts{1920, 2000.0, 1.0};

TEST(RoomCheckTest, ContrastInLitAndDarkRooms)
{
    // 100 lux, gain 1: La = 100 / pi = 31.831; C = (282.94 + 31.831) / 31.831 = 9.889.
    // Lumens for C: (C - 1) x 100 lx x 2.25 m² / k.
    const SContrastCheck lit = CheckContrast(kScreen, 1.0, 100.0, 1.0, kFacts);
    EXPECT_FALSE(lit.bDarkRoom);
    EXPECT_NEAR(lit.dAmbient, 31.831, 1e-3);
    EXPECT_NEAR(lit.dContrast, 9.8888, 1e-4);
    ASSERT_EQ(lit.targets.size(), 4u);
    const bool abMet[] = {true, false, false, false};
    const double adLumens[] = {1350.0, 3150.0, 11025.0, 17775.0};
    for (std::size_t i = 0; i < 4; ++i)
    {
        EXPECT_EQ(lit.targets[i].bMet, abMet[i]) << i;
        EXPECT_NEAR(lit.targets[i].dLumensNeeded, adLumens[i], 1e-9) << i;
    }
    // The gain cancels from the lumens needed; the fill factor does not: a 4:3 screen
    // 2.0 x 1.5 on the 16:9 panel (k 0.75) needs 6 x 100 x 3 / 0.75 = 2400 lm for 7:1.
    const SContrastCheck gained =
        CheckContrast({2.0, 1.5, 159.15}, 2.5, 100.0, 1.0, {1920, 2000.0, 0.75});
    EXPECT_NEAR(gained.dAmbient, 250.0 / 3.14159265358979, 1e-9);
    EXPECT_NEAR(gained.targets[0].dLumensNeeded, 2400.0, 1e-9);
    // Dark room: the 48 and 55 cd/m² targets instead.
    const SContrastCheck dark = CheckContrast({2.0, 1.125, 50.0}, 1.0, 0.0, 1.0, kFacts);
    ASSERT_TRUE(dark.bDarkRoom);
    ASSERT_EQ(dark.targets.size(), 2u);
    EXPECT_TRUE(dark.targets[0].bMet);  // 50 >= 48
    EXPECT_FALSE(dark.targets[1].bMet); // 50 < 55
}

TEST(RoomCheckTest, WholeCheckInFeet)
{
    // Distance to size in feet: the wide screen 6 x 3.375 ft at 98.77 FtL is
    // 98.77 x 3.4263 = 338.416 cd/m² on 1.8288 x 1.0287 = 1.88129 m², so 7:1 at
    // 100 lx needs 6 x 100 x 1.88129 = 1128.77 lm; its pixels (1920) are 0.003125 ft.
    SCalculation calc;
    calc.nMode = kModeDistanceToSize;
    calc.nUnit = kUnitFeet;
    calc.strLumUnit = "FtL";
    calc.fGain = 1.0f;
    calc.fWidthWide = 6.0f;
    calc.fHeightWide = 3.375f;
    calc.fLumWide = 98.77f;
    SRoomInputs room;
    room.dAmbientLux = 100.0;
    const SRoomCheck check = CheckRoom(calc, kFacts, room);
    const SEndCheck& wide = check.ends[0];
    EXPECT_NEAR(wide.contrast.dImage, 338.4157, 1e-3);
    EXPECT_NEAR(wide.contrast.targets[0].dLumensNeeded, 1128.772, 1e-3);
    EXPECT_NEAR(wide.pixels.dPixelSize, 0.003125, 1e-9);
    EXPECT_FALSE(wide.seating.nearest.has_value());
}

TEST(RoomCheckTest, SeatsInsideAndOutsideTheAngles)
{
    // Width 2: at 3, 2 atan(1/3) = 36.87 deg (meets 30 and 36); at 4, 2 atan(1/4) =
    // 28.07 deg (meets neither); 4 / 1.125 = 3.56 image heights (within 4, 6 and 8).
    const SSeatingCheck near = CheckSeating(kScreen, 3.0, 4.0);
    EXPECT_NEAR(near.nearest->dAngle, 36.8699, 1e-4);
    EXPECT_TRUE(near.nearest->bMeets30);
    EXPECT_NEAR(near.farthest->dAngle, 28.0725, 1e-4);
    EXPECT_FALSE(near.farthest->bMeets30);
    EXPECT_FALSE(near.bFarthestMeets36);
    EXPECT_NEAR(near.dFarthestHeights, 3.5556, 1e-4);
    EXPECT_TRUE(near.bInspection && near.bAnalytical && near.bBasic);

    // Farthest at 3: meets 36. At 8: 7.11 heights, only basic decision making.
    EXPECT_TRUE(CheckSeating(kScreen, std::nullopt, 3.0).bFarthestMeets36);
    const SSeatingCheck far = CheckSeating(kScreen, std::nullopt, 8.0);
    EXPECT_FALSE(far.nearest.has_value());
    EXPECT_TRUE(far.bBasic);
    EXPECT_FALSE(far.bAnalytical);
}

TEST(RoomCheckTest, PixelsOf4KAnd1080pPanels)
{
    // Pixel 2 / 1920 = 1.0417 mm, unresolved beyond 1.0417 mm / tan(1') = 3.581 m;
    // 4K: 0.5208 mm and 1.790 m. The nearest seat at 3 m sees 1080p pixels only.
    const SPixelCheck hd = CheckPixels(kScreen, 1920, 3.0);
    EXPECT_NEAR(hd.dPixelSize, 0.00104167, 1e-8);
    EXPECT_NEAR(hd.dResolveDistance, 3.58099, 1e-5);
    EXPECT_FALSE(*hd.bNearestBeyond);
    const SPixelCheck uhd = CheckPixels(kScreen, 3840, 3.0);
    EXPECT_NEAR(uhd.dResolveDistance, 1.79049, 1e-5);
    EXPECT_TRUE(*uhd.bNearestBeyond);
}

TEST(RoomCheckTest, ToleranceRangeAndWhenItEmpties)
{
    SCalculation calc;
    calc.nMode = kModeSizeToDistance;
    calc.fDistWide = 2.74f;
    calc.fDistTele = 3.32f;
    // 5 %: 2.74 x 1.05 = 2.877 to 3.32 x 0.95 = 3.154.
    const SToleranceCheck five = CheckLensTolerance(calc, 5.0);
    EXPECT_NEAR(five.dFrom, 2.877, 1e-6);
    EXPECT_NEAR(five.dTo, 3.154, 1e-6);
    EXPECT_FALSE(five.bEmpty);
    // 10 %: 3.014 to 2.988, empty.
    EXPECT_TRUE(CheckLensTolerance(calc, 10.0).bEmpty);

    // Distance to size at 3: widths 1.8072 / 0.95 = 1.9023 to 2.1898 / 1.05 = 2.0855.
    calc.nMode = kModeDistanceToSize;
    calc.fWidthWide = 2.1898f;
    calc.fWidthTele = 1.8072f;
    const SToleranceCheck widths = CheckLensTolerance(calc, 5.0);
    EXPECT_FALSE(widths.bDistances);
    EXPECT_NEAR(widths.dFrom, 1.90232, 1e-5);
    EXPECT_NEAR(widths.dTo, 2.08552, 1e-5);
}

} // namespace
