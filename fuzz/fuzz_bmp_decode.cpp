// Fuzz target: the bitmap decoder of the program's artwork and the user's bitmap
// files. A file it takes is decoded wholly (every pixel written, opaque), into a
// picture no larger than 32 pixels per file byte.
#include "core/BitmapPixels.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::span<const std::uint8_t> file(pData, nSize);
    SBitmapPixelsInfo info;
    if (ProbeBitmapPixels(file, info) != nullptr)
        return 0;
    const std::size_t nPixels = std::size_t(info.nWidth) * std::size_t(info.nHeight);
    if (info.nWidth <= 0 || info.nHeight <= 0 || nPixels > 32 * nSize)
        std::abort();
    // Filled with a value no decoded pixel has (decoded pixels are opaque).
    std::vector<std::uint32_t> pixels(nPixels, 0);
    if (!DecodeBitmapPixels(file, pixels.data(), std::size_t(info.nWidth)))
        std::abort();
    for (const std::uint32_t n : pixels)
        if ((n >> 24) != 0xFF)
            std::abort(); // a pixel the decoder never wrote
    return 0;
}
