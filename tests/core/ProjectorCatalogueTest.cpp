// The own projector catalogue file: the rows it gives (throw pairs given and derived,
// shift angles from percentages and from lens fields, worked by hand), every kind of
// bad file with the error it names, and writing whole with the previous file kept.
#include "core/ProjectorCatalogue.h"
#include "model/TarsioModel.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

// A catalogue of one projector "P" with a 1920 x 1200 panel of 7.6 um (14.592 x
// 9.12 mm, aspect 1.6) and 7000 lm, plus the given fields.
std::string OneProjector(const std::string& szFields)
{
    return R"({"lenvara-projectors": 1, "projectors": [{"name": "P", "lumens": 7000,
        "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6}, )" +
           szFields + "}]}";
}

SOwnProjectorRows RowsOf(const std::string& szText)
{
    const SCatalogueRead read = ParseProjectorCatalogue(szText, "test.json");
    EXPECT_FALSE(read.error) << (read.error ? FormatCatalogueError(*read.error) : "");
    EXPECT_EQ(1u, read.projectors.size());
    return read.projectors.empty() ? SOwnProjectorRows{} : DeriveProjectorRows(read.projectors[0]);
}

// The record's shift arithmetic step for step, on a pair of own rows: the record reads
// the built-in tables only (so far). LensFieldsGiveTheBuiltInRows checks this copy
// against the record.
std::array<float, 4> RecordShiftAngles(const SCatalogueRow& row, const SLensRow& lens,
                                       bool bHorizontal)
{
    auto mm = [&](int n) { return static_cast<float>(n * row.fPixelPitch * 0.001); };
    const float w = mm(row.nNativeWidth), h = mm(row.nNativeHeight);
    const float fAcross = bHorizontal ? w : h, fAlong = bHorizontal ? h : w;
    const float fOffsetA = bHorizontal ? lens.fHOffset1 : lens.fVOffset2;
    const float fOffsetB = bHorizontal ? lens.fHOffset2 : lens.fVOffset1;
    const float r = lens.fLensRadius;
    const float fChord = static_cast<float>(std::pow(double(4.0f * r * r - fAlong * fAlong), 0.5));
    const float fRoomA = (fChord - fAcross) * 0.5f - fOffsetA;
    const float fRoomB = (fChord - fAcross) * 0.5f - fOffsetB;
    auto deg = [](float fRoom, float fFocal)
    { return static_cast<float>(std::atan(double(fRoom / fFocal)) * 57.29577951308232); };
    const float fWide = w * row.fThrowWide, fTele = w * row.fThrowTele;
    return {deg(fRoomA, fWide), deg(fRoomB, fWide), deg(fRoomA, fTele), deg(fRoomB, fTele)};
}

struct SThrowCase
{
    const char* pszLabel;
    const char* pszThrow;
    float expected[3][2]; // wide, tele of 4:3, 16:9, 2.35:1
};

class OwnThrowPairs : public testing::TestWithParam<SThrowCase>
{
};

