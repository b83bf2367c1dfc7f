// Where the report goes: a PDF file written whole or not at all with the mode the
// umask gives, only the snapshot this print took on the page (whatever "ogl.bmp"
// holds), and the preview on the exported page's set-up.
#include "DialogDriver.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "PrintInfoDlgIds.h"

#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "platform/PrintJob.h"
#include "print/ReportJob.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>

#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;

namespace
{
QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// How many images the PDF holds.
// "width x height" of each picture in the PDF, in page order.
QStringList PdfImageSizes(const QString& strPdf)
{
    QProcess process;
    process.start("pdfimages", {"-list", strPdf});
    process.waitForFinished(30000);
    // After the heading and its rule, one line each: page, num, type, width, height...
    QStringList sizes;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& strLine : lines.mid(2))
        if (const QStringList f = strLine.simplified().split(' '); f.size() > 4)
            sizes << f[3] + "x" + f[4];
    return sizes;
}

// While alive, no file may grow beyond 4 KiB: a full disk, even for root.
class CFullDisk
{
public:
    CFullDisk()
    {
        struct sigaction ignore
        {
        };
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &m_oldAction);
        getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        rlimit small = m_oldLimit;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~CFullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        sigaction(SIGXFSZ, &m_oldAction, nullptr);
    }

private:
    struct sigaction m_oldAction
    {
    };
    rlimit m_oldLimit{};
};

// While alive, the folder cannot be written by this thread, even as root: its write
// bits are cleared and the thread drops the capabilities that override them.
class CUnwritableFolder
{
public:
    explicit CUnwritableFolder(const QString& strPath) : m_path(QFile::encodeName(strPath))
    {
        ::chmod(m_path.constData(), 0555);
        syscall(SYS_capget, &m_header, m_saved);
        __user_cap_data_struct data[2];
        std::memcpy(data, m_saved, sizeof data);
        for (int nCap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            data[nCap / 32].effective &= ~(1u << (nCap % 32));
        syscall(SYS_capset, &m_header, data);
    }
    ~CUnwritableFolder()
    {
        syscall(SYS_capset, &m_header, m_saved);
        ::chmod(m_path.constData(), 0755);
    }

private:
    QByteArray m_path;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
};

class ReportOutputTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pApp = std::make_unique<CLenvaraApp>();
        m_pDlg = CreateMainDialog(*m_pApp);
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        QApplication::processEvents();
        // Kelda W1, width 3 on the projection-distance page.
        CLenvaraPropertySheet* pSheet = m_pDlg->GetSheet();
        D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Kelda W1"));
        D::Type(&pSheet->m_pageImage, ImagePageIds::kIdWidth, QStringLiteral("3"));
        D::PressEnter(&pSheet->m_pageImage, ImagePageIds::kIdWidth);
        m_pApp->SetCustomer1("Anna Meyer");
        m_content = ReportContent(*m_pApp, 0);
        m_content.strSnapshotPath = m_dir.filePath("ogl.bmp");
    }
    void TearDown() override { m_pApp->ExitInstance(); }

    // This print's capture of the preview, taken as the dialog takes it before a
    // print and written to the content's snapshot path; its size.
    QSize TakeSnapshot()
    {
        m_content.imgSnapshot = m_pDlg->TakeReportSnapshot(m_content.strSnapshotPath);
        return GetControlRect(m_pDlg, Dlg::kIdPreviewPlace).size();
    }

    QTemporaryDir m_dir;
    std::unique_ptr<CLenvaraApp> m_pApp;
    CLenvaraDlg* m_pDlg = nullptr;
    SReportContent m_content;
};
} // namespace

