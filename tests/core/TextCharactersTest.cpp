// The notes lines break by what fits their cell (a predicate here: at most a number of
// characters), with 85 characters, never bytes, as the upper bound.
#include "core/ReportLayout.h"
#include "model/TextField.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::string Repeat(const std::string& str, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += str;
    return out;
}

const std::string kUmlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9"; // äöüßé, 10 bytes

// A line fits when it has at most nChars characters.
FLineFits AtMost(std::size_t nChars)
{
    return [nChars](const std::string& strLine) { return Utf8Length(strLine) <= nChars; };
}

struct SLinesCase
{
    const char* pszName;
    std::string strText;
    std::size_t nFitChars; // 0: no cell, the limit alone
    std::vector<std::string> lines;
};

void PrintTo(const SLinesCase& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class NotesLines : public ::testing::TestWithParam<SLinesCase>
{
};
} // namespace

TEST_P(NotesLines, BreakBetweenWordsByWhatFits)
{
    std::string strText = GetParam().strText;
    const FLineFits fits = GetParam().nFitChars ? AtMost(GetParam().nFitChars) : FLineFits();
    std::vector<std::string> lines;
    for (std::string strLine = TakeLine(strText, 85, fits); !strLine.empty();
         strLine = TakeLine(strText, 85, fits))
        lines.push_back(strLine);
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    TakeLine, NotesLines,
    ::testing::Values(
        // 15 words of six characters make 90 > 85, whatever their bytes.
        SLinesCase{"LimitCountsCharacters",
                   Repeat(kUmlauts + " ", 16),
                   0,
                   {Repeat(kUmlauts + " ", 15), kUmlauts + " "}},
        // "CABLE" would end the first line past 18 characters: it starts the second.
        SLinesCase{"WordThatWouldNotFitStartsTheNextLine",
                   "SCREEN 16:9, CABLE LENGTH 25 M",
                   18,
                   {"SCREEN 16:9, ", "CABLE LENGTH 25 M "}},
        SLinesCase{"LimitStaysAnUpperBound", Repeat("ab ", 30), 200, {Repeat("ab ", 29), "ab "}},
        SLinesCase{"WordWiderThanALineIsBroken",
                   "x 0123456789abcdef y",
                   8,
                   {"x ", "01234567", "89abcdef", "y "}}),
    [](const ::testing::TestParamInfo<SLinesCase>& info)
    { return std::string(info.param.pszName); });
