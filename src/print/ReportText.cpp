// The report's Print Information texts fitted to their cells; see ReportText.h.
#include "print/ReportText.h"

#include "platform/PainterDC.h"
#include "print/Box.h"
#include "print/FontSet.h"

#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace
{
constexpr int kNotesLineLimit = 85;
constexpr int kReferenceDpi = 600;

// The report's fonts and cells of the texts (as PrintReport lays them out).
constexpr int kFontNotes = 1;     // 10 pt
constexpr int kFontPrice = 4;     // 10 pt bold
constexpr int kFontNameLines = 7; // 12 pt italic: dealer and customer lines

int ReferencePageWidth()
{
    // The width of the printable area the PDF export draws on.
    static const int nWidth = []
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(kReferenceDpi);
        printer.setOutputFormat(QPrinter::PdfFormat);
        return printer.width();
    }();
    return nWidth;
}
} // namespace

QString ReportPriceText(const QString& strQuotation)
{
    return QStringLiteral("Price:  ") + strQuotation;
}

std::array<QString, 3> ReportNotesLines(CDC& dc, const CFontSet& fonts, std::int64_t nWidth,
                                        const QString& strNotes)
{
    const FLineFits fits = [&](const std::string& strLine)
    { return CBox::TextFits(dc, fonts, kFontNotes, nWidth, QString::fromStdString(strLine)); };
    std::string strText = strNotes.toStdString();
    std::array<QString, 3> lines;
    for (QString& strLine : lines)
        strLine = QString::fromStdString(TakeLine(strText, kNotesLineLimit, fits));
    lines.back() += QString::fromStdString(strText);
    return lines;
}

CReportTextGauge::CReportTextGauge() : CReportTextGauge(kReferenceDpi, ReferencePageWidth()) {}

CReportTextGauge::CReportTextGauge(int nDpi, int nPageWidth) : m_image(1, 1, QImage::Format_RGB32)
{
    const int nDotsPerMeter = static_cast<int>(std::lround(nDpi / 0.0254));
    m_image.setDotsPerMeterX(nDotsPerMeter);
    m_image.setDotsPerMeterY(nDotsPerMeter);
    m_pPainter = std::make_unique<QPainter>(&m_image);
    m_pDC = std::make_unique<CPainterDC>(*m_pPainter);
    m_pFonts = std::make_unique<CFontSet>(*m_pDC);
    // Only the page's width matters for the cells' widths.
    m_metrics = ReportMetrics(ReportPageRect(SRect{0, 0, nPageWidth, nPageWidth}, 0));
}

CReportTextGauge::~CReportTextGauge() = default;

bool CReportTextGauge::Fits(EReportText eText, const QString& strText)
{
    const std::int64_t c = m_metrics.nColumn;
    switch (eText)
    {
    case EReportText::Dealer:
    case EReportText::Customer:
        return CBox::TextFits(*m_pDC, *m_pFonts, kFontNameLines, c, strText);
    case EReportText::Quotation:
        return CBox::TextFits(*m_pDC, *m_pFonts, kFontPrice, c, ReportPriceText(strText));
    case EReportText::Notes:
        for (const QString& strLine : ReportNotesLines(*m_pDC, *m_pFonts, 3 * c, strText))
            if (!CBox::TextFits(*m_pDC, *m_pFonts, kFontNotes, 3 * c, strLine))
                return false;
        return true;
    }
    return true;
}
