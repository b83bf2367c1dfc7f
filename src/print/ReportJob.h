// The report as a print job: one page on a printer through CPrintJob (document,
// page, end of page, end of document; a failing step aborts the job), as a PDF file
// at a given resolution written whole or not at all, and in a print preview window.
// The page is always drawn by PrintPage. Used by the main dialog's print, print
// preview and PDF export commands, and by the tests and the benchmark.
#pragma once

#include "print/Report.h"

#include <QString>

class CPrintJob;
class QPrinter;
class QWidget;

// Prints the one-page report as the document ReportDocName on the job's printer,
// taking the snapshot for the page when pSnapshot is given. 1 when the document was
// completed; 0 when it could not start or a page failed (the job is then aborted).
int PrintReportJob(CPrintJob& job, const SReportContent& content, const SReportSnapshot* pSnapshot);

// Writes the report as a PDF at nDpi dots per inch to strPath: into a new file
// beside it, renamed over it once complete, so a failure leaves strPath as it was.
// 1 on success, 0 on failure.
int ExportReportPdf(const QString& strPath, int nDpi, const SReportContent& content,
                    const SReportSnapshot* pSnapshot);

// Shows the page in a print preview window, modal over pParent (from which it can
// also be printed). The snapshot is taken once, before the window opens.
void PreviewReport(QWidget* pParent, const SReportContent& content,
                   const SReportSnapshot* pSnapshot);
