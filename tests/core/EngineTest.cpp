// The calculation entry points end to end: loading, option flags, the worked
// examples of both directions, failures that must leave every output and result
// field alone (non-finite entries included), and the text getters.
#include "core/LenvaraEngine.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <regex>

namespace
{

constexpr TarsioDisplayOptions kMeters16x9 = {1, 0, 0, 1, 0, 0};
constexpr TarsioDisplayOptions kMeters4x3 = {1, 0, 1, 0, 0, 0};
constexpr TarsioDisplayOptions kMeters235 = {1, 0, 0, 0, 0, 1};
constexpr float kUntouched = -777.0f;
constexpr float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

// The seven size-to-distance arguments, primed with a value no calculation gives.
struct SSizeArgs
{
    float w = kUntouched, h = kUntouched, d = kUntouched;
    float distWide = kUntouched, distTele = kUntouched;
    float lumWide = kUntouched, lumTele = kUntouched;

    int Run(CLenvaraEngine& e, const char* pszName, int nCode, const TarsioDisplayOptions& o,
            float fGain = 1.0f)
    {
        return e.CalcDistance(pszName, nCode, o, w, h, d, distWide, distTele, lumWide, lumTele,
                              fGain);
    }
};

struct SDistArgs
{
    float wWide = kUntouched, wTele = kUntouched, hWide = kUntouched, hTele = kUntouched;
    float dWide = kUntouched, dTele = kUntouched, lumWide = kUntouched, lumTele = kUntouched;

    int Run(CLenvaraEngine& e, const char* pszName, int nCode, const TarsioDisplayOptions& o,
            float fDistance, float fGain = 1.0f)
    {
        return e.CalcScreenSize(pszName, nCode, o, fDistance, wWide, wTele, hWide, hTele, dWide,
                                dTele, lumWide, lumTele, fGain);
    }

    bool AllUntouched() const
    {
        for (float f : {wWide, wTele, hWide, hTele, dWide, dTele, lumWide, lumTele})
        {
            if (f != kUntouched)
                return false;
        }
        return true;
    }
};

bool AllUntouched(const SSizeArgs& a, bool bInputsToo = true)
{
    bool b = a.distWide == kUntouched && a.distTele == kUntouched && a.lumWide == kUntouched &&
             a.lumTele == kUntouched;
    if (bInputsToo)
        b = b && a.h == kUntouched && a.d == kUntouched;
    return b;
}

} // namespace

TEST(Engine, SizeToDistanceWorkedExample)
{
    CLenvaraEngine engine;
    SSizeArgs a;
    a.w = 2.0f;
    a.h = 0.0f;
    a.d = 0.0f;
    ASSERT_EQ(1, a.Run(engine, "Kelda W1", kAspectCode16x9, kMeters16x9));
    EXPECT_FLOAT_EQ(2.0f, a.w);
    EXPECT_FLOAT_EQ(1.125f, a.h);
    EXPECT_NEAR(2.2947, a.d, 5e-5);
    EXPECT_NEAR(2.74, a.distWide, 5e-6);
    EXPECT_NEAR(3.32, a.distTele, 5e-6);
    EXPECT_NEAR(282.94, a.lumWide, 0.005);
    EXPECT_EQ(a.lumWide, a.lumTele);

    const CTarsioModel& m = engine.m_model;
    EXPECT_EQ(0, m.GetMode());
    EXPECT_STREQ("Nits", m.GetLumUnit());
    EXPECT_EQ(1.0f, m.GetGain());
    EXPECT_EQ(a.distWide, m.GetDistWide());
    EXPECT_EQ(a.d, m.GetDiagonal());
    EXPECT_EQ(a.lumTele, m.GetLumTele());

    EXPECT_EQ("Kelda W1", engine.GetModelNameText());
    EXPECT_EQ("Meters", engine.GetUnitText());
    EXPECT_EQ("16:9", engine.GetAspectText());
    EXPECT_EQ("2.00", engine.GetWidthText());
    EXPECT_EQ("2.29", engine.GetDiagonalText());
    EXPECT_EQ("2.74", engine.GetDistWideText());
    EXPECT_EQ("3.32", engine.GetDistTeleText());
}

