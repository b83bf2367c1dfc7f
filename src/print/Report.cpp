#include "print/Report.h"

#include "core/LenvaraEngine.h"
#include "gl/GetOGLBitmap.h"
#include "platform/DC.h"
#include "platform/DebugTrace.h"
#include "print/Box.h"
#include "print/DIBSectionLite.h"
#include "print/FontSet.h"
#include "print/ReportText.h"

#include <QFile>

#include <cstdint>
#include <optional>
#include <string>

namespace
{
constexpr int kLogoBitmapId = 138;
constexpr unsigned kTextFormat = kDtVCenter | kDtSingleLine; // 36: left, centred up and down

// Fonts of the set by index.
constexpr int kFont10 = 1;
constexpr int kFont20 = 3;
constexpr int kFont10Bold = 4;
constexpr int kFont12Bold = 5;
constexpr int kFont10Italic = 6;
constexpr int kFont12Italic = 7;

QString FromStd(const std::string& str)
{
    return QString::fromStdString(str);
}

QString Range(const std::string& strWide, const std::string& strTele)
{
    return QStringLiteral("from ") + FromStd(strWide) + QStringLiteral(" (WA) to ") +
           FromStd(strTele) + QStringLiteral(" (TP)");
}

// The glossary's six key/meaning rows by page.
struct SGlossaryRow
{
    const char* pszKey;
    const char* pszMeaning;
};
constexpr SGlossaryRow kGlossary[2][6] = {
    {{"- W:", "Screen Width"},
     {"- H:", "Screen Height"},
     {"- WA:", "Wide Angle"},
     {"- TP:", "Tele Photo"},
     {"- P_WA:", "Pj. distance (WA)"},
     {"- P_TP:", "Pj. distance (TP)"}},
    {{"- W:", "Screen Width"},
     {"- H:", "Screen Height"},
     {"- WA:", "Wide Angle"},
     {"- TP:", "Tele Photo"},
     {"- PJD:", "Proj. distance"},
     {" ", " "}},
};

// Builds boxes on one device context.
class CReportBuilder
{
public:
    CReportBuilder(CDC& dc, const SReportMetrics& metrics) : m_dc(dc), m_metrics(metrics) {}

    CBox Box(int nWidth, int nHeight) { return CBox(0, 0, nWidth, nHeight, &m_dc); }
    CBox Text(int nWidth, int nHeight, const QString& strText, int nFont, bool bBorder)
    {
        CBox box = Box(nWidth, nHeight);
        box.SetText(strText, kTextFormat);
        box.SetFont(nFont);
        if (bBorder)
            box.SetBorders(CBox::kBorderBottom);
        return box;
    }
    CBox Border(int nWidth, int nHeight)
    {
        CBox box = Box(nWidth, nHeight);
        box.SetBorders(CBox::kBorderBottom);
        return box;
    }
    // A row of the page's width with its cells side by side, bottom-aligned.
    CBox Row(int nHeight, std::initializer_list<CBox> cells)
    {
        CBox row = Box(m_metrics.nWidth, nHeight);
        for (const CBox& cell : cells)
            row.AddRight(cell, kPlaceBottom);
        return row;
    }
    // A column of cells stacked top to bottom.
    CBox Column(int nWidth, int nHeight, std::initializer_list<CBox> cells)
    {
        CBox column = Box(nWidth, nHeight);
        for (const CBox& cell : cells)
            column.AddBelow(cell, kPlaceLeft);
        return column;
    }

