// Bitmap files decoded from memory must give the same pixels as a general image
// reader, whatever the row padding, and refuse what is no bitmap.
#include "platform/BitmapDecoder.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
// A 24-bit bottom-up bitmap file of a w x h image with distinct pixels.
QByteArray BitmapFile(int nWidth, int nHeight, QImage& image)
{
    image = QImage(nWidth, nHeight, QImage::Format_RGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 70 % 256, (x + y) * 25 % 256));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return data;
}

class BitmapDecoderWidth : public ::testing::TestWithParam<int>
{
};
} // namespace

TEST_P(BitmapDecoderWidth, SamePixelsWithAnyRowPadding)
{
    QImage expected;
    const QByteArray data = BitmapFile(GetParam(), 3, expected);
    ASSERT_EQ(static_cast<unsigned char>(data[28]), 24) << "the writer made no 24-bit file";
    const QImage decoded = DecodeBitmapFile(data);
    ASSERT_EQ(decoded.size(), expected.size());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < GetParam(); ++x)
            EXPECT_EQ(decoded.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
}

// Row lengths of 3, 6, 9 and 12 bytes: padded by 1, 2, 3 and 0 bytes.
INSTANTIATE_TEST_SUITE_P(BitmapDecoder, BitmapDecoderWidth, ::testing::Values(1, 2, 3, 4),
                         [](const ::testing::TestParamInfo<int>& info)
                         { return "Width" + std::to_string(info.param); });

TEST(BitmapDecoder, TopDownRowsAreNotFlipped)
{
    QImage expected;
    QByteArray data = BitmapFile(2, 2, expected);
    // Negative height: the first row in the file is the top row.
    const std::int32_t nTopDown = -2;
    std::memcpy(data.data() + 22, &nTopDown, 4);
    const QImage decoded = DecodeBitmapFile(data);
    ASSERT_EQ(decoded.size(), QSize(2, 2));
    EXPECT_EQ(decoded.pixel(0, 0), expected.pixel(0, 1));
    EXPECT_EQ(decoded.pixel(1, 1), expected.pixel(1, 0));
}

TEST(BitmapDecoder, RefusesWhatIsNoBitmap)
{
    EXPECT_TRUE(DecodeBitmapFile(QByteArray()).isNull());
    EXPECT_TRUE(DecodeBitmapFile(QByteArray("BM not really a bitmap file at all")).isNull());
    QImage expected;
    // Cut short: the pixel rows are missing.
    EXPECT_TRUE(DecodeBitmapFile(BitmapFile(4, 4, expected).left(60)).isNull());
}
