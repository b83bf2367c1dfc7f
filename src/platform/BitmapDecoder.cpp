#include "platform/BitmapDecoder.h"

#include "core/BitmapPixels.h"

QImage DecodeBitmapFile(const QByteArray& data)
{
    const std::span<const std::uint8_t> file(
        reinterpret_cast<const std::uint8_t*>(data.constData()),
        static_cast<std::size_t>(data.size()));
    SBitmapPixelsInfo info;
    if (ProbeBitmapPixels(file, info) != nullptr)
        return {};
    QImage image(info.nWidth, info.nHeight, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    if (!DecodeBitmapPixels(file, reinterpret_cast<std::uint32_t*>(image.bits()),
                            static_cast<std::size_t>(image.bytesPerLine()) / 4))
        return {};
    return image;
}
