// DIB section images: files of every bit depth, bottom-up and top-down, give the
// same picture; the halftone palette has its 256 entries in their order.
#include "print/DIBSectionLite.h"

#include "common/RecordingDC.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

// A 5 x 2 file whose pixel (x, y) (y = 0 the top row) has colour index / value
// x + 5y; palette entries i are (i * 10, 255 - i, i), true colour (x * 40, y * 100, 7).
QByteArray DepthFile(const SDepth& d)
{
    const int w = 5, h = 2;
    const int nColors = d.nBits <= 8 ? (1 << d.nBits) : 0;
    const int nRow = ((w * d.nBits + 31) & ~31) / 8;
    const int nOff = 54 + 4 * nColors;
    QByteArray file(nOff + nRow * h, '\0');
    auto* p = reinterpret_cast<uint8_t*>(file.data());
    auto u16 = [&](int at, uint16_t n) { std::memcpy(p + at, &n, 2); };
    auto u32 = [&](int at, uint32_t n) { std::memcpy(p + at, &n, 4); };
    p[0] = 'B';
    p[1] = 'M';
    u32(2, uint32_t(file.size()));
    u32(10, uint32_t(nOff));
    u32(14, 40);
    u32(18, w);
    u32(22, uint32_t(d.bTopDown ? -h : h));
    u16(26, 1);
    u16(28, uint16_t(d.nBits));
    for (int i = 0; i < nColors; ++i)
    {
        p[54 + 4 * i] = uint8_t(i);           // blue
        p[54 + 4 * i + 1] = uint8_t(255 - i); // green
        p[54 + 4 * i + 2] = uint8_t(i * 10);  // red
    }
    for (int y = 0; y < h; ++y)
    {
        uint8_t* pRow = p + nOff + nRow * (d.bTopDown ? y : h - 1 - y);
        for (int x = 0; x < w; ++x)
        {
            const int v = (x + 5 * y) % (nColors ? nColors : 256);
            const int r = x * 40, g = y * 100, b = 7;
            switch (d.nBits)
            {
            case 1:
                pRow[x / 8] |= uint8_t(v << (7 - x % 8));
                break;
            case 4:
                pRow[x / 2] |= uint8_t(x % 2 ? v : v << 4);
                break;
            case 8:
                pRow[x] = uint8_t(v);
                break;
            case 16:
                u16(int(pRow - p) + 2 * x, uint16_t((r >> 3) << 10 | (g >> 3) << 5 | b >> 3));
                break;
            default:
                pRow[x * d.nBits / 8] = uint8_t(b);
                pRow[x * d.nBits / 8 + 1] = uint8_t(g);
                pRow[x * d.nBits / 8 + 2] = uint8_t(r);
                break;
            }
        }
    }
    return file;
}

QRgb Expected(const SDepth& d, int x, int y)
{
    if (d.nBits <= 8)
    {
        const int i = (x + 5 * y) % (1 << d.nBits);
        return qRgb(i * 10, 255 - i, i);
    }
    if (d.nBits == 16) // 5 bits each, widened as Qt widens them
        return qRgb((x * 40 >> 3) * 255 / 31, (y * 100 >> 3) * 255 / 31, 0);
    return qRgb(x * 40, y * 100, 7);
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

    // A copy of the picture keeps its depth and pixels; drawing stretches it whole.
    CDIBSectionLite copy;
    ASSERT_TRUE(copy.SetBitmap(dib.GetImage()));
    EXPECT_EQ(copy.GetBitCount(), GetParam().nBits == 4 ? 8 : GetParam().nBits);
    EXPECT_EQ(copy.GetImage().pixel(4, 1), dib.GetImage().pixel(4, 1));
    CRecordingDC dc;
    EXPECT_EQ(copy.Stretch(dc, QPoint(10, 20), QSize(50, 30)), 2);
    ASSERT_EQ(dc.m_vBlts.size(), 1u);
    EXPECT_EQ(dc.m_vBlts[0].dst, QRect(10, 20, 50, 30));
    EXPECT_EQ(dc.m_vBlts[0].eStretch, EStretchMode::ColorOnColor);
    EXPECT_EQ(copy.Stretch(dc, QPoint(0, 0), QSize(0, 30)), 0);
}

INSTANTIATE_TEST_SUITE_P(DIBSectionLite, DIBSectionDepth,
                         ::testing::Values(SDepth{1, false}, SDepth{4, false}, SDepth{8, false},
                                           SDepth{16, false}, SDepth{24, false},
                                           SDepth{32, false}, SDepth{1, true}, SDepth{4, true},
                                           SDepth{8, true}, SDepth{24, true}, SDepth{32, true}),
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
    EXPECT_EQ(palette[1], qRgb(255, 255, 255));
    EXPECT_EQ(palette[8], qRgb(0, 0, 128));
    EXPECT_EQ(palette[15], qRgb(192, 192, 192));
    // The cube: red innermost, blue outermost.
    EXPECT_EQ(palette[16], qRgb(0, 0, 0));
    EXPECT_EQ(palette[17], qRgb(51, 0, 0));
    EXPECT_EQ(palette[16 + 6], qRgb(0, 51, 0));
    EXPECT_EQ(palette[16 + 36], qRgb(0, 0, 51));
    EXPECT_EQ(palette[231], qRgb(255, 255, 255));
    // 24 greys.
    EXPECT_EQ(palette[233], qRgb(11, 11, 11));
    EXPECT_EQ(palette[254], qRgb(243, 243, 243));
    EXPECT_EQ(palette[255], qRgb(255, 255, 255));

    ASSERT_TRUE(CDIBSectionLite::BuildHalftonePalette(palette, 20));
    EXPECT_EQ(palette.size(), 20);
    EXPECT_EQ(palette[19], qRgb(153, 0, 0));
}

TEST(DIBSectionLite, PaletteSetsTheColourTableOfAnIndexedPicture)
{
    SBitmapInfo info{};
    info.bmiHeader = {40, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    const std::vector<uint8_t> bits{0x40, 0, 0, 0}; // pixels 0 and 1
    CDIBSectionLite dib;
    ASSERT_TRUE(dib.SetBitmap(&info, bits));
    const QList<QRgb> palette{qRgb(1, 2, 3), qRgb(200, 100, 50), qRgb(9, 9, 9)};
    EXPECT_TRUE(dib.SetPalette(&palette));
    EXPECT_EQ(dib.GetImage().pixel(1, 0) & 0xFFFFFF, qRgb(200, 100, 50) & 0xFFFFFF);
    EXPECT_EQ(dib.GetBitmapInfo()->bmiColors[1].rgbRed, 200);
    const QList<QRgb> none;
    EXPECT_FALSE(dib.SetPalette(&none));
}
