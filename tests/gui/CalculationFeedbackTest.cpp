// What the main dialog shows when a calculation fails, what "Shift" does then, and
// Enter on the model name's offers. Kelda W1 at 16:9 in meters, width 3: distances
// 4.11 and 4.98, 125.75 Nits; Pavo QA (fixed lens) 2.01; Pavo QB 3.39 to 4.50.
#include "DialogDriver.h"
#include "DialogTemplates.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
#include "LenvaraPageIds.h"

#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/ModelComboBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;
namespace Scr = LenvaraPageIds;

class CalculationFeedbackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDlg = CreateMainDialog(m_app);
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        m_pDlg->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pDlg, 2000);
    }
    void TearDown() override { m_app.ExitInstance(); }

    QWidget* Page(int nIndex)
    {
        m_pDlg->GetSheet()->tabBar()->setCurrentIndex(nIndex);
        return m_pDlg->GetSheet()->GetActivePage();
    }
    void SelectModel(const char* pszName) // typed, the offers dismissed
    {
        D::Type(m_pDlg, Dlg::kIdModel, QString::fromLatin1(pszName));
        m_pDlg->GetModelCombo()->completer()->popup()->hide();
    }
    // The tooltip of an edit in a colour of its own; "-" for one in the colour of a
    // writable or a read-only edit.
    QString Mark(const QWidget* pParent, int nId)
    {
        auto* pEdit = qobject_cast<QLineEdit*>(D::Control(pParent, nId));
        const QColor base = pEdit->palette().color(QPalette::Base);
        const QPalette& normal = m_pDlg->palette();
        return base != normal.color(QPalette::Base) && base != normal.color(QPalette::Window)
                   ? pEdit->toolTip()
                   : QStringLiteral("-");
    }

    CLenvaraApp m_app;
    CLenvaraDlg* m_pDlg = nullptr;
};

TEST_F(CalculationFeedbackTest, AFailedCalculationMarksItsInputAndTheLuminancePanelWithTheReason)
{
    // Action: Enter, a click on "Inches" (labels turn to FtL over Nits) or Print.
    struct SCase
    {
        int nPage;
        const char* pszModel;
        const char* pszGain;
        QString strInput;
        char cAction;
        QString strWhy;
    };
    const SCase aCases[] = {
        {0, "Kelda W1", "1", "1e30", 'E', "No result for this size"},
        {0, "Kelda W1", "1", QString(85, QLatin1Char('9')), 'E', "No result for this size"},
        {0, "Kelda W1", "1", "abc", 'E', "Enter a width, height or diagonal"},
        {0, "Kelda W1", "1e39", "3", 'E', "Gain out of range"},
        {0, "Kelda", "1", "3", 'E', "Unknown projector model"},
        {0, "Kelda W1", "1", "abc", 'I', "Enter a width, height or diagonal"},
        {0, "Kelda W1", "1", "", 'P', "Enter a width, height or diagonal"},
        {1, "Kelda W1", "1", "", 'E', "Enter a projection distance"},
        {1, "Kelda W1", "1", "1e38", 'E', "No result for this distance"},
    };
    QAction* pPrint = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdPrintPage));
    for (const SCase& c : aCases)
    {
        QWidget* pPage = Page(c.nPage);
        const int nInputId = c.nPage ? Scr::kIdDistance : Img::kIdWidth;
        const int nResultId = c.nPage ? Scr::kIdWidthWide : Img::kIdDistWide;
        auto enter = [&](const char* pszModel, const char* pszGain, const QString& strInput)
        {
            SelectModel(pszModel);
            D::Type(m_pDlg, Dlg::kIdGain, QString::fromLatin1(pszGain));
            D::Type(pPage, nInputId, strInput);
        };
        D::Click(m_pDlg, Dlg::kIdMeters);
        enter("Kelda W1", "1", "3");
        D::PressEnter(pPage, nInputId);
        const QString strResult = D::Text(pPage, nResultId);

        enter(c.pszModel, c.pszGain, c.strInput);
        EXPECT_EQ(D::CaptureModal(
                      [&]
                      {
                          if (c.cAction == 'E')
                              D::PressEnter(pPage, nInputId);
                          else if (c.cAction == 'I')
                              D::Click(m_pDlg, Dlg::kIdInches);
                          else
                              pPrint->trigger();
                      }),
                  QString());
        const QString strUnit = QStringLiteral("\nThe luminance shown was computed in Nits");
        EXPECT_EQ(QStringList({D::Text(pPage, nResultId), Mark(pPage, nInputId),
                               Mark(m_pDlg, Dlg::kIdLumTele), Mark(m_pDlg, Dlg::kIdGain)}),
                  QStringList({c.cAction == 'I' ? D::Text(pPage, nResultId) : strResult, c.strWhy,
                               c.strWhy + (c.cAction == 'I' ? strUnit : QString()),
                               c.pszGain[1] ? c.strWhy : "-"}))
            << c.strInput.toStdString() << " " << c.pszModel << " " << c.pszGain;

        // The next successful calculation takes every mark away.
        D::Click(m_pDlg, Dlg::kIdMeters);
        enter("Kelda W1", "1", "3");
        D::PressEnter(pPage, nInputId);
        EXPECT_EQ(QStringList({Mark(pPage, nInputId), Mark(m_pDlg, Dlg::kIdLumWide),
                               Mark(m_pDlg, Dlg::kIdGain)}),
                  QStringList({"-", "-", "-"}));
    }

    // Another input chosen after a failure takes the mark over.
    QWidget* pImage = Page(0);
    D::Type(pImage, Img::kIdWidth, QStringLiteral("abc"));
    D::PressEnter(pImage, Img::kIdWidth);
    D::Click(pImage, Img::kIdHeight);
    EXPECT_EQ(QStringList({Mark(pImage, Img::kIdWidth), Mark(pImage, Img::kIdHeight)}),
              QStringList({"-", "Enter a width, height or diagonal"}));
}

