// What the main dialog's start-up takes from its surroundings: the dealer lines
// from "DealerData.txt" in the working directory, and the user's locale, which must
// not change how numbers are read and shown.
#include "DialogDriver.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"

#include "app/LenvaraApp.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;

namespace
{
// Makes the folder the working directory while alive.
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

// A start-up in a fresh working directory, with "DealerData.txt" holding the content
// (or no such file when pContent is null).
CLenvaraDlg* StartWithDealerFile(const QByteArray* pContent, CLenvaraApp& app)
{
    QTemporaryDir dir;
    CWorkingDirectory cwd(dir.path());
    if (pContent)
    {
        QFile file(QStringLiteral("DealerData.txt"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(*pContent);
    }
    return CreateMainDialog(app);
}

struct SDealerCase
{
    const char* pszName;
    std::optional<QByteArray> content;
    std::string strLine1, strLine2;
};

void PrintTo(const SDealerCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class DealerData : public ::testing::TestWithParam<SDealerCase>
{
};
} // namespace

TEST_P(DealerData, FirstTwoLinesWithoutLineEnds)
{
    const SDealerCase& c = GetParam();
    CLenvaraApp app;
    CLenvaraDlg* pDlg = StartWithDealerFile(c.content ? &*c.content : nullptr, app);
    EXPECT_EQ(app.GetDealer1Text(), c.strLine1);
    EXPECT_EQ(app.GetDealer2Text(), c.strLine2);
    // The dialog starts normally in every case.
    EXPECT_EQ(D::Text(pDlg, Dlg::kIdGain), QStringLiteral("1.00"));
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, DealerData,
    ::testing::Values(
        SDealerCase{"TwoOfThreeLines",
                    QByteArray("Dealer & Sons 100%\r\nMain Street 1\r\nthird line\r\n"),
                    "Dealer & Sons 100%", "Main Street 1"},
        SDealerCase{"LongLineKeepsFirst255", QByteArray(300, 'a') + "\n", std::string(255, 'a'),
                    ""},
        SDealerCase{"MissingFile", std::nullopt, "", ""}),
    [](const ::testing::TestParamInfo<SDealerCase>& info) { return info.param.pszName; });

TEST(UserLocale, CommaLocaleStillReadsAndWritesPoints)
{
    const std::string strOld = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale on this machine";
    {
        CLenvaraApp app;
        CLenvaraDlg* pDlg = CreateMainDialog(app);
        pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pDlg));
        CPage_Image* pPage = &pDlg->GetSheet()->m_pageImage;
        D::Type(pPage, Img::kIdWidth, QStringLiteral("2.5"));
        D::PressEnter(pPage, Img::kIdWidth);
        // 2.5 x 1.37 = 3.425 (3.42 in single precision), 2.5 x 1.66 = 4.15.
        EXPECT_EQ(D::Text(pPage, Img::kIdWidth), QStringLiteral("2.50"));
        EXPECT_EQ(D::Text(pPage, Img::kIdDistWide), QStringLiteral("3.42"));
        EXPECT_EQ(D::Text(pPage, Img::kIdDistTele), QStringLiteral("4.15"));
        // A comma ends the number, as in any locale.
        D::Type(pPage, Img::kIdWidth, QStringLiteral("2,5"));
        D::PressEnter(pPage, Img::kIdWidth);
        EXPECT_EQ(D::Text(pPage, Img::kIdWidth), QStringLiteral("2.00"));
        app.ExitInstance();
    }
    std::setlocale(LC_ALL, strOld.c_str());
}
