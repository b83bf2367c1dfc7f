// The printed report end to end: calculated in the main dialog, printed into PDF
// files (at 300 and 600 dpi, through the menu commands, and through a real print
// queue) and read back with pdftotext and pdfimages: every label and value in its
// row, the glossary of the page, and the three pictures as images; the queue's page
// has its lines where the exported page has them.
#include "DialogDriver.h"
#include "DialogTemplates.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "LenvaraPageIds.h"
#include "PrintInfoDlgIds.h"

#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "platform/PrintJob.h"
#include "print/ReportJob.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <vector>

#include <memory>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;

namespace
{
// The program's output, or empty when it cannot run.
QString RunTool(const QString& strProgram, const QStringList& args)
{
    QProcess process;
    process.start(strProgram, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList PdfLines(const QString& strPdf)
{
    return RunTool("pdftotext", {"-layout", strPdf, "-"}).split('\n');
}

// The "WxH" sizes of the images in the PDF, in the order of pdfimages -list.
QStringList PdfImageSizes(const QString& strPdf)
{
    QStringList sizes;
    const QStringList lines = RunTool("pdfimages", {"-list", strPdf}).split('\n');
    for (int i = 2; i < lines.size(); ++i) // after the heading and its rule
    {
        const QStringList fields = lines[i].simplified().split(' ');
        if (fields.size() > 4)
            sizes << fields[3] + "x" + fields[4];
    }
    return sizes;
}

// The PDF's images as pdfimages -list names them: "WxH enc" (enc: image, jpeg, ...).
QStringList PdfImageEncodings(const QString& strPdf)
{
    QStringList images;
    const QStringList lines = RunTool("pdfimages", {"-list", strPdf}).split('\n');
    for (int i = 2; i < lines.size(); ++i)
    {
        const QStringList fields = lines[i].simplified().split(' ');
        if (fields.size() > 8)
            images << fields[3] + "x" + fields[4] + " " + fields[8];
    }
    return images;
}

// A horizontal line on a page: its row and the ends of its longest dark run.
struct SPageLine
{
    int nY, nLeft, nRight;
};

// The page's lines of at least an inch, rendered at 100 dpi without smoothing.
std::vector<SPageLine> PageLines(const QString& strPdf, const QString& strBase)
{
    RunTool("pdftoppm",
            {"-r", "100", "-gray", "-aa", "no", "-aaVector", "no", "-singlefile", strPdf, strBase});
    const QImage page(strBase + ".pgm");
    std::vector<SPageLine> lines;
    for (int y = 0; y < page.height(); ++y)
    {
        SPageLine longest{y, 0, 0};
        for (int x = 0, nStart = 0; x <= page.width(); ++x)
            if (x == page.width() || qGray(page.pixel(x, y)) > 128)
            {
                if (x - nStart > longest.nRight - longest.nLeft)
                    longest = {y, nStart, x};
                nStart = x + 1;
            }
        if (longest.nRight - longest.nLeft >= 100 && (lines.empty() || lines.back().nY != y - 1))
            lines.push_back(longest);
    }
    return lines;
}

// Whether one line holds all of the texts, in their order.
bool HasLine(const QStringList& lines, const QStringList& texts)
{
    QStringList parts;
    for (const QString& text : texts)
        parts << QRegularExpression::escape(text);
    return !lines.filter(QRegularExpression(parts.join(".*"))).isEmpty();
}

struct SPdfCase
{
    int nPage;
    int nDpi;
};

void PrintTo(const SPdfCase& row, std::ostream* pOut)
{
    *pOut << "page " << row.nPage << " at " << row.nDpi << " dpi";
}

class ReportPdfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_strOldDir = QDir::currentPath();
        QDir::setCurrent(m_dir.path()); // "ogl.bmp" lands here
        m_pApp = std::make_unique<CLenvaraApp>();
        m_pDlg = CreateMainDialog(*m_pApp);
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        m_pDlg->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pDlg, 2000);
        QApplication::processEvents();
    }

    void TearDown() override
    {
        m_pApp->ExitInstance();
        QDir::setCurrent(m_strOldDir);
    }

