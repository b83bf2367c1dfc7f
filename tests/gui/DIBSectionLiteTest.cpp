// DIB section images: files of every bit depth, bottom-up and top-down, give the
// same picture; the halftone palette has its 256 entries in their order.
#include "print/DIBSectionLite.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace
{
struct SDepth
{
    int nBits;
    bool bTopDown;
};

// A 5 x 2 file whose pixel (x, y) (y = 0 the top row) is colour index x + 5y (entry i
// of the table is (10i, 255 - i, i)), or in true colour (40x, 100y, 7): 5 bits each
// at 16 bits per pixel.
QByteArray DepthFile(const SDepth& d)
{
    const int w = 5, h = 2, nColors = d.nBits <= 8 ? (1 << d.nBits) : 0;
    const int nRow = ((w * d.nBits + 31) & ~31) / 8, nOff = 54 + 4 * nColors;
    QByteArray file(nOff + nRow * h, '\0');
    auto* p = reinterpret_cast<uint8_t*>(file.data());
    const uint32_t header[] = {
        uint32_t(file.size()),       0, uint32_t(nOff), 40, w, uint32_t(d.bTopDown ? -h : h),
        1u | uint32_t(d.nBits) << 16};
    p[0] = 'B';
    p[1] = 'M';
    std::memcpy(p + 2, header, sizeof header);
    for (int i = 0; i < nColors; ++i)
        std::memcpy(p + 54 + 4 * i,
                    std::array<uint8_t, 4>{uint8_t(i), uint8_t(255 - i), uint8_t(i * 10), 0}.data(),
                    4);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            uint8_t* pRow = p + nOff + nRow * (d.bTopDown ? y : h - 1 - y);
            const uint32_t v = nColors ? uint32_t((x + 5 * y) % nColors)
                               : d.nBits == 16
                                   ? uint32_t((x * 40 >> 3) << 10 | (y * 100 >> 3) << 5 | 7 >> 3)
                                   : uint32_t(x * 40 << 16 | y * 100 << 8 | 7);
            if (d.nBits < 8) // packed from the high bits
                pRow[x * d.nBits / 8] |= uint8_t(v << (8 - d.nBits - x * d.nBits % 8));
            else
                std::memcpy(pRow + x * d.nBits / 8, &v, size_t(d.nBits / 8));
        }
    return file;
}

QRgb Expected(const SDepth& d, int x, int y)
{
    if (d.nBits > 8)
        return qRgb(x * 40, y * 100, d.nBits == 16 ? 0 : 7);
    const int i = (x + 5 * y) % (1 << d.nBits);
    return qRgb(i * 10, 255 - i, i);
}

void PrintTo(const SDepth& row, std::ostream* pOut)
{
    *pOut << row.nBits << (row.bTopDown ? " bits, top-down" : " bits, bottom-up");
}

class DIBSectionDepth : public ::testing::TestWithParam<SDepth>
{
};
} // namespace

TEST_P(DIBSectionDepth, LoadsThePictureAsStored)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("depth.bmp");
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(DepthFile(GetParam()));
    file.close();

    CDIBSectionLite dib;
    ASSERT_TRUE(dib.Load(strPath));
    EXPECT_EQ(dib.GetBitCount(), GetParam().nBits);
    EXPECT_EQ(dib.GetPalette().size(), GetParam().nBits <= 8 ? (1 << GetParam().nBits) : 256);
    ASSERT_EQ(dib.GetImage().size(), QSize(5, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
        {
            const QRgb rgb = dib.GetImage().pixel(x, y);
            const QRgb want = Expected(GetParam(), x, y);
            if (GetParam().nBits == 16)
                EXPECT_EQ(qRed(rgb) >> 3, qRed(want) >> 3) << x << "," << y;
            else
                EXPECT_EQ(rgb & 0xFFFFFF, want & 0xFFFFFF) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(DIBSectionLite, DIBSectionDepth,
                         ::testing::Values(SDepth{1, false}, SDepth{4, false}, SDepth{8, false},
                                           SDepth{16, false}, SDepth{24, false}, SDepth{32, false},
                                           SDepth{1, true}, SDepth{4, true}, SDepth{8, true},
                                           SDepth{24, true}, SDepth{32, true}),
                         [](const ::testing::TestParamInfo<SDepth>& info)
                         {
                             return "Bits" + std::to_string(info.param.nBits) +
                                    (info.param.bTopDown ? "TopDown" : "BottomUp");
                         });

TEST(DIBSectionLite, HalftonePaletteInItsOrder)
{
    QList<QRgb> palette;
    ASSERT_TRUE(CDIBSectionLite::BuildHalftonePalette(palette, 0)); // out of range: 256
    ASSERT_EQ(palette.size(), 256);
    // Fixed colours; the cube with red innermost and blue outermost; 24 greys.
    const std::vector<std::pair<int, QRgb>> entries{
        {1, qRgb(255, 255, 255)},   {8, qRgb(0, 0, 128)},       {15, qRgb(192, 192, 192)},
        {16, qRgb(0, 0, 0)},        {17, qRgb(51, 0, 0)},       {22, qRgb(0, 51, 0)},
        {52, qRgb(0, 0, 51)},       {231, qRgb(255, 255, 255)}, {233, qRgb(11, 11, 11)},
        {254, qRgb(243, 243, 243)}, {255, qRgb(255, 255, 255)}};
    for (const auto& [nIndex, rgb] : entries)
        EXPECT_EQ(palette[nIndex], rgb) << nIndex;
    ASSERT_TRUE(CDIBSectionLite::BuildHalftonePalette(palette, 20));
    EXPECT_EQ(palette.size(), 20);
}
