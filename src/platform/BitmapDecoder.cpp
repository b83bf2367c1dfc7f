#include "platform/BitmapDecoder.h"

#include <cstdint>
#include <cstring>

namespace
{
std::uint32_t ReadU32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t ReadU16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

// Uncompressed 24 bits per pixel with a 40-byte (or larger) info header. bMine
// tells whether the data has that form; a file of that form that is cut short
// gives a null image.
QImage DecodeRgb24(const QByteArray& data, bool& bMine)
{
    bMine = false;
    constexpr qsizetype kFileHeader = 14;
    if (data.size() < kFileHeader + 40)
        return {};
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    if (p[0] != 'B' || p[1] != 'M')
        return {};
    const std::uint32_t nOffset = ReadU32(p + 10);
    const unsigned char* pInfo = p + kFileHeader;
    const std::uint32_t nInfoSize = ReadU32(pInfo);
    const auto nWidth = static_cast<std::int32_t>(ReadU32(pInfo + 4));
    const auto nHeightRaw = static_cast<std::int32_t>(ReadU32(pInfo + 8));
    const std::uint16_t nPlanes = ReadU16(pInfo + 12);
    const std::uint16_t nBits = ReadU16(pInfo + 14);
    const std::uint32_t nCompression = ReadU32(pInfo + 16);
    if (nInfoSize < 40 || nPlanes != 1 || nBits != 24 || nCompression != 0 || nWidth <= 0 ||
        nHeightRaw == 0 || nWidth > 32768 || nHeightRaw > 32768 || nHeightRaw < -32768)
        return {};
    bMine = true;
    const bool bTopDown = nHeightRaw < 0;
    const int nHeight = bTopDown ? -nHeightRaw : nHeightRaw;
    const qsizetype nStride = (qsizetype(nWidth) * 3 + 3) / 4 * 4;
    if (nOffset < kFileHeader + nInfoSize || qsizetype(nOffset) + nStride * nHeight > data.size())
        return {};

    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < nHeight; ++y)
    {
        const unsigned char* pRow = p + nOffset + nStride * (bTopDown ? y : nHeight - 1 - y);
        auto* pOut = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < nWidth; ++x, pRow += 3)
            pOut[x] = qRgb(pRow[2], pRow[1], pRow[0]);
    }
    return image;
}
} // namespace

QImage DecodeBitmapFile(const QByteArray& data)
{
    bool bMine = false;
    QImage image = DecodeRgb24(data, bMine);
    if (!bMine)
        image = QImage::fromData(data, "BMP");
    return image;
}