TEST_P(OwnThrowPairs, GivenOrDerivedFromThePanelAspect)
{
    const SThrowCase& c = GetParam();
    const SOwnProjectorRows rows = RowsOf(OneProjector(c.pszThrow));
    const float fAspects[3] = {kAspect4x3, kAspect16x9, kAspect235};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_NEAR(c.expected[i][0], rows.main[i].fThrowWide, 1e-5f) << "aspect " << i;
        EXPECT_NEAR(c.expected[i][1], rows.main[i].fThrowTele, 1e-5f) << "aspect " << i;
        EXPECT_EQ(i, rows.main[i].nAspectCode);
        EXPECT_EQ(i == 1 ? 1 : 0, rows.main[i].bListed);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(fAspects[i]),
                  std::bit_cast<std::uint32_t>(rows.main[i].fAspect));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, OwnThrowPairs,
    testing::Values(
        SThrowCase{"AllGiven",
                   R"("throw": {"4:3": [1.5, 1.9], "16:9": [1.2, 1.5], "2.35:1": [1, 1.3]})",
                   {{1.5f, 1.9f}, {1.2f, 1.5f}, {1.0f, 1.3f}}},
        // Panel 1.6: the 4:3 image is pillar-boxed, 1.22 x 1.6 / (4/3) = 1.464 and
        // 1.53 x 1.2 = 1.836; the 2.35:1 image is letter-boxed and keeps 1.22 / 1.53.
        SThrowCase{"PillarAndLetterBoxed",
                   R"("throw": {"16:9": [1.22, 1.53]})",
                   {{1.464f, 1.836f}, {1.22f, 1.53f}, {1.22f, 1.53f}}},
        // 4:3 and 2.35:1 given: 4:3 is nearer the panel's 1.6, so 16:9 (letter-boxed)
        // takes its panel-filling ratio 1.5 x (4/3) / 1.6 = 1.25 and 1.8 x 0.8333 = 1.5.
        SThrowCase{"NearestGivenAspect",
                   R"("throw": {"4:3": [1.5, 1.8], "2.35:1": [1.3, 1.6]})",
                   {{1.5f, 1.8f}, {1.25f, 1.5f}, {1.3f, 1.6f}}}),
    [](const testing::TestParamInfo<SThrowCase>& info) { return info.param.pszLabel; });

struct SShiftCase
{
    const char* pszLabel;
    const char* pszFields;
    int nAspect;
    bool bHorizontal;
    int nCaps;
    float expected[4]; // minus side wide, plus side wide, minus tele, plus tele
};

class OwnShiftAngles : public testing::TestWithParam<SShiftCase>
{
};

TEST_P(OwnShiftAngles, AtanOfTheRoomOverTheFocalLength)
{
    const SShiftCase& c = GetParam();
    const SOwnProjectorRows rows = RowsOf(OneProjector(c.pszFields));
    const std::array<float, 4> a =
        RecordShiftAngles(rows.main[c.nAspect], rows.lens[c.nAspect], c.bHorizontal);
    EXPECT_EQ(c.nCaps, rows.main[c.nAspect].nShiftCaps);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(c.expected[i], a[i], 5e-5f) << "angle " << i;
}

// F = 14.592 mm x throw. Up 55 % of 9.12 mm = 5.016 mm, down 0.912 mm, left and right
// 20 % of 14.592 mm = 2.9184 mm. 16:9 wide: F = 17.80224, atan(0.912 / F) = 2.93267,
// atan(5.016 / F) = 15.73583, atan(2.9184 / F) = 9.30994; tele F = 22.32576: 2.33921,
// 12.66256, 7.44742. The derived 4:3 row (1.464, 1.836): 2.44454, 13.21380, 1.94968,
// 10.60458.
constexpr const char* kHall =
    R"("throw": {"16:9": [1.22, 1.53]}, "shift_percent": {"up": 55, "down": 10, "left": 20, "right": 20})";
constexpr const char* kHallHalf =
    R"("throw": {"16:9": [1.22, 1.53]}, "shift_percent": {"of": "half-image", "up": 110, "down": 20, "left": 40, "right": 40})";

INSTANTIATE_TEST_SUITE_P(
    Catalogue, OwnShiftAngles,
    testing::Values(
        SShiftCase{"Vertical", kHall, 1, false, 3, {2.93267f, 15.73583f, 2.33921f, 12.66256f}},
        SShiftCase{"Horizontal", kHall, 1, true, 3, {9.30994f, 9.30994f, 7.44742f, 7.44742f}},
        SShiftCase{"HalfImage", kHallHalf, 1, false, 3, {2.93267f, 15.73583f, 2.33921f, 12.66256f}},
        SShiftCase{"DerivedRow", kHall, 0, false, 3, {2.44454f, 13.21380f, 1.94968f, 10.60458f}},
        SShiftCase{"UpOnly",
                   R"("throw": {"16:9": [1.22, 1.53]}, "shift_percent": {"up": 55})",
                   1,
                   false,
                   1,
                   {0.0f, 15.73583f, 0.0f, 12.66256f}},
        // The lens table's own fields as a maker's lens: R 15.58 on this panel, vertical
        // offsets -0.61 and 5.8: chord sqrt(970.9456 - 212.9265) = 27.5321, room A =
        // (27.5321 - 9.12) / 2 - 5.8 = 3.4061, room B = 9.2061 + 0.61 = 9.8161; over F
        // 17.80224 and 22.32576.
        SShiftCase{"LensFields",
                   R"("throw": {"16:9": [1.22, 1.53]}, "lens": {"radius_mm": 15.58,
                      "h_offsets_mm": [0, 0], "v_offsets_mm": [-0.61, 5.8]})",
                   1,
                   false,
                   3,
                   {10.83141f, 28.87214f, 8.67430f, 23.73388f}}),
    [](const testing::TestParamInfo<SShiftCase>& info) { return info.param.pszLabel; });

