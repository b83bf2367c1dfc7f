// "Save Current Page": the text of each page after a calculation, and the
// all-or-nothing write.
#include "DialogDriver.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "LenvaraPageIds.h"

#include "app/LenvaraApp.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/PageSaver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;
namespace Scr = LenvaraPageIds;

namespace
{
// Everything but the date line, which changes with the clock.
std::string WithoutDate(const std::string& text, std::string& strDate)
{
    const size_t nPos = text.find("Date: ");
    if (nPos == std::string::npos)
        return text;
    strDate = text.substr(nPos + 6);
    return text.substr(0, nPos);
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& strPath, const QByteArray& data)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// While alive, no file may grow beyond 64 bytes: a full disk, even for root.
class CSmallDisk
{
public:
    CSmallDisk()
    {
        struct sigaction ignore
        {
        };
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &m_oldAction);
        getrlimit(RLIMIT_FSIZE, &m_oldLimit);
        rlimit small = m_oldLimit;
        small.rlim_cur = 64;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~CSmallDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_oldLimit);
        sigaction(SIGXFSZ, &m_oldAction, nullptr);
    }
    CSmallDisk(const CSmallDisk&) = delete;
    CSmallDisk& operator=(const CSmallDisk&) = delete;

private:
    struct sigaction m_oldAction
    {
    };
    rlimit m_oldLimit{};
};
} // namespace

class PageSaverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDlg = CreateMainDialog(m_app);
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Kelda W1"));
    }
    void TearDown() override { m_app.ExitInstance(); }

    // The text "Save Current Page" writes for the active page now.
    std::string PageText()
    {
        const std::string strPage = m_pDlg->GetSheet()->GetActivePage()->GetCaption().toStdString();
        return CPageSaver::BuildText(m_pDlg->Recalculate(), strPage, m_app.GetDateText());
    }

    CLenvaraApp m_app;
    CLenvaraDlg* m_pDlg = nullptr;
};

TEST_F(PageSaverTest, ProjectionDistancePageText)
{
    CPage_Image* pPage = &m_pDlg->GetSheet()->m_pageImage;
    D::Type(pPage, Img::kIdWidth, QStringLiteral("3"));
    D::PressEnter(pPage, Img::kIdWidth);
    std::string strDate;
    EXPECT_EQ(WithoutDate(PageText(), strDate), "Lenvara Calculator: Projection Distance\n"
                                                "Model: Kelda W1\n"
                                                "Units: Meters\n"
                                                "Aspect Ratio: 16:9\n"
                                                "Gain: 1.00\n"
                                                "Input: Width\n"
                                                "Width: 3.00\n"
                                                "Height: 1.69\n"
                                                "Diagonal: 3.44\n"
                                                "Projection Distance (Wide): 4.11\n"
                                                "Projection Distance (Tele): 4.98\n"
                                                "Expected Screen Luminance (Wide): 125.75 Nits\n"
                                                "Expected Screen Luminance (Tele): 125.75 Nits\n");
    // "m/d/yyyy   hh:mm:ss" and the line end.
    EXPECT_EQ(strDate.find("   "), strDate.size() - 12) << strDate;
    EXPECT_EQ(strDate.back(), '\n');
}

TEST_F(PageSaverTest, ScreenDimensionsPageTextInFeet)
{
    CLenvaraPropertySheet* pSheet = m_pDlg->GetSheet();
    pSheet->tabBar()->setCurrentIndex(1);
    QApplication::processEvents();
    D::Click(m_pDlg, Dlg::kIdFeet);
    D::Click(m_pDlg, Dlg::kIdAspect235);
    D::Type(&pSheet->m_pageLenvara, Scr::kIdDistance, QStringLiteral("10"));
    D::PressEnter(&pSheet->m_pageLenvara, Scr::kIdDistance);
    std::string strDate;
    const std::string text = WithoutDate(PageText(), strDate);
    // 2.35:1 rows: throw 1.028 / 1.245; heights x 27/64. A 16:9 panel lights the whole
    // 2.35:1 screen, and in feet the luminance is lumens per square foot:
    // 2000 / (9.7276 x 4.1038) and 2000 / (8.0321 x 3.3886).
    EXPECT_EQ(text, "Lenvara Calculator: Screen Dimensions\n"
                    "Model: Kelda W1\n"
                    "Units: Feet\n"
                    "Aspect Ratio: 2.35:1\n"
                    "Gain: 1.00\n"
                    "Projection Distance: 10.00\n"
                    "Width (Tele): 8.03\n"
                    "Width (Wide): 9.73\n"
                    "Height (Tele): 3.39\n"
                    "Height (Wide): 4.10\n"
                    "Diagonal (Tele): 8.72\n"
                    "Diagonal (Wide): 10.56\n"
                    "Expected Screen Luminance (Wide): 50.10 FtL\n"
                    "Expected Screen Luminance (Tele): 73.48 FtL\n");
}

