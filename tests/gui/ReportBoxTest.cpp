// The report's boxes and fonts on a recording device context: where children land,
// what a box draws and in which order, the font heights, and where the report puts
// its texts on a page of worked size.
#include "print/Box.h"
#include "print/FontSet.h"
#include "print/Report.h"

#include "common/RecordingDC.h"

#include <QFontInfo>
#include <QImage>
#include <QLine>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace
{
struct SAdd
{
    bool bRight;
    int nWidth, nHeight, nCode;
};

struct SPlacement
{
    const char* pszName;
    std::vector<SAdd> adds;
    std::vector<SRect> children; // expected, in list order
};

void PrintTo(const SPlacement& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class BoxPlacement : public ::testing::TestWithParam<SPlacement>
{
};
} // namespace

TEST_P(BoxPlacement, ChildrenLandWhereTheirCodeSays)
{
    // A parent 300 wide and 3 rows of 10 high, as the report's first row.
    CBox parent(1000, 2000, 1300, 2030, nullptr);
    for (const SAdd& add : GetParam().adds)
    {
        const CBox child(0, 0, add.nWidth, add.nHeight, nullptr);
        EXPECT_TRUE(add.bRight ? parent.AddRight(child, add.nCode)
                               : parent.AddBelow(child, add.nCode));
    }
    std::vector<SRect> rects;
    for (const CBox& child : parent.GetChildren())
        rects.push_back(child.GetRect());
    EXPECT_EQ(rects, GetParam().children);
}

INSTANTIATE_TEST_SUITE_P(
    CBox, BoxPlacement,
    ::testing::Values(SPlacement{"FirstRightBottomAligned", {{true, 40, 10, 3}}, {{0, 20, 40, 30}}},
                      SPlacement{"SecondRightAfterTheWidestReaching",
                                 {{true, 120, 10, 2}, {false, 30, 10, 4}, {true, 50, 10, 3}},
                                 {{0, 0, 120, 10}, {0, 10, 30, 20}, {120, 20, 170, 30}}},
                      SPlacement{
                          "BelowRightAlignedAndCentred",
                          {{false, 100, 10, 5}, {false, 100, 10, 6}},
                          // Centring uses the root's absolute centre, as the layout always did.
                          {{200, 0, 300, 10}, {1100, 10, 1200, 20}}},
                      SPlacement{"ForeignCodeAppendsNothing",
                                 {{true, 40, 10, 4}, {false, 40, 10, 3}, {true, 40, 10, 0}},
                                 {}}),
    [](const ::testing::TestParamInfo<SPlacement>& info)
    { return std::string(info.param.pszName); });

TEST(CBox, DrawsBordersImageTextAndChildrenInOrder)
{
    QTemporaryDir dir;
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("wide.bmp"), "BMP"));

    CRecordingDC dc;
    dc.m_nPixelsPerInchX = 72; // font 1 is then 10 pixels high: 5 pixels a character
    const CFontSet fonts(dc);
    CBox root(100, 200, 400, 500, &dc);
    root.SetBorders(CBox::kBorderTop);

    CBox picture(0, 0, 100, 100, &dc);
    picture.SetImageFile(dir.filePath("wide.bmp"), kImageCentered);
    picture.SetBorders(CBox::kBorderTop | CBox::kBorderRight | CBox::kBorderLeft |
                       CBox::kBorderBottom);
    root.AddRight(picture, kPlaceTop);

    CBox text(0, 0, 16, 20, &dc);
    text.SetText(QStringLiteral("%&ab"), 36); // 20 pixels in a 16-unit box
    text.SetFont(1);
    root.AddBelow(text, kPlaceLeft);

    root.Draw(fonts);

    // Root top, then the picture's borders: top, right, left, bottom.
    std::vector<QLine> lines;
    for (const CRecordingDC::SLine& line : dc.m_vLines)
        lines.emplace_back(line.ptFrom, line.ptTo);
    EXPECT_EQ(lines, (std::vector<QLine>{{100, 200, 400, 200},
                                         {100, 200, 200, 200},
                                         {200, 200, 200, 300},
                                         {100, 200, 100, 300},
                                         {100, 300, 200, 300}}));
    // 200 x 100 in 100 x 100, centred: (1, 26, 99, 74) inside the box.
    ASSERT_EQ(dc.m_vBlts.size(), 1u);
    EXPECT_EQ(dc.m_vBlts[0].dst, QRect(QPoint(101, 226), QPoint(198, 273)));
    // Cut to the whole characters that leave room for the ellipsis (15 of 16 units),
    // 20 units right of the box, never a mnemonic.
    ASSERT_EQ(dc.m_vTexts.size(), 1u);
    EXPECT_EQ(dc.m_vTexts[0].strText, QStringLiteral("%&\u2026"));
    EXPECT_EQ(dc.m_vTexts[0].rect, QRect(120, 300, 16, 20));
    EXPECT_EQ(dc.m_vTexts[0].nFlags, 36u | kDtNoPrefix);
    EXPECT_EQ(dc.m_vTexts[0].font.nHeight, -10);
    // The font before the box's is selected back.
    EXPECT_EQ(dc.m_font.nHeight, -16);
}