// A built-in model written as an own projector with its lens fields gives the built-in
// rows (but for the name and the picture), and the record's own angles.
TEST(OwnProjectorRows, LensFieldsGiveTheBuiltInRows)
{
    const SOwnProjectorRows rows = RowsOf(R"({"lenvara-projectors": 1, "projectors": [{
        "name": "Kelda W1 copy", "class": "3Chip", "lumens": 2000,
        "panel": {"width_px": 1920, "height_px": 1080, "pitch_um": 10.8},
        "throw": {"4:3": [1.827, 2.207], "16:9": [1.37, 1.66], "2.35:1": [1.028, 1.245]},
        "lens": {"radius_mm": 15.58, "h_offsets_mm": [0, 0], "v_offsets_mm": [-0.61, 5.8]},
        "distance_m": [2, 8]}]})");
    const SCatalogue& cat = GetCatalogue();
    for (int i = 0; i < 3; ++i)
    {
        SCatalogueRow main = rows.main[i];
        SLensRow lens = rows.lens[i];
        EXPECT_EQ(-1, main.nBitmapId);
        std::memcpy(main.szName, cat.main[i].szName, sizeof main.szName);
        std::memcpy(lens.szName, cat.lens[i].szName, sizeof lens.szName);
        main.nBitmapId = cat.main[i].nBitmapId;
        main.nShiftCaps = cat.main[i].nShiftCaps; // the lens fields give both directions
        EXPECT_EQ(0, std::memcmp(&main, &cat.main[i], sizeof main)) << "aspect " << i;
        EXPECT_EQ(0, std::memcmp(&lens, &cat.lens[i], sizeof lens)) << "aspect " << i;
    }
    CTarsioModel model;
    ASSERT_EQ(1, model.LoadModel("Kelda W1", 1));
    std::array<float, 4> a{};
    model.VerticalShiftLimits(a[0], a[1], a[2], a[3]);
    EXPECT_EQ(a, RecordShiftAngles(rows.main[1], rows.lens[1], false));
    EXPECT_TRUE(HasLensRange(rows.main[1]));
    EXPECT_FALSE(HasLensRange(RowsOf(OneProjector(R"("throw": {"16:9": [1, 1]})")).main[1]));
}

// A folder of its own, removed with everything in it.
class CTempFolder
{
public:
    CTempFolder()
    {
        std::string szTemplate = (fs::temp_directory_path() / "lenvara-own-XXXXXX").string();
        m_path = ::mkdtemp(szTemplate.data());
    }
    ~CTempFolder() { fs::remove_all(m_path); }
    std::string File(const char* pszName) const { return (m_path / pszName).string(); }

private:
    fs::path m_path;
};

