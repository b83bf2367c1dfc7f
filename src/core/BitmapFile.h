// Reads a Windows bitmap file (.bmp) held in memory into its parts: the 40-byte info
// header, the colour table (2, 16 or 256 entries for 1, 4 and 8 bits per pixel, none
// above) and the pixel bytes from the file's pixel offset to its stated size. The
// bytes are untrusted: no field of the file makes the reader look outside the bytes,
// allocate more than they hold or overflow; every failure is named by its trace
// text. No Qt, so it can be run on any input without a display. Used by the report's
// DIB section image (CDIBSectionLite::Load and its bitmap resources).
#pragma once

#include "core/DibBlock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// One colour table entry as stored in the file.
struct SRgbQuad
{
    uint8_t rgbBlue;
    uint8_t rgbGreen;
    uint8_t rgbRed;
    uint8_t rgbReserved;
};
static_assert(sizeof(SRgbQuad) == 4);

// The info header followed by room for the largest colour table.
struct SBitmapInfo
{
    SBitmapInfoHeader bmiHeader;
    std::array<SRgbQuad, 256> bmiColors;
};

// What a file holds. bits has exactly bmiHeader.biSizeImage bytes.
struct SBitmapFileContent
{
    SBitmapInfo info{};
    int nColors = 0; // entries of the colour table read
    std::vector<uint8_t> bits;
};

// Colour table entries by bit count: 1 -> 2, 4 -> 16, 8 -> 256; 0 for every other.
int DibColorTableSize(int nBitCount);

// Whether a header describes an image this program can hold and draw: a positive
// width, a height other than 0 (negative: rows top-down) and INT32_MIN, one plane,
// 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed, and pixel rows that fit in
// 32 bits.
bool IsSupportedDib(const SBitmapInfoHeader& header);
// Bytes the pixel rows take: row bytes (padded to 4) x |height|; 0 when width,
// height or bit count are none of the above, UINT64_MAX when beyond 64 bits.
uint64_t DibImageBytes(const SBitmapInfoHeader& header);

// Splits a .bmp file. nullptr on success; otherwise the trace text of the first
// check that failed, in the order of the file:
//   "Failed to read file header\n"       fewer than 14 bytes
//   "Not a bitmap file\n"                 no "BM"
//   "Failed to read BITMAPINFOHEADER\n"   fewer than 40 further bytes
//   " File is not a Windows DIB\n"        an info header size other than 40
//   "Failed to read color table\n"        fewer bytes than the colour table
//   "Failed to read bits\n"               the pixel bytes (offset to stated size) lie
//                                         outside the file, or hold fewer bytes than
//                                         the rows of a supported header need
//   "Out of memory for DIB bits\n"        the pixel buffer could not be allocated
//   "Failed to set bitmap info\n"         a header that IsSupportedDib refuses
// On success biSizeImage is the count of pixel bytes taken.
const char* ParseBitmapFile(std::span<const uint8_t> file, SBitmapFileContent& content);