    // Kelda W1: width 3 on the projection-distance page, or distance 3 on the other.
    void Calculate(int nPage)
    {
        CLenvaraPropertySheet* pSheet = m_pDlg->GetSheet();
        D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Kelda W1"));
        if (nPage == 0)
        {
            D::Type(&pSheet->m_pageImage, ImagePageIds::kIdWidth, QStringLiteral("3"));
            D::PressEnter(&pSheet->m_pageImage, ImagePageIds::kIdWidth);
        }
        else
        {
            pSheet->tabBar()->setCurrentIndex(1);
            QApplication::processEvents();
            D::Type(&pSheet->m_pageLenvara, LenvaraPageIds::kIdDistance, QStringLiteral("3"));
            D::PressEnter(&pSheet->m_pageLenvara, LenvaraPageIds::kIdDistance);
        }
    }

    SReportContent Content(int nPage)
    {
        m_pApp->SetDealer1("Dealer & Sons 100%");
        m_pApp->SetDealer2("Main Street 1");
        m_pApp->SetCustomer1("Anna Meyer");
        m_pApp->SetQuotation("1 200 EUR");
        m_pApp->SetNotes("ceiling mount 2.5 m, see plan");
        SReportContent content = ReportContent(*m_pApp, nPage);
        content.strSnapshotPath = m_dir.filePath("ogl.bmp");
        return content;
    }

    // This print's capture of the preview, taken as the dialog takes it before a
    // print (into the content's snapshot path).
    void TakeSnapshot(SReportContent& content)
    {
        content.imgSnapshot = m_pDlg->TakeReportSnapshot(content.strSnapshotPath);
    }

    QString PreviewSize() const
    {
        const QSize size = GetControlRect(m_pDlg, Dlg::kIdPreviewPlace).size();
        return QString("%1x%2").arg(size.width()).arg(size.height());
    }
    QAction* Command(int nId) const
    {
        return m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(nId));
    }

    // Checks the report of page nPage in the PDF: each row's texts on one line.
    void ExpectReport(const QString& strPdf, int nPage)
    {
        const QStringList lines = PdfLines(strPdf);
        ASSERT_GT(lines.size(), 20) << "pdftotext read nothing from " << strPdf.toStdString();
        // clang-format off
        std::vector<QStringList> rows{
            {"Dealer:"}, {"Dealer & Sons 100%"}, {"Tarsio Lenvara Calculator"}, {"Customer:"},
            {"Anna Meyer"}, {"Date:"}, {"Model:"}, {"Kelda W1"}, {"Glossary:"},
            {"- W:", "Screen Width"}, {"- TP:", "Tele Photo"}, {"Units:", "Meters"},
            {"Screen Aspect Ratio:", "16:9"}, {"Price:", "1 200 EUR"}, {"Notes:"},
            {"ceiling mount 2.5 m, see plan"}};
        if (nPage == 0)
            rows.insert(rows.end(), {{"- P_WA:", "Pj. distance (WA)"}, {"- Screen Width:", "3.00"},
                                     {"- Screen Height:", "1.69"}, {"- Screen Diagonal:", "3.44"},
                                     {"- PROJECTION DISTANCE:", "from 4.11 (WA) to 4.98 (TP)"}});
        else
            rows.insert(rows.end(), {{"- PJD:", "Proj. distance"}, {"- Projection Distance:", "3.00"},
                                     {"- SCREEN WIDTH:", "from 2.19 (WA) to 1.81 (TP)"},
                                     {"- SCREEN HEIGHT:", "from 1.23 (WA) to 1.02 (TP)"},
                                     {"- SCREEN DIAGONAL:", "from 2.51 (WA) to 2.07 (TP)"}});
        // clang-format on
        for (const QStringList& row : rows)
            EXPECT_TRUE(HasLine(lines, row)) << row.join(" | ").toStdString();
        EXPECT_EQ(HasLine(lines, {"- P_WA:"}), nPage == 0);
        // The logo, the model picture and the snapshot.
        const QStringList sizes = PdfImageSizes(strPdf);
        EXPECT_TRUE(sizes.contains("385x162") && sizes.contains(PreviewSize()) &&
                    (sizes.contains("284x283") || sizes.contains("283x283")))
            << sizes.join(' ').toStdString();
    }

    QTemporaryDir m_dir;
    QString m_strOldDir;
    std::unique_ptr<CLenvaraApp> m_pApp;
    CLenvaraDlg* m_pDlg = nullptr;
};

