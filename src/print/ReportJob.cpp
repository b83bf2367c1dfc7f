#include "print/ReportJob.h"

#include "platform/DebugTrace.h"
#include "platform/PrintJob.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>

namespace
{
constexpr int kMaxPage = 1;
}

int PrintReportJob(CPrintJob& job, const SReportContent& content, const SReportSnapshot* pSnapshot)
{
    if (job.StartDoc(ReportDocName(content)) <= 0)
        return 0;
    bool bGood = true;
    for (int nPage = 1; nPage <= kMaxPage && bGood; ++nPage)
    {
        bGood = job.StartPage() > 0 && job.GetDC();
        if (!bGood)
            break;
        PrintPage(*job.GetDC(), job.GetDrawRect(), nPage, kMaxPage, content, pSnapshot);
        bGood = job.EndPage() > 0;
    }
    if (bGood)
        return job.EndDoc() > 0 ? 1 : 0;
    job.AbortDoc();
    return 0;
}

int ExportReportPdf(const QString& strPath, int nDpi, const SReportContent& content,
                    const SReportSnapshot* pSnapshot)
{
    if (strPath.isEmpty())
        return 0;
    // A fresh name beside the target; the printer writes it, then it replaces the
    // target in one rename.
    QString strTemp;
    {
        QTemporaryFile temp(strPath + QStringLiteral(".XXXXXX"));
        temp.setAutoRemove(false);
        if (!temp.open())
        {
            DebugTrace("PDF file could not be created\n");
            return 0;
        }
        strTemp = temp.fileName();
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(nDpi);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strTemp);
    printer.setDocName(ReportDocName(content));
    int nResult = 0;
    {
        CPrintJob job(printer);
        nResult = PrintReportJob(job, content, pSnapshot);
    }
    // The temporary file was made private; the report is an ordinary document.
    QFile::setPermissions(strTemp, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QByteArray target = QFile::encodeName(strPath);
    const QByteArray temp = QFile::encodeName(strTemp);
    if (nResult && std::rename(temp.constData(), target.constData()) == 0)
        return 1;
    QFile::remove(strTemp);
    return 0;
}

void PreviewReport(QWidget* pParent, const SReportContent& content,
                   const SReportSnapshot* pSnapshot)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(ReportDocName(content));
    QPrintPreviewDialog dialog(&printer, pParent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    // The first drawing takes the snapshot; the preview redraws the page from the
    // file as often as it needs (zoom, page set-up, printing from the preview).
    bool bFirst = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* pPrinter)
                     {
                         CPrintJob job(*pPrinter);
                         PrintReportJob(job, content, bFirst ? pSnapshot : nullptr);
                         bFirst = false;
                     });
    dialog.exec();
}
