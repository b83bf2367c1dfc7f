// lenvara-calc with the user's own projectors: the maker's figures of a hand-written
// catalogue give the distances and shift angles worked by hand, "models" lists them
// after the built-in models, and a catalogue that cannot be used ends the command
// with status 2 and one line naming the file, the projector and the field.
#include "cli/CalcCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
namespace fs = std::filesystem;

// Every test of this program sees an empty data folder, so a catalogue in the home
// folder of whoever runs the tests never counts.
class CEmptyDataHome : public testing::Environment
{
public:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("lenvara-cli-data-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        ::setenv("XDG_DATA_HOME", m_dir.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(m_dir); }

private:
    fs::path m_dir;
};
const auto* const g_pDataHome = testing::AddGlobalTestEnvironment(new CEmptyDataHome);

// A 1920 x 1200 panel of 7.6 um (14.592 x 9.12 mm) with the 16:9 pair only, and the
// maker's shift: 55 % up, 10 % down, 20 % each side.
const char kHallBeamer[] = R"({"lenvara-projectors": 1, "projectors": [
  {"name": "Hall Beamer 7", "class": "DLP",
   "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6}, "lumens": 7000,
   "throw": {"16:9": [1.22, 1.53]},
   "shift_percent": {"up": 55, "down": 10, "left": 20, "right": 20},
   "distance_m": [1.5, 25]}]})";

struct SRun
{
    int nExit;
    std::string szOut, szErr;
};

SRun RunCalcWith(std::vector<std::string> args)
{
    std::ostringstream out, err;
    const int nExit = RunCalc(args, out, err);
    return {nExit, out.str(), err.str()};
}

std::string WriteFile(const std::string& szName, const std::string& szText)
{
    const fs::path path = fs::path(std::getenv("XDG_DATA_HOME")) / szName;
    std::ofstream(path) << szText;
    return path.string();
}

TEST(OwnCatalogueCli, MakersFiguresGiveTheHandWorkedNumbers)
{
    const std::string szFile = WriteFile("hall.json", kHallBeamer);
    struct SCase
    {
        std::vector<std::string> args;
        std::string szOut;
    };
    const SCase cases[] = {
        // 2 x 1.22 and 2 x 1.53.
        {{"distance", "Hall Beamer 7", "--width", "2"},
         "Width: 2.00\nHeight: 1.12\nDiagonal: 2.29\nDistance wide: 2.44\nDistance tele: 3.06\n"},
        // 4:3 is narrower than the 1.6 panel: pillar-boxed, 1.22 x 1.6 / (4/3) = 1.464.
        {{"distance", "Hall Beamer 7", "--width", "2", "--aspect", "4:3"},
         "Width: 2.00\nHeight: 1.50\nDiagonal: 2.50\nDistance wide: 2.93\nDistance tele: 3.67\n"},
        // 2.35:1 is wider: letter-boxed, the panel-filling 1.22 and 1.53 stay.
        {{"distance", "Hall Beamer 7", "--width", "2", "--aspect", "2.35:1"},
         "Width: 2.00\nHeight: 0.84\nDiagonal: 2.17\nDistance wide: 2.44\nDistance tele: 3.06\n"},
        // atan(room / F), F = 14.592 x 1.22 = 17.802 (WA) and x 1.53 = 22.326 (TP):
        // sides 0.2 x 14.592, down 0.1 x 9.12, up 0.55 x 9.12.
        {{"shift", "Hall Beamer 7"},
         "Horizontal WA minus side: 9.31 deg\nHorizontal WA plus side: 9.31 deg\n"
         "Horizontal TP minus side: 7.45 deg\nHorizontal TP plus side: 7.45 deg\n"
         "Vertical WA minus side: 2.93 deg\nVertical WA plus side: 15.74 deg\n"
         "Vertical TP minus side: 2.34 deg\nVertical TP plus side: 12.66 deg\n"},
    };
    for (const SCase& c : cases)
    {
        std::vector<std::string> args = c.args;
        args.insert(args.begin() + 1, {"--catalogue", szFile});
        const SRun run = RunCalcWith(args);
        EXPECT_EQ(run.nExit, 0) << run.szErr;
        // The luminance lines follow; the lengths and angles are what is worked here.
        EXPECT_EQ(run.szOut.substr(0, c.szOut.size()), c.szOut) << c.args[0];
    }
    const SRun models = RunCalcWith({"models", "--catalogue=" + szFile});
    EXPECT_EQ(models.szOut.substr(0, 9), "Kelda W1\n");
    EXPECT_EQ(models.szOut.substr(models.szOut.size() - 15), "\nHall Beamer 7\n");
}

TEST(OwnCatalogueCli, UnusableCatalogueEndsWithOneLine)
{
    const std::string szMissing = (fs::path(std::getenv("XDG_DATA_HOME")) / "none.json").string();
    std::string szBad = kHallBeamer;
    szBad.replace(szBad.find("1.53"), 4, "1.10"); // tele shorter than wide
    const std::string szBadFile = WriteFile("bad.json", szBad);
    struct SCase
    {
        std::vector<std::string> args;
        std::string szErrStart;
    };
    const SCase cases[] = {
        {{"models", "--catalogue", szMissing}, szMissing + ": "},
        {{"distance", "Kelda W1", "--width", "2", "--catalogue", szBadFile},
         szBadFile + ": projector 1 (\"Hall Beamer 7\"), throw.\"16:9\""},
        {{"models", "--catalogue"}, "missing value for --catalogue"},
    };
    for (const SCase& c : cases)
    {
        const SRun run = RunCalcWith(c.args);
        EXPECT_EQ(run.nExit, 2);
        EXPECT_EQ(run.szOut, "");
        EXPECT_EQ(run.szErr.substr(0, c.szErrStart.size()), c.szErrStart) << run.szErr;
        EXPECT_EQ(run.szErr.find('\n'), run.szErr.size() - 1) << run.szErr;
    }
    // The default file broken the same way: every command stops on it too.
    fs::create_directories(fs::path(std::getenv("XDG_DATA_HOME")) / "lenvara");
    WriteFile("lenvara/projectors.json", szBad);
    EXPECT_EQ(RunCalcWith({"models"}).nExit, 2);
    fs::remove(fs::path(std::getenv("XDG_DATA_HOME")) / "lenvara/projectors.json");
    EXPECT_EQ(RunCalcWith({"models"}).nExit, 0);
}
} // namespace
