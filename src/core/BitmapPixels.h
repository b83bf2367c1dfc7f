// Decodes the pixels of a Windows bitmap file (.bmp) held in memory, for showing it:
// the program's artwork and the bitmap files the user's folder holds. Takes
// uncompressed files of 1, 4, 8, 16 (5-5-5), 24 and 32 bits per pixel with a 40-,
// 108- or 124-byte info header, bottom-up or top-down rows, and a colour table of up
// to 2^bits entries (its stated count when smaller). Refuses every other form
// (compressed, bit fields, the 12-byte header) and every file whose pixel rows do not
// lie wholly inside it, so a decoded image is always fully written and its size is
// bounded by the file's: at most 32 output pixels per file byte, at most 32768 x 32768.
// The bytes are untrusted: nothing in them makes the decoder read outside them or
// overflow. No Qt, so it is tested and fuzzed on its own. Used by the platform's
// bitmap decoder (resources, masked bitmaps).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

struct SBitmapPixelsInfo
{
    int nWidth = 0;
    int nHeight = 0; // rows, always positive
};

// Largest width and height taken.
inline constexpr int kMaxBitmapSide = 32768;

// nullptr when the file can be decoded (its size in info); otherwise why not.
const char* ProbeBitmapPixels(std::span<const std::uint8_t> file, SBitmapPixelsInfo& info);

// Writes the picture as 0xFFRRGGBB pixels, top row first, nStride pixels from one row
// to the next (at least the width). False, with nothing written, when the file is
// refused. An index beyond the colour table gives black.
bool DecodeBitmapPixels(std::span<const std::uint8_t> file, std::uint32_t* pPixels,
                        std::size_t nStride);