namespace
{
// Answers the save dialog with a file name; collects the text of any message box.
class CSaveDialogAnswer
{
public:
    explicit CSaveDialogAnswer(const QString& strPath)
    {
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this, strPath]
                         {
                             QWidget* pModal = QApplication::activeModalWidget();
                             if (auto* pDialog = qobject_cast<QFileDialog*>(pModal))
                             {
                                 m_strSuffix = pDialog->defaultSuffix();
                                 const QFileInfo info(strPath);
                                 pDialog->setDirectory(info.absolutePath());
                                 // Typed into the name field, as a person does.
                                 if (auto* pEdit = pDialog->findChild<QLineEdit*>(
                                         QStringLiteral("fileNameEdit")))
                                     pEdit->setText(info.fileName());
                                 // Queued: this timer must be free to answer the
                                 // dialog's own questions.
                                 QMetaObject::invokeMethod(pDialog, "accept", Qt::QueuedConnection);
                             }
                             else if (auto* pBox = qobject_cast<QMessageBox*>(pModal))
                             {
                                 // The overwrite question is answered yes.
                                 if (QAbstractButton* pYes = pBox->button(QMessageBox::Yes))
                                 {
                                     m_bAskedOverwrite = true;
                                     pYes->click();
                                     return;
                                 }
                                 m_strMessage = pBox->text();
                                 pBox->close();
                             }
                         });
        m_timer.start(20);
    }

    QTimer m_timer;
    QString m_strSuffix;
    QString m_strMessage;
    bool m_bAskedOverwrite = false;
};
} // namespace

TEST_F(PageSaverTest, SaveCommandWritesTheChosenFileWithItsSuffix)
{
    CPage_Image* pPage = &m_pDlg->GetSheet()->m_pageImage;
    D::Type(pPage, Img::kIdWidth, QStringLiteral("3"));
    D::PressEnter(pPage, Img::kIdWidth);
    QTemporaryDir dir;
    {
        CSaveDialogAnswer answer(dir.filePath(QStringLiteral("offer")));
        m_pDlg->OnSaveCurrentPage();
        EXPECT_EQ(answer.m_strSuffix, QStringLiteral("sim"));
        EXPECT_TRUE(answer.m_strMessage.isEmpty());
    }
    const QByteArray saved = ReadAll(dir.filePath(QStringLiteral("offer.sim")));
    EXPECT_TRUE(saved.startsWith("Lenvara Calculator: Projection Distance\nModel: Kelda W1\n"))
        << saved.toStdString();
    EXPECT_TRUE(saved.contains("\nProjection Distance (Tele): 4.98\n")) << saved.toStdString();

    // Saving again onto a full disk: the user is told and the first file stays.
    QString strMessage;
    {
        CSaveDialogAnswer answer(dir.filePath(QStringLiteral("offer.sim")));
        {
            CSmallDisk disk;
            m_pDlg->OnSaveCurrentPage();
        }
        strMessage = answer.m_strMessage;
        EXPECT_TRUE(answer.m_bAskedOverwrite);
    }
    EXPECT_TRUE(strMessage.startsWith(QStringLiteral("The page could not be saved to")))
        << strMessage.toStdString();
    EXPECT_EQ(ReadAll(dir.filePath(QStringLiteral("offer.sim"))), saved);
}

TEST_F(PageSaverTest, SaveWritesOneCalculationMadeFromWhatTheDialogShows)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("page.sim"));
    // Before any calculation: the user is told, and nothing is written.
    {
        CSaveDialogAnswer answer(strPath);
        m_pDlg->OnSaveCurrentPage();
        EXPECT_TRUE(answer.m_strMessage.startsWith(QStringLiteral("There is no calculation")))
            << answer.m_strMessage.toStdString();
    }
    EXPECT_FALSE(QFile::exists(strPath));

    // Width 3 with Kelda W1, then another model and a gain typed without Enter: the
    // file holds Kelda W2's numbers (1.52 / 2.28) with that gain ("abc" reads as 0).
    CPage_Image* pPage = &m_pDlg->GetSheet()->m_pageImage;
    D::Type(pPage, Img::kIdWidth, QStringLiteral("3"));
    D::PressEnter(pPage, Img::kIdWidth);
    D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Kelda W2"));
    D::Type(m_pDlg, Dlg::kIdGain, QStringLiteral("abc"));
    {
        CSaveDialogAnswer answer(strPath);
        m_pDlg->OnSaveCurrentPage();
    }
    const QByteArray saved = ReadAll(strPath);
    EXPECT_TRUE(saved.contains("Model: Kelda W2\nUnits: Meters\nAspect Ratio: 16:9\nGain: 0.00\n"))
        << saved.toStdString();
    EXPECT_TRUE(
        saved.contains("Projection Distance (Wide): 4.56\nProjection Distance (Tele): 6.84\n"
                       "Expected Screen Luminance (Wide): 0.00 Nits\n"))
        << saved.toStdString();
}

TEST(PageSaverWrite, ReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("page.sim"));
    WriteFile(strPath, QByteArray(200, 'x'));
    QString strError;
    ASSERT_TRUE(CPageSaver::Write(strPath, "short\n", strError)) << strError.toStdString();
    EXPECT_EQ(ReadAll(strPath), QByteArray("short\n"));
}

TEST(PageSaverWrite, FailureLeavesTheOldFileAndSaysWhy)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath(QStringLiteral("page.sim"));
    WriteFile(strPath, QByteArray("old page\n"));

    QString strError;
    {
        CSmallDisk disk;
        EXPECT_FALSE(CPageSaver::Write(strPath, std::string(4096, 'n'), strError));
    }
    EXPECT_FALSE(strError.isEmpty());
    EXPECT_EQ(ReadAll(strPath), QByteArray("old page\n"));
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"page.sim"}));

    // A folder that does not exist.
    EXPECT_FALSE(CPageSaver::Write(dir.filePath(QStringLiteral("none/page.sim")), "x", strError));
    EXPECT_FALSE(strError.isEmpty());
}
