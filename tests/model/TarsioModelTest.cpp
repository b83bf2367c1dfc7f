// The current-model record on its own: catalogue searches by name and aspect,
// what a load copies, the distance range, the luminance fill-factor table and
// the lens-shift limits.
#include "model/TarsioModel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace
{

struct SNameCase
{
    const char* pszLabel;
    const char* pszName;
    int nAspectCode;
    int nExpected;
};

void PrintTo(const SNameCase& c, std::ostream* pOut)
{
    *pOut << c.pszLabel;
}

class ModelNameMatch : public testing::TestWithParam<SNameCase>
{
};

} // namespace

TEST_P(ModelNameMatch, LoadsOnlyTheExactNameAndAspect)
{
    const SNameCase& c = GetParam();
    CTarsioModel model;
    EXPECT_EQ(c.nExpected, model.LoadModel(c.pszName, c.nAspectCode));
    EXPECT_EQ(c.nExpected == 1, model.IsLoaded());
    if (c.nExpected)
    {
        EXPECT_STREQ(c.pszName, model.GetName());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ModelNameMatch,
    testing::Values(
        SNameCase{"Exact", "Kelda W1", 1, 1}, SNameCase{"ExactOtherAspect", "Kelda W1", 2, 1},
        SNameCase{"LastModel", "Wexa  3", 0, 1}, SNameCase{"LowerCase", "kelda w1", 1, 0},
        SNameCase{"ExtraBlank", "Kelda  W1", 1, 0}, SNameCase{"TrailingBlank", "Kelda W1 ", 1, 0},
        SNameCase{"Prefix", "Kelda W", 1, 0}, SNameCase{"BlankRunGiven", "Vela  X2", 1, 1},
        SNameCase{"BlankRunCollapsed", "Vela X2", 1, 0},
        SNameCase{"NoSuchAspect", "Kelda W1", 3, 0}, SNameCase{"NegativeAspect", "Kelda W1", -1, 0},
        SNameCase{"Empty", "", 1, 0}, SNameCase{"Null", nullptr, 1, 0}),
    [](const testing::TestParamInfo<SNameCase>& info) { return info.param.pszLabel; });

// Four catalogue models, every field written out by hand.
struct SReferenceModel
{
    const char* pszName;
    const char* pszClass;
    int nWidth, nHeight;
    float fPitch, fLumens;
    float fThrow[3][2]; // wide, tele at 4:3, 16:9, 2.35:1
    int nCaps;
    float fRadius, fH1, fH2, fV1, fV2;
};

void PrintTo(const SReferenceModel& ref, std::ostream* pOut)
{
    *pOut << ref.pszName;
}

class ReferenceModel : public testing::TestWithParam<SReferenceModel>
{
};

TEST_P(ReferenceModel, LoadsEachFieldToItsPlace)
{
    const SReferenceModel& ref = GetParam();
    const std::uint32_t aspectBits[3] = {kAspectBits4x3, kAspectBits16x9, kAspectBits235};
    for (int c = 0; c < 3; ++c)
    {
        SCOPED_TRACE(c);
        CTarsioModel m;
        ASSERT_EQ(1, m.LoadModel(ref.pszName, c));
        EXPECT_STREQ(ref.pszClass, m.GetClass());
        EXPECT_EQ(ref.fThrow[c][0], m.GetThrowWide());
        EXPECT_EQ(ref.fThrow[c][1], m.GetThrowTele());
        EXPECT_EQ(2.0f, m.GetMinDistance());
        EXPECT_EQ(8.0f, m.GetMaxDistance());
        EXPECT_EQ(aspectBits[c], std::bit_cast<std::uint32_t>(m.GetAspect()));
        EXPECT_EQ(ref.nWidth, m.GetNativeWidth());
        EXPECT_EQ(ref.nHeight, m.GetNativeHeight());
        EXPECT_EQ(ref.fPitch, m.GetPixelPitch());
        EXPECT_EQ(ref.fLumens, m.GetLumens());
        EXPECT_EQ(ref.nCaps, m.GetShiftCaps());
        EXPECT_EQ(ref.fRadius, m.GetLensRadius());
        EXPECT_EQ(ref.fH1, m.GetHOffset1());
        EXPECT_EQ(ref.fH2, m.GetHOffset2());
        EXPECT_EQ(ref.fV1, m.GetVOffset1());
        EXPECT_EQ(ref.fV2, m.GetVOffset2());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Models, ReferenceModel,
    testing::Values(
        SReferenceModel{"Kelda W1", "3Chip", 1920, 1080, 10.8f, 2000.0f,
                        {{1.827f, 2.207f}, {1.37f, 1.66f}, {1.028f, 1.245f}},
                        1, 15.58f, 0.0f, 0.0f, -0.61f, 5.8f},
        SReferenceModel{"Orne SX", "SXGA", 1400, 1050, 13.68f, 1500.0f,
                        {{1.66f, 2.24f}, {1.66f, 2.24f}, {1.245f, 1.68f}},
                        1, 12.82f, 0.0f, 0.0f, 0.0f, 0.0f},
        SReferenceModel{"Pavo QA", "3Chip", 1920, 1080, 10.8f, 2800.0f,
                        {{0.893f, 0.893f}, {0.67f, 0.67f}, {0.502f, 0.502f}},
                        0, 13.2f, 0.0f, 0.0f, 0.0f, 0.0f},
        SReferenceModel{"Pavo QC", "3Chip", 1920, 1080, 10.8f, 2800.0f,
                        {{1.853f, 2.493f}, {1.39f, 1.87f}, {1.042f, 1.402f}},
                        3, 16.9f, 3.5f, 3.5f, 0.0f, 3.8f}),
    [](const testing::TestParamInfo<SReferenceModel>& info) {
        std::string s;
        for (const char* p = info.param.pszName; *p; ++p)
        {
            if (*p != ' ')
                s += *p;
        }
        return s;
    });
// clang-format on

TEST(TarsioModel, LoadReplacesEveryCatalogueField)
{
    // The unit placeholder too; lens data of a model without offsets come back as 0.
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel("Pavo QC", 0));
    model.SetUnit(2);
    ASSERT_EQ(1, model.LoadModel("Orne SX", 1));
    EXPECT_EQ(0, model.GetUnit());
    EXPECT_STREQ("SXGA", model.GetClass());
    EXPECT_EQ(1, model.GetShiftCaps());
    EXPECT_EQ(0.0f, model.GetHOffset1());
    EXPECT_EQ(0.0f, model.GetVOffset2());
}

TEST(TarsioModel, FailedSearchesLeaveTheRecordAlone)
{
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel("Orne SX", 1));
    model.SetGain(1.5f);
    EXPECT_EQ(0, model.LoadModel("Orne SX", 7));
    EXPECT_EQ(0, model.LoadLensRow("Orne sx", 1));
    EXPECT_STREQ("Orne SX", model.GetName());
    EXPECT_EQ(12.82f, model.GetLensRadius());
    EXPECT_EQ(1.5f, model.GetGain());

    // The two tables are searched on their own: a main-row load keeps the earlier lens data.
    ASSERT_EQ(1, model.LoadCatalogueRow("Pavo QC", 1));
    EXPECT_STREQ("Pavo QC", model.GetName());
    EXPECT_EQ(12.82f, model.GetLensRadius());
    ASSERT_EQ(1, model.LoadLensRow("Pavo QC", 1));
    EXPECT_EQ(16.9f, model.GetLensRadius());
}

