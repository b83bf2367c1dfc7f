// The painter device context on images: raster operations of stretched copies,
// logical fonts by cell or character height, the painter's own font selected back,
// aligned text and lines.
#include "platform/PainterDC.h"

#include <QFontInfo>
#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>

namespace
{
struct SRopCase
{
    const char* pszName;
    ERasterOp eRop;
    QRgb rgbExpected;
};

void PrintTo(const SRopCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

// Destination 0xF0F0F0, source 0x3C5A96.
constexpr QRgb kDst = 0xFFF0F0F0u;
constexpr QRgb kSrc = 0xFF3C5A96u;

class RasterOpTest : public ::testing::TestWithParam<SRopCase>
{
};

// Number of pixels darker than mid-grey in the columns [x0, x1).
int DarkPixels(const QImage& image, int x0, int x1)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++n;
    return n;
}

QImage White(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

TEST_P(RasterOpTest, CombinesSourceAndDestinationBitwise)
{
    QImage target(2, 2, QImage::Format_RGB32);
    target.fill(kDst);
    QImage source(1, 1, QImage::Format_RGB32);
    source.fill(kSrc);
    {
        QPainter painter(&target);
        CPainterDC dc(painter);
        EXPECT_TRUE(dc.SupportsRasterOps());
        dc.StretchBlt(QRect(0, 0, 2, 2), source, source.rect(), GetParam().eRop);
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(target.pixel(x, y) & 0xFFFFFFu, GetParam().rgbExpected & 0xFFFFFFu)
                << std::hex << target.pixel(x, y);
}

INSTANTIATE_TEST_SUITE_P(PainterDC, RasterOpTest,
                         ::testing::Values(SRopCase{"Copy", ERasterOp::SrcCopy, 0x3C5A96u},
                                           SRopCase{"Invert", ERasterOp::SrcInvert, 0xCCAA66u},
                                           SRopCase{"And", ERasterOp::SrcAnd, 0x305090u},
                                           SRopCase{"Paint", ERasterOp::SrcPaint, 0xFCFAF6u}),
                         [](const ::testing::TestParamInfo<SRopCase>& info)
                         { return info.param.pszName; });

TEST(PainterDC, PositiveHeightIsTheCellNegativeTheCharacterHeight)
{
    QImage image = White(10, 10);
    QPainter painter(&image);
    CPainterDC dc(painter);
    SLogFont font;
    font.strFaceName = QStringLiteral("DejaVu Sans");
    font.nHeight = 40;
    dc.SelectFont(font);
    const int nCell = dc.GetTextExtent(QStringLiteral("Hg")).height();
    EXPECT_NEAR(nCell, 40, 1);
    font.nHeight = -40;
    dc.SelectFont(font);
    // The character height leaves out the leading: the cell is taller.
    EXPECT_GT(dc.GetTextExtent(QStringLiteral("Hg")).height(), 40);
}

TEST(PainterDC, TextGoesWhereTheAlignmentSays)
{
    const struct
    {
        unsigned nFlags;
        bool bLeftHalf;
    } rows[] = {{kDtLeft, true}, {kDtRight, false}};
    for (const auto& row : rows)
    {
        QImage image = White(200, 30);
        {
            QPainter painter(&image);
            CPainterDC dc(painter);
            SLogFont font;
            font.strFaceName = QStringLiteral("DejaVu Sans");
            font.nHeight = -16;
            dc.SelectFont(font);
            dc.SetTextColor(Qt::black);
            EXPECT_GT(dc.DrawText(QStringLiteral("WWW"), QRect(0, 0, 200, 30),
                                  row.nFlags | kDtSingleLine),
                      10);
        }
        EXPECT_EQ(DarkPixels(image, 0, 100) > 0, row.bLeftHalf) << row.nFlags;
        EXPECT_EQ(DarkPixels(image, 100, 200) > 0, !row.bLeftHalf) << row.nFlags;
    }
}

TEST(PainterDC, AmpersandsMarkNothingUnlessNoPrefixIsAsked)
{
    auto width = [](const QString& strText, unsigned nFlags)
    {
        QImage image = White(300, 30);
        {
            QPainter painter(&image);
            CPainterDC dc(painter);
            dc.SetTextColor(Qt::black);
            dc.DrawText(strText, QRect(0, 0, 300, 30), nFlags);
        }
        int nLast = -1;
        for (int x = 0; x < 300; ++x)
            if (DarkPixels(image, x, x + 1) > 0)
                nLast = x;
        return nLast;
    };
    // "&&" is one ampersand, a single "&" disappears; with kDtNoPrefix both stay.
    EXPECT_EQ(width(QStringLiteral("A&&B"), kDtLeft), width(QStringLiteral("A&B"), kDtNoPrefix));
    EXPECT_EQ(width(QStringLiteral("A&B"), kDtLeft), width(QStringLiteral("AB"), kDtNoPrefix));
}

TEST(PainterDC, LinesRunFromTheCurrentPosition)
{
    QImage image = White(10, 10);
    {
        QPainter painter(&image);
        CPainterDC dc(painter);
        dc.MoveTo(1, 5);
        dc.LineTo(8, 5);
        dc.LineTo(8, 1);
    }
    EXPECT_EQ(qGray(image.pixel(4, 5)), 0);
    EXPECT_EQ(qGray(image.pixel(8, 3)), 0);
    EXPECT_EQ(qGray(image.pixel(4, 3)), 255);
    const QSize page(10, 10);
    QPainter painter(&image);
    EXPECT_EQ(CPainterDC(painter).GetPageSizePixels(), page);
}

TEST(PainterDC, SelectingTheReturnedFontBackRestoresThePaintersOwnFont)
{
    // 600 pixels per inch, as a printer has: 9 points are 75 pixels.
    QImage image = White(10, 10);
    image.setDotsPerMeterX(23622);
    image.setDotsPerMeterY(23622);
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9, QFont::Bold, true));
    CPainterDC dc(painter);
    const QSize sizeOwn = dc.GetTextExtent(QStringLiteral("Hg"));

    const SLogFont own = dc.SelectFont({-20, 400, false, false, QStringLiteral("DejaVu Serif")});
    EXPECT_EQ(std::tuple(own.nHeight, own.nWeight, own.bItalic, own.strFaceName),
              std::tuple(-75, 700, true, QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(dc.SelectFont(own).nHeight, -20);
    EXPECT_EQ(dc.GetTextExtent(QStringLiteral("Hg")), sizeOwn);
    const QFontInfo info(painter.font());
    EXPECT_EQ(std::tuple(info.family(), info.bold(), info.italic()),
              std::tuple(QStringLiteral("DejaVu Sans"), true, true));
}
