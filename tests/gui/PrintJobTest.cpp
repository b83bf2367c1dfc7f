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
} // namespace

TEST(PrintJob, TwoPagesMakeATwoPagePdf)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SetPdfOutput(printer, strPath);
    CPrintJob job(printer);
    ASSERT_GT(job.StartDoc(QString()), 0);
    for (const char* pszText : {"first", "second"})
    {
        ASSERT_GT(job.StartPage(), 0);
        CDC* pDC = job.GetDC();
        ASSERT_NE(pDC, nullptr);
        // The context draws on the printer's page in its device pixels.
        EXPECT_EQ(pDC->GetPixelsPerInchX(), 1200);
        EXPECT_EQ(pDC->GetPageSizePixels(), job.GetDrawRect().size());
        pDC->DrawText(QString::fromLatin1(pszText), job.GetDrawRect(), kDtCenter);
        ASSERT_GT(job.EndPage(), 0);
    }
    ASSERT_GT(job.EndDoc(), 0);
    EXPECT_EQ(job.GetDC(), nullptr);

    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(CountPages(pdf), 2);
}

TEST(PrintJob, AbortedOrUnopenableJobLeavesNoDocument)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    SetPdfOutput(printer, strPath);
    {
        CPrintJob job(printer);
        ASSERT_GT(job.StartDoc(QString()), 0);
        ASSERT_GT(job.StartPage(), 0);
        job.GetDC()->DrawText(QStringLiteral("dropped"), job.GetDrawRect(), kDtLeft);
        ASSERT_GT(job.EndPage(), 0);
        EXPECT_GT(job.AbortDoc(), 0);
        EXPECT_FALSE(QFile::exists(strPath));
        EXPECT_EQ(job.StartPage(), 0);
    }
    SetPdfOutput(printer, dir.filePath("missing/report.pdf"));
    CPrintJob job(printer);
    EXPECT_EQ(job.StartDoc(QString()), 0);
    EXPECT_EQ(job.GetDC(), nullptr);
}