std::string Slurp(const std::string& szPath)
{
    std::ifstream in(szPath, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

struct SBadCase
{
    const char* pszLabel;
    std::string szText;   // "<missing>", "<huge>" or the file's text
    const char* pszWhere; // after "FILE: "
    const char* pszReason;
};

class BadCatalogue : public testing::TestWithParam<SBadCase>
{
};

TEST_P(BadCatalogue, OneErrorNamingFileProjectorAndField)
{
    const SBadCase& c = GetParam();
    CTempFolder folder;
    const std::string szPath = folder.File("projectors.json");
    if (c.szText == "<huge>")
    {
        std::ofstream{szPath};
        fs::resize_file(szPath, kCatalogueFileMax + 1); // sparse: costs no disk
    }
    else if (c.szText != "<missing>")
        std::ofstream(szPath, std::ios::binary) << c.szText;
    const SCatalogueRead read = ReadProjectorCatalogue(szPath);
    ASSERT_TRUE(read.error);
    EXPECT_TRUE(read.projectors.empty());
    EXPECT_EQ(c.szText == "<missing>", read.error->bMissing);
    const std::string szLine = FormatCatalogueError(*read.error);
    EXPECT_EQ(szPath + ": " + c.pszWhere, szLine.substr(0, szPath.size() + 2 + strlen(c.pszWhere)))
        << szLine;
    EXPECT_NE(std::string::npos, szLine.find(c.pszReason)) << szLine;
    EXPECT_EQ(std::string::npos, szLine.find('\n'));
}

std::string Projector(const std::string& szFields)
{
    return OneProjector(R"("throw": {"16:9": [1.22, 1.53]}, )" + szFields);
}

// Shift 55 up, 10 down, 20 either side, with the outline given.
std::string WithEnvelope(const std::string& szEnvelope)
{
    return Projector(R"("shift_percent": {"up": 55, "down": 10, "left": 20, "right": 20}, )"
                     R"("shift_envelope": )" +
                     szEnvelope);
}

std::string ManyPoints(int n)
{
    std::string szPoints = "[[0, 55]";
    for (int i = 1; i < n; ++i)
        szPoints += ", [" + std::to_string(i) + ", 0]";
    return szPoints + "]";
}

std::string Nested(int nDepth)
{
    return R"({"lenvara-projectors": 1, "x": )" + std::string(nDepth, '[') +
           std::string(nDepth, ']') + "}";
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, BadCatalogue,
    testing::Values(
        SBadCase{"Missing", "<missing>", "", "does not exist"},
        SBadCase{"Over64MiB", "<huge>", "", "larger than 64 MiB"},
        SBadCase{"NotJson", "{\"lenvara-projectors\": 1,", "", "parse error at line 1"},
        SBadCase{"NotAnObject", "[1]", "", "must hold one JSON object"},
        SBadCase{"OtherVersion", R"({"lenvara-projectors": 2, "projectors": [{"x": 1}]})",
                 "lenvara-projectors", "version 2 is not supported"},
        SBadCase{"NoVersion", R"({"projectors": []})", "lenvara-projectors", "missing"},
        SBadCase{"DeepNesting", Nested(100), "x", "nested deeper than 16 levels"},
        SBadCase{"HugeNumber", Projector(R"("distance_m": [1, 1e400])"),
                 "projector 1 (\"P\"), distance_m[1]", "number overflow"},
        SBadCase{"UnknownField", Projector(R"("picutre": "a.png")"), "projector 1 (\"P\"), picutre",
                 "not a field"},
        SBadCase{"WrongType", Projector(R"("class": 7)"), "projector 1 (\"P\"), class",
                 "must be a text"},
        SBadCase{"FieldTwice", Projector(R"("name": "Q")"), "projector 1 (\"P\"), name",
                 "given twice"},
        SBadCase{"MissingField",
                 R"({"lenvara-projectors": 1, "projectors": [{"name": "P", "lumens": 1,
                     "throw": {"16:9": [1, 1]}}]})",
                 "projector 1 (\"P\"), panel", "missing"},
        SBadCase{"OutOfRange", OneProjector(R"("throw": {"16:9": [0.01, 1]})"),
                 "projector 1 (\"P\"), throw.\"16:9\"[0]", "from 0.05 to 20"},
        SBadCase{"WideOverTele", OneProjector(R"("throw": {"16:9": [1.6, 1.5]})"),
                 "projector 1 (\"P\"), throw.\"16:9\"[1]", "must not be less than the wide"},
        SBadCase{"ThreeNumbers", OneProjector(R"("throw": {"16:9": [1, 2, 3]})"),
                 "projector 1 (\"P\"), throw.\"16:9\"", "two numbers"},
        SBadCase{"NoPair", OneProjector(R"("throw": {})"), "projector 1 (\"P\"), throw",
                 "must give"},
        SBadCase{"ShiftOf", Projector(R"("shift_percent": {"of": "half"})"),
                 "projector 1 (\"P\"), shift_percent.of", "\"half-image\""},
        SBadCase{"ShiftRange", Projector(R"("shift_percent": {"left": 250})"),
                 "projector 1 (\"P\"), shift_percent.left", "from 0 to 200"},
        SBadCase{"EnvelopeOnePoint", WithEnvelope("[[0, 55]]"),
                 "projector 1 (\"P\"), shift_envelope: must hold 2 to 64", ""},
        SBadCase{"EnvelopeTooManyPoints", WithEnvelope(ManyPoints(65)),
                 "projector 1 (\"P\"), shift_envelope: more than 64 points", ""},
        SBadCase{"EnvelopeNegative", WithEnvelope("[[0, 55], [-5, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[1][0]: must be from 0 to 200", ""},
        SBadCase{"EnvelopeOver200", WithEnvelope("[[0, 250], [20, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[0][1]: must be from 0 to 200", ""},
        SBadCase{"EnvelopeTurnsBack", WithEnvelope("[[0, 55], [15, 30], [10, 20], [20, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[2][0]: must not be less", ""},
        SBadCase{"EnvelopeRises", WithEnvelope("[[0, 55], [10, 30], [15, 40], [20, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[2][1]: must not be more", ""},
        SBadCase{"EnvelopeBackwards", WithEnvelope("[[20, 0], [0, 55]]"),
                 "projector 1 (\"P\"), shift_envelope[1][0]: must not be less", ""},
        SBadCase{"EnvelopeOffTheAxis", WithEnvelope("[[5, 55], [20, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[0][0]: must be 0", ""},
        SBadCase{"EnvelopeOtherTravel", WithEnvelope("[[0, 50], [20, 0]]"),
                 "projector 1 (\"P\"), shift_envelope[0][1]: must be 55, the larger", ""},
        SBadCase{"EnvelopeText", WithEnvelope(R"([[0, "55"], [20, 0]])"),
                 "projector 1 (\"P\"), shift_envelope[0][1]: must be a number", ""},
        SBadCase{"EnvelopeFlat", WithEnvelope("[0, 55, 20, 0]"),
                 "projector 1 (\"P\"), shift_envelope[0]: must be [horizontal, vertical]", ""},
        SBadCase{"EnvelopeObject", WithEnvelope(R"({"0": 55})"),
                 "projector 1 (\"P\"), shift_envelope: must be a list", ""},
        SBadCase{"EnvelopeWithLens",
                 Projector(R"("lens": {"radius_mm": 9, "h_offsets_mm": [0, 0], )"
                           R"("v_offsets_mm": [0, 0]}, "shift_envelope": [[0, 1], [1, 0]])"),
                 "projector 1 (\"P\"), shift_envelope: needs shift_percent", ""},
        SBadCase{"LensTooSmall",
                 Projector(
                     R"("lens": {"radius_mm": 8, "h_offsets_mm": [0, 0], "v_offsets_mm": [0, 0]})"),
                 "projector 1 (\"P\"), lens.radius_mm", "half the panel's diagonal"},
        SBadCase{"ControlInName",
                 R"({"lenvara-projectors": 1, "projectors": [{"name": "P\u0007", "lumens": 1,
                     "panel": {"width_px": 8, "height_px": 8, "pitch_um": 8}, "throw": {"4:3": [1, 1]}}]})",
                 "projector 1 (\"P\\u0007\"), name", "control character"},
        SBadCase{"PixelsNotWhole",
                 R"({"lenvara-projectors": 1, "projectors": [{"panel": {"width_px": 1920.5}}]})",
                 "projector 1, panel.width_px", "whole number"},
        SBadCase{"Duplicate",
                 R"({"lenvara-projectors": 1, "projectors": [{"name": "Hall 7", "lumens": 1,
                     "panel": {"width_px": 8, "height_px": 8, "pitch_um": 8}, "throw": {"4:3": [1, 1]}},
                     {"name": "hall   7", "lumens": 1, "panel": {"width_px": 8, "height_px": 8,
                     "pitch_um": 8}, "throw": {"4:3": [1, 1]}}]})",
                 "projector 2 (\"hall   7\"), name", "projector 1 (\"Hall 7\")"},
        SBadCase{"BuiltInName",
                 R"({"lenvara-projectors": 1, "projectors": [{"name": "kelda  W1", "lumens": 1,
                     "panel": {"width_px": 8, "height_px": 8, "pitch_um": 8}, "throw": {"4:3": [1, 1]}}]})",
                 "projector 1 (\"kelda  W1\"), name", "built-in model \"Kelda W1\""}),
    [](const testing::TestParamInfo<SBadCase>& info) { return info.param.pszLabel; });

