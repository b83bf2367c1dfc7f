// Checks the compiled-in catalogue against the rules its users rely on: row
// grouping, listed flags, exact aspect values, value ranges, throw-ratio relations
// per panel shape and lens geometry. The reference models are checked through a
// load in TarsioModelTest.
#include "model/CatalogueTable.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace
{

const std::uint32_t kAspectBits[3] = {kAspectBits4x3, kAspectBits16x9, kAspectBits235};

bool IsPanel16x9(const SCatalogueRow& r)
{
    return (r.nNativeWidth == 1920 && r.nNativeHeight == 1080) ||
           (r.nNativeWidth == 1280 && r.nNativeHeight == 720) ||
           (r.nNativeWidth == 1024 && r.nNativeHeight == 576);
}

bool IsPanel4x3(const SCatalogueRow& r)
{
    return (r.nNativeWidth == 1400 && r.nNativeHeight == 1050) ||
           (r.nNativeWidth == 1024 && r.nNativeHeight == 768) ||
           (r.nNativeWidth == 800 && r.nNativeHeight == 600);
}

bool IsPanelWide(const SCatalogueRow& r)
{
    return r.nNativeWidth == 848 && r.nNativeHeight == 480;
}

// True when the text field ends in NUL padding within its 256 bytes.
bool IsPaddedText(const char (&sz)[kCatalogueTextSize])
{
    const std::size_t n = strnlen(sz, kCatalogueTextSize);
    if (n == kCatalogueTextSize)
        return false;
    for (std::size_t i = n; i < kCatalogueTextSize; ++i)
    {
        if (sz[i] != '\0')
            return false;
    }
    return true;
}

// Ratio of two throw values, compared to the expected factor within a relative tolerance.
void ExpectRatio(float fNum, float fDen, double dFactor, double dTol, const std::string& where)
{
    EXPECT_NEAR(static_cast<double>(fNum) / fDen, dFactor, dFactor * dTol) << where;
}

} // namespace

TEST(Catalogue, RowsComeInThreesWithListedSixteenNineRow)
{
    const SCatalogue& cat = GetCatalogue();
    std::set<std::string> names;
    for (int k = 0; k < 46; ++k)
    {
        const SCatalogueRow* rows = &cat.main[3 * k];
        const std::string name = rows[0].szName;
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "duplicate name";
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 13u);
        for (int c = 0; c < 3; ++c)
        {
            const SCatalogueRow& r = rows[c];
            EXPECT_TRUE(IsPaddedText(r.szName));
            EXPECT_TRUE(IsPaddedText(r.szClass));
            EXPECT_EQ(name, r.szName);
            EXPECT_EQ(c, r.nAspectCode);
            EXPECT_EQ(c == 1 ? 1 : 0, r.bListed);
            EXPECT_EQ(kAspectBits[c], std::bit_cast<std::uint32_t>(r.fAspect));
            // Every other field is the same on the three rows.
            EXPECT_STREQ(rows[0].szClass, r.szClass);
            EXPECT_EQ(rows[0].nBitmapId, r.nBitmapId);
            EXPECT_EQ(rows[0].nNativeWidth, r.nNativeWidth);
            EXPECT_EQ(rows[0].nNativeHeight, r.nNativeHeight);
            EXPECT_EQ(rows[0].fPixelPitch, r.fPixelPitch);
            EXPECT_EQ(rows[0].nShiftCaps, r.nShiftCaps);
            EXPECT_EQ(rows[0].fLumens, r.fLumens);
            EXPECT_EQ(2.0f, r.fMinDistance);
            EXPECT_EQ(8.0f, r.fMaxDistance);
            EXPECT_EQ(0, r.nUnit);
        }
    }
    EXPECT_EQ(46u, names.size());
}

TEST(Catalogue, FieldValuesStayInTheirSets)
{
    const SCatalogue& cat = GetCatalogue();
    const std::set<std::string> classWords = {"3Chip", "HD2", "ED2", "SXGA"};
    const std::set<float> pitches = {10.8f, 13.68f, 13.8f, 17.0f};
    const std::set<int> pictures = {149, 151, 152, 153, 154, 155, 156,
                                    160, 168, 169, 173, 176, 182, 193};
    std::set<int> usedPictures;
    std::map<int, int> capsRows;
    float minLumens = 1e9f, maxLumens = 0.0f;
    bool anyFixedLens = false;
    bool anyBlankRun = false;
    for (const SCatalogueRow& r : cat.main)
    {
        SCOPED_TRACE(r.szName);
        EXPECT_TRUE(IsPanel16x9(r) || IsPanel4x3(r) || IsPanelWide(r))
            << r.nNativeWidth << "x" << r.nNativeHeight;
        EXPECT_EQ(1u, pitches.count(r.fPixelPitch)) << r.fPixelPitch;
        EXPECT_EQ(1u, pictures.count(r.nBitmapId)) << r.nBitmapId;
        usedPictures.insert(r.nBitmapId);
        ++capsRows[r.nShiftCaps];
        minLumens = std::min(minLumens, r.fLumens);
        maxLumens = std::max(maxLumens, r.fLumens);
        EXPECT_GT(r.fThrowWide, 0.0f);
        EXPECT_GE(r.fThrowTele, r.fThrowWide);
        anyFixedLens |= r.fThrowWide == r.fThrowTele;
        anyBlankRun |= std::strstr(r.szName, "  ") != nullptr;
        // A class is one of the panel words, or a single family word.
        const std::string cls = r.szClass;
        EXPECT_TRUE(classWords.count(cls) == 1 ||
                    (!cls.empty() && cls.find(' ') == std::string::npos))
            << cls;
    }
    EXPECT_EQ(pictures, usedPictures);
    EXPECT_EQ(3u, capsRows.size());
    EXPECT_EQ(12, capsRows[0]);
    EXPECT_EQ(96, capsRows[1]);
    EXPECT_EQ(30, capsRows[3]);
    EXPECT_GE(minLumens, 600.0f);
    EXPECT_LE(maxLumens, 4000.0f);
    EXPECT_TRUE(anyFixedLens);
    EXPECT_TRUE(anyBlankRun);
}