TEST(TarsioModel, PictureIdByName)
{
    const CTarsioModel model;
    EXPECT_EQ(0, model.FindPictureId(nullptr));
    EXPECT_EQ(0, model.FindPictureId(""));
    EXPECT_EQ(-1, model.FindPictureId("Kelda"));
    EXPECT_EQ(-1, model.FindPictureId("Vela X2"));
    EXPECT_EQ(149, model.FindPictureId("Kelda W1"));
    EXPECT_EQ(156, model.FindPictureId("Vela  X2"));
    EXPECT_EQ(193, model.FindPictureId("Wexa  3"));
}

TEST(TarsioModel, DistanceRangeIncludesBothLimits)
{
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel("Kelda W1", 1));
    EXPECT_FALSE(model.IsInDistanceRange(1.99f));
    EXPECT_TRUE(model.IsInDistanceRange(2.0f));
    EXPECT_TRUE(model.IsInDistanceRange(5.0f));
    EXPECT_TRUE(model.IsInDistanceRange(8.0f));
    EXPECT_FALSE(model.IsInDistanceRange(8.01f));
    EXPECT_FALSE(model.IsInDistanceRange(std::numeric_limits<float>::quiet_NaN()));
}

TEST(TarsioModel, TextsAreCutTo255Characters)
{
    CTarsioModel model;
    model.SetNotes(std::string(300, 'x').c_str());
    EXPECT_EQ(std::string(255, 'x'), model.GetNotes());
    model.SetDealer1("Dealer one");
    model.SetDealer1(nullptr);
    EXPECT_STREQ("", model.GetDealer1());
}

