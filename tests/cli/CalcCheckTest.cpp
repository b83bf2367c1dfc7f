// lenvara-calc check and shift --envelope: the figures of the room check and the
// shift outline in JSON, worked by hand, and the room options' errors.
#include "cli/CalcCommand.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

struct SRun
{
    int nExit;
    std::string szOut, szErr;
};

SRun RunCheckCli(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int nExit = RunCalc(args, out, err);
    return {nExit, out.str(), err.str()};
}

nlohmann::json RunJson(std::vector<std::string> args)
{
    args.push_back("--json");
    const SRun run = RunCheckCli(args);
    EXPECT_EQ(run.nExit, 0) << run.szErr;
    return nlohmann::json::parse(run.szOut);
}

TEST(CalcCheckCli, LitRoomFiguresOfOneScreen)
{
    // Kelda W1, 2 m wide (1.125 high), 282.94 cd/m²; 100 lx: La 31.831, C 9.889;
    // 7:1 needs 6 x 100 x 2.25 = 1350 lm. Seats 3 and 4: 36.87 and 28.07 deg, 4 / 1.125
    // = 3.556 heights. Pixels 2 / 1920 m, unresolved beyond 3.581 m. Distances 2.74 and
    // 3.32 within 5 %: 2.877 to 3.154.
    const nlohmann::json j = RunJson({"check", "Kelda W1", "--width", "2", "--ambient-lux", "100",
                                      "--nearest", "3", "--farthest", "4"});
    const nlohmann::json& end = j["ends"][0];
    EXPECT_NEAR(end["contrast"]["image_luminance"], 282.94, 5e-3);
    EXPECT_NEAR(end["contrast"]["ambient_luminance"], 31.831, 1e-3);
    EXPECT_NEAR(end["contrast"]["contrast"], 9.889, 1e-3);
    EXPECT_EQ(end["contrast"]["targets"][0]["met"], true);
    EXPECT_EQ(end["contrast"]["targets"][1]["met"], false);
    EXPECT_NEAR(end["contrast"]["targets"][0]["lumens_needed"], 1350.0, 1e-3);
    EXPECT_NEAR(end["seating"]["nearest"]["angle"], 36.870, 1e-3);
    EXPECT_NEAR(end["seating"]["farthest"]["angle"], 28.072, 1e-3);
    EXPECT_EQ(end["seating"]["farthest"]["meets_30"], false);
    EXPECT_NEAR(end["seating"]["farthest"]["image_heights"], 3.556, 1e-3);
    EXPECT_EQ(end["seating"]["farthest"]["inspection"], true);
    EXPECT_NEAR(end["pixel_size"], 2.0 / 1920, 1e-9);
    EXPECT_NEAR(end["pixels_unresolved_beyond"], 3.581, 1e-3);
    EXPECT_EQ(end["nearest_beyond_pixels"], false);
    EXPECT_NEAR(j["tolerance"]["from"], 2.877, 1e-3);
    EXPECT_NEAR(j["tolerance"]["to"], 3.154, 1e-3);
    EXPECT_EQ(j["tolerance"]["empty"], false);

    // A dark room and a 10 % tolerance: the targets, and no safe range left.
    const SRun dark = RunCheckCli({"check", "Kelda W1", "--width", "2", "--tolerance", "10"});
    EXPECT_EQ(dark.szOut, "Image luminance: 282.94 cd/m²\n"
                          "Dark room, cinema (48 cd/m²): met\n"
                          "Dark room, home cinema (55 cd/m²): met\n"
                          "Pixel size: 1.04 mm\n"
                          "Pixels not resolved beyond: 3.58\n"
                          "Distance safe within ±10.00 %: none (only the exact unit in hand "
                          "reaches this screen)\n");
}

