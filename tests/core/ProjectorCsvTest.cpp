// Importing own projectors from spreadsheet CSV: what good rows give, and every bad
// row listed with its line and column while nothing is imported.
#include "core/ProjectorCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

SOwnProjector Projector(const char* pszName, int nW, int nH, double dPitch, double dLumens)
{
    SOwnProjector p;
    p.szName = pszName;
    p.nWidthPx = nW;
    p.nHeightPx = nH;
    p.dPitchUm = dPitch;
    p.dLumens = dLumens;
    return p;
}

TEST(OwnProjectorCsv, SpreadsheetRowsInAnyColumnOrder)
{
    // Byte order mark, CRLF, quoted cells with separators and doubled quotes, empty
    // cells for fields not given, a blank last row.
    const SCsvImport csv = ImportProjectorCsv(
        "\xEF\xBB\xBFpicture,name,width_px,height_px,pitch_um,lumens,throw_16_9_wide,"
        "throw_16_9_tele,shift_up,shift_of,distance_min_m,distance_max_m,class\r\n"
        "\"a, b.png\",\"Hall \"\"7\"\"\",1920,1200,7.6,7000,1.22,1.53,110,half-image,1.5,25,DLP\r\n"
        ",Small,800,600,17,600,1.5,1.5,,,,,\r\n"
        ",,,,,,,,,,,,\r\n");
    SOwnProjector hall = Projector("Hall \"7\"", 1920, 1200, 7.6, 7000);
    hall.szClass = "DLP";
    hall.szPicture = "a, b.png";
    hall.throws[1] = SThrowPair{1.22, 1.53};
    hall.shift = SShiftPercent{110, 0, 0, 0, EShiftOf::HalfImage};
    hall.distance = SDistanceRange{1.5, 25};
    SOwnProjector small = Projector("Small", 800, 600, 17, 600);
    small.throws[1] = SThrowPair{1.5, 1.5};
    EXPECT_TRUE(csv.errors.empty());
    EXPECT_EQ((std::vector<SOwnProjector>{hall, small}), csv.projectors);

    // Semicolons and decimal commas, as spreadsheets export them in such locales.
    const SCsvImport euro = ImportProjectorCsv("name;width_px;height_px;pitch_um;lumens;"
                                               "throw_4_3_wide;throw_4_3_tele\n"
                                               "Euro;1024;768;13,68;1500;1,66;2.24\n");
    SOwnProjector expected = Projector("Euro", 1024, 768, 13.68, 1500);
    expected.throws[0] = SThrowPair{1.66, 2.24};
    EXPECT_TRUE(euro.errors.empty());
    EXPECT_EQ(std::vector<SOwnProjector>{expected}, euro.projectors);
}

struct SBadCsvCase
{
    const char* pszLabel;
    std::string szText;
    std::vector<std::string> expected; // FormatCsvRowError of each, in order
};

class BadProjectorCsv : public testing::TestWithParam<SBadCsvCase>
{
};

TEST_P(BadProjectorCsv, EveryBadRowListedAndNothingImported)
{
    const SBadCsvCase& c = GetParam();
    SOwnProjector existing = Projector("Hall 7", 8, 8, 8, 8);
    existing.throws[0] = SThrowPair{1, 1};
    const SCsvImport csv = ImportProjectorCsv(c.szText, {existing});
    EXPECT_TRUE(csv.projectors.empty());
    std::vector<std::string> lines;
    for (const SCsvRowError& error : csv.errors)
        lines.push_back(FormatCsvRowError(error));
    EXPECT_EQ(c.expected, lines);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, BadProjectorCsv,
    testing::Values(
        SBadCsvCase{"Rows",
                    "name,width_px,height_px,pitch_um,lumens,throw_16_9_wide,throw_16_9_tele\n"
                    "Good,1920,1080,10.8,2000,1.37,1.66\n"
                    "\"Two\nlines\",1920,1080,10.8,abc,1.37,1.66\n"
                    "Wide,1920,1080,10.8,2000,1.37,\n"
                    "good,1920,1080,10.8,2000,1.37,1.66\n"
                    "Kelda W1,1920,1080,10.8,2000,1.37,1.66\n"
                    "HALL 7,1920,1080,10.8,2000,1.37,1.66\n"
                    "Big,99999,1080,10.8,2000,1.37,1.66\n"
                    "Over,1920,1080,10.8,2000,1.7,1.66\n"
                    "Bell\a,1920,1080,10.8,2000,1.37,1.66\n"
                    "Extra,1920,1080,10.8,2000,1.37,1.66,x\n"
                    "\"Open,1\n",
                    {"line 3, lumens: must be a number", "line 5, throw_16_9_tele: missing",
                     "line 6, name: is the name on line 2 already",
                     "line 7, name: is the name of the built-in model \"Kelda W1\"",
                     "line 8, name: is the name of projector 1 (\"Hall 7\") already",
                     "line 9, width_px: must be a whole number from 1 to 16384",
                     "line 10, throw_16_9_tele: the tele ratio must not be less than the wide",
                     "line 11, name: holds a control character",
                     "line 12: more cells than the header has columns",
                     "line 13: a quoted cell is not closed"}},
        SBadCsvCase{"Header",
                    "lumen,class,class\nA,b,c\n",
                    {"line 1, lumen: not a column of the projector list",
                     "line 1, class: given twice", "line 1, name: missing column"}}),
    [](const testing::TestParamInfo<SBadCsvCase>& info) { return info.param.pszLabel; });

} // namespace
