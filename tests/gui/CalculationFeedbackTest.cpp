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
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;
namespace Scr = LenvaraPageIds;

namespace
{
// An edit's warning look: its base colour and its tooltip.
struct SLook
{
    QColor base;
    QString strTip;
    bool operator==(const SLook&) const = default;
};

SLook LookOf(const QWidget* pParent, int nId)
{
    auto* pEdit = qobject_cast<QLineEdit*>(D::Control(pParent, nId));
    return pEdit ? SLook{pEdit->palette().color(QPalette::Base), pEdit->toolTip()} : SLook{};
}

void PrintTo(const SLook& look, std::ostream* pOut)
{
    *pOut << look.base.name().toStdString() << " \"" << look.strTip.toStdString() << '"';
}
} // namespace

class CalculationFeedbackTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pApp = std::make_unique<CLenvaraApp>();
        m_pDlg = CreateMainDialog(*m_pApp);
        m_pDlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
        m_pDlg->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pDlg, 2000);
        m_pSheet = m_pDlg->GetSheet();
        ASSERT_NE(m_pSheet, nullptr);
    }

    void TearDown() override { m_pApp->ExitInstance(); }

    QWidget* Page(bool bScreenDimensions)
    {
        m_pSheet->tabBar()->setCurrentIndex(bScreenDimensions ? 1 : 0);
        QApplication::processEvents();
        return bScreenDimensions ? static_cast<QWidget*>(&m_pSheet->m_pageLenvara)
                                 : &m_pSheet->m_pageImage;
    }

    // Typed, the offers dismissed.
    void SelectModel(const char* pszName)
    {
        D::Type(m_pDlg, Dlg::kIdModel, QString::fromLatin1(pszName));
        m_pDlg->GetModelCombo()->completer()->popup()->hide();
    }

    std::unique_ptr<CLenvaraApp> m_pApp;
    CLenvaraDlg* m_pDlg = nullptr;
    CLenvaraPropertySheet* m_pSheet = nullptr;
};