TEST(CalcCheckCli, RoomOptionErrors)
{
    const struct
    {
        std::vector<std::string> args;
        int nExit;
        const char* pszMessage;
    } cases[] = {
        {{"check", "Kelda W1"}, 2, "give a size (--width, --height, --diagonal) or --distance\n"},
        {{"check", "Kelda W1", "--width", "2", "--nearest", "5", "--farthest", "4"},
         3,
         "the nearest seat must not be farther than the farthest\n"},
        {{"check", "Kelda W1", "--width", "2", "--tolerance", "100"},
         3,
         "the tolerance must be from 0 to below 100 percent\n"},
        {{"check", "Kelda W1", "--width", "2", "--ambient-lux", "-1"},
         3,
         "the ambient light must not be negative\n"},
        {{"distance", "Kelda W1", "--width", "2", "--nearest", "3"},
         2,
         "--nearest does not apply to the distance command\n"},
        {{"shift", "Pavo QC", "--envelope", "--width", "2"},
         2,
         "--envelope takes no size or distance\n"},
        {{"shift", "Kelda W1", "--envelope"},
         3,
         "the combined shift needs horizontal and vertical Shift Data\n"},
    };
    for (const auto& c : cases)
    {
        const SRun run = RunCheckCli(c.args);
        EXPECT_EQ(run.nExit, c.nExit) << c.args[1];
        EXPECT_EQ(run.szErr, c.pszMessage);
        EXPECT_EQ(run.szOut, "");
    }
}

// The outline's farthest points each way.
struct SExtent
{
    double dLeft = 0, dRight = 0, dDown = 0, dUp = 0;
};

SExtent ExtentOf(const nlohmann::json& points)
{
    SExtent e;
    for (const nlohmann::json& p : points)
    {
        e.dLeft = std::min(e.dLeft, p[0].get<double>());
        e.dRight = std::max(e.dRight, p[0].get<double>());
        e.dDown = std::min(e.dDown, p[1].get<double>());
        e.dUp = std::max(e.dUp, p[1].get<double>());
    }
    return e;
}

TEST(CalcCheckCli, EnvelopeOfImageCircleAndOfPercentages)
{
    // Pavo QC: 1.9938 either side, 7.5140 up, 3.7140 down (see the core's test).
    const nlohmann::json circle = RunJson({"shift", "Pavo QC", "--envelope"});
    EXPECT_EQ(circle["approximate"], false);
    EXPECT_EQ(circle["envelope"].front(), circle["envelope"].back());
    const SExtent c = ExtentOf(circle["envelope"]);
    EXPECT_NEAR(c.dLeft, -1.9938, 1e-4);
    EXPECT_NEAR(c.dRight, 1.9938, 1e-4);
    EXPECT_NEAR(c.dUp, 7.5140, 1e-4);
    EXPECT_NEAR(c.dDown, -3.7140, 1e-4);

    // An own projector of 14.592 x 9.12 mm shifting 20 % of the width either side,
    // 55 % of the height up and 10 % down: the diamond through 2.9184, 5.016, 0.912.
    const std::filesystem::path file =
        std::filesystem::path(std::getenv("XDG_DATA_HOME")) / "diamond.json";
    std::ofstream(file) << R"({"lenvara-projectors": 1, "projectors": [
      {"name": "Diamond 1", "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6},
       "lumens": 5000, "throw": {"16:9": [1.22, 1.53]},
       "shift_percent": {"up": 55, "down": 10, "left": 20, "right": 20}}]})";
    const std::vector<std::string> args = {"shift", "Diamond 1", "--envelope", "--catalogue",
                                           file.string()};
    const nlohmann::json diamond = RunJson(args);
    EXPECT_EQ(diamond["approximate"], true);
    const SExtent d = ExtentOf(diamond["envelope"]);
    EXPECT_NEAR(d.dRight, 2.9184, 1e-4);
    EXPECT_NEAR(d.dUp, 5.016, 1e-4);
    EXPECT_NEAR(d.dDown, -0.912, 1e-4);
    EXPECT_EQ(RunCheckCli(args).szOut.rfind("# approximate", 0), 0u);
}

} // namespace