namespace
{

// Luminance of a 1 x 1 screen in meters with gain 1: lumens x k / pi.
struct SLumCase
{
    const char* pszLabel;
    const char* pszModel;
    float fAspect;
    int nUnit;
    float fGain;
    float fWidth, fHeight;
    double dExpected;
};

void PrintTo(const SLumCase& c, std::ostream* pOut)
{
    *pOut << c.pszLabel;
}

class ScreenLuminanceTable : public testing::TestWithParam<SLumCase>
{
};

} // namespace

TEST_P(ScreenLuminanceTable, FillFactorAndUnit)
{
    const SLumCase& c = GetParam();
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel(c.pszModel, 1));
    model.SetAspect(c.fAspect);
    model.SetUnit(c.nUnit);
    model.SetGain(c.fGain);
    EXPECT_NEAR(c.dExpected, model.ScreenLuminance(c.fWidth, c.fHeight), 0.005);
}

INSTANTIATE_TEST_SUITE_P(
    Panels, ScreenLuminanceTable,
    testing::Values(
        // 2000 lm on a 1920 x 1080 panel.
        SLumCase{"Wide16x9", "Kelda W1", kAspect16x9, 0, 1.0f, 1.0f, 1.0f, 636.62},
        SLumCase{"Wide4x3", "Kelda W1", kAspect4x3, 0, 1.0f, 1.0f, 1.0f, 477.46},
        SLumCase{"Wide235", "Kelda W1", kAspect235, 0, 1.0f, 1.0f, 1.0f, 636.62},
        SLumCase{"WorkedNits4x3", "Kelda W1", kAspect4x3, 0, 1.0f, 2.0f, 1.5f, 159.15},
        SLumCase{"GainTwo", "Kelda W1", kAspect16x9, 0, 2.0f, 2.0f, 1.125f, 565.88},
        // 1500 lm on a 1400 x 1050 panel.
        SLumCase{"Square4x3", "Orne SX", kAspect4x3, 0, 1.0f, 1.0f, 1.0f, 477.46},
        SLumCase{"Square16x9", "Orne SX", kAspect16x9, 0, 1.0f, 1.0f, 1.0f, 358.10},
        SLumCase{"Square235", "Orne SX", kAspect235, 0, 1.0f, 1.0f, 1.0f, 358.10},
        // Only the exact 64/27 counts as 2.35:1; 2.35 itself falls to "any other".
        SLumCase{"SquareNearly235", "Orne SX", 2.35f, 0, 1.0f, 1.0f, 1.0f, 477.46},
        // 700 lm on the 848 x 480 panel.
        SLumCase{"Odd4x3", "Fenwa E1", kAspect4x3, 0, 1.0f, 1.0f, 1.0f, 167.11},
        SLumCase{"Odd16x9", "Fenwa E1", kAspect16x9, 0, 1.0f, 1.0f, 1.0f, 222.82},
        SLumCase{"Odd235", "Fenwa E1", kAspect235, 0, 1.0f, 1.0f, 1.0f, 222.82}),
    [](const testing::TestParamInfo<SLumCase>& info) { return info.param.pszLabel; });

namespace
{

struct SShiftCase
{
    const char* pszLabel;
    const char* pszModel;
    int nAspectCode;
    bool bHorizontal;
    float fExpected[4];
};

void PrintTo(const SShiftCase& c, std::ostream* pOut)
{
    *pOut << c.pszLabel;
}

class ShiftLimits : public testing::TestWithParam<SShiftCase>
{
};

} // namespace

TEST_P(ShiftLimits, AnglesInDegrees)
{
    const SShiftCase& c = GetParam();
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel(c.pszModel, c.nAspectCode));
    float a[4] = {};
    const int nResult = c.bHorizontal ? model.HorizontalShiftLimits(a[0], a[1], a[2], a[3])
                                      : model.VerticalShiftLimits(a[0], a[1], a[2], a[3]);
    ASSERT_EQ(1, nResult);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(c.fExpected[i], a[i], 0.0005) << "angle " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Models, ShiftLimits,
    testing::Values(
        // The offset 5.8 nearly eats one side; -0.61 widens the other.
        SShiftCase{"KeldaVertical", "Kelda W1", 1, false, {-0.0054f, 12.7100f, -0.0045f, 10.5444f}},
        // Room A of the vertical case takes the second offset (3.8).
        SShiftCase{"PavoQCVertical", "Pavo QC", 1, false, {7.3423f, 14.6114f, 5.4710f, 10.9667f}},
        SShiftCase{"PavoQCHorizontal", "Pavo QC", 1, true, {3.9571f, 3.9571f, 2.9435f, 2.9435f}},
        SShiftCase{"OrneVertical", "Orne SX", 1, false, {2.4165f, 2.4165f, 1.7913f, 1.7913f}}),
    [](const testing::TestParamInfo<SShiftCase>& info) { return info.param.pszLabel; });
