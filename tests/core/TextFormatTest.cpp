// Number text: the fixed-point formats, the round-trip format, and the reading of
// typed numbers, also with the process running in a decimal-comma locale.
#include "core/TextFormat.h"

#include <gtest/gtest.h>

#include <climits>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <ostream>
#include <string>

namespace
{

constexpr double kInf = std::numeric_limits<double>::infinity();

struct SFixedRow
{
    const char* pszName;
    double dValue;
    int nWidth;
    int nPrecision;
    const char* pszExpected;
};

void PrintTo(const SFixedRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class FormatFixedTest : public ::testing::TestWithParam<SFixedRow>
{
};

TEST_P(FormatFixedTest, MatchesHandWorkedText)
{
    const SFixedRow& row = GetParam();
    EXPECT_EQ(FormatFixed(row.dValue, row.nWidth, row.nPrecision), row.pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatFixedTest,
    ::testing::Values(
        SFixedRow{"Two", 2.0, 2, 2, "2.00"},
        SFixedRow{"BinaryBelowHalf", 2.675, 2, 2, "2.67"}, // 2.67499999...
        SFixedRow{"ExactTieToEven", 0.125, 2, 2, "0.12"},
        SFixedRow{"ExactTieUp", 0.375, 2, 2, "0.38"},
        SFixedRow{"NegativeZero", -0.0, 2, 2, "-0.00"},
        SFixedRow{"NegativeRoundsToZero", -0.001, 2, 2, "-0.00"},
        SFixedRow{"PaddedLeft", 3.0, 8, 2, "    3.00"},
        SFixedRow{"NegativeWidthPadsRight", 3.0, -6, 2, "3.00  "},
        SFixedRow{"NoDecimals", 2.5, 0, 0, "2"}, SFixedRow{"NoDecimalsOdd", 3.5, 0, 0, "4"},
        SFixedRow{"NegativePrecisionIsSix", 3.0, 0, -1, "3.000000"},
        SFixedRow{"Large", 1e20, 2, 2, "100000000000000000000.00"},
        SFixedRow{"Infinity", kInf, 2, 2, "inf"}, SFixedRow{"MinusInfinity", -kInf, 6, 2, "  -inf"},
        SFixedRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 2, 2, "nan"}),
    [](const auto& info) { return std::string(info.param.pszName); });

// The formats must agree with printf in the C locale for every finite value.
TEST(FormatFixedTest, AgreesWithCLocalePrintf)
{
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    double dValue = 1e-7;
    for (int i = 0; i < 4000; ++i)
    {
        dValue *= -1.0117; // alternating sign, widening magnitude, awkward digits
        char buffer[512];
        std::snprintf(buffer, sizeof buffer, "%2.2f", dValue);
        ASSERT_EQ(FormatLength(dValue), buffer) << i;
        std::snprintf(buffer, sizeof buffer, "%3.2f", dValue);
        ASSERT_EQ(FormatLuminance(dValue), buffer) << i;
        std::snprintf(buffer, sizeof buffer, "%f", dValue);
        ASSERT_EQ(FormatFixed(dValue, 0, 6), buffer) << i;
    }
}

TEST(FormatRoundTripTest, NineSignificantDigits)
{
    EXPECT_EQ(FormatRoundTrip(0.1f), "0.100000001");
    EXPECT_EQ(FormatRoundTrip(2.0f), "2");
    EXPECT_EQ(FormatRoundTrip(1.0f / 3.0f), "0.333333343");
    EXPECT_EQ(FormatRoundTrip(1e10f), "1e+10");
    EXPECT_EQ(FormatRoundTrip(-6.5f), "-6.5");
    EXPECT_EQ(FormatRoundTrip(1e-5f), "9.99999975e-06");
}

struct SReadRow
{
    const char* pszName;
    const char* pszText;
    double dExpected;
};

void PrintTo(const SReadRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class ReadLeadingNumberTest : public ::testing::TestWithParam<SReadRow>
{
};

TEST_P(ReadLeadingNumberTest, TakesLongestLeadingNumber)
{
    const SReadRow& row = GetParam();
    EXPECT_EQ(ReadLeadingNumber(row.pszText), row.dExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadLeadingNumberTest,
    ::testing::Values(
        SReadRow{"Plain", "3", 3.0}, SReadRow{"CommaStopsNumber", "2,5", 2.0},
        SReadRow{"SpaceSignExponent", "  -3.5e2x", -350.0}, SReadRow{"LeadingPoint", ".5", 0.5},
        SReadRow{"MinusLeadingPoint", "-.25", -0.25}, SReadRow{"TrailingPoint", "5.", 5.0},
        SReadRow{"PlusSign", "+4.5", 4.5}, SReadRow{"CapitalExponentWithSign", "1.5E+2", 150.0},
        SReadRow{"NegativeExponent", "25e-2", 0.25}, SReadRow{"ExponentWithoutDigits", "3e", 3.0},
        SReadRow{"ExponentSignWithoutDigits", "3e+", 3.0},
        SReadRow{"AllWhiteSpaceKinds", " \t\n\v\f\r7", 7.0}, SReadRow{"Empty", "", 0.0},
        SReadRow{"LoneSign", "-", 0.0}, SReadRow{"LonePoint", ".", 0.0},
        SReadRow{"SignPoint", "-.", 0.0}, SReadRow{"Infinity", "inf", 0.0},
        SReadRow{"NotANumber", "nan", 0.0}, SReadRow{"HexReadsLeadingZero", "0x10", 0.0},
        SReadRow{"BlankAfterSign", "- 5", 0.0}, SReadRow{"Overflow", "1e999", kInf},
        SReadRow{"NegativeOverflow", "-1e999", -kInf},
        SReadRow{"LongMantissaOverflow", "1000000000e308", kInf},
        SReadRow{"Underflow", "1e-999", 0.0},
        SReadRow{"SmallMantissaUnderflow", "0.000001e-320", 0.0},
        SReadRow{"HugeExponentDigits", "2e99999999999999999999", kInf},
        SReadRow{"Subnormal", "5e-324", 4.9406564584124654e-324}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(ReadLeadingNumberTest, LongDigitRunsAreCorrectlyRounded)
{
    // 0.1 followed by 400 zeros and then more digits still reads as 0.1.
    const std::string text = "0.1" + std::string(400, '0') + "99";
    EXPECT_EQ(ReadLeadingNumber(text), 0.1);
    // A 400-digit integer overflows to infinity rather than failing silently.
    EXPECT_EQ(ReadLeadingNumber(std::string(400, '9')), kInf);
}

struct SWholeRow
{
    const char* pszName;
    const char* pszText;
    bool bExpected;
    double dExpected;
};

void PrintTo(const SWholeRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class ParseWholeNumberTest : public ::testing::TestWithParam<SWholeRow>
{
};

TEST_P(ParseWholeNumberTest, AcceptsOnlyOneFiniteNumber)
{
    const SWholeRow& row = GetParam();
    double dValue = -123.0;
    EXPECT_EQ(ParseWholeNumber(row.pszText, dValue), row.bExpected);
    EXPECT_EQ(dValue, row.bExpected ? row.dExpected : -123.0); // untouched on failure
}

INSTANTIATE_TEST_SUITE_P(Rows, ParseWholeNumberTest,
                         ::testing::Values(SWholeRow{"Plain", "2.5", true, 2.5},
                                           SWholeRow{"Blanks", "  -0.75 \n", true, -0.75},
                                           SWholeRow{"Exponent", "1e3", true, 1000.0},
                                           SWholeRow{"TrailingLetters", "2.5x", false, 0.0},
                                           SWholeRow{"DecimalComma", "2,5", false, 0.0},
                                           SWholeRow{"TwoNumbers", "1 2", false, 0.0},
                                           SWholeRow{"Empty", "", false, 0.0},
                                           SWholeRow{"OnlyBlanks", "  ", false, 0.0},
                                           SWholeRow{"LoneSign", "+", false, 0.0},
                                           SWholeRow{"Overflow", "1e999", false, 0.0},
                                           SWholeRow{"Infinity", "inf", false, 0.0}),
                         [](const auto& info) { return std::string(info.param.pszName); });

// The desktop toolkit sets the user's locale; the texts must not change with it.
TEST(TextFormatLocaleTest, DecimalCommaLocaleChangesNothing)
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr)
    {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed (scripts/deps generates it with "
                        "LENVARA_WITH_LOCALE=1)";
    }
    // Make sure the locale is in force, or the checks below prove nothing.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 2.5);
    const std::string probe = buffer;

    const std::string length = FormatLength(2.5);
    const std::string luminance = FormatLuminance(1234.567);
    const std::string fixed = FormatFixed(-0.5, 0, 6);
    const std::string roundTrip = FormatRoundTrip(0.1f);
    const double dPoint = ReadLeadingNumber("2.5");
    const double dComma = ReadLeadingNumber("2,5");
    double dWhole = 0.0;
    const bool bWhole = ParseWholeNumber(" 3.25 ", dWhole);
    const bool bWholeComma = ParseWholeNumber("3,25", dWhole);
    std::setlocale(LC_ALL, "C");

    ASSERT_EQ(probe, "2,5");
    EXPECT_EQ(length, "2.50");
    EXPECT_EQ(luminance, "1234.57");
    EXPECT_EQ(fixed, "-0.500000");
    EXPECT_EQ(roundTrip, "0.100000001");
    EXPECT_EQ(dPoint, 2.5);
    EXPECT_EQ(dComma, 2.0);
    EXPECT_TRUE(bWhole);
    EXPECT_EQ(dWhole, 3.25);
    EXPECT_FALSE(bWholeComma);
}

} // namespace

TEST(ReadLeadingFloat, ValuesBeyondTheFloatRangeBecomeInfinite)
{
    // A typed 1e300 fits a double but not a float; the calculation then refuses it.
    EXPECT_EQ(ReadLeadingFloat("1e300"), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ReadLeadingFloat("-1e300"), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(ReadLeadingFloat("3.5 m"), 3.5f);
    EXPECT_EQ(ReadLeadingFloat("abc"), 0.0f);
    // Just above the largest float, but it rounds to it; half a unit above, it does not.
    EXPECT_EQ(ReadLeadingFloat("3.4028235e38"), std::numeric_limits<float>::max());
    EXPECT_EQ(ReadLeadingFloat("-3.4028235e38"), -std::numeric_limits<float>::max());
    EXPECT_EQ(ReadLeadingFloat("3.4028236e38"), std::numeric_limits<float>::infinity());
}

TEST(FormatFixedTest, WidthAndPrecisionAreBounded)
{
    // printf would ask for gigabytes here.
    const std::string text = FormatFixed(1.0, INT_MAX, INT_MAX);
    EXPECT_EQ(text.size(), static_cast<size_t>(kMaxFixedWidth));
    EXPECT_EQ(text.substr(text.size() - 1076, 3), "1.0");
    EXPECT_EQ(FormatFixed(-2.5, INT_MIN, 1).size(), static_cast<size_t>(kMaxFixedWidth));
}