TEST_F(CalculationFeedbackTest, AFailedCalculationMarksItsInputAndTheLuminancePanelWithTheReason)
{
    enum EAction
    {
        kEnter,
        kInches,
        kPrint
    };
    struct SCase
    {
        bool bScreenDimensions;
        const char* pszModel;
        const char* pszGain;
        QString strInput;
        EAction eAction;
        const char* pszWhy;
    };
    const QString strNoSize = QStringLiteral("Enter a width, height or diagonal");
    const SCase aCases[] = {
        {false, "Kelda W1", "1", "1e30", kEnter, "No result for this size"},
        {false, "Kelda W1", "1", QString(85, QLatin1Char('9')), kEnter, "No result for this size"},
        {false, "Kelda W1", "1", "abc", kEnter, "Enter a width, height or diagonal"},
        {false, "Kelda W1", "1e39", "3", kEnter, "Gain out of range"},
        {false, "Kelda", "1", "3", kEnter, "Unknown projector model"},
        // The labels turn to FtL over numbers computed in Nits, which the mark tells.
        {false, "Kelda W1", "1", "abc", kInches, "Enter a width, height or diagonal"},
        {false, "Kelda W1", "1", "", kPrint, "Enter a width, height or diagonal"},
        {true, "Kelda W1", "1", "", kEnter, "Enter a projection distance"},
        {true, "Kelda W1", "1", "1e38", kEnter, "No result for this distance"},
    };
    QAction* pPrint = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdPrintPage));
    ASSERT_NE(pPrint, nullptr);
    for (const SCase& c : aCases)
    {
        const std::string strCase = c.strInput.toStdString() + " " + c.pszModel + " " + c.pszGain;
        QWidget* pPage = Page(c.bScreenDimensions);
        const int nInputId = c.bScreenDimensions ? Scr::kIdDistance : Img::kIdWidth;
        const int nResultId = c.bScreenDimensions ? Scr::kIdWidthWide : Img::kIdDistWide;
        D::Click(m_pDlg, Dlg::kIdMeters);
        SelectModel("Kelda W1");
        D::Type(m_pDlg, Dlg::kIdGain, QStringLiteral("1"));
        D::Type(pPage, nInputId, QStringLiteral("3"));
        D::PressEnter(pPage, nInputId);
        const QString strResult = D::Text(pPage, nResultId);
        const SLook input = LookOf(pPage, nInputId);
        const SLook lum = LookOf(m_pDlg, Dlg::kIdLumWide);
        const SLook gain = LookOf(m_pDlg, Dlg::kIdGain);

        SelectModel(c.pszModel);
        D::Type(m_pDlg, Dlg::kIdGain, QString::fromLatin1(c.pszGain));
        D::Type(pPage, nInputId, c.strInput);
        EXPECT_EQ(D::CaptureModal(
                      [&]
                      {
                          if (c.eAction == kEnter)
                              D::PressEnter(pPage, nInputId);
                          else if (c.eAction == kInches)
                              D::Click(m_pDlg, Dlg::kIdInches);
                          else
                              pPrint->trigger();
                      }),
                  QString())
            << strCase;

        const QString strWhy = QString::fromLatin1(c.pszWhy);
        if (c.eAction != kInches)
        {
            EXPECT_EQ(D::Text(pPage, nResultId), strResult) << strCase;
        }
        EXPECT_EQ(LookOf(pPage, nInputId).strTip, strWhy) << strCase;
        EXPECT_NE(LookOf(pPage, nInputId).base, input.base) << strCase;
        EXPECT_EQ(LookOf(m_pDlg, Dlg::kIdLumTele).strTip,
                  strWhy + (c.eAction == kInches
                                ? QStringLiteral("\nThe luminance shown was computed in Nits")
                                : QString()))
            << strCase;
        EXPECT_NE(LookOf(m_pDlg, Dlg::kIdLumTele).base, lum.base) << strCase;
        EXPECT_EQ(LookOf(m_pDlg, Dlg::kIdGain).strTip,
                  QString::fromLatin1(c.pszGain) != "1" ? strWhy : QString())
            << strCase;

        // The next successful calculation takes every mark away.
        D::Click(m_pDlg, Dlg::kIdMeters);
        SelectModel("Kelda W1");
        D::Type(m_pDlg, Dlg::kIdGain, QStringLiteral("1"));
        D::Type(pPage, nInputId, QStringLiteral("3"));
        D::PressEnter(pPage, nInputId);
        EXPECT_EQ(LookOf(pPage, nInputId), input) << strCase;
        EXPECT_EQ(LookOf(m_pDlg, Dlg::kIdLumWide), lum) << strCase;
        EXPECT_EQ(LookOf(m_pDlg, Dlg::kIdGain), gain) << strCase;
    }

    // Another input chosen after a failure takes the mark over.
    QWidget* pImage = Page(false);
    D::Type(pImage, Img::kIdWidth, QStringLiteral("abc"));
    D::PressEnter(pImage, Img::kIdWidth);
    D::Click(pImage, Img::kIdHeight);
    EXPECT_EQ(LookOf(pImage, Img::kIdWidth).strTip, QString());
    EXPECT_NE(LookOf(pImage, Img::kIdHeight).base, LookOf(m_pDlg, Dlg::kIdGain).base);
    EXPECT_EQ(LookOf(pImage, Img::kIdHeight).strTip,
              QStringLiteral("Enter a width, height or diagonal"));
}

TEST_F(CalculationFeedbackTest, ShiftSaysAModelHasNoShiftDataWhateverTheInputs)
{
    // Nothing entered on either page.
    const QString strNoData = QStringLiteral("Shift Data are not available\nfor this projector");
    SelectModel("Kelda WT");
    QWidget* pImage = Page(false);
    EXPECT_EQ(D::CaptureModal([&] { D::Click(pImage, Img::kIdShift); }), strNoData);
    QWidget* pScreen = Page(true);
    EXPECT_EQ(D::CaptureModal([&] { D::Click(pScreen, Scr::kIdShift); }), strNoData);

    // A model with shift data gets the failure's mark instead of a dialog.
    SelectModel("Kelda W1");
    EXPECT_EQ(D::CaptureModal([&] { D::Click(pScreen, Scr::kIdShift); }), QString());
    EXPECT_EQ(LookOf(pScreen, Scr::kIdDistance).strTip,
              QStringLiteral("Enter a projection distance"));
}

TEST_F(CalculationFeedbackTest, EnterOnTheModelOffersTakesOneAndCalculates)
{
    QWidget* pImage = Page(false);
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
        QApplication::processEvents();
        EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdModel), nDown ? "Pavo QB" : "Pavo QA");
        EXPECT_EQ(D::Text(pImage, Img::kIdWidth), QStringLiteral("3.00"));
        EXPECT_EQ(D::Text(pImage, Img::kIdDistTele), nDown ? "4.50" : "2.01");
    }
}