TEST(Catalogue, ThrowRatiosFollowThePanelShape)
{
    const SCatalogue& cat = GetCatalogue();
    for (int k = 0; k < 46; ++k)
    {
        const SCatalogueRow* rows = &cat.main[3 * k];
        const std::string name = rows[0].szName;
        double f43 = 1.0;
        if (IsPanel16x9(rows[0]))
            f43 = 4.0 / 3.0;
        else if (IsPanelWide(rows[0]))
            f43 = 1.06;
        ExpectRatio(rows[0].fThrowWide, rows[1].fThrowWide, f43, 0.01, name + " 4:3 wide");
        ExpectRatio(rows[0].fThrowTele, rows[1].fThrowTele, f43, 0.01, name + " 4:3 tele");
        ExpectRatio(rows[2].fThrowWide, rows[1].fThrowWide, 0.75, 0.005, name + " 2.35 wide");
        ExpectRatio(rows[2].fThrowTele, rows[1].fThrowTele, 0.75, 0.005, name + " 2.35 tele");
        // A fixed lens stays fixed at every aspect.
        const bool bFixed = rows[1].fThrowWide == rows[1].fThrowTele;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(bFixed, rows[c].fThrowWide == rows[c].fThrowTele) << name;
    }
}

TEST(Catalogue, LensRowsMatchMainRowsAndFitThePanel)
{
    const SCatalogue& cat = GetCatalogue();
    int nRadiusDiffers = 0;
    bool anyNegativeOffset = false;
    float minRadius = 1e9f, maxRadius = 0.0f;
    for (int i = 0; i < kCatalogueRows; ++i)
    {
        const SCatalogueRow& m = cat.main[i];
        const SLensRow& l = cat.lens[i];
        SCOPED_TRACE(std::string(m.szName) + " row " + std::to_string(i));
        EXPECT_TRUE(IsPaddedText(l.szName));
        EXPECT_TRUE(IsPaddedText(l.szLensKind));
        EXPECT_STREQ(m.szName, l.szName);
        EXPECT_EQ(m.nAspectCode, l.nAspectCode);
        EXPECT_STREQ("PJFrontStdLens", l.szLensKind);
        EXPECT_EQ(0.0f, l.fReserved1);
        EXPECT_EQ(0.0f, l.fReserved2);
        minRadius = std::min(minRadius, l.fLensRadius);
        maxRadius = std::max(maxRadius, l.fLensRadius);
        anyNegativeOffset |= l.fVOffset1 < 0.0f || l.fVOffset2 < 0.0f;

        const SLensRow& first = cat.lens[i - i % 3];
        if (i % 3 == 2)
        {
            EXPECT_EQ(cat.lens[i - 1].fLensRadius, l.fLensRadius);
            if (first.fLensRadius != l.fLensRadius)
                ++nRadiusDiffers;
        }
        EXPECT_EQ(first.fHOffset1, l.fHOffset1);
        EXPECT_EQ(first.fHOffset2, l.fHOffset2);
        EXPECT_EQ(first.fVOffset1, l.fVOffset1);
        EXPECT_EQ(first.fVOffset2, l.fVOffset2);

        // The panel must sit inside the image circle with room to shift in both directions.
        const double pw = m.nNativeWidth * static_cast<double>(m.fPixelPitch) * 0.001;
        const double ph = m.nNativeHeight * static_cast<double>(m.fPixelPitch) * 0.001;
        const double r2 = 4.0 * l.fLensRadius * l.fLensRadius;
        ASSERT_GT(r2, pw * pw + ph * ph);
        const double roomV = (std::sqrt(r2 - pw * pw) - ph) * 0.5;
        const double roomH = (std::sqrt(r2 - ph * ph) - pw) * 0.5;
        const double degV = std::atan(roomV / (pw * m.fThrowWide)) * 57.29577951308232;
        const double degH = std::atan(roomH / (pw * m.fThrowWide)) * 57.29577951308232;
        EXPECT_GT(degV, 1.0);
        EXPECT_LT(degV, 25.0);
        EXPECT_GT(degH, 1.0);
        EXPECT_LT(degH, 25.0);
    }
    EXPECT_EQ(7, nRadiusDiffers);
    EXPECT_TRUE(anyNegativeOffset);
    EXPECT_GE(minRadius, 10.05f);
    EXPECT_LE(maxRadius, 16.9f);
}
