// Pixel decoding of .bmp files; see BitmapPixels.h.
#include "core/BitmapPixels.h"

#include <cstring>

namespace
{
constexpr std::size_t kFileHeader = 14;

std::uint32_t ReadU32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t ReadU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Everything the decoding needs, checked against the file.
struct SLayout
{
    int nWidth = 0;
    int nHeight = 0;
    bool bTopDown = false;
    int nBits = 0;
    std::size_t nRowBytes = 0;
    std::size_t nPixelsAt = 0;
    std::uint32_t anColors[256] = {};
    int nColors = 0;
};

const char* ReadLayout(std::span<const std::uint8_t> file, SLayout& layout)
{
    if (file.size() < kFileHeader + 40)
        return "too short for the headers";
    const std::uint8_t* p = file.data();
    if (p[0] != 'B' || p[1] != 'M')
        return "not a bitmap file";
    const std::uint32_t nOffset = ReadU32(p + 10);
    const std::uint8_t* pInfo = p + kFileHeader;
    const std::uint32_t nInfoSize = ReadU32(pInfo);
    if (nInfoSize != 40 && nInfoSize != 108 && nInfoSize != 124)
        return "an info header of another size";
    if (file.size() - kFileHeader < nInfoSize)
        return "too short for the info header";
    const auto nWidth = static_cast<std::int32_t>(ReadU32(pInfo + 4));
    const auto nHeight = static_cast<std::int32_t>(ReadU32(pInfo + 8));
    const std::uint16_t nPlanes = ReadU16(pInfo + 12);
    const std::uint16_t nBits = ReadU16(pInfo + 14);
    const std::uint32_t nCompression = ReadU32(pInfo + 16);
    const std::uint32_t nColorsUsed = ReadU32(pInfo + 32);
    if (nPlanes != 1 || nCompression != 0)
        return "compressed, bit fields or several planes";
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 16 && nBits != 24 && nBits != 32)
        return "another bit count";
    if (nWidth <= 0 || nWidth > kMaxBitmapSide || nHeight == 0 || nHeight > kMaxBitmapSide ||
        nHeight < -kMaxBitmapSide)
        return "no size, or too large";

    layout.nWidth = nWidth;
    layout.bTopDown = nHeight < 0;
    layout.nHeight = layout.bTopDown ? -nHeight : nHeight;
    layout.nBits = nBits;
    layout.nRowBytes = (std::size_t(nWidth) * nBits + 31) / 32 * 4;

    const std::size_t nTableAt = kFileHeader + nInfoSize;
    layout.nColors = 0;
    if (nBits <= 8)
    {
        const std::uint32_t nMax = 1u << nBits;
        if (nColorsUsed > nMax)
            return "more colours than the bit count has";
        layout.nColors = static_cast<int>(nColorsUsed != 0 ? nColorsUsed : nMax);
        if (file.size() - nTableAt < std::size_t(layout.nColors) * 4)
            return "too short for the colour table";
        for (int i = 0; i < layout.nColors; ++i)
        {
            const std::uint8_t* q = p + nTableAt + 4 * std::size_t(i);
            layout.anColors[i] =
                0xFF000000u | std::uint32_t(q[2]) << 16 | std::uint32_t(q[1]) << 8 | q[0];
        }
    }
    // The pixels follow the headers and the table, and every row lies inside the file.
    // Both sizes are below 2^31 x 4 bytes, so nothing here overflows 64 bits.
    const std::size_t nHeadersEnd = nTableAt + std::size_t(layout.nColors) * 4;
    if (nOffset < nHeadersEnd || nOffset > file.size())
        return "the pixel offset lies outside the file or inside the headers";
    if ((file.size() - nOffset) / layout.nRowBytes < std::size_t(layout.nHeight))
        return "the pixel rows do not lie inside the file";
    layout.nPixelsAt = nOffset;
    return nullptr;
}

void DecodeRow(const SLayout& layout, const std::uint8_t* pRow, std::uint32_t* pOut)
{
    const int w = layout.nWidth;
    auto color = [&layout](unsigned nIndex)
    { return nIndex < unsigned(layout.nColors) ? layout.anColors[nIndex] : 0xFF000000u; };
    switch (layout.nBits)
    {
    case 1:
        for (int x = 0; x < w; ++x)
            pOut[x] = color((pRow[x >> 3] >> (7 - (x & 7))) & 1);
        break;
    case 4:
        for (int x = 0; x < w; ++x)
            pOut[x] = color((x & 1) ? pRow[x >> 1] & 0x0F : pRow[x >> 1] >> 4);
        break;
    case 8:
        for (int x = 0; x < w; ++x)
            pOut[x] = color(pRow[x]);
        break;
    case 16:
        for (int x = 0; x < w; ++x)
        {
            const unsigned n = ReadU16(pRow + 2 * std::size_t(x));
            // 5 bits each, widened to 8 by repeating the top bits.
            const unsigned r = (n >> 10) & 31, g = (n >> 5) & 31, b = n & 31;
            pOut[x] =
                0xFF000000u | (r << 3 | r >> 2) << 16 | (g << 3 | g >> 2) << 8 | (b << 3 | b >> 2);
        }
        break;
    case 24:
        for (int x = 0; x < w; ++x, pRow += 3)
            pOut[x] =
                0xFF000000u | std::uint32_t(pRow[2]) << 16 | std::uint32_t(pRow[1]) << 8 | pRow[0];
        break;
    default: // 32: blue, green, red, unused
        for (int x = 0; x < w; ++x, pRow += 4)
            pOut[x] =
                0xFF000000u | std::uint32_t(pRow[2]) << 16 | std::uint32_t(pRow[1]) << 8 | pRow[0];
        break;
    }
}
} // namespace

const char* ProbeBitmapPixels(std::span<const std::uint8_t> file, SBitmapPixelsInfo& info)
{
    SLayout layout;
    if (const char* pszWhy = ReadLayout(file, layout))
        return pszWhy;
    info.nWidth = layout.nWidth;
    info.nHeight = layout.nHeight;
    return nullptr;
}

bool DecodeBitmapPixels(std::span<const std::uint8_t> file, std::uint32_t* pPixels,
                        std::size_t nStride)
{
    SLayout layout;
    if (ReadLayout(file, layout) != nullptr || nStride < std::size_t(layout.nWidth))
        return false;
    for (int y = 0; y < layout.nHeight; ++y)
    {
        const std::size_t nFileRow = std::size_t(layout.bTopDown ? y : layout.nHeight - 1 - y);
        DecodeRow(layout, file.data() + layout.nPixelsAt + layout.nRowBytes * nFileRow,
                  pPixels + nStride * std::size_t(y));
    }
    return true;
}