TEST_F(CalculationFeedbackTest, ShiftSaysAModelHasNoShiftDataWhateverTheInputs)
{
    // Nothing entered on either page.
    const QString strNoData = QStringLiteral("Shift Data are not available\nfor this projector");
    SelectModel("Kelda WT");
    EXPECT_EQ(D::CaptureModal([&] { D::Click(Page(0), Img::kIdShift); }), strNoData);
    QWidget* pScreen = Page(1);
    EXPECT_EQ(D::CaptureModal([&] { D::Click(pScreen, Scr::kIdShift); }), strNoData);

    // A model with shift data gets the failure's mark instead of a dialog.
    SelectModel("Kelda W1");
    EXPECT_EQ(D::CaptureModal([&] { D::Click(pScreen, Scr::kIdShift); }), QString());
    EXPECT_EQ(Mark(pScreen, Scr::kIdDistance), QStringLiteral("Enter a projection distance"));
}

TEST_F(CalculationFeedbackTest, EnterOnTheModelOffersTakesOneAndCalculates)
{
    QWidget* pImage = Page(0);
    QAbstractItemView* pOffers = m_pDlg->GetModelCombo()->completer()->popup();
    // None highlighted: the first offer; else the highlighted one.
    for (int nDown : {0, 2})
    {
        D::Type(pImage, Img::kIdWidth, QStringLiteral("3"));
        D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("pavo q"));
        ASSERT_TRUE(pOffers->isVisible());
        for (int i = 0; i < nDown; ++i)
            D::PressKey(pOffers, Qt::Key_Down);
        D::PressKey(pOffers, Qt::Key_Return);
        QTest::qWait(0);
        EXPECT_EQ(QStringList({D::Text(m_pDlg, Dlg::kIdModel), D::Text(pImage, Img::kIdWidth),
                               D::Text(pImage, Img::kIdDistTele)}),
                  nDown ? QStringList({"Pavo QB", "3.00", "4.50"})
                        : QStringList({"Pavo QA", "3.00", "2.01"}));
    }
}