TEST(Engine, DistanceToSizeWorkedExample)
{
    CLenvaraEngine engine;
    SDistArgs a;
    ASSERT_EQ(1, a.Run(engine, "Kelda W1", kAspectCode16x9, kMeters16x9, 3.0f));
    EXPECT_NEAR(2.1898, a.wWide, 5e-5);
    EXPECT_NEAR(1.8072, a.wTele, 5e-5);
    EXPECT_NEAR(1.2318, a.hWide, 5e-5);
    EXPECT_NEAR(1.0166, a.hTele, 5e-5);
    EXPECT_NEAR(2.5124, a.dWide, 5e-5);
    EXPECT_NEAR(2.0735, a.dTele, 5e-5);
    EXPECT_NEAR(236.02, a.lumWide, 0.005);
    EXPECT_NEAR(346.52, a.lumTele, 0.005);

    EXPECT_EQ(1, engine.m_model.GetMode());
    EXPECT_EQ("3.00", engine.GetDistanceText());
    EXPECT_EQ("2.19", engine.GetWidthWideText());
    EXPECT_EQ("1.81", engine.GetWidthTeleText());
    EXPECT_EQ("1.23", engine.GetHeightWideText());
    EXPECT_EQ("1.02", engine.GetHeightTeleText());
    EXPECT_EQ("2.51", engine.GetDiagWideText());
    EXPECT_EQ("2.07", engine.GetDiagTeleText());
}

TEST(Engine, EachDirectionKeepsTheOtherDirectionsResults)
{
    CLenvaraEngine engine;
    SSizeArgs s;
    s.w = 2.0f;
    ASSERT_EQ(1, s.Run(engine, "Kelda W1", 1, kMeters16x9));
    SDistArgs d;
    ASSERT_EQ(1, d.Run(engine, "Orne SX", 1, kMeters16x9, 4.0f));
    const CTarsioModel& m = engine.m_model;
    EXPECT_EQ(1, m.GetMode());
    EXPECT_STREQ("Orne SX", m.GetName());
    EXPECT_EQ(2.0f, m.GetWidth());
    EXPECT_EQ(s.distTele, m.GetDistTele());
    // The luminance pair belongs to the last calculation.
    EXPECT_EQ(d.lumWide, m.GetLumWide());
}

namespace
{

// Which of width, height and diagonal are entered, and what comes back.
struct SEntryCase
{
    const char* pszLabel;
    const char* pszModel;
    int nAspectCode;
    TarsioDisplayOptions options;
    float w, h, d;
    double dWidth, dHeight, dDiagonal;
};

void PrintTo(const SEntryCase& c, std::ostream* pOut)
{
    *pOut << c.pszLabel;
}

class SizeEntry : public testing::TestWithParam<SEntryCase>
{
};

} // namespace

TEST_P(SizeEntry, DerivesTheOtherTwo)
{
    const SEntryCase& c = GetParam();
    CLenvaraEngine engine;
    SSizeArgs a;
    a.w = c.w;
    a.h = c.h;
    a.d = c.d;
    ASSERT_EQ(1, a.Run(engine, c.pszModel, c.nAspectCode, c.options));
    EXPECT_NEAR(c.dWidth, a.w, 5e-5);
    EXPECT_NEAR(c.dHeight, a.h, 5e-5);
    EXPECT_NEAR(c.dDiagonal, a.d, 5e-5);
    EXPECT_EQ(a.w, engine.m_model.GetWidth());
    EXPECT_EQ(a.h, engine.m_model.GetHeight());
}

INSTANTIATE_TEST_SUITE_P(Entries, SizeEntry,
                         testing::Values(
                             // The width wins; height and diagonal are recomputed and written back.
                             SEntryCase{"AllThreeGiven", "Kelda W1", 1, kMeters16x9, 2.0f, 5.0f,
                                        7.0f, 2.0, 1.125, 2.2947},
                             SEntryCase{"HeightOnly", "Kelda W1", 1, kMeters16x9, 0.0f, 1.125f,
                                        0.0f, 2.0, 1.125, 2.2947},
                             SEntryCase{"HeightBeatsDiagonal", "Kelda W1", 1, kMeters16x9, 0.0f,
                                        1.125f, 9.0f, 2.0, 1.125, 2.2947},
                             SEntryCase{"DiagonalOnly", "Kelda W1", 1, kMeters16x9, 0.0f, 0.0f,
                                        1.0f, 0.87158, 0.49026, 1.0},
                             SEntryCase{"DiagonalOnly4x3", "Orne SX", 0, kMeters4x3, 0.0f, 0.0f,
                                        5.0f, 4.0, 3.0, 5.0},
                             // 2.35:1 is computed with 64/27.
                             SEntryCase{"Width235", "Kelda W1", 2, kMeters235, 2.37037f, 0.0f, 0.0f,
                                        2.37037, 1.0, 2.57267},
                             // Negative entries count as entered and are computed as they are.
                             SEntryCase{"NegativeWidth", "Kelda W1", 1, kMeters16x9, -2.0f, 0.0f,
                                        0.0f, -2.0, -1.125, 2.2947}),
                         [](const testing::TestParamInfo<SEntryCase>& info)
                         { return info.param.pszLabel; });

