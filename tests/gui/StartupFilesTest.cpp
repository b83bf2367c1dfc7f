// What the main dialog's start-up takes from its surroundings: the dealer lines
// from "DealerData.txt" in the working directory, and the user's locale, which must
// not change how numbers are read and shown.
#include "DialogDriver.h"

#include "app/LenvaraApp.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using D = CDialogDriver;

namespace
{
// Runs the test body inside a temporary working directory.
class CWorkingDirectory
{
public:
    explicit CWorkingDirectory(const QString& strPath) : m_strOld(QDir::currentPath())
    {
        QDir::setCurrent(strPath);
    }
    ~CWorkingDirectory() { QDir::setCurrent(m_strOld); }

private:
    QString m_strOld;
};

void StartWithDealerFile(const QByteArray* pContent, CLenvaraApp& app)
{
    QTemporaryDir dir;
    CWorkingDirectory cwd(dir.path());
    if (pContent)
    {
        QFile file(QStringLiteral("DealerData.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*pContent);
    }
    app.CreateMainDialog();
}
} // namespace

TEST(DealerData, FirstTwoLinesWithoutLineEndsAreTheDealerLines)
{
    CLenvaraApp app;
    const QByteArray content("Dealer & Sons 100%\r\nMain Street 1\r\nthird line\r\n");
    StartWithDealerFile(&content, app);
    EXPECT_EQ(app.GetDealer1Text(), "Dealer & Sons 100%");
    EXPECT_EQ(app.GetDealer2Text(), "Main Street 1");
}

TEST(DealerData, LongLinesKeepTheirFirst255Characters)
{
    CLenvaraApp app;
    const QByteArray content = QByteArray(300, 'a') + "\n";
    StartWithDealerFile(&content, app);
    EXPECT_EQ(app.GetDealer1Text(), std::string(255, 'a'));
    EXPECT_EQ(app.GetDealer2Text(), "");
}

TEST(DealerData, MissingFileLeavesTheLinesEmpty)
{
    CLenvaraApp app;
    StartWithDealerFile(nullptr, app);
    EXPECT_EQ(app.GetDealer1Text(), "");
    EXPECT_EQ(app.GetDealer2Text(), "");
    // The dialog starts normally all the same.
    EXPECT_EQ(D::Text(app.m_pMainDlg, 1072), QStringLiteral("1.00"));
}

TEST(UserLocale, CommaLocaleStillReadsAndWritesPoints)
{
    const std::string strOld = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale on this machine";
    {
        CLenvaraApp app;
        CLenvaraDlg* pDlg = app.CreateMainDialog();
        pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pDlg));
        CPage_Image* pPage = &pDlg->GetSheet()->m_pageImage;
        D::Type(pPage, 1009, QStringLiteral("2.5"));
        D::PressEnter(pPage, 1009);
        // 2.5 x 1.37 = 3.425 (3.42 in single precision), 2.5 x 1.66 = 4.15.
        EXPECT_EQ(D::Text(pPage, 1009), QStringLiteral("2.50"));
        EXPECT_EQ(D::Text(pPage, 1012), QStringLiteral("3.42"));
        EXPECT_EQ(D::Text(pPage, 1013), QStringLiteral("4.15"));
        // A comma ends the number, as in any locale.
        D::Type(pPage, 1009, QStringLiteral("2,5"));
        D::PressEnter(pPage, 1009);
        EXPECT_EQ(D::Text(pPage, 1009), QStringLiteral("2.00"));
        app.ExitInstance();
    }
    std::setlocale(LC_ALL, strOld.c_str());
}