class ReportPdfCase : public ReportPdfTest, public ::testing::WithParamInterface<SPdfCase>
{
};
} // namespace

TEST_P(ReportPdfCase, EveryLabelValueAndPictureOfThePage)
{
    Calculate(GetParam().nPage);
    SReportContent content = Content(GetParam().nPage);
    TakeSnapshot(content);
    const QString strPdf = m_dir.filePath("report.pdf");
    ASSERT_EQ(ExportReportPdf(strPdf, GetParam().nDpi, content), 1);
    ExpectReport(strPdf, GetParam().nPage);
    // The three pictures without loss: the snapshot read back from the PDF has the
    // very pixels of the bitmap it was saved as.
    const QStringList images = PdfImageEncodings(strPdf);
    EXPECT_EQ(images.filter(" image").size(), 3) << images.join(", ").toStdString();
    const int nSnapshot = images.indexOf(PreviewSize() + " image");
    ASSERT_GE(nSnapshot, 0) << images.join(", ").toStdString();
    QTemporaryDir extracted;
    RunTool("pdfimages", {"-png", strPdf, extracted.filePath("img")});
    const QImage read(extracted.filePath(QString("img-%1.png").arg(nSnapshot, 3, 10, QChar('0'))));
    const QImage saved(m_dir.filePath("ogl.bmp"));
    ASSERT_FALSE(saved.isNull());
    EXPECT_TRUE(read.convertToFormat(QImage::Format_RGB32) ==
                saved.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(
        RunTool("pdfinfo", {strPdf})
            .contains(QRegularExpression("\nCreator: +Lenvara Calculator " LENVARA_VERSION "\n")));
    // Nothing is left beside the file.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "report.pdf and ogl.bmp";
}

INSTANTIATE_TEST_SUITE_P(Report, ReportPdfCase,
                         ::testing::Values(SPdfCase{0, 300}, SPdfCase{0, 600}, SPdfCase{1, 300},
                                           SPdfCase{1, 600}),
                         [](const ::testing::TestParamInfo<SPdfCase>& info)
                         {
                             return "Page" + std::to_string(info.param.nPage) + "At" +
                                    std::to_string(info.param.nDpi) + "Dpi";
                         });

TEST_F(ReportPdfTest, ExportCommandAsksForTheTextsAndTheFile)
{
    // Before a calculation none of the three commands opens anything.
    for (int nId : {kCmdPrintPage, kCmdPrintPreview, kCmdExportPdf})
        EXPECT_EQ(D::CaptureModal([&] { Command(nId)->trigger(); }), QString()) << nId;

    Calculate(0);
    const QString strPdf = m_dir.filePath("export.pdf");
    auto printInfo = [](QWidget* pDlg)
    {
        D::Type(pDlg, PrintInfoDlgIds::kIdCustomer1, QStringLiteral("Anna & Bob 100%"));
        D::Click(pDlg, PrintInfoDlgIds::kIdOk);
    };
    EXPECT_EQ(D::HandleModals([&] { Command(kCmdExportPdf)->trigger(); },
                              {printInfo, [&](QWidget* pModal)
                               { D::AnswerFileDialog(pModal, m_dir.filePath("export")); }}),
              2);
    const QStringList lines = PdfLines(strPdf);
    EXPECT_TRUE(HasLine(lines, {"Anna & Bob 100%"})) << strPdf.toStdString();
    EXPECT_TRUE(HasLine(lines, {"- Screen Width:", "3.00"}));
    EXPECT_TRUE(QFile::exists(m_dir.filePath("ogl.bmp")));

    // Cancel in the Print Information dialog: no file dialog, no file.
    QFile::remove(strPdf);
    EXPECT_EQ(D::HandleModals([&] { Command(kCmdExportPdf)->trigger(); },
                              {[](QWidget* pDlg) { D::Click(pDlg, PrintInfoDlgIds::kIdCancel); },
                               [](QWidget* pModal) { pModal->close(); }}),
              1);
    EXPECT_FALSE(QFile::exists(strPdf));

    // The preview window opens on the same page.
    EXPECT_EQ(D::HandleModals([&] { Command(kCmdPrintPreview)->trigger(); },
                              {printInfo,
                               [](QWidget* pModal)
                               {
                                   EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(pModal), nullptr);
                                   pModal->close();
                               }}),
              2);
}