TEST(Engine, OptionFlagsLaterOnesWin)
{
    CLenvaraEngine engine;
    SSizeArgs a;
    a.w = 2.0f;
    // Meters and feet both set: feet; 4:3 and 2.35:1 both set: 2.35:1.
    const TarsioDisplayOptions both = {1, 0, 1, 0, 1, 1};
    ASSERT_EQ(1, a.Run(engine, "Kelda W1", 1, both));
    EXPECT_EQ(kUnitFeet, engine.m_model.GetUnit());
    EXPECT_STREQ("FtL", engine.m_model.GetLumUnit());
    EXPECT_EQ(kAspectBits235, std::bit_cast<std::uint32_t>(engine.m_model.GetAspect()));
    EXPECT_EQ("Feet", engine.GetUnitText());
    EXPECT_EQ("2.35:1", engine.GetAspectText());

    const TarsioDisplayOptions inches = {0, 1, 1, 0, 0, 0};
    ASSERT_EQ(1, a.Run(engine, "Kelda W1", 0, inches));
    EXPECT_EQ(kUnitInches, engine.m_model.GetUnit());
    EXPECT_STREQ("FtL", engine.m_model.GetLumUnit());
    EXPECT_EQ("Inches", engine.GetUnitText());
    EXPECT_EQ("4:3", engine.GetAspectText());

    // No flag at all: the row's own aspect and the unit placeholder remain.
    const TarsioDisplayOptions none = {0, 0, 0, 0, 0, 0};
    ASSERT_EQ(1, a.Run(engine, "Kelda W1", 2, none));
    EXPECT_EQ(kUnitMeters, engine.m_model.GetUnit());
    EXPECT_EQ(kAspectBits235, std::bit_cast<std::uint32_t>(engine.m_model.GetAspect()));
    EXPECT_STREQ("FtL", engine.m_model.GetLumUnit());
}

TEST(Engine, LuminanceInFeetAndInches)
{
    CLenvaraEngine engine;
    SSizeArgs feet;
    feet.w = 6.0f;
    ASSERT_EQ(1, feet.Run(engine, "Kelda W1", 1, {0, 0, 0, 1, 1, 0}));
    EXPECT_NEAR(98.77, feet.lumWide, 0.005);
    SSizeArgs inches;
    inches.w = 72.0f;
    ASSERT_EQ(1, inches.Run(engine, "Kelda W1", 1, {0, 1, 0, 1, 0, 0}));
    EXPECT_NEAR(98.77, inches.lumTele, 0.005);
    EXPECT_NEAR(40.5, inches.h, 1e-5);
}

TEST(Engine, LensRangeInEachUnitWithItsLimitsInRange)
{
    struct SRow
    {
        TarsioDisplayOptions options;
        const char* pszRange;
        float fIn1, fIn2, fOut1, fOut2;
    };
    // The catalogue's 2.0-8.0 m: 2 m = 6.5617 ft = 78.740 in, 8 m = 26.247 ft = 314.96 in.
    const SRow rows[] = {
        {{1, 0, 0, 1, 0, 0}, "2.00\u20138.00 m", 2.0f, 8.0f, 1.99f, 8.01f},
        {{0, 0, 0, 1, 1, 0}, "6.56\u201326.25 ft", 6.57f, 26.24f, 6.56f, 26.25f},
        {{0, 1, 0, 1, 0, 0}, "78.74\u2013314.96 in", 78.75f, 314.96f, 78.74f, 315.0f},
    };
    for (const SRow& row : rows)
    {
        CLenvaraEngine engine;
        SSizeArgs size;
        size.w = 3.0f;
        ASSERT_EQ(1, size.Run(engine, "Kelda W1", 1, row.options));
        EXPECT_EQ(engine.GetLensRangeText(), row.pszRange);
        EXPECT_TRUE(engine.IsInLensRange(row.fIn1)) << row.pszRange;
        EXPECT_TRUE(engine.IsInLensRange(row.fIn2)) << row.pszRange;
        EXPECT_FALSE(engine.IsInLensRange(row.fOut1)) << row.pszRange;
        EXPECT_FALSE(engine.IsInLensRange(row.fOut2)) << row.pszRange;
    }
}