std::vector<SOwnProjector> SampleList()
{
    SOwnProjector a;
    a.szName = "Hall Beamer 7";
    a.szClass = "DLP";
    a.nWidthPx = 1920;
    a.nHeightPx = 1200;
    a.dPitchUm = 7.6;
    a.dLumens = 7000;
    a.throws[1] = SThrowPair{1.22, 0.1 + 0.2 + 1.23}; // no short decimal text
    a.shift = SShiftPercent{55, 10, 20, 20, EShiftOf::HalfImage};
    // Half-image 55 and 20 meet the axes at 27.5 and 10 percent of the image.
    a.shiftEnvelope = std::vector<SShiftEnvelopePoint>{{0, 27.5}, {0.1 + 0.2, 27.5}, {10, 0}};
    a.distance = SDistanceRange{1.5, 25};
    a.szPicture = "hall-beamer-7.png";
    SOwnProjector b = a;
    b.szName = "Hall Beamer 8";
    b.szClass.clear();
    b.shift.reset();
    b.shiftEnvelope.reset();
    b.lens = SLensFields{15.58, {0, 0}, {-0.61, 5.8}};
    b.distance.reset();
    b.szPicture.clear();
    return {a, b};
}

TEST(OwnCatalogueFile, WrittenWholeReadsBackAndKeepsThePreviousFile)
{
    CTempFolder folder;
    const std::string szPath = folder.File("lenvara/projectors.json"); // folder made on write
    std::vector<SOwnProjector> list = SampleList();
    ASSERT_EQ(std::nullopt, WriteProjectorCatalogue(szPath, {list[0]}));
    EXPECT_FALSE(fs::exists(szPath + ".bak"));
    const std::string szFirst = Slurp(szPath);
    ASSERT_EQ(std::nullopt, WriteProjectorCatalogue(szPath, list));
    EXPECT_EQ(szFirst, Slurp(szPath + ".bak"));
    const SCatalogueRead read = ReadProjectorCatalogue(szPath);
    ASSERT_FALSE(read.error) << FormatCatalogueError(*read.error);
    EXPECT_EQ(list, read.projectors);

    // A bad list is not written, and the file stays as it was.
    const std::string szSecond = Slurp(szPath);
    list[1].szName = "HALL beamer 7";
    const std::optional<std::string> szError = WriteProjectorCatalogue(szPath, list);
    ASSERT_TRUE(szError);
    EXPECT_NE(std::string::npos, szError->find("projector 2 (\"HALL beamer 7\"), name"))
        << *szError;
    EXPECT_EQ(szSecond, Slurp(szPath));
    EXPECT_EQ(2, std::distance(fs::directory_iterator(folder.File("lenvara")), {})); // no temporary
}

TEST(OwnCatalogueFile, DefaultPathFollowsXdgDataHome)
{
    const std::string szHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/u", 1);
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ("/data/lenvara/projectors.json", DefaultProjectorCataloguePath());
    ::setenv("XDG_DATA_HOME", "relative", 1); // not a base directory
    EXPECT_EQ("/home/u/.local/share/lenvara/projectors.json", DefaultProjectorCataloguePath());
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ("/home/u/.local/share/lenvara/projectors.json", DefaultProjectorCataloguePath());
    ::setenv("HOME", szHome.c_str(), 1);
}

} // namespace
