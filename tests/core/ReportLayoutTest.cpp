// The report's layout arithmetic: child placement, image fitting, text cutting, the
// row and column sizes of an A4-like page, and the wrapping of the notes.
#include "core/ReportLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

void PrintTo(const SRect& rect, std::ostream* pOut)
{
    *pOut << "(" << rect.nLeft << ", " << rect.nTop << ", " << rect.nRight << ", " << rect.nBottom
          << ")";
}

namespace
{

constexpr std::int32_t r = 133; // row height of a 6000-unit page

struct SPlaceRow
{
    const char* pszName;
    bool bBelow;
    SRect parent;
    std::vector<SRect> children;
    std::int32_t nWidth;
    std::int32_t nHeight;
    int nCode;
    std::optional<SRect> expected;
};

void PrintTo(const SPlaceRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class PlaceChildTest : public ::testing::TestWithParam<SPlaceRow>
{
};

TEST_P(PlaceChildTest, LandsWhereWorkedOut)
{
    const SPlaceRow& row = GetParam();
    const auto placed =
        row.bBelow ? PlaceBelow(row.parent, row.children, row.nWidth, row.nHeight, row.nCode)
                   : PlaceRight(row.parent, row.children, row.nWidth, row.nHeight, row.nCode);
    EXPECT_EQ(placed, row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceChildTest,
    ::testing::Values(
        SPlaceRow{"RightBottomFirst",
                  false,
                  {0, 0, 4500, 3 * r},
                  {},
                  1285,
                  r,
                  3,
                  SRect{0, 2 * r, 1285, 3 * r}},
        SPlaceRow{"RightAfterWidestReaching",
                  false,
                  {0, 0, 600, 100},
                  {{0, 0, 300, 40}, {0, 40, 120, 80}},
                  50,
                  20,
                  2,
                  SRect{300, 0, 350, 20}},
        // The centre point is the parent's own, here offset by (300, 300): 350 - 21 / 2.
        SPlaceRow{"RightCentreOfStoredRect",
                  false,
                  {300, 300, 500, 400},
                  {},
                  10,
                  21,
                  7,
                  SRect{0, 340, 10, 361}},
        SPlaceRow{"BelowLeft",
                  true,
                  {0, 0, 4500, 6000},
                  {{0, 0, 4500, r}, {0, r, 4500, 3 * r}},
                  4500,
                  r,
                  4,
                  SRect{0, 3 * r, 4500, 4 * r}},
        SPlaceRow{"BelowRight", true, {0, 0, 4500, 6000}, {}, 1285, r, 5, SRect{3215, 0, 4500, r}},
        SPlaceRow{"BelowCentre", true, {0, 0, 200, 100}, {}, 51, 10, 6, SRect{75, 0, 126, 10}},
        SPlaceRow{"RightForeignCode", false, {0, 0, 200, 100}, {}, 10, 10, 4, std::nullopt},
        SPlaceRow{"BelowForeignCode", true, {0, 0, 200, 100}, {}, 10, 10, 3, std::nullopt}),
    ::testing::PrintToStringParamName());

struct SFitRow
{
    const char* pszName;
    SRect box;
    std::int32_t nImageWidth;
    std::int32_t nImageHeight;
    int nAlign;
    std::optional<SRect> expected;
};

void PrintTo(const SFitRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class FitImageTest : public ::testing::TestWithParam<SFitRow>
{
};

TEST_P(FitImageTest, TargetAsWorkedOut)
{
    const SFitRow& row = GetParam();
    EXPECT_EQ(FitImage(row.box, row.nImageWidth, row.nImageHeight, row.nAlign), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FitImageTest,
    ::testing::Values(
        SFitRow{"WideCentred", {0, 0, 100, 100}, 200, 100, 5, SRect{1, 26, 99, 74}},
        // A tall image in a wide box stays at the left edge.
        SFitRow{"TallLeftMiddle", {10, 20, 210, 120}, 100, 200, 4, SRect{11, 21, 59, 119}},
        SFitRow{"EmptyImage", {0, 0, 100, 100}, 0, 100, 5, std::nullopt},
        // 100 x 0.1 is truncated to no height: nothing left after the shrink.
        SFitRow{"SliverImage", {0, 0, 100, 100}, 1000, 1, 5, std::nullopt}),
    ::testing::PrintToStringParamName());

TEST(KeptTextLengthTest, CutsWhenAtLeastAsWide)
{
    EXPECT_EQ(KeptTextLength(10, 4, 20), 1); // 10 x 4 / 20 - 1
    EXPECT_EQ(KeptTextLength(10, 4, 10), 3); // exactly as wide is cut
    EXPECT_EQ(KeptTextLength(10, 4, 9), 4);  // narrower keeps all
    EXPECT_EQ(KeptTextLength(1, 4, 20), 0);  // 4 / 20 - 1 is not negative
}

TEST(ReportMetricsTest, PageOfA4LikeDevice)
{
    // 5100 x 7000 device, footer text 100 high: bottom 7000 + 200 - 300, then margins.
    const SRect page = ReportPageRect({0, 0, 5100, 7000}, 100);
    EXPECT_EQ(page, (SRect{300, 300, 4800, 6300}));
    const SReportMetrics m = ReportMetrics(page);
    EXPECT_EQ(m.nWidth, 4500);
    EXPECT_EQ(m.nHeight, 6000);
    EXPECT_EQ(m.nRow, 133);
    EXPECT_EQ(m.nColumn, 1285);
    EXPECT_EQ(m.nGutter, 322);
    EXPECT_EQ(m.nGlossary, 1608);
    EXPECT_EQ(m.nGlossaryKey, 402);
}

// Five-letter words w0001, w0002, ... numbered from nFirst, each followed by a blank.
std::string Words(int nFirst, int nCount)
{
    std::string text;
    for (int i = nFirst; i < nFirst + nCount; ++i)
    {
        const std::string number = std::to_string(i);
        text += "w" + std::string(4 - number.size(), '0') + number + " ";
    }
    return text;
}

TEST(TakeLineTest, ThirtyThreeWordsGiveFifteenFifteenThree)
{
    std::string text = Words(1, 33);
    text.pop_back();                             // single blanks between the words only
    EXPECT_EQ(TakeLine(text, 85), Words(1, 15)); // 90 characters
    EXPECT_EQ(TakeLine(text, 85), Words(16, 15));
    EXPECT_EQ(TakeLine(text, 85), Words(31, 3));
    EXPECT_EQ(TakeLine(text, 85), "");
    EXPECT_EQ(text, "");
}

TEST(TakeLineTest, KeepsWordsAsTyped)
{
    std::string text = "Mount  at\t2.5 m, \"left\"\n{side} // ok";
    EXPECT_EQ(TakeLine(text, 85), "Mount at 2.5 m, \"left\" {side} // ok ");
    EXPECT_EQ(text, "");
}

} // namespace
