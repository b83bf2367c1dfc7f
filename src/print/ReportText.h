// The report's texts from the Print Information dialog, fitted to their cells: the
// price line, the three notes lines split by what fits their cell, and a gauge that
// tells, before anything prints, whether a dealer, customer, quotation or notes text
// will print whole on the reference page (the PDF export's page at 600 dpi), in the
// fonts and cell widths of the report.
// Used by the report (PrintReport) and the Print Information dialog.
#pragma once

#include "core/ReportLayout.h"

#include <QImage>
#include <QString>

#include <array>
#include <memory>

class CDC;
class CFontSet;
class CPainterDC;
class QPainter;

// "Price:  " followed by the quotation.
QString ReportPriceText(const QString& strQuotation);

// The three notes lines for cells nWidth wide in the notes' font: the words in order,
// each line ending before a word that would not fit it, and at most 85 characters
// (and one word) long; a word wider than a whole line is broken where it must. The
// last line takes all that is left, so that a cut of it shows.
std::array<QString, 3> ReportNotesLines(CDC& dc, const CFontSet& fonts, std::int64_t nWidth,
                                        const QString& strNotes);

// The Print Information texts by the cell that prints them.
enum class EReportText
{
    Dealer,   // either dealer line
    Customer, // either customer line
    Quotation,
    Notes
};

class CReportTextGauge
{
public:
    // The reference page: the PDF export's page at 600 dots per inch.
    CReportTextGauge();
    // A page nPageWidth device pixels wide (its printable area) at nDpi.
    CReportTextGauge(int nDpi, int nPageWidth);
    ~CReportTextGauge();
    CReportTextGauge(const CReportTextGauge&) = delete;
    CReportTextGauge& operator=(const CReportTextGauge&) = delete;

    // Whether the text prints whole in its cell (the notes: in their three lines).
    bool Fits(EReportText eText, const QString& strText);

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_pPainter;
    std::unique_ptr<CPainterDC> m_pDC;
    std::unique_ptr<CFontSet> m_pFonts;
    SReportMetrics m_metrics;
};
