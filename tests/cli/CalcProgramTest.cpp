// Runs the built lenvara-calc binary: the worked examples through --json, the
// round trip of every printed number to the engine's own float, the model list
// and the exit codes seen by a shell.
#include "cli/CalcHelp.h"
#include "core/LenvaraEngine.h"
#include "core/ShiftLimits.h"
#include "model/CatalogueTable.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{

struct SProgramRun
{
    int nExit = -1;
    std::string szOut;
    std::string szErr;
};

// Runs the binary with the arguments (no shell involved); stdout goes to the
// given file instead of a pipe when pszStdoutFile is set.
SProgramRun RunProgram(const std::vector<std::string>& args, const char* pszStdoutFile = nullptr)
{
    SProgramRun run;
    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (pszStdoutFile)
        posix_spawn_file_actions_addopen(&actions, 1, pszStdoutFile, O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);

    std::vector<char*> argv;
    std::string szPath = LENVARA_CALC_PATH;
    argv.push_back(szPath.data());
    std::vector<std::string> copies(args);
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, szPath.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (nSpawn == 0)
    {
        pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
        std::string* targets[2] = {&run.szOut, &run.szErr};
        int nOpen = 2;
        while (nOpen > 0 && poll(fds, 2, -1) > 0)
            for (int i = 0; i < 2; ++i)
            {
                if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP)))
                    continue;
                char buffer[4096];
                const ssize_t nRead = read(fds[i].fd, buffer, sizeof buffer);
                if (nRead > 0)
                    targets[i]->append(buffer, static_cast<std::size_t>(nRead));
                else
                {
                    fds[i].fd = -1;
                    --nOpen;
                }
            }
        int nStatus = 0;
        waitpid(pid, &nStatus, 0);
        run.nExit = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    }
    close(outPipe[0]);
    close(errPipe[0]);
    return run;
}

// The members of one JSON object as raw text: strings keep their quotes, arrays
// their brackets, inner objects their braces. Enough for the objects lenvara-calc
// prints.
std::map<std::string, std::string> JsonMembers(const std::string& szJson)
{
    std::map<std::string, std::string> members;
    std::size_t i = szJson.find('{');
    if (i == std::string::npos)
        return members;
    ++i;
    while (i < szJson.size() && szJson[i] == '"')
    {
        const std::size_t nKeyEnd = szJson.find('"', i + 1);
        const std::string szKey = szJson.substr(i + 1, nKeyEnd - i - 1);
        std::size_t j = nKeyEnd + 2; // past '"' and ':'
        std::size_t k = j;
        if (szJson[k] == '"')
        {
            for (++k; szJson[k] != '"'; ++k)
                if (szJson[k] == '\\')
                    ++k;
            ++k;
        }
        else if (szJson[k] == '[')
            k = szJson.find(']', k) + 1;
        else if (szJson[k] == '{')
            for (int nDepth = 0; k == j || nDepth > 0; ++k)
                nDepth += szJson[k] == '{' ? 1 : szJson[k] == '}' ? -1 : 0;
        else
            while (szJson[k] != ',' && szJson[k] != '}')
                ++k;
        members[szKey] = szJson.substr(j, k - j);
        i = k + 1;
    }
    return members;
}

float JsonFloat(const std::string& szText)
{
    float fValue = -12345.0f;
    const auto result = std::from_chars(szText.data(), szText.data() + szText.size(), fValue);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == szText.data() + szText.size())
        << "not a number: " << szText;
    return fValue;
}

std::vector<float> JsonFloats(const std::string& szArray)
{
    std::vector<float> values;
    std::size_t i = 1; // past '['
    while (i < szArray.size())
    {
        std::size_t j = szArray.find_first_of(",]", i);
        values.push_back(JsonFloat(szArray.substr(i, j - i)));
        i = j + 1;
    }
    return values;
}

TarsioDisplayOptions MetersAt16x9()
{
    TarsioDisplayOptions options{};
    options.bMeters = 1;
    options.bAspect16x9 = 1;
    return options;
}

