#include "print/Report.h"

#include "core/Calculation.h"
#include "platform/DC.h"
#include "print/Box.h"
#include "print/DIBSectionLite.h"
#include "print/FontSet.h"
#include "print/ReportText.h"

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

    // 1-4: logo and dealer, title, with their spacers.
    template <class Add> void AddHead(Add add, const CBox& spacer, const SReportContent& content)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        CBox logo = Box(c, 3 * r);
        logo.SetImageResource(kLogoBitmapId, kImageLeftMiddle);
        add(Row(3 * r, {logo, Box(g, 3 * r), Box(c, 3 * r),
                        Column(c, 3 * r,
                               {Text(c, r, QStringLiteral("Dealer:"), kFont12Bold, true),
                                Text(c, r, content.strDealer1, kFont12Italic, false),
                                Text(c, r, content.strDealer2, kFont12Italic, false)}),
                        Box(g, 3 * r)}));
        add(spacer);
        add(Row(2 * r, {Text(3 * c + g, 2 * r, QStringLiteral("Tarsio Lenvara Calculator"), kFont20,
                             false),
                        Box(g, 2 * r)}));
        add(spacer);
    }

    // 5-11: customer, date, two empty rows.
    template <class Add> void AddCustomerAndDate(Add add, const SReportContent& content)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        const QString astrCustomer[3] = {QStringLiteral("Customer:"), content.strCustomer1,
                                         content.strCustomer2};
        for (int i = 0; i < 3; ++i)
            add(Row(r, {Box(g, r), Box(c, r), Box(c, r),
                        Text(c, r, astrCustomer[i], i == 0 ? kFont12Bold : kFont12Italic, i == 0),
                        Box(g, r)}));
        add(Row(r, {Box(g, r), Text(c, r, QStringLiteral("Date: "), kFont12Bold, true), Box(c, r),
                    Box(c, r), Box(g, r)}));
        add(Row(r, {Box(g, r), Text(c, r, content.strDate, kFont10, false), Box(c, r), Box(c, r),
                    Box(g, r)}));
        const CBox empty = Row(r, {Box(g, r), Box(c, r), Box(c, r), Box(c, r), Box(g, r)});
        add(empty);
        add(empty);
    }

    // 12: model name and picture.
    template <class Add> void AddModel(Add add, const SReportContent& content)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        CBox picture = Box(c, 5 * r);
        picture.SetImageResource(content.nPictureId, kImageCentered);
        add(Row(5 * r,
                {Box(g, 5 * r),
                 Column(c, 5 * r,
                        {Text(c, r, QStringLiteral("Model:"), kFont12Bold, true),
                         Text(c, r, content.strModelName, kFont12Italic, false), Box(c, r),
                         Box(c, r), Box(c, r)}),
                 Column(c, 5 * r, {Border(c, r), Box(c, r), Box(c, r), Box(c, r), Box(c, r)}),
                 picture, Box(g, 5 * r)}));
    }

    // 13: the snapshot's empty cell (its second) and the glossary of the page.
    CBox SnapshotAndGlossary(int nPage)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        const int q = m_metrics.nGlossary, k = m_metrics.nGlossaryKey;
        CBox glossary = Box(q, 9 * r);
        glossary.AddBelow(Box(q, r), kPlaceLeft);
        glossary.AddBelow(Text(q, r, QStringLiteral("Glossary:"), kFont10Bold, true), kPlaceLeft);
        glossary.AddBelow(Box(q, r), kPlaceLeft);
        for (const SGlossaryRow& row : kGlossary[nPage == 1 ? 1 : 0])
        {
            CBox line = Box(q, r);
            line.AddRight(Text(k, r, QString::fromLatin1(row.pszKey), kFont10, false),
                          kPlaceBottom);
            line.AddRight(Text(q - k, r, QString::fromLatin1(row.pszMeaning), kFont10, false),
                          kPlaceBottom);
            glossary.AddBelow(line, kPlaceLeft);
        }
        return Row(9 * r, {Box(g, 9 * r), Box(2 * c, 9 * r), glossary});
    }

    // 16-22: unit, aspect ratio and the four results.
    template <class Add> void AddResults(Add add, const SReportContent& content)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        add(Row(r, {Box(g, r), Text(2 * c, r, QStringLiteral("Units:"), kFont10Bold, true),
                    Text(c, r, content.strUnit, kFont10Italic, true), Box(g, r)}));
        add(Row(r, {Box(g, r),
                    Text(2 * c, r, QStringLiteral("Screen Aspect Ratio:"), kFont10Bold, true),
                    Text(c, r, content.strAspect, kFont10Italic, true), Box(g, r)}));
        add(Row(r, {Box(g, r), Border(2 * c, r), Border(c, r), Box(g, r)}));
        for (int i = 0; i < 4; ++i)
        {
            // A result prints whole, smaller when it must.
            CBox value = Text(c, r, content.astrResultValues[i], kFont10Italic, true);
            value.SetTextFit(CBox::ETextFit::ScaleDown);
            add(Row(r, {Box(g, r), Text(2 * c, r, content.astrResultLabels[i], kFont10Bold, true),
                        value, Box(g, r)}));
        }
    }

    // 23-30: price on the lower half of its row, spacers, notes.
    template <class Add>
    void AddPriceAndNotes(Add add, const CBox& spacer, const CFontSet& fonts,
                          const SReportContent& content)
    {
        const int r = m_metrics.nRow, c = m_metrics.nColumn, g = m_metrics.nGutter;
        add(Row(2 * r, {Text(g + 2 * c, r, QString(), kFont10Bold, false),
                        Text(c, r, ReportPriceText(content.strQuotation), kFont10Bold, true)}));
        add(spacer);
        add(spacer);
        add(spacer);
        add(Row(r, {Box(g, r), Text(2 * c, r, QStringLiteral("Notes:"), kFont10Bold, true),
                    Border(c, r), Box(g, r)}));
        for (const QString& strLine : ReportNotesLines(m_dc, fonts, 3 * c, content.strNotes))
            add(Row(r, {Box(g, r), Text(3 * c, r, strLine, kFont10, true)}));
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

SReportContent ReportContent(const CLenvaraEngine& engine, const SCalculation& result)
{
    SReportContent content;
    content.strDealer1 = FromStd(engine.GetDealer1Text());
    content.strDealer2 = FromStd(engine.GetDealer2Text());
    content.strCustomer1 = FromStd(engine.GetCustomer1Text());
    content.strCustomer2 = FromStd(engine.GetCustomer2Text());
    content.strQuotation = FromStd(engine.GetQuotationText());
    content.strNotes = FromStd(engine.GetNotesText());
    content.strDate = FromStd(engine.GetDateText());
    content.strModelName = FromStd(result.strName);
    content.nPictureId = engine.FindPictureId(result.strName.c_str());
    content.strUnit = QString::fromLatin1(UnitName(result.nUnit));
    content.strAspect = QString::fromLatin1(AspectName(result.fAspect));
    content.nPage = result.nMode == kModeDistanceToSize ? 1 : 0;
    const std::vector<SResultRow> rows = ResultRows(result, kRowsReport);
    for (size_t i = 0; i < rows.size() && i < 4; ++i)
    {
        content.astrResultLabels[i] = FromStd(rows[i].strLabel);
        content.astrResultValues[i] = FromStd(rows[i].strValue);
    }
    return content;
}

SReportContent ReportContent(const CLenvaraEngine& engine, int nPage)
{
    return ReportContent(engine, engine.RecordedCalculation(nPage == 1 ? 1 : 0));
}

QString ReportDocName(const SReportContent& content)
{
    return QStringLiteral("Lenvara Calculator report - ") + content.strModelName;
}

void PrintReport(CDC& dc, const SRect& rPage, const CFontSet& fonts, const SReportContent& content)
{
    const SReportMetrics m = ReportMetrics(rPage);
    CReportBuilder b(dc, m);
    CBox root(rPage.nLeft, rPage.nTop, rPage.nRight, rPage.nBottom, &dc);
    auto add = [&root](const CBox& row) { root.AddBelow(row, kPlaceLeft); };
    const CBox spacer = b.Box(m.nWidth, m.nRow);

    b.AddHead(add, spacer, content);
    b.AddCustomerAndDate(add, content);
    b.AddModel(add, content);
    add(b.SnapshotAndGlossary(content.nPage));
    const CBox& rowSnapshot = root.GetChildren().back();
    const SRect rSnapshot = Within(rowSnapshot.GetChildren()[1].GetRect(),
                                   Within(rowSnapshot.GetRect(), root.GetRect()));
    add(spacer);
    add(spacer);
    b.AddResults(add, content);
    b.AddPriceAndNotes(add, spacer, fonts, content);

    root.Draw(fonts);
    // The snapshot from memory, in its cell (which holds nothing else).
    DrawSnapshot(dc, rSnapshot, content.imgSnapshot);
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
