// print/: the printed report laid out from a content value (snapshot image included):
// its boxes, fonts and texts, DIB images and the print, preview and PDF jobs.
//
// The printed report: one page for the customer with the dealer lines, the
// customer, the date, the model with its picture, the snapshot of the 3D preview,
// a glossary, unit and aspect ratio, the results of the calculation page, the price
// and three lines of notes. Laid out as a tree of CBox rows in the page rectangle
// and drawn on any device context (a printer page, a PDF, a print preview) in
// device pixels. The preview snapshot comes in the content, captured (and written
// to "ogl.bmp") by the main dialog before the print starts: drawing a page reads
// no file and writes none.
// Inputs: the calculation printed (lengths formatted "%2.2f"), its page (0
// projection distance, 1 screen dimensions), the Print Information texts.
// Used by the main dialog's print, print preview and PDF export commands.
#pragma once

#include "core/ReportLayout.h"

#include <QImage>
#include <QRect>
#include <QString>

class CDC;
class CFontSet;
class CLenvaraEngine;
struct SCalculation;

// The texts one report prints.
struct SReportContent
{
    QString strDealer1, strDealer2;
    QString strCustomer1, strCustomer2;
    QString strQuotation;
    QString strNotes;
    QString strDate;
    QString strModelName;
    int nPictureId = -1; // bitmap resource of the model picture; -1 for none
    QString strUnit;
    QString strAspect;
    int nPage = 0; // 0 projection distance, 1 screen dimensions
    // The four result rows of the page: label and value.
    QString astrResultLabels[4];
    QString astrResultValues[4];
    // Where the main dialog writes its snapshot of the preview for a print.
    QString strSnapshotPath = QStringLiteral("ogl.bmp");
    // The snapshot the page shows; a null image leaves its cell empty.
    QImage imgSnapshot;
};

// The content of a successful calculation (its page is its mode), with the
// engine's Print Information texts, dated now.
SReportContent ReportContent(const CLenvaraEngine& engine, const SCalculation& result);
// The same for the record's last calculation on page nPage.
SReportContent ReportContent(const CLenvaraEngine& engine, int nPage);

// The print job's document name: "Lenvara Calculator report - <model name>".
QString ReportDocName(const SReportContent& content);

// Builds the report's boxes in the page rectangle and draws them with the fonts.
void PrintReport(CDC& dc, const SRect& rPage, const CFontSet& fonts, const SReportContent& content);

// One page: the page rectangle from rDraw (the printable area) adjusted by the
// height of "Page <n> of <max>" in the context's current font and the margins,
// then the report in the report fonts.
void PrintPage(CDC& dc, const QRect& rDraw, int nPage, int nMaxPage, const SReportContent& content);
