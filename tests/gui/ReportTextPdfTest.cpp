// The report's texts read back from printed PDF files: results print whole, a cut
// text ends in "…" after a whole character, the notes break between words, and 40
// words of umlauts typed into Print Information reach the record and the page.
#include "DialogDriver.h"
#include "PrintInfoDlgIds.h"

#include "app/LenvaraApp.h"
#include "platform/PrintJob.h"
#include "print/ReportJob.h"
#include "ui/PrintInfoDialog.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
// The words of the page's text, and of its lines below "Notes:".
QStringList PdfWords(const QString& strPdf, bool bNotesOnly)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), strPdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0);
    QString strText = QString::fromUtf8(process.readAllStandardOutput());
    if (bNotesOnly)
        strText = strText.mid(strText.indexOf("Notes:") + 6);
    return strText.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

const QString kNotes = QStringLiteral(
    "CEILING MOUNT WITH EXTENSION POLE 1.2 M, MOTORISED SCREEN 16:9, CABLE LENGTH 25 M "
    "HDMI OVER FIBRE, INSTALLATION ON SITE BY THE DEALER, DELIVERY IN CALENDAR WEEK 12");
} // namespace

TEST(ReportTextPdf, ResultsWholePriceCutVisiblyNotesBetweenWords)
{
    QTemporaryDir dir;
    // Inch results with three-digit values are the widest a report prints.
    const QStringList pages[2] = {{"135.26", "76.08", "155.18", "from 185.30 (WA) to 249.30 (TP)"},
                                  {"300.00", "from 218.98 (WA) to 180.72 (TP)",
                                   "from 123.18 (WA) to 101.66 (TP)",
                                   "from 251.24 (WA) to 207.35 (TP)"}};
    for (int nPage = 0; nPage < 2; ++nPage)
    {
        SReportContent content;
        content.nPage = nPage;
        content.strQuotation = QStringLiteral("Offer 2024-117: EUR 12,345.67 incl. VAT");
        content.strNotes = kNotes;
        content.strSnapshotPath = QStringLiteral("/nonexistent/ogl.bmp");
        for (int i = 0; i < 4; ++i)
            content.astrResultValues[i] = pages[nPage][i];
        const QString strPdf = dir.filePath("report.pdf");
        ASSERT_EQ(ExportReportPdf(strPdf, 600, content), 1);
        const QString strText = PdfWords(strPdf, false).join(' ');
        for (const QString& strValue : pages[nPage])
            EXPECT_TRUE(strText.contains(strValue)) << strValue.toStdString();
        // The price is cut after a whole character, and the cut shows.
        const qsizetype nPrice = strText.indexOf("Price:");
        const QString strKept = strText.mid(nPrice, strText.indexOf(u'\u2026', nPrice) - nPrice);
        EXPECT_TRUE(strText.contains(strKept + u'\u2026') && strKept.size() > 20 &&
                    QString("Price: " + content.strQuotation).startsWith(strKept))
            << strText.mid(nPrice, 50).toStdString();
        EXPECT_EQ(PdfWords(strPdf, true), kNotes.split(' '));
    }
}

TEST(ReportTextPdf, FortyUmlautWordsFromTheDialogToThePage)
{
    const QString strWords =
        QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00e9 ").repeated(40).trimmed();
    CLenvaraApp app;
    CPrintInfoDialog dlg(app);
    auto type = [](QWidget* pDlg)
    {
        // Key by key, as a keyboard with these letters types them.
        QWidget* pEdit = CDialogDriver::Control(pDlg, PrintInfoDlgIds::kIdNotes);
        CDialogDriver::ClickWidget(pEdit);
        for (const QChar ch :
             QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00e9 ").repeated(40).trimmed())
            QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        CDialogDriver::Click(pDlg, PrintInfoDlgIds::kIdOk);
    };
    ASSERT_EQ(CDialogDriver::HandleModals([&] { dlg.DoModal(); }, {type}), 1);
    EXPECT_EQ(QString::fromStdString(app.GetNotesText()), strWords);

    // A Letter page's three notes lines hold the 40 words (an A4 page's do not: the
    // dialog marks them there).
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(600);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(dir.filePath("letter.pdf"));
    SReportContent content = ReportContent(app, 0);
    content.strSnapshotPath = QStringLiteral("/nonexistent/ogl.bmp");
    {
        CPrintJob job(printer);
        ASSERT_EQ(PrintReportJob(job, content), 1);
    }
    EXPECT_EQ(PdfWords(dir.filePath("letter.pdf"), true).join(' '), strWords);
}
