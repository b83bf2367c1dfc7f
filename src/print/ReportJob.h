// The report as a print job: one page on a printer through CPrintJob (document,
// page, end of page, end of document; a failing step aborts the job), as a PDF file
// written whole or not at all, and in a print preview window. The page is always
// drawn by PrintPage, laid out on the printer's printable area at the printer's own
// resolution; a PDF export is laid out as the default printer would print it. The
// page shows the content's snapshot, taken before the job. Used by the main
// dialog's print, print preview and PDF export commands, and by the tests and the
// benchmark.
#pragma once

#include "print/Report.h"

#include <QPageLayout>
#include <QString>

class CPrintJob;
class QPrinter;
class QWidget;

// The page a report is laid out on: paper, orientation, margins (the printable
// area) and the resolution in dots per inch.
struct SReportPageSetup
{
    QPageLayout layout;
    int nDpi = 600;
};

// Prepares a new printer for the report: a printer queue prints at its own default
// resolution (600 dpi when it does not say) on its printable area, and PDF output
// (no printer) gets the page setup of DefaultReportPageSetup.
void SetUpReportPrinter(QPrinter& printer);

// The page setup of the default printer, as printing on it lays the report out;
// without a printer, A4 (Letter where the locale measures in US units) with the
// common 0.25 in margins at 600 dpi.
SReportPageSetup DefaultReportPageSetup();

// Prints the one-page report as the document ReportDocName on the job's printer.
// 1 when the document was completed; 0 when it could not start or a page failed
// (the job is then aborted; the job's GetErrorString tells why where it can).
int PrintReportJob(CPrintJob& job, const SReportContent& content);

// Writes the report as a PDF laid out on setup to strPath, whole or not at all: a
// failure leaves strPath as it was, with the reason in *pError (when given). A new
// file gets the mode the user's umask gives. 1 on success, 0 on failure.
int ExportReportPdf(const QString& strPath, const SReportPageSetup& setup,
                    const SReportContent& content, QString* pError = nullptr);
// The same on the page the toolkit gives PDF output, at nDpi dots per inch.
int ExportReportPdf(const QString& strPath, int nDpi, const SReportContent& content);

// The message telling that the report could not be written to the file strPath,
// and why.
QString ReportFileFailure(const QString& strPath, const QString& strReason);

// Shows the page in a print preview window, modal over pParent (from which it can
// also be printed), on the default printer as SetUpReportPrinter prepares it.
// Every drawing of the page shows the content's one snapshot.
void PreviewReport(QWidget* pParent, const SReportContent& content);