TEST_F(ReportPdfTest, PrintsThroughARealQueue)
{
    const QString strQueue = qEnvironmentVariable("LENVARA_CUPS_QUEUE");
    const QString strOut = qEnvironmentVariable("LENVARA_CUPS_OUT");
    if (strQueue.isEmpty() || strOut.isEmpty())
        GTEST_SKIP() << "no print queue: LENVARA_CUPS_QUEUE and LENVARA_CUPS_OUT are set by "
                        "scripts/test once its private print server runs";
    if (QPrinterInfo::printerInfo(strQueue).isNull())
        GTEST_SKIP() << "the print server does not offer the queue " << strQueue.toStdString();

    Calculate(1);
    SReportContent content = Content(1);
    const QStringList before = QDir(strOut).entryList({"*.pdf"}, QDir::Files);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(strQueue);
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    CPrintJob job(printer);
    TakeSnapshot(content);
    ASSERT_EQ(PrintReportJob(job, content), 1);

    // The queue writes one new PDF, named after the document; wait for it, as long
    // as it takes, up to a minute.
    QString strPdf;
    QString strInfo;
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired() && strInfo.isEmpty();
         QThread::msleep(100))
        for (const QString& strName : QDir(strOut).entryList({"*.pdf"}, QDir::Files))
            if (!before.contains(strName))
            {
                strPdf = QDir(strOut).filePath(strName);
                strInfo = RunTool("pdfinfo", {strPdf});
            }
    ASSERT_FALSE(strInfo.isEmpty())
        << "no report came out of the queue into " << strOut.toStdString();
    EXPECT_TRUE(strPdf.contains("Lenvara_Calculator_report")) << strPdf.toStdString();
    EXPECT_TRUE(strInfo.contains(QRegularExpression("Pages:\\s+1\\n"))) << strInfo.toStdString();
    // The queue passes the page through PostScript, which keeps the fonts and the
    // pictures but not the fonts' mapping back to text: the words are not compared.
    const QString strFonts = RunTool("pdffonts", {strPdf});
    for (const char* pszFace : {"LiberationSans_", "LiberationSans-Bold", "LiberationSans-Italic"})
        EXPECT_TRUE(strFonts.contains(pszFace)) << pszFace << "\n" << strFonts.toStdString();
    const QStringList sizes = PdfImageSizes(strPdf);
    EXPECT_TRUE(sizes.contains("385x162") && sizes.contains(PreviewSize()))
        << sizes.join(' ').toStdString();

    // The exported page is the printed one when the queue is the default printer:
    // every line within 0.02 in of where the queue put it.
    if (QPrinter().printerName() == strQueue)
    {
        const SReportContent exported = content;
        const QString strExport = m_dir.filePath("export.pdf");
        ASSERT_EQ(ExportReportPdf(strExport, DefaultReportPageSetup(), exported, nullptr), 1);
        const std::vector<SPageLine> expected = PageLines(strExport, m_dir.filePath("exported"));
        const std::vector<SPageLine> printed = PageLines(strPdf, m_dir.filePath("printed"));
        ASSERT_GT(expected.size(), 15u);
        ASSERT_EQ(printed.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
        {
            const SPageLine& e = expected[i];
            const SPageLine& p = printed[i];
            EXPECT_TRUE(std::abs(p.nY - e.nY) <= 2 && std::abs(p.nLeft - e.nLeft) <= 2 &&
                        std::abs(p.nRight - e.nRight) <= 2)
                << "line " << i << " (1/100 in): exported " << e.nY << " " << e.nLeft << "-"
                << e.nRight << ", printed " << p.nY << " " << p.nLeft << "-" << p.nRight;
        }
    }
    if (!HasFailure())
        QFile::remove(strPdf);
}