TEST(CFontSet, HeightsFromTheHorizontalResolution)
{
    CRecordingDC dc;
    dc.m_nPixelsPerInchX = 600;
    dc.m_nPixelsPerInchY = 300;
    const CFontSet fonts(dc);
    std::vector<int> heights;
    for (int i = 1; i <= 7; ++i)
        heights.push_back(fonts.GetFont(i)->nHeight);
    EXPECT_EQ(heights, (std::vector<int>{-83, -100, -166, -83, -100, -83, -100}));
    EXPECT_EQ(fonts.GetFont(5)->nWeight, 700);
    EXPECT_TRUE(fonts.GetFont(7)->bItalic);
    EXPECT_EQ(fonts.GetFont(8), nullptr);
    // "Arial" resolves to a face with its metrics.
    EXPECT_EQ(QFontInfo(QFont(fonts.GetFont(1)->strFaceName)).family(),
              QStringLiteral("Liberation Sans"));
}

TEST(PrintReport, TextsInTheirRowsAndColumns)
{
    // W 4500 and H 6000: c 1285, g 322, q 1608, k 402, r 133.
    CRecordingDC dc;
    dc.m_nPixelsPerInchX = 600;
    const CFontSet fonts(dc);
    SReportContent content;
    content.nPage = 1;
    content.strQuotation = QStringLiteral("1 200 EUR");
    content.strNotes = QString(33 * 6, 'x');
    for (int i = 0; i < 33; ++i)
        content.strNotes.replace(i * 6 + 5, 1, QLatin1Char(' '));
    content.astrResultLabels[0] = QStringLiteral("- Projection Distance: ");
    content.strSnapshotPath = QStringLiteral("/nonexistent/ogl.bmp");
    PrintReport(dc, SRect{300, 300, 4800, 6300}, fonts, content);

    auto find = [&](const QString& str) -> QRect
    {
        for (const CRecordingDC::SText& text : dc.m_vTexts)
            if (text.strText == str)
                return text.rect;
        ADD_FAILURE() << str.toStdString() << " not drawn";
        return {};
    };
    const int x0 = 300 + 20, y0 = 300, r = 133, c = 1285, g = 322;
    EXPECT_EQ(find("Dealer:"), QRect(x0 + 2 * c + g, y0, c, r));
    EXPECT_EQ(find("Customer:"), QRect(x0 + g + 2 * c, y0 + 7 * r, c, r));
    EXPECT_EQ(find("Model:"), QRect(x0 + g, y0 + 14 * r, c, r));
    EXPECT_EQ(find("Glossary:"), QRect(x0 + g + 2 * c, y0 + 20 * r, 1608, r));
    EXPECT_EQ(find("- PJD:"), QRect(x0 + g + 2 * c, y0 + 26 * r, 402, r));
    EXPECT_EQ(find("Units:"), QRect(x0 + g, y0 + 30 * r, 2 * c, r));
    EXPECT_EQ(find("- Projection Distance: "), QRect(x0 + g, y0 + 33 * r, 2 * c, r));
    EXPECT_EQ(find("Price:  1 200 EUR"), QRect(x0 + g + 2 * c, y0 + 38 * r, c, r));
    // The notes: 15, 15 and 3 words, each line in its own row (the last one below P).
    EXPECT_EQ(find(QString("xxxxx ").repeated(3)), QRect(x0 + g, y0 + 45 * r, 3 * c, r));
    EXPECT_EQ(find(QString("xxxxx ").repeated(15)).top(), y0 + 43 * r);
    // Of the three pictures only the logo loads: no model picture, no snapshot file.
    EXPECT_EQ(dc.m_vBlts.size(), 1u);
}