TEST(Engine, FailuresWriteNothing)
{
    CLenvaraEngine engine;
    SSizeArgs first;
    first.w = 2.0f;
    ASSERT_EQ(1, first.Run(engine, "Kelda W1", 1, kMeters16x9));
    const float fLumBefore = engine.m_model.GetLumWide();

    SSizeArgs unknown;
    unknown.w = 3.0f;
    EXPECT_EQ(0, unknown.Run(engine, "Kelda  W1", 1, kMeters16x9));
    EXPECT_TRUE(AllUntouched(unknown));
    EXPECT_EQ(3.0f, unknown.w);

    SSizeArgs wrongAspect;
    wrongAspect.w = 3.0f;
    EXPECT_EQ(0, wrongAspect.Run(engine, "Kelda W1", 5, kMeters16x9));
    EXPECT_TRUE(AllUntouched(wrongAspect));

    SSizeArgs nothing;
    nothing.w = nothing.h = nothing.d = 0.0f;
    EXPECT_EQ(0, nothing.Run(engine, "Orne SX", 1, kMeters16x9));
    EXPECT_TRUE(AllUntouched(nothing, false));
    EXPECT_EQ(0.0f, nothing.h);

    SDistArgs zero;
    EXPECT_EQ(0, zero.Run(engine, "Kelda W1", 1, kMeters16x9, 0.0f));
    EXPECT_TRUE(zero.AllUntouched());

    float a[4] = {kUntouched, kUntouched, kUntouched, kUntouched};
    EXPECT_EQ(0, engine.CalcVerticalShift("Nobody", 1, kMeters16x9, a[0], a[1], a[2], a[3]));
    EXPECT_EQ(0, engine.CalcHorizontalShift("", 1, kMeters16x9, a[0], a[1], a[2], a[3]));
    for (float f : a)
        EXPECT_EQ(kUntouched, f);

    const CTarsioModel& m = engine.m_model;
    EXPECT_EQ(0, m.GetMode());
    EXPECT_EQ(2.0f, m.GetWidth());
    EXPECT_EQ(first.distWide, m.GetDistWide());
    EXPECT_EQ(fLumBefore, m.GetLumWide());
    EXPECT_EQ(0.0f, m.GetDistance());
}

namespace
{

struct SNonFiniteCase
{
    const char* pszLabel;
    bool bSizeToDistance;
    float fValue; // width entered, or distance
    float fGain;
};

void PrintTo(const SNonFiniteCase& c, std::ostream* pOut)
{
    *pOut << c.pszLabel;
}

class NonFiniteEntry : public testing::TestWithParam<SNonFiniteCase>
{
};

} // namespace

// A non-finite entry or result is a failed calculation: no output, no result field.
TEST_P(NonFiniteEntry, FailsAndKeepsEverything)
{
    const SNonFiniteCase& c = GetParam();
    CLenvaraEngine engine;
    SSizeArgs s0;
    s0.w = 2.0f;
    ASSERT_EQ(1, s0.Run(engine, "Kelda W1", 1, kMeters16x9));
    SDistArgs d0;
    ASSERT_EQ(1, d0.Run(engine, "Kelda W1", 1, kMeters16x9, 3.0f));
    const CTarsioModel before = engine.m_model;

    if (c.bSizeToDistance)
    {
        SSizeArgs s;
        s.w = c.fValue;
        EXPECT_EQ(0, s.Run(engine, "Kelda W1", 1, kMeters16x9, c.fGain));
        EXPECT_TRUE(AllUntouched(s));
    }
    else
    {
        SDistArgs d;
        EXPECT_EQ(0, d.Run(engine, "Kelda W1", 1, kMeters16x9, c.fValue, c.fGain));
        EXPECT_TRUE(d.AllUntouched());
    }
    // The record holds only fixed-size texts, numbers and flags.
    EXPECT_EQ(0, std::memcmp(&before, &engine.m_model, sizeof before));
}