TEST(CliProgramTest, DistanceExampleMatchesTheEngineBitForBit)
{
    const SProgramRun run = RunProgram({"distance", "Kelda W1", "--aspect", "16:9", "--unit",
                                        "meters", "--gain", "1", "--width", "2.0", "--json"});
    ASSERT_EQ(run.nExit, 0) << run.szErr;
    EXPECT_EQ(run.szErr, "");
    ASSERT_EQ(run.szOut.back(), '\n');
    EXPECT_EQ(run.szOut.find('\n'), run.szOut.size() - 1) << "one line";
    auto json = JsonMembers(run.szOut);
    EXPECT_EQ(json.size(), 13u) << run.szOut; // distance_in_range included
    EXPECT_EQ(json["model"], "\"Kelda W1\"");
    EXPECT_EQ(json["aspect"], "\"16:9\"");
    EXPECT_EQ(json["unit"], "\"meters\"");
    EXPECT_EQ(json["luminance_unit"], "\"Nits\"");
    EXPECT_EQ(JsonFloat(json["gain"]), 1.0f);
    EXPECT_EQ(JsonFloat(json["width"]), 2.0f);

    // The engine's own results are checked against the hand-worked values elsewhere;
    // here every printed number must read back as exactly the engine's float.
    CLenvaraEngine engine;
    float fWidth = 2.0f, fHeight = 0, fDiag = 0, fDistWide, fDistTele, fLumWide, fLumTele;
    ASSERT_EQ(engine.CalcDistance("Kelda W1", kAspectCode16x9, MetersAt16x9(), fWidth, fHeight,
                                  fDiag, fDistWide, fDistTele, fLumWide, fLumTele, 1.0f),
              1);
    EXPECT_EQ(JsonFloat(json["height"]), fHeight);
    EXPECT_EQ(JsonFloat(json["diagonal"]), fDiag);
    EXPECT_EQ(JsonFloat(json["distance_wide"]), fDistWide);
    EXPECT_EQ(JsonFloat(json["distance_tele"]), fDistTele);
    EXPECT_EQ(JsonFloat(json["luminance_wide"]), fLumWide);
    EXPECT_EQ(JsonFloat(json["luminance_tele"]), fLumTele);
}

TEST(CliProgramTest, SizeExampleMatchesTheEngineBitForBit)
{
    const SProgramRun run =
        RunProgram({"size", "Kelda W1", "--json", "--distance=3.0", "--gain", "1"});
    ASSERT_EQ(run.nExit, 0) << run.szErr;
    auto json = JsonMembers(run.szOut);
    EXPECT_EQ(json.size(), 15u) << run.szOut; // distance_in_range included
    EXPECT_EQ(json["aspect"], "\"16:9\"");
    EXPECT_EQ(json["unit"], "\"meters\"");
    EXPECT_EQ(json["luminance_unit"], "\"Nits\"");
    EXPECT_EQ(JsonFloat(json["distance"]), 3.0f);

    const char* const pszKeys[] = {"width_wide",     "width_tele",    "height_wide",
                                   "height_tele",    "diagonal_wide", "diagonal_tele",
                                   "luminance_wide", "luminance_tele"};
    CLenvaraEngine engine;
    float f[8];
    ASSERT_EQ(engine.CalcScreenSize("Kelda W1", kAspectCode16x9, MetersAt16x9(), 3.0f, f[0], f[1],
                                    f[2], f[3], f[4], f[5], f[6], f[7], 1.0f),
              1);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(JsonFloat(json[pszKeys[i]]), f[i]) << pszKeys[i];
}

