// Unit conversion, unit and aspect names and the report's date line.
#include "core/LenvaraEngine.h"
#include "core/TextFormat.h"
#include "model/CatalogueTable.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>
#include <ctime>
#include <string>

namespace
{

struct SConvertRow
{
    const char* pszName;
    int nFrom;
    int nTo;
    float fValue;
    float fExpected; // worked out by hand from the millimetre lengths
};

void PrintTo(const SConvertRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class ConvertLengthTest : public ::testing::TestWithParam<SConvertRow>
{
};

TEST_P(ConvertLengthTest, ScalesByMillimetreRatio)
{
    const SConvertRow& row = GetParam();
    EXPECT_FLOAT_EQ(ConvertLengthBetween(row.fValue, row.nFrom, row.nTo), row.fExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ConvertLengthTest,
    ::testing::Values(SConvertRow{"MetersToInches", kUnitMeters, kUnitInches, 1.0f, 39.370079f},
                      SConvertRow{"MetersToFeet", kUnitMeters, kUnitFeet, 1.0f, 3.2808399f},
                      SConvertRow{"InchesToMeters", kUnitInches, kUnitMeters, 100.0f, 2.54f},
                      SConvertRow{"InchesToFeet", kUnitInches, kUnitFeet, 30.0f, 2.5f},
                      SConvertRow{"FeetToMeters", kUnitFeet, kUnitMeters, 10.0f, 3.048f},
                      SConvertRow{"FeetToInches", kUnitFeet, kUnitInches, 1.5f, 18.0f},
                      SConvertRow{"Same", kUnitFeet, kUnitFeet, 1.25f, 1.25f},
                      SConvertRow{"NotSetYet", -1, -1, 7.5f, 7.5f},
                      SConvertRow{"FromUnset", -1, kUnitInches, 7.5f, 7.5f},
                      SConvertRow{"ToUnknown", kUnitMeters, 3, 7.5f, 7.5f},
                      // Beyond the float range in inches: infinite (the page then refuses it).
                      SConvertRow{"BeyondTheFloatRange", kUnitMeters, kUnitInches, 3e38f,
                                  std::numeric_limits<float>::infinity()}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(ConvertLengthTest, MetersInchesShownRoundTrip)
{
    // 3.00 m = 118.110236 in, shown as 118.11; 118.11 in = 2.999994 m, shown as 3.00.
    const float fInches = ConvertLengthBetween(3.0f, kUnitMeters, kUnitInches);
    EXPECT_EQ(FormatLength(fInches), "118.11");
    const float fShown = static_cast<float>(ReadLeadingNumber(FormatLength(fInches)));
    EXPECT_EQ(FormatLength(ConvertLengthBetween(fShown, kUnitInches, kUnitMeters)), "3.00");
}

TEST(UnitTextTest, CodesOutsideTheTablesHaveNoNameOrLength)
{
    for (int nCode : {-1, 3, 1000})
    {
        EXPECT_STREQ(UnitName(nCode), "") << nCode;
        EXPECT_EQ(UnitMillimetres(nCode), 0.0) << nCode;
    }
}

TEST(UnitTextTest, AspectNamesNeedTheExactValue)
{
    // The ratios as the program computes them in single precision.
    EXPECT_STREQ(AspectName(4.0f / 3.0f), "4:3");
    EXPECT_STREQ(AspectName(16.0f / 9.0f), "16:9");
    EXPECT_STREQ(AspectName(64.0f / 27.0f), "2.35:1");
    EXPECT_STREQ(AspectName(2.35f), "");
    EXPECT_STREQ(AspectName(std::nextafter(kAspect16x9, 2.0f)), "");
    EXPECT_STREQ(AspectName(std::nextafter(kAspect4x3, 0.0f)), "");
    EXPECT_STREQ(AspectName(std::nanf("")), "");
}

std::tm MakeTm(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    std::tm tmValue{};
    tmValue.tm_year = nYear - 1900;
    tmValue.tm_mon = nMonth - 1;
    tmValue.tm_mday = nDay;
    tmValue.tm_hour = nHour;
    tmValue.tm_min = nMin;
    tmValue.tm_sec = nSec;
    return tmValue;
}

TEST(FormatDateLineTest, MonthDayYearThenPaddedTime)
{
    EXPECT_EQ(FormatDateLine(MakeTm(2007, 11, 23, 9, 5, 7)), "11/23/2007   09:05:07");
    EXPECT_EQ(FormatDateLine(MakeTm(2000, 1, 2, 0, 0, 0)), "1/2/2000   00:00:00");
}

} // namespace