TEST_F(ReportOutputTest, FailedPdfWriteLeavesTheOldFileAndTellsWhy)
{
    const QString strReason = qt_error_string(EFBIG);
    for (const bool bExport : {true, false})
        for (const bool bOldFile : {true, false})
        {
            SCOPED_TRACE(bExport ? "export" : "print to file");
            SCOPED_TRACE(bOldFile ? "replacing a file" : "a new file");
            QTemporaryDir dir;
            const QString strPdf = dir.filePath("old.pdf");
            const QByteArray old(8000, 'o');
            if (bOldFile)
            {
                QFile file(strPdf);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
            }
            int nResult = -1;
            QString strError;
            {
                CFullDisk disk;
                if (bExport)
                    nResult =
                        ExportReportPdf(strPdf, DefaultReportPageSetup(), m_content, &strError);
                else
                {
                    // What the print dialog leaves for "Print to File".
                    QPrinter printer(QPrinter::HighResolution);
                    SetUpReportPrinter(printer);
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(strPdf);
                    CPrintJob job(printer);
                    nResult = PrintReportJob(job, m_content);
                    strError = job.GetErrorString();
                }
            }
            EXPECT_EQ(nResult, 0);
            EXPECT_EQ(strError, strReason);
            const QByteArray now = ReadAll(strPdf);
            EXPECT_TRUE(now == (bOldFile ? old : QByteArray("<missing>")))
                << now.size() << " bytes";
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(),
                      bOldFile ? 1 : 0);
        }

    // The export command tells the user.
    const QString strPdf = m_dir.filePath("new.pdf");
    QString strMessage;
    {
        CFullDisk disk;
        D::HandleModals([&] { m_pDlg->OnExportPdf(); },
                        {[](QWidget* pDlg) { D::Click(pDlg, PrintInfoDlgIds::kIdOk); },
                         [&](QWidget* pModal) { D::AnswerFileDialog(pModal, strPdf); },
                         [&](QWidget* pModal)
                         {
                             if (auto* pBox = qobject_cast<QMessageBox*>(pModal))
                                 strMessage = pBox->text();
                             pModal->close();
                         }});
    }
    EXPECT_EQ(strMessage, "The report could not be written to\n" + strPdf + "\n\n" + strReason);
    EXPECT_FALSE(QFile::exists(strPdf));
}

TEST_F(ReportOutputTest, NewPdfTakesTheModeTheUmaskGives)
{
    const struct
    {
        mode_t nUmask;
        mode_t nMode;
    } rows[] = {{022, 0644}, {077, 0600}, {027, 0640}};
    for (const auto& row : rows)
    {
        const QString strPdf = m_dir.filePath(QString("report-%1.pdf").arg(row.nUmask, 0, 8));
        const mode_t nOld = ::umask(row.nUmask);
        const int nResult = ExportReportPdf(strPdf, DefaultReportPageSetup(), m_content);
        ::umask(nOld);
        ASSERT_EQ(nResult, 1);
        struct stat st
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(strPdf).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, row.nMode) << "umask " << std::oct << row.nUmask;
    }
}

TEST_F(ReportOutputTest, OnlyThisPrintsCaptureIsPrinted)
{
    // An old "ogl.bmp", left by someone else.
    const QString strWork = m_dir.filePath("work");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("work"));
    m_content.strSnapshotPath = strWork + "/ogl.bmp";
    QImage stale(37, 23, QImage::Format_RGB888);
    stale.fill(Qt::red);
    ASSERT_TRUE(stale.save(m_content.strSnapshotPath, "BMP"));
    const QByteArray staleFile = ReadAll(m_content.strSnapshotPath);

    // Captured but not written (a folder the user cannot write): the page shows this
    // print's capture, beside the logo and the model picture, never the old file.
    const QString strPdf = m_dir.filePath("report.pdf");
    QSize size;
    {
        CUnwritableFolder folder(strWork);
        size = TakeSnapshot();
        ASSERT_EQ(ExportReportPdf(strPdf, 600, m_content), 1);
    }
    EXPECT_EQ(ReadAll(m_content.strSnapshotPath), staleFile);
    const QStringList sizes = PdfImageSizes(strPdf);
    EXPECT_EQ(sizes.size(), 3) << sizes.join(' ').toStdString();
    EXPECT_TRUE(sizes.contains(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
        << sizes.join(' ').toStdString();
    EXPECT_FALSE(sizes.contains(QStringLiteral("37x23")));
}

TEST_F(ReportOutputTest, PreviewKeepsItsSnapshotAndShowsTheExportedPage)
{
    const QSize size = TakeSnapshot();
    const SReportPageSetup setup = DefaultReportPageSetup();
    QImage first, second;
    const int nHandled = D::HandleModals(
        [&] { PreviewReport(m_pDlg, m_content); },
        {[&](QWidget* pModal)
         {
             auto* pDialog = qobject_cast<QPrintPreviewDialog*>(pModal);
             auto* pPreview = pModal->findChild<QPrintPreviewWidget*>();
             ASSERT_TRUE(pDialog && pPreview);
             EXPECT_EQ(pDialog->printer()->resolution(), setup.nDpi);
             EXPECT_TRUE(pDialog->printer()->pageLayout().isEquivalentTo(setup.layout));
             pPreview->fitInView();
             QApplication::processEvents();
             first = pPreview->grab().toImage();
             // Another instance writes its own picture into the file meanwhile.
             QImage other(size, QImage::Format_RGB888);
             other.fill(Qt::red);
             other.save(m_content.strSnapshotPath, "BMP");
             pPreview->updatePreview();
             QApplication::processEvents();
             second = pPreview->grab().toImage();
             pModal->close();
         }});
    EXPECT_EQ(nHandled, 1);
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first == second);
}
