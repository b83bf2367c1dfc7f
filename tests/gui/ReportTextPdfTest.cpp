// The report's texts read back from printed PDF files: a result prints whole (in
// every unit's widths), a cut text ends in "…" after a whole character, the notes
// break between words, and 40 words of umlauts typed into Print Information reach
// the record and the page whole.
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

using D = CDialogDriver;

namespace
{
const QString kEllipsis = QStringLiteral("\u2026");

// The page's text, blanks between words as laid out.
QStringList PdfLines(const QString& strPdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), strPdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000) && process.exitCode() == 0);
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n');
}

QStringList Words(const QStringList& lines)
{
    return lines.join(' ').split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
}

const QString kNotes = QStringLiteral(
    "CEILING MOUNT WITH EXTENSION POLE 1.2 M, MOTORISED SCREEN 16:9, CABLE LENGTH 25 M "
    "HDMI OVER FIBRE, INSTALLATION ON SITE BY THE DEALER, DELIVERY IN CALENDAR WEEK 12");
const QString kQuotation = QStringLiteral("Offer 2024-117: EUR 12,345.67 incl. VAT");

// Types text that a keyboard layout may produce but QTest's key names lack.
void TypeInto(QWidget* pDlg, int nId, const QString& strText)
{
    QWidget* pEdit = D::Control(pDlg, nId);
    D::ClickWidget(pEdit);
    for (const QChar ch : strText)
        QTest::sendKeyEvent(QTest::Click, pEdit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

SReportContent Content(int nPage, const QStringList& values)
{
    SReportContent content;
    content.nPage = nPage;
    content.strQuotation = kQuotation;
    content.strNotes = kNotes;
    content.strSnapshotPath = QStringLiteral("/nonexistent/ogl.bmp");
    const char* apszLabels[2][4] = {
        {"- Screen Width: ", "- Screen Height: ", "- Screen Diagonal: ", "- PROJECTION DISTANCE: "},
        {"- Projection Distance: ", "- SCREEN WIDTH: ", "- SCREEN HEIGHT: ",
         "- SCREEN DIAGONAL: "}};
    for (int i = 0; i < 4; ++i)
    {
        content.astrResultLabels[i] = QString::fromLatin1(apszLabels[nPage][i]);
        content.astrResultValues[i] = values[i];
    }
    return content;
}
} // namespace

TEST(ReportTextPdf, ResultsWholePriceCutVisiblyNotesBetweenWords)
{
    QTemporaryDir dir;
    // Inch results with three-digit values are the widest a report prints.
    const SReportContent contents[] = {
        Content(0, {"135.26", "76.08", "155.18", "from 185.30 (WA) to 249.30 (TP)"}),
        Content(1, {"300.00", "from 218.98 (WA) to 180.72 (TP)", "from 123.18 (WA) to 101.66 (TP)",
                    "from 251.24 (WA) to 207.35 (TP)"})};
    for (const SReportContent& content : contents)
    {
        const QString strPdf = dir.filePath(QString("page%1.pdf").arg(content.nPage));
        ASSERT_EQ(ExportReportPdf(strPdf, 600, content, nullptr), 1);
        const QStringList lines = PdfLines(strPdf);
        for (int i = 0; i < 4; ++i)
        {
            const QString strRow =
                content.astrResultLabels[i].trimmed() + " " + content.astrResultValues[i];
            EXPECT_EQ(lines.filter(content.astrResultValues[i]).size(), 1) << strRow.toStdString();
        }

        // The price is cut after a whole character, and the cut shows.
        const QStringList price = lines.filter("Price:");
        ASSERT_EQ(price.size(), 1);
        const QString strPrinted = price[0].mid(price[0].indexOf("Price:")).trimmed();
        EXPECT_TRUE(strPrinted.endsWith(kEllipsis)) << strPrinted.toStdString();
        const QString strKept = strPrinted.chopped(1);
        EXPECT_TRUE(QString("Price: " + kQuotation).startsWith(strKept.simplified()))
            << strPrinted.toStdString();
        EXPECT_GT(strKept.size(), 15) << strPrinted.toStdString();

        // Every word of the notes on the page whole, on three lines below "Notes:".
        const qsizetype nNotes = lines.indexOf(lines.filter("Notes:").value(0));
        ASSERT_GE(nNotes, 0);
        const QStringList notesLines = lines.mid(nNotes + 1).filter(QRegularExpression("\\S"));
        EXPECT_EQ(Words(notesLines), kNotes.split(' ')) << notesLines.join('\n').toStdString();
    }
}

TEST(ReportTextPdf, FortyUmlautWordsFromTheDialogToThePage)
{
    const QString strWords =
        QStringLiteral("\u00e4\u00f6\u00fc\u00df\u00e9 ").repeated(40).trimmed();
    ASSERT_EQ(strWords.size(), 239);
    CLenvaraApp app;
    CPrintInfoDialog dlg(app);
    ASSERT_EQ(D::HandleModals([&] { dlg.DoModal(); },
                              {[&](QWidget* pDlg)
                               {
                                   TypeInto(pDlg, PrintInfoDlgIds::kIdNotes, strWords);
                                   TypeInto(pDlg, PrintInfoDlgIds::kIdCustomer1,
                                            QStringLiteral("\u00e4").repeated(120));
                                   D::Click(pDlg, PrintInfoDlgIds::kIdOk);
                               }}),
              1);
    EXPECT_EQ(QString::fromStdString(app.GetNotesText()), strWords);
    EXPECT_EQ(QString::fromStdString(app.GetCustomer1Text()),
              QStringLiteral("\u00e4").repeated(99));

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
        ASSERT_EQ(PrintReportJob(job, content, nullptr), 1);
    }
    const QStringList lines = PdfLines(dir.filePath("letter.pdf"));
    const QStringList notes = Words(lines.mid(lines.indexOf(lines.filter("Notes:").value(0)) + 1));
    EXPECT_EQ(notes.join(' '), strWords);
}
