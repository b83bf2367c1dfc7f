// The print job on a printer set to PDF output: pages of a finished document, and
// an aborted or unopenable one leaving no document behind.
#include "platform/PrintJob.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
// Page objects of a PDF file ("/Type /Page", not the "/Type /Pages" tree).
int CountPages(const QByteArray& pdf)
{
    int nPages = 0;
    const QByteArray key("/Type /Page");
    for (qsizetype nAt = pdf.indexOf(key); nAt >= 0; nAt = pdf.indexOf(key, nAt + 1))
        if (nAt + key.size() >= pdf.size() || pdf[nAt + key.size()] != 's')
            ++nPages;
    return nPages;
}

void SetPdfOutput(QPrinter& printer, const QString& strPath)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(strPath);
}

void PrintPage(CPrintJob& job, const char* pszText)
{
    ASSERT_GT(job.StartPage(), 0);
    ASSERT_NE(job.GetDC(), nullptr);
    job.GetDC()->DrawText(QString::fromLatin1(pszText), job.GetDrawRect(), kDtCenter);
    ASSERT_GT(job.EndPage(), 0);
}
} // namespace

TEST(PrintJob, TwoPagesMakeATwoPagePdf)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfOutput(printer, dir.filePath("report.pdf"));
    CPrintJob job(printer);
    ASSERT_GT(job.StartDoc(QString()), 0);
    PrintPage(job, "first");
    PrintPage(job, "second");
    ASSERT_GT(job.EndDoc(), 0);

    QFile file(dir.filePath("report.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(CountPages(pdf), 2);
}

TEST(PrintJob, AbortedOrUnopenableJobLeavesNoDocument)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfOutput(printer, dir.filePath("report.pdf"));
    CPrintJob job(printer);
    ASSERT_GT(job.StartDoc(QString()), 0);
    PrintPage(job, "dropped");
    EXPECT_GT(job.AbortDoc(), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("report.pdf")));

    SetPdfOutput(printer, dir.filePath("missing/report.pdf"));
    EXPECT_EQ(job.StartDoc(QString()), 0);
}
