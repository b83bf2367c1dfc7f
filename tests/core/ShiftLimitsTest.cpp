// The shift calculator's arithmetic on the worked examples: the reach at full shift
// and the centre and edge offsets on either side.
#include "core/ShiftLimits.h"
#include "core/TextFormat.h"

#include <gtest/gtest.h>

namespace
{

TEST(ShiftLimitsTest, WorkedExamples)
{
    // Width 4 at 6 with 5 degrees to the right: 2 + tan(5) x 6 = 2.5249.
    const SShiftLimits limits =
        ComputeShiftLimits(ShiftAnglesFromLimits(1.0f, 5.0f, 2.0f, 3.0f), 4.0f, 6.0f, 4.0f, 7.5f);
    EXPECT_EQ(FormatLength(limits.fWideMax), "2.52");
    EXPECT_NEAR(limits.fWideMax, 2.52494, 1e-5);

    // Full left with 5 degrees to the left at 6: centre -0.525, left edge -2.525.
    const float fLeft = ShiftCenterOffset(5.0f, 0.0f, -1.0f, 6.0f);
    EXPECT_NEAR(fLeft, -0.52494, 1e-5);
    EXPECT_EQ(FormatLength(ShiftEdgeOffset(fLeft, -1.0f, 4.0f)), "-2.52");
    // Full up with 10 degrees upwards at 6, height 2.25: centre 1.058, top 2.183.
    const float fUp = ShiftCenterOffset(0.0f, 10.0f, 1.0f, 6.0f);
    EXPECT_NEAR(fUp, 1.05796, 1e-5);
    EXPECT_EQ(FormatLength(ShiftEdgeOffset(fUp, 1.0f, 2.25f)), "2.18");
    // An offset beyond the room (a negative angle) brings the edge inside half the size.
    EXPECT_LT(ShiftReach(4.0f, -0.5f, 6.0f), 2.0f);
}

} // namespace
