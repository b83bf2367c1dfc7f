// A device-independent bitmap held as one byte block: a 40-byte BITMAPINFOHEADER,
// the colour table (2^bits entries of 4 bytes for 1, 4 and 8 bits per pixel, none
// above), then the pixels, bottom-up, each row padded to 4 bytes. Writes the block
// as a .bmp file (14-byte file header + the block unchanged), replacing the target
// atomically. No Qt: the frame capture fills it, the tests read it byte for byte.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "bitmap headers are stored in host order and must be little-endian");

// The 40-byte bitmap information header, laid out as in the .bmp file.
struct SBitmapInfoHeader
{
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
static_assert(sizeof(SBitmapInfoHeader) == 40);

class CDibBlock
{
public:
    static constexpr uint32_t kBiRgb = 0;
    static constexpr size_t kFileHeaderSize = 14;

    CDibBlock() = default;
    CDibBlock(const CDibBlock&) = delete;
    CDibBlock& operator=(const CDibBlock&) = delete;

    // Colour-table entries for a bit count: 2^bits, or 0 above 256.
    static int ColorCount(int nBitCount);
    // Bytes of one pixel row: width x bits rounded up to 32 bits.
    static size_t RowBytes(int nWidth, int nBitCount);

    // Replaces the block with a zeroed width x height image of the bit count
    // (1, 4, 8, 24 or 32), uncompressed. False, and nothing held, for an empty or
    // oversized image or another bit count.
    bool Allocate(int nWidth, int nHeight, int nBitCount);
    // Frees the block and clears the pointers.
    void Reset();

    bool IsEmpty() const { return m_vBlock.empty(); }
    size_t GetSize() const { return m_vBlock.size(); }
    const SBitmapInfoHeader* GetBMI() const { return m_pBMI; }
    // The colour table (ColorCount entries of blue, green, red, 0).
    uint8_t* GetColorTable();
    const uint8_t* GetColorTable() const;
    uint8_t* GetBits() { return m_pBits; }
    const uint8_t* GetBits() const { return m_pBits; }
    // Pixel row y counted from the bottom of the picture.
    uint8_t* GetRow(int y);
    const uint8_t* GetRow(int y) const;

    // The 14-byte file header for the held block ("BM", size, 0, 0, pixel offset).
    std::vector<uint8_t> FileHeader() const;
    // Writes the file: a temporary file in the target's folder, then renamed over
    // the target. Returns 1 on success; 0 if nothing is held or writing fails, in
    // which case the target is left as it was.
    int WriteFile(const std::string& strPath) const;

private:
    std::vector<uint8_t> m_vBlock;
    SBitmapInfoHeader* m_pBMI = nullptr;
    uint8_t* m_pBits = nullptr;
};
