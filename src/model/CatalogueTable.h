// Projector catalogue: the two read-only tables compiled into the program.
//
// The main table holds optics, panel and photometry per model and screen aspect;
// the lens table holds the lens image circle and panel offsets used for lens-shift
// limits. Each of the 46 models has three consecutive rows (aspect codes 0, 1, 2).
// Rows have a fixed binary layout (little-endian, NUL-padded 256-byte texts) that
// the static_asserts below pin down. Used by CTarsioModel and the model list.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

inline constexpr int kCatalogueRows = 138;
inline constexpr int kCatalogueTextSize = 256;

// Exact single-precision aspect values, compared by bit pattern everywhere.
inline constexpr std::uint32_t kAspectBits4x3 = 0x3FAAAAABu;
inline constexpr std::uint32_t kAspectBits16x9 = 0x3FE38E39u;
inline constexpr std::uint32_t kAspectBits235 = 0x4017B426u; // 64/27
inline constexpr float kAspect4x3 = std::bit_cast<float>(kAspectBits4x3);
inline constexpr float kAspect16x9 = std::bit_cast<float>(kAspectBits16x9);
inline constexpr float kAspect235 = std::bit_cast<float>(kAspectBits235);

struct SCatalogueRow
{
    char szName[kCatalogueTextSize];  // model name, at most 13 characters
    std::int32_t bListed;             // 1 on the 16:9 row of each model
    std::int32_t nAspectCode;         // 0 = 4:3, 1 = 16:9, 2 = 2.35:1
    char szClass[kCatalogueTextSize]; // panel or product class text
    float fThrowWide;                 // distance / image width, wide end
    float fThrowTele;                 // distance / image width, tele end
    float fMinDistance;               // 2.0 in every row
    float fMaxDistance;               // 8.0 in every row
    float fAspect;                    // one of the three exact aspect values
    std::int32_t nUnit;               // placeholder, 0 in every row
    std::int32_t nBitmapId;           // resource id of the projector picture
    std::int32_t nNativeWidth;        // panel pixels
    std::int32_t nNativeHeight;
    float fPixelPitch;       // micrometres
    std::int32_t nShiftCaps; // bit 0 vertical, bit 1 horizontal
    float fLumens;
};

struct SLensRow
{
    char szName[kCatalogueTextSize];
    std::int32_t nAspectCode;
    char szLensKind[kCatalogueTextSize]; // "PJFrontStdLens", never read
    float fLensRadius;                   // image circle radius, mm
    float fReserved1;
    float fReserved2;
    float fHOffset1; // mm
    float fHOffset2;
    float fVOffset1;
    float fVOffset2;
};

// The main table followed directly by the lens table.
struct SCatalogue
{
    SCatalogueRow main[kCatalogueRows];
    SLensRow lens[kCatalogueRows];
};

static_assert(std::endian::native == std::endian::little, "the tables are stored little-endian");
static_assert(sizeof(float) == 4 && sizeof(std::int32_t) == 4);
static_assert(sizeof(SCatalogueRow) == 568);
static_assert(offsetof(SCatalogueRow, szName) == 0);
static_assert(offsetof(SCatalogueRow, bListed) == 256);
static_assert(offsetof(SCatalogueRow, nAspectCode) == 260);
static_assert(offsetof(SCatalogueRow, szClass) == 264);
static_assert(offsetof(SCatalogueRow, fThrowWide) == 520);
static_assert(offsetof(SCatalogueRow, fThrowTele) == 524);
static_assert(offsetof(SCatalogueRow, fMinDistance) == 528);
static_assert(offsetof(SCatalogueRow, fMaxDistance) == 532);
static_assert(offsetof(SCatalogueRow, fAspect) == 536);
static_assert(offsetof(SCatalogueRow, nUnit) == 540);
static_assert(offsetof(SCatalogueRow, nBitmapId) == 544);
static_assert(offsetof(SCatalogueRow, nNativeWidth) == 548);
static_assert(offsetof(SCatalogueRow, nNativeHeight) == 552);
static_assert(offsetof(SCatalogueRow, fPixelPitch) == 556);
static_assert(offsetof(SCatalogueRow, nShiftCaps) == 560);
static_assert(offsetof(SCatalogueRow, fLumens) == 564);
static_assert(sizeof(SLensRow) == 544);
static_assert(offsetof(SLensRow, nAspectCode) == 256);
static_assert(offsetof(SLensRow, szLensKind) == 260);
static_assert(offsetof(SLensRow, fLensRadius) == 516);
static_assert(offsetof(SLensRow, fReserved1) == 520);
static_assert(offsetof(SLensRow, fReserved2) == 524);
static_assert(offsetof(SLensRow, fHOffset1) == 528);
static_assert(offsetof(SLensRow, fHOffset2) == 532);
static_assert(offsetof(SLensRow, fVOffset1) == 536);
static_assert(offsetof(SLensRow, fVOffset2) == 540);
static_assert(offsetof(SCatalogue, lens) == kCatalogueRows * 568, "lens table follows directly");
static_assert(sizeof(SCatalogue) == kCatalogueRows * (568 + 544));

// The compiled-in catalogue.
const SCatalogue& GetCatalogue();
