// Splitting a .bmp file into header, colour table and pixel bytes; see BitmapFile.h.
#include "core/BitmapFile.h"

#include <cstring>
#include <new>

namespace
{
constexpr size_t kFileHeaderSize = CDibBlock::kFileHeaderSize;
constexpr uint32_t kInfoHeaderSize = sizeof(SBitmapInfoHeader);

uint32_t ReadU32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
} // namespace

int DibColorTableSize(int nBitCount)
{
    switch (nBitCount)
    {
    case 1:
    case 4:
    case 8:
        return CDibBlock::ColorCount(nBitCount);
    default:
        return 0;
    }
}

namespace
{
bool IsSupportedBitCount(int nBitCount)
{
    switch (nBitCount)
    {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}
} // namespace

bool IsSupportedDib(const SBitmapInfoHeader& header)
{
    const uint64_t nBytes = DibImageBytes(header);
    return nBytes > 0 && nBytes <= UINT32_MAX && header.biPlanes == 1 &&
           header.biCompression == CDibBlock::kBiRgb;
}

uint64_t DibImageBytes(const SBitmapInfoHeader& header)
{
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN ||
        !IsSupportedBitCount(header.biBitCount))
        return 0;
    const uint64_t nHeight =
        header.biHeight < 0 ? uint64_t(-int64_t{header.biHeight}) : uint64_t(header.biHeight);
    // Width < 2^31 and at most 32 bits: a row takes less than 2^34 bytes.
    const uint64_t nRow = CDibBlock::RowBytes(header.biWidth, header.biBitCount);
    if (nRow > UINT64_MAX / nHeight)
        return UINT64_MAX;
    return nRow * nHeight;
}

const char* ParseBitmapFile(std::span<const uint8_t> file, SBitmapFileContent& content)
{
    content = SBitmapFileContent{};
    if (file.size() < kFileHeaderSize)
        return "Failed to read file header\n";
    if (file[0] != 'B' || file[1] != 'M')
        return "Not a bitmap file\n";
    const uint32_t nFileSize = ReadU32(file.data() + 2);
    const uint32_t nOffBits = ReadU32(file.data() + 10);

    if (file.size() - kFileHeaderSize < kInfoHeaderSize)
        return "Failed to read BITMAPINFOHEADER\n";
    SBitmapInfoHeader& header = content.info.bmiHeader;
    std::memcpy(&header, file.data() + kFileHeaderSize, kInfoHeaderSize);
    if (header.biSize != kInfoHeaderSize)
        return " File is not a Windows DIB\n";

    const size_t nTableAt = kFileHeaderSize + kInfoHeaderSize;
    const int nColors = DibColorTableSize(header.biBitCount);
    if (nColors > 0)
    {
        const size_t nTableBytes = size_t(nColors) * sizeof(SRgbQuad);
        if (file.size() - nTableAt < nTableBytes)
            return "Failed to read color table\n";
        std::memcpy(content.info.bmiColors.data(), file.data() + nTableAt, nTableBytes);
        content.nColors = nColors;
    }

    // The pixel bytes run from the pixel offset to the stated file size; both must
    // lie inside the bytes at hand before anything is allocated for them.
    if (nFileSize < nOffBits || nOffBits > file.size() || nFileSize > file.size())
        return "Failed to read bits\n";
    const size_t nBits = nFileSize - nOffBits;
    const uint64_t nRows = DibImageBytes(header);
    if (nRows > 0 && nBits < nRows)
        return "Failed to read bits\n";
    try
    {
        content.bits.assign(file.begin() + nOffBits, file.begin() + nFileSize);
    }
    catch (const std::bad_alloc&)
    {
        return "Out of memory for DIB bits\n";
    }
    header.biSizeImage = static_cast<uint32_t>(nBits);
    if (!IsSupportedDib(header))
        return "Failed to set bitmap info\n";
    return nullptr;
}