INSTANTIATE_TEST_SUITE_P(Entries, NonFiniteEntry,
                         testing::Values(SNonFiniteCase{"InfiniteWidth", true, kInf, 1.0f},
                                         SNonFiniteCase{"NegInfiniteWidth", true, -kInf, 1.0f},
                                         SNonFiniteCase{"NaNWidth", true, kNaN, 1.0f},
                                         // Finite, but its square overflows single precision.
                                         SNonFiniteCase{"HugeWidth", true, 1e30f, 1.0f},
                                         SNonFiniteCase{"InfiniteGainSize", true, 2.0f, kInf},
                                         SNonFiniteCase{"NaNGainSize", true, 2.0f, kNaN},
                                         SNonFiniteCase{"InfiniteDistance", false, kInf, 1.0f},
                                         SNonFiniteCase{"NaNDistance", false, kNaN, 1.0f},
                                         SNonFiniteCase{"InfiniteGainDistance", false, 3.0f, kInf}),
                         [](const testing::TestParamInfo<SNonFiniteCase>& info)
                         { return info.param.pszLabel; });

TEST(Engine, ShiftEntryPointsGiveTheModelsAngles)
{
    CLenvaraEngine engine;
    float v[4] = {};
    ASSERT_EQ(1, engine.CalcVerticalShift("Kelda W1", 1, kMeters16x9, v[0], v[1], v[2], v[3]));
    EXPECT_NEAR(-0.005, v[0], 0.0005);
    EXPECT_NEAR(12.71, v[1], 0.005);
    EXPECT_NEAR(-0.004, v[2], 0.0005);
    EXPECT_NEAR(10.54, v[3], 0.005);
    // Shift limits depend on the row's throw ratios, not on unit or gain.
    float h[4] = {};
    ASSERT_EQ(1,
              engine.CalcHorizontalShift("Pavo QC", 0, {0, 0, 1, 0, 1, 0}, h[0], h[1], h[2], h[3]));
    EXPECT_NEAR(2.9704, h[0], 0.0005);
    EXPECT_NEAR(2.9704, h[1], 0.0005);
    EXPECT_NEAR(2.2088, h[2], 0.0005);
    EXPECT_NEAR(2.2088, h[3], 0.0005);
    EXPECT_EQ(kUnitFeet, engine.m_model.GetUnit());
}

TEST(Engine, UnitStateConversion)
{
    CLenvaraEngine engine;
    EXPECT_EQ(2.0f, engine.ConvertLength(2.0f)); // both units -1
    engine.m_nPrevUnit = kUnitMeters;
    engine.m_nCurUnit = kUnitFeet;
    const float fFeet = engine.ConvertLength(2.0f);
    EXPECT_NEAR(6.5617, fFeet, 5e-5);
    engine.m_nPrevUnit = kUnitFeet;
    engine.m_nCurUnit = kUnitMeters;
    EXPECT_EQ(2.0f, engine.ConvertLength(fFeet));
    engine.m_nCurUnit = -1;
    EXPECT_EQ(6.5f, engine.ConvertLength(6.5f));
}

TEST(Engine, PrintTextsAndDateLine)
{
    CLenvaraEngine engine;
    // Six different texts, so a getter reading a neighbour's field shows.
    engine.SetDealer1("D1");
    engine.SetDealer2("D2");
    engine.SetCustomer1("C1");
    engine.SetCustomer2("C2");
    engine.SetQuotation("Q");
    engine.SetNotes("N");
    EXPECT_EQ("D1 D2 C1 C2 Q N", engine.GetDealer1Text() + " " + engine.GetDealer2Text() + " " +
                                     engine.GetCustomer1Text() + " " + engine.GetCustomer2Text() +
                                     " " + engine.GetQuotationText() + " " + engine.GetNotesText());
    // A fresh record holds aspect 0, which has no name.
    EXPECT_EQ("", engine.GetAspectText());
    EXPECT_EQ("", engine.GetModelNameText());

    const std::regex dateLine(
        R"(^(1[0-2]|[1-9])/([1-9]|[12][0-9]|3[01])/[0-9]{4}   ([01][0-9]|2[0-3]):[0-5][0-9]:[0-6][0-9]$)");
    const std::string sDate = engine.GetDateText();
    EXPECT_TRUE(std::regex_match(sDate, dateLine)) << sDate;
}