    CDC& m_dc;
    const SReportMetrics& m_metrics;
};

// A child's rectangle in absolute coordinates, from its parent's.
SRect Within(const SRect& r, const SRect& rParent)
{
    auto sum = [](std::int32_t a, std::int32_t b)
    { return static_cast<std::int32_t>(std::int64_t{a} + b); };
    return SRect{sum(r.nLeft, rParent.nLeft), sum(r.nTop, rParent.nTop),
                 sum(r.nRight, rParent.nLeft), sum(r.nBottom, rParent.nTop)};
}

// Draws the picture into the box rectangle r as a box draws its image file:
// scaled to fit, centred, nearest pixel.
void DrawSnapshot(CDC& dc, const SRect& r, const QImage& image)
{
    CDIBSectionLite dib;
    if (image.isNull() || !dib.SetBitmap(image))
        return;
    const int nHeight = dib.GetHeight() < 0 ? -dib.GetHeight() : dib.GetHeight();
    if (const std::optional<SRect> target = FitImage(r, dib.GetWidth(), nHeight, kImageCentered))
        dib.Stretch(dc, QPoint(target->nLeft, target->nTop),
                    QSize(static_cast<int>(target->Width()), static_cast<int>(target->Height())));
}
} // namespace

SReportContent ReportContent(const CLenvaraEngine& engine, int nPage)
{
    SReportContent content;
    content.strDealer1 = FromStd(engine.GetDealer1Text());
    content.strDealer2 = FromStd(engine.GetDealer2Text());
    content.strCustomer1 = FromStd(engine.GetCustomer1Text());
    content.strCustomer2 = FromStd(engine.GetCustomer2Text());
    content.strQuotation = FromStd(engine.GetQuotationText());
    content.strNotes = FromStd(engine.GetNotesText());
    content.strDate = FromStd(engine.GetDateText());
    content.strModelName = FromStd(engine.GetModelNameText());
    content.nPictureId = engine.FindPictureId(engine.m_model.GetName());
    content.strUnit = FromStd(engine.GetUnitText());
    content.strAspect = FromStd(engine.GetAspectText());
    content.nPage = nPage == 1 ? 1 : 0;
    if (content.nPage == 0)
    {
        content.astrResultLabels[0] = QStringLiteral("- Screen Width: ");
        content.astrResultValues[0] = FromStd(engine.GetWidthText());
        content.astrResultLabels[1] = QStringLiteral("- Screen Height: ");
        content.astrResultValues[1] = FromStd(engine.GetHeightText());
        content.astrResultLabels[2] = QStringLiteral("- Screen Diagonal: ");
        content.astrResultValues[2] = FromStd(engine.GetDiagonalText());
        content.astrResultLabels[3] = QStringLiteral("- PROJECTION DISTANCE: ");
        content.astrResultValues[3] = Range(engine.GetDistWideText(), engine.GetDistTeleText());
    }
    else
    {
        content.astrResultLabels[0] = QStringLiteral("- Projection Distance: ");
        content.astrResultValues[0] = FromStd(engine.GetDistanceText());
        content.astrResultLabels[1] = QStringLiteral("- SCREEN WIDTH: ");
        content.astrResultValues[1] = Range(engine.GetWidthWideText(), engine.GetWidthTeleText());
        content.astrResultLabels[2] = QStringLiteral("- SCREEN HEIGHT: ");
        content.astrResultValues[2] = Range(engine.GetHeightWideText(), engine.GetHeightTeleText());
        content.astrResultLabels[3] = QStringLiteral("- SCREEN DIAGONAL: ");
        content.astrResultValues[3] = Range(engine.GetDiagWideText(), engine.GetDiagTeleText());
    }
    return content;
}

QString ReportDocName(const SReportContent& content)
{
    return QStringLiteral("Lenvara Calculator report - ") + content.strModelName;
}

