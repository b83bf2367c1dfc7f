#include "print/ReportJob.h"

#include "platform/DebugTrace.h"
#include "platform/PrintJob.h"

#include <QDir>
#include <QLocale>
#include <QMarginsF>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace
{
constexpr int kMaxPage = 1;
// Without a printer, and for a printer that does not tell its resolution.
constexpr int kDefaultDpi = 600;
constexpr double kDefaultMarginInch = 0.25;
} // namespace

QString ReportFileFailure(const QString& strPath, const QString& strReason)
{
    QString strText = QStringLiteral("The report could not be written to\n%1")
                          .arg(QDir::toNativeSeparators(strPath));
    if (!strReason.isEmpty())
        strText += QStringLiteral("\n\n") + strReason;
    return strText;
}

void SetUpReportPrinter(QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat)
    {
        if (!UsePrinterResolution(printer))
            printer.setResolution(kDefaultDpi);
        return;
    }
    const bool bLetter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    const double m = kDefaultMarginInch;
    printer.setPageLayout(QPageLayout(QPageSize(bLetter ? QPageSize::Letter : QPageSize::A4),
                                      QPageLayout::Portrait, QMarginsF(m, m, m, m),
                                      QPageLayout::Inch));
    printer.setResolution(kDefaultDpi);
}

SReportPageSetup DefaultReportPageSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer);
    return {printer.pageLayout(), printer.resolution()};
}

int PrintReportJob(CPrintJob& job, const SReportContent& content)
{
    if (job.StartDoc(ReportDocName(content)) <= 0)
        return 0;
    bool bGood = true;
    for (int nPage = 1; nPage <= kMaxPage && bGood; ++nPage)
    {
        bGood = job.StartPage() > 0 && job.GetDC();
        if (!bGood)
            break;
        PrintPage(*job.GetDC(), job.GetDrawRect(), nPage, kMaxPage, content);
        bGood = job.EndPage() > 0;
    }
    if (bGood)
        return job.EndDoc() > 0 ? 1 : 0;
    job.AbortDoc();
    return 0;
}

int ExportReportPdf(const QString& strPath, const SReportPageSetup& setup,
                    const SReportContent& content, QString* pError)
{
    if (strPath.isEmpty())
    {
        if (pError)
            *pError = QStringLiteral("No file name was given.");
        return 0;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strPath);
    printer.setPageLayout(setup.layout);
    printer.setResolution(setup.nDpi);
    CPrintJob job(printer);
    const int nResult = PrintReportJob(job, content);
    if (!nResult && pError)
        *pError = job.GetErrorString();
    return nResult;
}

int ExportReportPdf(const QString& strPath, int nDpi, const SReportContent& content)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return ExportReportPdf(strPath, {printer.pageLayout(), nDpi}, content);
}

void PreviewReport(QWidget* pParent, const SReportContent& content)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpReportPrinter(printer);
    printer.setDocName(ReportDocName(content));
    // Every drawing of the page (zoom, page set-up, printing from the preview)
    // shows the content's one snapshot.
    QPrintPreviewDialog dialog(&printer, pParent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* pPrinter)
                     {
                         CPrintJob job(*pPrinter);
                         if (PrintReportJob(job, content))
                             return;
                         DebugTrace("Printing the report failed\n");
                         // Only printing into a file from the preview has a reason to tell.
                         if (!job.GetErrorString().isEmpty())
                             QMessageBox::warning(&dialog, dialog.windowTitle(),
                                                  ReportFileFailure(pPrinter->outputFileName(),
                                                                    job.GetErrorString()));
                     });
    dialog.exec();
}
