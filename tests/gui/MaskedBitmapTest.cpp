// Masked bitmaps drawn onto images: the transparent colour must match exactly,
// pictures are stretched to the rectangle, and devices without raster operations
// give the same picture.
#include "platform/MaskedBitmap.h"
#include "platform/PainterDC.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

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

// Passes everything on but claims no raster operations, as a printer may.
class CNoRopDC : public CPainterDC
{
public:
    using CPainterDC::CPainterDC;
    bool SupportsRasterOps() const override { return false; }
};

// A red w x h image after draw has painted on it through a device context with or
// without raster operations.
QImage DrawnOnRed(int nWidth, int nHeight, const std::function<void(CDC&)>& draw,
                  bool bRasterOps = true)
{
    QImage target(nWidth, nHeight, QImage::Format_RGB32);
    target.fill(kRed);
    QPainter painter(&target);
    if (bRasterOps)
    {
        CPainterDC dc(painter);
        draw(dc);
    }
    else
    {
        CNoRopDC dc(painter);
        draw(dc);
    }
    painter.end();
    return target;
}

const QColor kKeyColour(0, 255, 0);
} // namespace

TEST(MaskedBitmap, ExactTransparentColourShowsTheBackground)
{
    QTemporaryDir dir;
    const CMaskedBitmap bitmap = RowBitmap({kKey, kNearKey, kBlue, kKey}, dir);
    for (bool bRasterOps : {true, false})
    {
        const QImage target = DrawnOnRed(
            4, 1, [&](CDC& dc) { bitmap.DrawTransparent(dc, QRect(0, 0, 4, 1), kKeyColour); },
            bRasterOps);
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
    // Stretched 2x to (2,1)-(5,1); nearest-neighbour is not asked for, so check only
    // pixels well inside each half and outside the rectangle.
    const QImage target = DrawnOnRed(
        6, 3, [&](CDC& dc) { bitmap.DrawTransparent(dc, QRect(2, 1, 4, 1), kKeyColour); });
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
    const QImage target = DrawnOnRed(5, 7, [&](CDC& dc) { bitmap.Draw(dc, QRect(1, 1, 3, 5)); });
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
    const QImage target = DrawnOnRed(2, 2,
                                     [&](CDC& dc)
                                     {
                                         bitmap.Draw(dc, QRect(0, 0, 2, 2));
                                         bitmap.DrawTransparent(dc, QRect(0, 0, 2, 2), kKeyColour);
                                     });
    EXPECT_EQ(target.pixel(0, 0), kRed);
    EXPECT_EQ(target.pixel(1, 1), kRed);
}

TEST(MaskedBitmap, LogoResourceHasTransparentBackground)
{
    CMaskedBitmap logo;
    if (!logo.LoadFromResource(135))
        GTEST_SKIP() << "no logo bitmap in this build";
    // The corner of the logo is pure green: drawn transparent, the target shows.
    const QSize size = logo.GetSize();
    const QImage target = DrawnOnRed(
        size.width(), size.height(),
        [&](CDC& dc) { logo.DrawTransparent(dc, QRect(QPoint(0, 0), size), kKeyColour); });
    EXPECT_EQ(target.pixel(0, 0), kRed);
}

namespace
{
// A dark blue disc on the transparent colour, as a logo is drawn, loaded from a file.
CMaskedBitmap DiscOnKey(int nSize, QTemporaryDir& dir)
{
    QImage image(nSize, nSize, QImage::Format_RGB32);
    image.fill(kKey);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 90));
    painter.drawEllipse(QRect(nSize / 4, nSize / 4, nSize / 2, nSize / 2));
    painter.end();
    const QString strPath = dir.filePath(QStringLiteral("disc.bmp"));
    EXPECT_TRUE(image.save(strPath, "BMP"));
    CMaskedBitmap bitmap;
    EXPECT_TRUE(bitmap.LoadFromFile(strPath.toLocal8Bit().constData()));
    return bitmap;
}
} // namespace

TEST(MaskedBitmap, ShrunkLogoHasNoFringeOfTheTransparentColour)
{
    // The logo shrunk into the main dialog's place, on the light grey of a dialog.
    CMaskedBitmap logo;
    ASSERT_TRUE(logo.LoadFromResource(135));
    QImage target(175, 70, QImage::Format_RGB32);
    target.fill(QColor(239, 239, 239));
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        logo.DrawTransparent(dc, target.rect(), QColor(kKey));
    }
    int nGreenish = 0;
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
        {
            const QRgb rgb = target.pixel(x, y);
            if (qGreen(rgb) > qRed(rgb) + 60 && qGreen(rgb) > qBlue(rgb))
                ++nGreenish;
        }
    EXPECT_EQ(nGreenish, 0);
    EXPECT_EQ(target.pixel(1, 1), qRgb(239, 239, 239)); // background shows through
}

TEST(MaskedBitmap, TransparentDrawingPutsTheColoursBack)
{
    QImage target(4, 4, QImage::Format_RGB32);
    QPainter painter(&target);
    CPainterDC dc(painter);
    dc.SetTextColor(Qt::blue);
    dc.SetBkColor(Qt::yellow);
    QTemporaryDir dir;
    const CMaskedBitmap bitmap = DiscOnKey(8, dir);
    bitmap.DrawTransparent(dc, QRect(0, 0, 4, 4), QColor(kKey));
    EXPECT_EQ(dc.GetTextColor(), QColor(Qt::blue));
    EXPECT_EQ(dc.GetBkColor(), QColor(Qt::yellow));
}