void PrintReport(CDC& dc, const SRect& rPage, const CFontSet& fonts, const SReportContent& content)
{
    const SReportMetrics m = ReportMetrics(rPage);
    const int r = m.nRow;
    const int c = m.nColumn;
    const int g = m.nGutter;
    const int q = m.nGlossary;
    const int k = m.nGlossaryKey;
    CReportBuilder b(dc, m);

    CBox root(rPage.nLeft, rPage.nTop, rPage.nRight, rPage.nBottom, &dc);
    auto add = [&root](const CBox& row) { root.AddBelow(row, kPlaceLeft); };
    const CBox spacer = b.Box(m.nWidth, r);

    // 1: logo, dealer.
    CBox logo = b.Box(c, 3 * r);
    logo.SetImageResource(kLogoBitmapId, kImageLeftMiddle);
    add(b.Row(3 * r, {logo, b.Box(g, 3 * r), b.Box(c, 3 * r),
                      b.Column(c, 3 * r,
                               {b.Text(c, r, QStringLiteral("Dealer:"), kFont12Bold, true),
                                b.Text(c, r, content.strDealer1, kFont12Italic, false),
                                b.Text(c, r, content.strDealer2, kFont12Italic, false)}),
                      b.Box(g, 3 * r)}));
    add(spacer);
    // 3: title.
    add(b.Row(2 * r, {b.Text(3 * c + g, 2 * r, QStringLiteral("Tarsio Lenvara Calculator"), kFont20,
                             false),
                      b.Box(g, 2 * r)}));
    add(spacer);
    // 5-7: customer.
    const QString astrCustomer[3] = {QStringLiteral("Customer:"), content.strCustomer1,
                                     content.strCustomer2};
    for (int i = 0; i < 3; ++i)
        add(b.Row(r, {b.Box(g, r), b.Box(c, r), b.Box(c, r),
                      b.Text(c, r, astrCustomer[i], i == 0 ? kFont12Bold : kFont12Italic, i == 0),
                      b.Box(g, r)}));
    // 8-9: date.
    add(b.Row(r, {b.Box(g, r), b.Text(c, r, QStringLiteral("Date: "), kFont12Bold, true),
                  b.Box(c, r), b.Box(c, r), b.Box(g, r)}));
    add(b.Row(r, {b.Box(g, r), b.Text(c, r, content.strDate, kFont10, false), b.Box(c, r),
                  b.Box(c, r), b.Box(g, r)}));
    // 10-11: empty.
    const CBox empty = b.Row(r, {b.Box(g, r), b.Box(c, r), b.Box(c, r), b.Box(c, r), b.Box(g, r)});
    add(empty);
    add(empty);
    // 12: model name and picture.
    CBox picture = b.Box(c, 5 * r);
    picture.SetImageResource(content.nPictureId, kImageCentered);
    add(b.Row(
        5 * r,
        {b.Box(g, 5 * r),
         b.Column(c, 5 * r,
                  {b.Text(c, r, QStringLiteral("Model:"), kFont12Bold, true),
                   b.Text(c, r, content.strModelName, kFont12Italic, false), b.Box(c, r),
                   b.Box(c, r), b.Box(c, r)}),
         b.Column(c, 5 * r, {b.Border(c, r), b.Box(c, r), b.Box(c, r), b.Box(c, r), b.Box(c, r)}),
         picture, b.Box(g, 5 * r)}));
    // 13: snapshot and glossary.
    const CBox snapshot = b.Box(2 * c, 9 * r);
    CBox glossary = b.Box(q, 9 * r);
    glossary.AddBelow(b.Box(q, r), kPlaceLeft);
    glossary.AddBelow(b.Text(q, r, QStringLiteral("Glossary:"), kFont10Bold, true), kPlaceLeft);
    glossary.AddBelow(b.Box(q, r), kPlaceLeft);
    for (const SGlossaryRow& row : kGlossary[content.nPage == 1 ? 1 : 0])
    {
        CBox line = b.Box(q, r);
        line.AddRight(b.Text(k, r, QString::fromLatin1(row.pszKey), kFont10, false), kPlaceBottom);
        line.AddRight(b.Text(q - k, r, QString::fromLatin1(row.pszMeaning), kFont10, false),
                      kPlaceBottom);
        glossary.AddBelow(line, kPlaceLeft);
    }
    add(b.Row(9 * r, {b.Box(g, 9 * r), snapshot, glossary}));
    const CBox& rowSnapshot = root.GetChildren().back();
    const SRect rSnapshot = Within(rowSnapshot.GetChildren()[1].GetRect(),
                                   Within(rowSnapshot.GetRect(), root.GetRect()));
    add(spacer);
    add(spacer);
    // 16-22: unit, aspect ratio and the results.
    add(b.Row(r, {b.Box(g, r), b.Text(2 * c, r, QStringLiteral("Units:"), kFont10Bold, true),
                  b.Text(c, r, content.strUnit, kFont10Italic, true), b.Box(g, r)}));
    add(b.Row(r, {b.Box(g, r),
                  b.Text(2 * c, r, QStringLiteral("Screen Aspect Ratio:"), kFont10Bold, true),
                  b.Text(c, r, content.strAspect, kFont10Italic, true), b.Box(g, r)}));
    add(b.Row(r, {b.Box(g, r), b.Border(2 * c, r), b.Border(c, r), b.Box(g, r)}));
    for (int i = 0; i < 4; ++i)
    {
        // A result prints whole, smaller when it must.
        CBox value = b.Text(c, r, content.astrResultValues[i], kFont10Italic, true);
        value.SetTextFit(CBox::ETextFit::ScaleDown);
        add(b.Row(r, {b.Box(g, r), b.Text(2 * c, r, content.astrResultLabels[i], kFont10Bold, true),
                      value, b.Box(g, r)}));
    }
    // 23: price, on the lower half of its row.
    add(b.Row(2 * r, {b.Text(g + 2 * c, r, QString(), kFont10Bold, false),
                      b.Text(c, r, ReportPriceText(content.strQuotation), kFont10Bold, true)}));
    add(spacer);
    add(spacer);
    add(spacer);
    // 27-30: notes.
    add(b.Row(r, {b.Box(g, r), b.Text(2 * c, r, QStringLiteral("Notes:"), kFont10Bold, true),
                  b.Border(c, r), b.Box(g, r)}));
    for (const QString& strLine : ReportNotesLines(dc, fonts, 3 * c, content.strNotes))
        add(b.Row(r, {b.Box(g, r), b.Text(3 * c, r, strLine, kFont10, true)}));

    root.Draw(fonts);
    // The snapshot from memory, in its cell (which holds nothing else).
    DrawSnapshot(dc, rSnapshot, content.imgSnapshot);
}

