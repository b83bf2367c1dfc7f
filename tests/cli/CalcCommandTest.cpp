// In-process tests of the command-line calculator: argument errors and their exit
// codes, JSON string escaping and the text output.
#include "cli/CalcCommand.h"
#include "cli/CalcHelp.h"
#include "cli/CalcOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <sstream>
#include <string>
#include <vector>

namespace
{

struct SRun
{
    int nExit;
    std::string szOut;
    std::string szErr;
};

SRun RunInProcess(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int nExit = RunCalc(args, out, err);
    return SRun{nExit, out.str(), err.str()};
}

struct SErrorRow
{
    const char* pszName;
    std::vector<std::string> args;
    int nExit;
    // The whole stderr line when bExact, else a part of it.
    std::string szMessage;
    bool bExact = false;
};

void PrintTo(const SErrorRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class CliErrorTest : public testing::TestWithParam<SErrorRow>
{
};

TEST_P(CliErrorTest, OneLineOnStderrAndTheExitCode)
{
    const SErrorRow& row = GetParam();
    const SRun run = RunInProcess(row.args);
    EXPECT_EQ(run.nExit, row.nExit);
    EXPECT_EQ(run.szOut, "");
    ASSERT_FALSE(run.szErr.empty());
    EXPECT_EQ(run.szErr.find('\n'), run.szErr.size() - 1) << run.szErr;
    if (row.bExact)
        EXPECT_EQ(run.szErr, row.szMessage + "\n");
    else
        EXPECT_NE(run.szErr.find(row.szMessage), std::string::npos) << run.szErr;
}

const std::string kKelda = "Kelda W1";

INSTANTIATE_TEST_SUITE_P(
    Usage, CliErrorTest,
    testing::Values(
        SErrorRow{"NoCommand", {}, 2, "missing command"},
        SErrorRow{"UnknownCommand", {"area", kKelda}, 2, "unknown command: \"area\""},
        SErrorRow{"UnknownOption",
                  {"distance", kKelda, "--widht", "2"},
                  2,
                  "unknown option: \"--widht\""},
        SErrorRow{"SingleDashOption", {"distance", kKelda, "-w", "2"}, 2, "unknown option"},
        SErrorRow{"OptionOfAnotherCommand",
                  {"size", kKelda, "--width", "2"},
                  2,
                  "--width does not apply to the size command"},
        SErrorRow{"SizeAndDistanceForShift",
                  {"shift", kKelda, "--width", "3", "--distance", "6"},
                  2,
                  "give either a size"},
        SErrorRow{"MissingValue", {"distance", kKelda, "--width"}, 2, "missing value for --width"},
        SErrorRow{"EmptyInlineValue", {"distance", kKelda, "--width="}, 2, "--width needs"},
        SErrorRow{"DecimalComma", {"distance", kKelda, "--width", "2,5"}, 2, "got \"2,5\""},
        SErrorRow{
            "Infinity", {"distance", kKelda, "--width", "2", "--gain", "inf"}, 2, "--gain needs"},
        SErrorRow{"BeyondFloat",
                  {"distance", kKelda, "--diagonal", "1e39"},
                  2,
                  "--diagonal is out of range"},
        SErrorRow{"UnknownAspect",
                  {"distance", kKelda, "--aspect", "5:4", "--width", "2"},
                  2,
                  "unknown aspect: \"5:4\""},
        SErrorRow{"UnitCase",
                  {"distance", kKelda, "--unit", "Meters", "--width", "2"},
                  2,
                  "unknown unit: \"Meters\""},
        SErrorRow{"TwoSizes",
                  {"distance", kKelda, "--width", "2", "--height", "1"},
                  2,
                  "only one of --width, --height, --diagonal"},
        SErrorRow{
            "SameSizeTwice", {"distance", kKelda, "--width", "2", "--width=3"}, 2, "only one of"},
        SErrorRow{"GainTwice",
                  {"size", kKelda, "--distance", "3", "--gain", "1", "--gain", "2"},
                  2,
                  "--gain is given more than once"},
        SErrorRow{"NoSize",
                  {"distance", kKelda, "--gain", "1"},
                  2,
                  "give one of --width, --height, --diagonal"},
        SErrorRow{"NoDistance", {"size", kKelda}, 2, "give --distance"},
        SErrorRow{"NoModel", {"distance", "--width", "2"}, 2, "missing model name"},
        SErrorRow{"UsageBeforeModel", {"distance", "Nobody", "--gain", "1"}, 2, "give one of"},
        SErrorRow{"UnquotedBlankName",
                  {"distance", "Kelda", "W1", "--width", "2"},
                  2,
                  "unexpected argument: \"W1\""},
        SErrorRow{"JsonWithValue", {"shift", kKelda, "--json=yes"}, 2, "--json takes no value"},
        SErrorRow{"ModelsWithArgument", {"models", kKelda}, 2, "takes no arguments"}),
    [](const auto& info) { return std::string(info.param.pszName); });

// The words are read from the left and the first wrong one is reported; a word is
// an option, a value or a name by its place alone, and is taken as typed.
INSTANTIATE_TEST_SUITE_P(
    Order, CliErrorTest,
    testing::Values(
        SErrorRow{"EmptyInlineValueBeforeAWord",
                  {"distance", kKelda, "--width=", "3"},
                  2,
                  "--width needs a decimal number, got \"\"",
                  true},
        SErrorRow{"HelpWithLetters",
                  {"distance", kKelda, "-hx", "--width", "2"},
                  2,
                  "unknown option: \"-hx\"",
                  true},
        SErrorRow{"HelpWithValue",
                  {"shift", kKelda, "--help=1"},
                  2,
                  "unknown option: \"--help=1\"",
                  true},
        SErrorRow{
            "JsonWithEmptyValue", {"shift", kKelda, "--json="}, 2, "--json takes no value", true},
        SErrorRow{"NegativeNumberWord", {"shift", kKelda, "-5"}, 2, "unknown option: \"-5\"", true},
        SErrorRow{"UnknownBeforeRepeated",
                  {"size", kKelda, "--widht", "--gain", "1", "--gain", "2"},
                  2,
                  "unknown option: \"--widht\"",
                  true},
        SErrorRow{"UnknownBeforeHelp",
                  {"distance", kKelda, "--widht", "-h"},
                  2,
                  "unknown option: \"--widht\"",
                  true},
        SErrorRow{"UnexpectedBeforeMissingValue",
                  {"distance", kKelda, "W1", "--width"},
                  2,
                  "unexpected argument: \"W1\""},
        SErrorRow{"ValueLikeAList",
                  {"distance", kKelda, "--width", "[2]"},
                  2,
                  "--width needs a decimal number, got \"[2]\"",
                  true},
        SErrorRow{"ValueLikeAnOption",
                  {"distance", kKelda, "--width", "--help"},
                  2,
                  "--width needs a decimal number, got \"--help\"",
                  true},
        SErrorRow{"DashNameAfterOptionsEnd",
                  {"shift", "--json", "--", "-Kelda"},
                  3,
                  "unknown model: \"-Kelda\"",
                  true}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Failed, CliErrorTest,
    testing::Values(
        SErrorRow{"LetterCase",
                  {"distance", "kelda w1", "--width", "2"},
                  3,
                  "unknown model: \"kelda w1\" (did you mean \"Kelda W1\"?)",
                  true},
        SErrorRow{"MissingDoubleBlank",
                  {"size", "Vela X2L", "--distance", "3"},
                  3,
                  "unknown model: \"Vela X2L\" (did you mean \"Vela  X2L\"?)",
                  true},
        SErrorRow{"ExtraBlank",
                  {"shift", "Kelda  W1"},
                  3,
                  "unknown model: \"Kelda  W1\" (did you mean \"Kelda W1\"?)",
                  true},
        SErrorRow{"Typo", {"shift", "Kelda Wl"}, 3, "did you mean \"Kelda W1\"?", false},
        SErrorRow{"NothingClose", {"shift", "Zz"}, 3, "unknown model: \"Zz\"", true},
        SErrorRow{"EmptyName", {"shift", ""}, 3, "unknown model: \"\"", true},
        SErrorRow{"EmbeddedNul",
                  {"shift", std::string("Kelda W1\0x", 10)},
                  3,
                  "unknown model: \"Kelda W1\\x00x\""},
        SErrorRow{
            "EscapeSequence", {"shift", "K\x1b[31m"}, 3, "unknown model: \"K\\x1b[31m\"", true},
        // C1 controls, raw and in UTF-8, and bytes that are no UTF-8 are escaped too;
        // other characters stay.
        SErrorRow{"C1Controls",
                  {"shift", "K\x9b"
                            "1m\xc2\x9b\xff\xe2\x82\xac"},
                  3,
                  "unknown model: \"K\\x9b1m\\xc2\\x9b\\xff\xe2\x82\xac\"",
                  true},
        // A long argument is shown by its first 80 characters (here three bytes each).
        SErrorRow{"LongArgument",
                  {"shift", "\xe2\x82\xac" + std::string(130000, 'x')},
                  3,
                  "unknown model: \"\xe2\x82\xac" + std::string(79, 'x') + "\"\xe2\x80\xa6",
                  true},
        SErrorRow{"ZeroWidth",
                  {"distance", kKelda, "--width", "0"},
                  3,
                  "the width must be greater than 0",
                  true},
        SErrorRow{"NegativeZeroHeight",
                  {"distance", kKelda, "--height", "-0.0"},
                  3,
                  "the height must be greater than 0",
                  true},
        SErrorRow{"NegativeDiagonal",
                  {"distance", kKelda, "--diagonal", "-2"},
                  3,
                  "the diagonal must be greater than 0",
                  true},
        SErrorRow{"UnderflowToZero",
                  {"distance", kKelda, "--width", "1e-50"},
                  3,
                  "the width must be greater than 0",
                  true},
        SErrorRow{"ZeroDistance",
                  {"size", kKelda, "--distance", "0.00"},
                  3,
                  "the distance must be greater than 0",
                  true},
        SErrorRow{"NegativeDistance",
                  {"size", kKelda, "--distance", "-3"},
                  3,
                  "the distance must be greater than 0",
                  true},
        SErrorRow{"NegativeGain",
                  {"size", kKelda, "--distance", "3", "--gain", "-1"},
                  3,
                  "the gain must not be negative",
                  true},
        SErrorRow{
            "DistanceTooSmall", {"size", kKelda, "--distance", "1e-44"}, 3, "no finite result"},
        SErrorRow{"NoShiftData",
                  {"shift", "Kelda WT", "--json"},
                  3,
                  "Shift Data are not available for this projector",
                  true}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(CliHelpTest, EveryFormPrintsTheHelpOnStdout)
{
    const std::vector<std::vector<std::string>> forms = {{"help"},
                                                         {"-h"},
                                                         {"--help"},
                                                         {"models", "--help"},
                                                         {"distance", "Kelda W1", "-h"},
                                                         {"shift", "--help"},
                                                         {"size", "-h", "--widht", "--width"}};
    for (const auto& args : forms)
    {
        const SRun run = RunInProcess(args);
        EXPECT_EQ(run.nExit, 0) << args[0];
        EXPECT_EQ(run.szOut, CalcHelpText());
        EXPECT_EQ(run.szErr, "");
    }
    // Every option and every exit code is documented.
    const std::string szHelp = CalcHelpText();
    for (const char* psz : {"--aspect", "--unit", "--gain", "--width", "--height", "--diagonal",
                            "--distance", "--json", "distance_wide", "luminance_unit", "shift_caps",
                            "  2  usage", "  3  unknown model"})
        EXPECT_NE(szHelp.find(psz), std::string::npos) << psz;
}

TEST(CliTextTest, DistanceLinesWithTwoDecimalsAndTheLuminanceUnit)
{
    // 16:9 width 2: height 1.125 (shown 1.12, half-even as printf), diagonal 2.2947,
    // distances 1.37 x 2 and 1.66 x 2, luminance 2000 / (2 x 1.125 x pi).
    const SRun run = RunInProcess({"distance", "Kelda W1", "--width", "2"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.szErr, "");
    EXPECT_EQ(run.szOut, "Width: 2.00\n"
                         "Height: 1.12\n"
                         "Diagonal: 2.29\n"
                         "Distance wide: 2.74\n"
                         "Distance tele: 3.32\n"
                         "Luminance wide: 282.94 Nits\n"
                         "Luminance tele: 282.94 Nits\n");
}

TEST(CliTextTest, SizeInFeetGivesFootLamberts)
{
    // 16:9 in feet at 10 ft: widths 10 / 1.37 = 7.2993 and 10 / 1.66 = 6.0241,
    // heights / (16/9), diagonals x 1.14734; luminance pi x 2000 / (pi x area), that
    // is 2000 / (7.2993 x 4.1058) = 66.734 and 2000 / (6.0241 x 3.3886) = 97.977.
    const SRun run = RunInProcess({"size", "Kelda W1", "--unit=feet", "--distance", "10"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.szOut, "Width wide: 7.30\n"
                         "Width tele: 6.02\n"
                         "Height wide: 4.11\n"
                         "Height tele: 3.39\n"
                         "Diagonal wide: 8.37\n"
                         "Diagonal tele: 6.91\n"
                         "Luminance wide: 66.73 FtL\n"
                         "Luminance tele: 97.98 FtL\n");
}

TEST(CliTextTest, ShiftPrintsUnavailableDirections)
{
    const SRun run = RunInProcess({"shift", "Kelda W1"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.szOut, "Horizontal: not available\n"
                         "Vertical WA minus side: -0.01 deg\n"
                         "Vertical WA plus side: 12.71 deg\n"
                         "Vertical TP minus side: -0.00 deg\n"
                         "Vertical TP plus side: 10.54 deg\n");
}

TEST(CliTextTest, ShiftLimitsWithTheDialogsLabels)
{
    // Kelda W1 shifts vertically only (12.71 degrees up at WA, 10.54 at TP); at 6 its
    // WA screen is 2.46 high, its TP screen 2.03: 1.23 + tan(12.71) x 6 = 2.59.
    const SRun run = RunInProcess({"shift", "Kelda W1", "--distance", "6"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.szOut, "WA maximum half height: 2.59\n"
                         "WA minimum half height: -1.23\n"
                         "TP maximum half height: 2.13\n"
                         "TP minimum half height: -1.02\n"
                         "WA vertical center distance: 0.00\n"
                         "TP vertical center distance: 0.00\n");
}

TEST(CliTextTest, CommaLocaleChangesNothing)
{
    const std::string szBefore = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const SRun text = RunInProcess({"distance", "Kelda W1", "--gain", "1.5", "--width", "2"});
    const SRun json = RunInProcess({"shift", "Pavo QC", "--json"});
    std::setlocale(LC_ALL, szBefore.c_str());
    EXPECT_NE(text.szOut.find("Luminance wide: 424.41 Nits\n"), std::string::npos) << text.szOut;
    // Four angles with decimal points, so exactly three commas inside the array.
    const std::size_t nStart = json.szOut.find("\"horizontal\":[");
    ASSERT_NE(nStart, std::string::npos) << json.szOut;
    const std::string szArray = json.szOut.substr(nStart, json.szOut.find(']', nStart) - nStart);
    EXPECT_EQ(std::count(szArray.begin(), szArray.end(), ','), 3) << szArray;
    EXPECT_EQ(std::count(szArray.begin(), szArray.end(), '.'), 4) << szArray;
}

TEST(CliJsonTest, QuoteEscapesWhatJsonRequires)
{
    EXPECT_EQ(JsonQuote("Vela  X2"), "\"Vela  X2\"");
    EXPECT_EQ(JsonQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonQuote("\n\t\r\b\f"), "\"\\n\\t\\r\\b\\f\"");
    EXPECT_EQ(JsonQuote(std::string("\x01\x1f\0", 3)), "\"\\u0001\\u001f\\u0000\"");
    EXPECT_EQ(JsonQuote("\xc3\xa9/\x7f"), "\"\xc3\xa9/\x7f\"");
}

TEST(CliJsonTest, DistancesInTheLensRange)
{
    // Kelda W1 at 16:9 throws 1.37 / 1.66 x the width; its range is 2-8 m.
    auto json = [](std::vector<std::string> args)
    {
        args.push_back("--json");
        const SRun run = RunInProcess(args);
        EXPECT_EQ(run.nExit, 0) << run.szErr;
        const size_t nAt = run.szOut.find("\"distance_in_range\":");
        return nAt == std::string::npos ? std::string() : run.szOut.substr(nAt + 20, 12);
    };
    EXPECT_EQ(json({"distance", "Kelda W1", "--width", "1.3"}).substr(0, 12), "[false,true]");
    EXPECT_EQ(json({"distance", "Kelda W1", "--width", "5"}).substr(0, 12), "[true,false]");
    EXPECT_EQ(json({"size", "Kelda W1", "--distance", "2"}).substr(0, 5), "true,");
    EXPECT_EQ(json({"size", "Kelda W1", "--distance", "26.25", "--unit", "feet"}).substr(0, 6),
              "false,");
}

} // namespace