TEST(CliProgramTest, ShiftExampleHasVerticalAnglesOnly)
{
    const SProgramRun run = RunProgram({"shift", "--json", "Kelda W1", "--aspect", "16:9"});
    ASSERT_EQ(run.nExit, 0) << run.szErr;
    auto json = JsonMembers(run.szOut);
    EXPECT_EQ(json.size(), 5u) << run.szOut;
    EXPECT_EQ(json["shift_caps"], "1");
    EXPECT_EQ(json["horizontal"], "null");
    const std::vector<float> vertical = JsonFloats(json["vertical"]);
    ASSERT_EQ(vertical.size(), 4u) << json["vertical"];

    CLenvaraEngine engine;
    float a[4];
    ASSERT_EQ(engine.CalcVerticalShift("Kelda W1", kAspectCode16x9, MetersAt16x9(), a[0], a[1],
                                       a[2], a[3]),
              1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(vertical[i], a[i]) << i;
}

TEST(CliProgramTest, ShiftOfAModelWithBothDirections)
{
    const SProgramRun run = RunProgram({"shift", "Pavo QC", "--aspect=4:3", "--json"});
    ASSERT_EQ(run.nExit, 0) << run.szErr;
    auto json = JsonMembers(run.szOut);
    EXPECT_EQ(json["aspect"], "\"4:3\"");
    EXPECT_EQ(json["shift_caps"], "3");
    TarsioDisplayOptions options{};
    options.bMeters = 1;
    options.bAspect4x3 = 1;
    CLenvaraEngine engine;
    float h[4], v[4];
    ASSERT_EQ(
        engine.CalcHorizontalShift("Pavo QC", kAspectCode4x3, options, h[0], h[1], h[2], h[3]), 1);
    ASSERT_EQ(engine.CalcVerticalShift("Pavo QC", kAspectCode4x3, options, v[0], v[1], v[2], v[3]),
              1);
    EXPECT_EQ(JsonFloats(json["horizontal"]), std::vector<float>(h, h + 4));
    EXPECT_EQ(JsonFloats(json["vertical"]), std::vector<float>(v, v + 4));
}

// The Shift Calculator's limits for the installation each page would calculate.
TEST(CliProgramTest, ShiftLimitsMatchTheLibraryBitForBit)
{
    CLenvaraEngine engine;
    const TarsioDisplayOptions options = MetersAt16x9();
    float h[4], v[4], f[8], w = 4, hgt = 0, diag = 0, dw, dt, lw, lt;
    ASSERT_EQ(
        engine.CalcHorizontalShift("Pavo QC", kAspectCode16x9, options, h[0], h[1], h[2], h[3]), 1);
    ASSERT_EQ(engine.CalcVerticalShift("Pavo QC", kAspectCode16x9, options, v[0], v[1], v[2], v[3]),
              1);
    ASSERT_EQ(engine.CalcDistance("Pavo QC", kAspectCode16x9, options, w, hgt, diag, dw, dt, lw, lt,
                                  1.0f),
              1);
    ASSERT_EQ(engine.CalcScreenSize("Pavo QC", kAspectCode16x9, options, 6.0f, f[0], f[1], f[2],
                                    f[3], f[4], f[5], f[6], f[7], 1.0f),
              1);
    // The WA and TP (width, height, distance) triples of each page.
    const struct
    {
        std::vector<std::string> args;
        int nMode;
        float w1, h1, d1, w2, h2, d2;
    } rows[] = {{{"--width", "4"}, 0, w, hgt, dw, w, hgt, dt},
                {{"--distance", "6"}, 1, f[0], f[2], 6, f[1], f[3], 6}};
    for (const auto& row : rows)
    {
        std::vector<std::string> args = {"shift", "Pavo QC", "--json"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const SProgramRun run = RunProgram(args);
        ASSERT_EQ(run.nExit, 0) << run.szErr;
        auto json = JsonMembers(run.szOut);
        EXPECT_EQ(json["mode"], std::to_string(row.nMode));
        auto limits = JsonMembers(json["limits"]);
        const std::pair<const char*, SShiftLimits> directions[] = {
            {"horizontal", ComputeShiftLimits(ShiftAnglesFromLimits(h[0], h[1], h[2], h[3]), row.w1,
                                              row.d1, row.w2, row.d2)},
            {"vertical", ComputeShiftLimits(ShiftAnglesFromLimits(v[0], v[1], v[2], v[3]), row.h1,
                                            row.d1, row.h2, row.d2)}};
        for (const auto& [pszDirection, expected] : directions)
        {
            auto values = JsonMembers(limits[pszDirection]);
            EXPECT_EQ(
                (std::vector<float>{JsonFloat(values["wa_max"]), JsonFloat(values["wa_min"]),
                                    JsonFloat(values["tp_max"]), JsonFloat(values["tp_min"])}),
                (std::vector<float>{expected.fWideMax, expected.fWideMin, expected.fTeleMax,
                                    expected.fTeleMin}))
                << pszDirection << " mode " << row.nMode;
        }
    }
}

TEST(CliProgramTest, ModelsListsTheSixteenByNineRowsInTableOrder)
{
    const SProgramRun run = RunProgram({"models"});
    ASSERT_EQ(run.nExit, 0) << run.szErr;
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < run.szOut.size();)
    {
        const std::size_t j = run.szOut.find('\n', i);
        ASSERT_NE(j, std::string::npos) << "last line unterminated";
        lines.push_back(run.szOut.substr(i, j - i));
        i = j + 1;
    }
    ASSERT_EQ(lines.size(), 46u);
    const SCatalogue& catalogue = GetCatalogue();
    for (int k = 0; k < 46; ++k)
        EXPECT_EQ(lines[k], catalogue.main[3 * k + 1].szName) << k;
    EXPECT_EQ(lines[0], "Kelda W1");
    EXPECT_EQ(lines[12], "Vela  X2");
}

struct SExitRow
{
    const char* pszName;
    std::vector<std::string> args;
    int nExit;
    std::string szErr;
};

void PrintTo(const SExitRow& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class CliProgramExitTest : public testing::TestWithParam<SExitRow>
{
};

TEST_P(CliProgramExitTest, ExitCodeAndMessage)
{
    const SExitRow& row = GetParam();
    const SProgramRun run = RunProgram(row.args);
    EXPECT_EQ(run.nExit, row.nExit);
    EXPECT_EQ(run.szOut, "");
    EXPECT_EQ(run.szErr, row.szErr);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, CliProgramExitTest,
    testing::Values(SExitRow{"NoArguments", {}, 2, "missing command (try lenvara-calc --help)\n"},
                    SExitRow{"NoShiftData",
                             {"shift", "Pavo QA"},
                             3,
                             "Shift Data are not available for this projector\n"}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(CliProgramTest, HelpGoesToStdout)
{
    const SProgramRun run = RunProgram({"--help"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.szOut, CalcHelpText());
    EXPECT_EQ(run.szErr, "");
}

TEST(CliProgramTest, OutputThatCannotBeWrittenIsAFailure)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full";
    const SProgramRun run = RunProgram({"models"}, "/dev/full");
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(run.szErr, "lenvara-calc: the output could not be written\n");
}

} // namespace