QImage TakeReportSnapshot(const SReportSnapshot& snapshot, const QString& strPath)
{
    if (!snapshot.pPreview || !snapshot.pCapture)
    {
        QFile::remove(strPath);
        return {};
    }
    // The page draws this capture from memory whether or not the file could be
    // written; a file that could not be written is removed, so no older snapshot
    // stays behind under its name (where it can be).
    if (!snapshot.pCapture->Capture(*snapshot.pPreview, snapshot.rect))
    {
        QFile::remove(strPath);
        return {};
    }
    if (!snapshot.pCapture->WriteBitmapFile(strPath))
    {
        DebugTrace("Snapshot file could not be written\n");
        QFile::remove(strPath);
    }
    return snapshot.pCapture->ToImage();
}

void PrintPage(CDC& dc, const QRect& rDraw, int nPage, int nMaxPage, const SReportContent& content)
{
    // The footer is never drawn, but its height in the printer's font moves the
    // page's bottom edge.
    const QString strFooter = QStringLiteral("Page %1 of %2").arg(nPage).arg(nMaxPage);
    const int nFooterHeight = dc.GetTextExtent(strFooter).height();
    const SRect rDrawing{rDraw.left(), rDraw.top(), rDraw.left() + rDraw.width(),
                         rDraw.top() + rDraw.height()};
    const SRect rPage = ReportPageRect(rDrawing, nFooterHeight);
    const CFontSet fonts(dc);
    PrintReport(dc, rPage, fonts, content);
}
