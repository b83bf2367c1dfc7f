// Masked bitmaps drawn onto images: the transparent colour must match exactly,
// pictures are stretched to the rectangle, and devices without raster operations
// give the same picture.
#include "platform/PainterDC.h"
#include "ui/MaskedBitmap.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
constexpr QRgb kRed = 0xFFFF0000u;
constexpr QRgb kKey = 0xFF00FF00u;     // pure green, the transparent colour
constexpr QRgb kNearKey = 0xFF00FE00u; // one step off: drawn
constexpr QRgb kBlue = 0xFF0000FFu;

// A bitmap file of the given pixels in one row, loaded back as the program does.
CMaskedBitmap RowBitmap(const std::vector<QRgb>& pixels, QTemporaryDir& dir)
{
    QImage image(static_cast<int>(pixels.size()), 1, QImage::Format_RGB32);
    for (size_t i = 0; i < pixels.size(); ++i)
        image.setPixel(static_cast<int>(i), 0, pixels[i]);
    const QString strPath = dir.filePath(QStringLiteral("row.bmp"));
    EXPECT_TRUE(image.save(strPath, "BMP"));
    CMaskedBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadFromFile(strPath.toLocal8Bit().constData()));
    return bitmap;
}

QImage RedTarget(int nWidth, int nHeight)
{
    QImage target(nWidth, nHeight, QImage::Format_RGB32);
    target.fill(kRed);
    return target;
}

// Passes everything on but claims no raster operations, as a printer may.
class CNoRopDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;
    bool SupportsRasterOps() const override { return false; }
};
} // namespace

TEST(MaskedBitmap, ExactTransparentColourShowsTheBackground)
{
    QTemporaryDir dir;
    const CMaskedBitmap bitmap = RowBitmap({kKey, kNearKey, kBlue, kKey}, dir);
    for (bool bRasterOps : {true, false})
    {
        QImage target = RedTarget(4, 1);
        {
            QPainter painter(&target);
            if (bRasterOps)
            {
                CPainterDC dc(painter);
                bitmap.DrawTransparent(dc, QRect(0, 0, 4, 1), QColor(0, 255, 0));
            }
            else
            {
                CNoRopDC dc(painter);
                bitmap.DrawTransparent(dc, QRect(0, 0, 4, 1), QColor(0, 255, 0));
            }
        }
        EXPECT_EQ(target.pixel(0, 0), kRed) << bRasterOps;
        EXPECT_EQ(target.pixel(1, 0), kNearKey) << bRasterOps;
        EXPECT_EQ(target.pixel(2, 0), kBlue) << bRasterOps;
        EXPECT_EQ(target.pixel(3, 0), kRed) << bRasterOps;
    }
}

TEST(MaskedBitmap, TransparentDrawingLeavesTheRestOfTheTargetAlone)
{
    QTemporaryDir dir;
    const CMaskedBitmap bitmap = RowBitmap({kBlue, kKey}, dir);
    QImage target = RedTarget(6, 3);
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        // Stretched 2x to (2,1)-(5,1); nearest-neighbour is not asked for, so check
        // only pixels well inside each half and outside the rectangle.
        bitmap.DrawTransparent(dc, QRect(2, 1, 4, 1), QColor(0, 255, 0));
    }
    EXPECT_EQ(target.pixel(0, 1), kRed);
    EXPECT_EQ(target.pixel(1, 1), kRed);
    EXPECT_EQ(target.pixel(2, 1), kBlue);
    EXPECT_EQ(target.pixel(5, 1), kRed);
    for (int x = 0; x < 6; ++x)
    {
        EXPECT_EQ(target.pixel(x, 0), kRed) << x;
        EXPECT_EQ(target.pixel(x, 2), kRed) << x;
    }
}

TEST(MaskedBitmap, DrawStretchesToTheWholeRectangle)
{
    QTemporaryDir dir;
    const CMaskedBitmap bitmap = RowBitmap({kBlue, kBlue}, dir);
    // A 2 x 1 picture into a 3 x 5 rectangle: filled, not letterboxed.
    QImage target = RedTarget(5, 7);
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        bitmap.Draw(dc, QRect(1, 1, 3, 5));
    }
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x)
        {
            const bool bInside = x >= 1 && x <= 3 && y >= 1 && y <= 5;
            EXPECT_EQ(target.pixel(x, y), bInside ? kBlue : kRed) << x << "," << y;
        }
}

TEST(MaskedBitmap, MissingBitmapsDrawNothing)
{
    CMaskedBitmap bitmap;
    EXPECT_FALSE(bitmap.LoadFromFile("/nonexistent/picture.bmp"));
    EXPECT_FALSE(bitmap.LoadFromResource(-1));
    QImage target = RedTarget(2, 2);
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        bitmap.Draw(dc, target.rect());
        bitmap.DrawTransparent(dc, target.rect(), QColor(0, 255, 0));
    }
    EXPECT_EQ(target.pixel(0, 0), kRed);
    EXPECT_EQ(target.pixel(1, 1), kRed);
}

TEST(MaskedBitmap, LogoResourceHasTransparentBackground)
{
    CMaskedBitmap logo;
    if (!logo.LoadFromResource(135))
        GTEST_SKIP() << "no logo bitmap in this build";
    // The corner of the logo is pure green: drawn transparent, the target shows.
    QImage target = RedTarget(logo.GetSize().width(), logo.GetSize().height());
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        logo.DrawTransparent(dc, target.rect(), QColor(0, 255, 0));
    }
    EXPECT_EQ(target.pixel(0, 0), kRed);
}
