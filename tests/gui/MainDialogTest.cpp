// The main dialog and its two calculation pages, driven through key and mouse
// events as a person uses them. Reference values are worked out by hand from the
// Kelda W1 rows (16:9: throw ratios 1.37 / 1.66; 4:3: 1.827 / 2.207; 2000 lm on a
// 1920 x 1080 panel).
#include "DialogDriver.h"
#include "DialogTemplates.h"
#include "HVShiftDlgIds.h"
#include "LenvaraDlgIds.h"
#include "ImagePageIds.h"
#include "LenvaraPageIds.h"

#include "app/LenvaraApp.h"
#include "gl/GLWnd.h"
#include "model/CatalogueTable.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/ModelComboBox.h"
#include "ui/ModelListBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using D = CDialogDriver;
namespace Dlg = LenvaraDlgIds;
namespace Img = ImagePageIds;
namespace Scr = LenvaraPageIds;

class MainDialogTest : public ::testing::Test
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
        QApplication::processEvents();
        m_pSheet = m_pDlg->GetSheet();
        ASSERT_NE(m_pSheet, nullptr);
        m_pImage = &m_pSheet->m_pageImage;
        m_pLenvara = &m_pSheet->m_pageLenvara;
    }

    void TearDown() override { m_pApp->ExitInstance(); }

    void SelectModel(const QString& strName) { D::Type(m_pDlg, Dlg::kIdModel, strName); }

    // Kelda W1, 16:9, meters: width 3 entered on the projection-distance page.
    void CalculateWidth3()
    {
        SelectModel(QStringLiteral("Kelda W1"));
        D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
        D::PressEnter(m_pImage, Img::kIdWidth);
    }

    void ShowScreenDimensions()
    {
        m_pSheet->tabBar()->setCurrentIndex(1);
        QApplication::processEvents();
    }

    // Distance 3 entered on the screen-dimensions page.
    void CalculateDistance3()
    {
        ShowScreenDimensions();
        D::Type(m_pLenvara, Scr::kIdDistance, QStringLiteral("3"));
        D::PressEnter(m_pLenvara, Scr::kIdDistance);
    }

    QStringList Texts(const QWidget* pParent, std::initializer_list<int> ids)
    {
        QStringList list;
        for (int nId : ids)
            list << D::Text(pParent, nId);
        return list;
    }

    std::unique_ptr<CLenvaraApp> m_pApp;
    CLenvaraDlg* m_pDlg = nullptr;
    CLenvaraPropertySheet* m_pSheet = nullptr;
    CPage_Image* m_pImage = nullptr;
    CPage_Lenvara* m_pLenvara = nullptr;
};

TEST_F(MainDialogTest, StartsWithMetersWideScreenAndNothingCalculated)
{
    EXPECT_EQ(m_pDlg->windowTitle(), QStringLiteral("Tarsio Lenvara Calculator"));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdMeters, Dlg::kIdInches, Dlg::kIdFeet}),
              QStringList({"Meters", "Inches", "Feet"}));
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdMeters), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdInches) + GetCheck(m_pDlg, Dlg::kIdFeet), 0);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdAspect16x9), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdAspect4x3) + GetCheck(m_pDlg, Dlg::kIdAspect235), 0);
    EXPECT_EQ(m_pApp->m_nPrevUnit, 0);
    EXPECT_EQ(m_pApp->m_nCurUnit, 0);
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdGain, Dlg::kIdLumWide, Dlg::kIdLumTele, Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}),
              QStringList({"1.00", "0.00", "0.00", "Nits", "Nits"}));
    EXPECT_FALSE(m_pApp->m_model.IsLoaded());

    // The first model is selected and its picture shown.
    const SCatalogue& catalogue = GetCatalogue();
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdModel), QString::fromUtf8(catalogue.main[0].szName));
    EXPECT_EQ(m_pDlg->m_nPictureId, catalogue.main[0].nBitmapId);

    // The projection-distance page is active with width as the input.
    EXPECT_EQ(m_pSheet->GetActivePage(), m_pImage);
    EXPECT_EQ(m_pSheet->tabText(0), QStringLiteral("Projection Distance"));
    EXPECT_EQ(m_pSheet->tabText(1), QStringLiteral("Screen Dimensions"));
    EXPECT_FALSE(IsReadOnly(m_pImage, Img::kIdWidth));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdHeight));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdDiagonal));
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele}),
              QStringList({"0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(Texts(m_pLenvara, {Scr::kIdWidthWide, Scr::kIdHeightWide, Scr::kIdDiagWide, Scr::kIdDistance, Scr::kIdDiagTele, Scr::kIdWidthTele, Scr::kIdHeightTele}),
              QStringList(7, "0.00"));
    // Hidden placeholders stay hidden; the default button is never shown.
    EXPECT_FALSE(D::Control(m_pDlg, Dlg::kIdExit)->isVisible());
    EXPECT_FALSE(D::Control(m_pDlg, Dlg::kIdPicturePlace)->isVisible());
}

TEST_F(MainDialogTest, ModelListHoldsEveryModelOnceInCatalogueOrder)
{
    CModelComboBox* pCombo = m_pDlg->GetModelCombo();
    ASSERT_EQ(pCombo->count(), 46);
    const SCatalogue& catalogue = GetCatalogue();
    for (int i = 0; i < 46; ++i)
        EXPECT_EQ(pCombo->itemText(i), QString::fromUtf8(catalogue.main[3 * i + 1].szName)) << i;
    // Names keep their inner blanks, and typing a name does not add it to the list.
    EXPECT_EQ(pCombo->itemText(12), QStringLiteral("Vela  X2"));
    SelectModel(QStringLiteral("Not A Model"));
    D::PressEnter(m_pDlg, Dlg::kIdModel);
    EXPECT_EQ(pCombo->count(), 46);
}

TEST_F(MainDialogTest, ProjectionDistanceFromWidth)
{
    CalculateWidth3();
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele}),
              QStringList({"3.00", "1.69", "3.44", "4.11", "4.98"}));
    // 2000 lm / (3 x 1.6875 x pi) at both ends.
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele, Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}),
              QStringList({"125.75", "125.75", "Nits", "Nits"}));
    EXPECT_TRUE(m_pApp->m_model.IsLoaded());
    EXPECT_TRUE(m_pDlg->isVisible());
    // The preview shows one screen at the two distances.
    const CGLWnd* pPreview = m_pDlg->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetMode(), 0);
    const std::array<float, 6> afView = pPreview->GetViewData();
    EXPECT_FLOAT_EQ(afView[0], 3.0f);
    EXPECT_FLOAT_EQ(afView[1], 1.6875f);
    EXPECT_FLOAT_EQ(afView[2], 3.0f * 1.37f);
    EXPECT_FLOAT_EQ(afView[3], 3.0f);
    EXPECT_FLOAT_EQ(afView[4], 1.6875f);
    EXPECT_FLOAT_EQ(afView[5], 3.0f * 1.66f);
}

TEST_F(MainDialogTest, EnterButtonAndEnterKeyCalculateTheSame)
{
    SelectModel(QStringLiteral("Kelda W1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
    D::Click(m_pImage, Img::kIdEnter);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("4.11"));
    // Enter on the focused Shift button recalculates instead of pressing the button.
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("6"));
    QWidget* pShift = D::Control(m_pImage, Img::kIdShift);
    pShift->setFocus(Qt::TabFocusReason);
    D::PressKey(pShift, Qt::Key_Return);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("8.22"));
}

TEST_F(MainDialogTest, ScreenDimensionsFromDistance)
{
    SelectModel(QStringLiteral("Kelda W1"));
    CalculateDistance3();
    // Wide 3 / 1.37, tele 3 / 1.66; heights x 9/16; diagonals x sqrt(1 + 81/256).
    EXPECT_EQ(Texts(m_pLenvara, {Scr::kIdDistance, Scr::kIdWidthWide, Scr::kIdWidthTele, Scr::kIdHeightWide, Scr::kIdHeightTele, Scr::kIdDiagWide, Scr::kIdDiagTele}),
              QStringList({"3.00", "2.19", "1.81", "1.23", "1.02", "2.51", "2.07"}));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele}), QStringList({"236.02", "346.52"}));
    // The preview shows the tele screen first, then the wide one, at one distance.
    const CGLWnd* pPreview = m_pDlg->GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->GetMode(), 1);
    const std::array<float, 6> afView = pPreview->GetViewData();
    EXPECT_FLOAT_EQ(afView[0], 3.0f / 1.66f);
    EXPECT_NEAR(afView[1], 1.0166f, 1e-4);
    EXPECT_FLOAT_EQ(afView[2], 3.0f);
    EXPECT_FLOAT_EQ(afView[3], 3.0f / 1.37f);
    EXPECT_NEAR(afView[4], 1.2318f, 1e-4);
    EXPECT_FLOAT_EQ(afView[5], 3.0f);
    // The other page keeps its numbers.
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("0.00"));
}

TEST_F(MainDialogTest, FocusOnAnotherSizeEditMakesItTheInputAndZeroesTheOthers)
{
    CalculateWidth3();
    D::Click(m_pImage, Img::kIdDiagonal);
    // At once, before any calculation.
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}), QStringList({"0.00", "0.00", "3.44"}));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdWidth));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdHeight));
    EXPECT_FALSE(IsReadOnly(m_pImage, Img::kIdDiagonal));

    // Diagonal 0 calculates nothing: every field stays.
    D::Type(m_pImage, Img::kIdDiagonal, QStringLiteral("0"));
    D::PressEnter(m_pImage, Img::kIdDiagonal);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele}),
              QStringList({"0.00", "0.00", "0", "4.11", "4.98"}));

    // Diagonal 3.44 gives back width 3.00 (to two decimals).
    D::Type(m_pImage, Img::kIdDiagonal, QStringLiteral("3.44"));
    D::PressEnter(m_pImage, Img::kIdDiagonal);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}), QStringList({"3.00", "1.69", "3.44"}));
}

TEST_F(MainDialogTest, TabFromWidthToHeightErasesTheWidth)
{
    SelectModel(QStringLiteral("Kelda W1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
    D::PressTab(m_pDlg);
    EXPECT_EQ(QApplication::focusWidget(), D::Control(m_pImage, Img::kIdHeight));
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdDiagonal}), QStringList({"0.00", "0.00"}));
    EXPECT_FALSE(IsReadOnly(m_pImage, Img::kIdHeight));
    D::Type(m_pImage, Img::kIdHeight, QStringLiteral("1.6875"));
    D::PressEnter(m_pImage, Img::kIdHeight);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}), QStringList({"3.00", "1.69", "3.44"}));
}

TEST_F(MainDialogTest, UnitChangeConvertsOnlyTheActivePage)
{
    CalculateWidth3();
    D::Click(m_pDlg, Dlg::kIdInches);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdInches), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdMeters), 0);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("118.11"));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}), QStringList({"FtL", "FtL"}));
    D::Click(m_pDlg, Dlg::kIdMeters);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("3.00"));
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("4.11"));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}), QStringList({"Nits", "Nits"}));

    CalculateDistance3();
    D::Click(m_pDlg, Dlg::kIdFeet);
    EXPECT_EQ(m_pApp->m_nPrevUnit, 0);
    EXPECT_EQ(m_pApp->m_nCurUnit, 2);
    // 3 m = 9.84 ft; the sizes are recalculated from it.
    EXPECT_EQ(D::Text(m_pLenvara, Scr::kIdDistance), QStringLiteral("9.84"));
    EXPECT_EQ(D::Text(m_pLenvara, Scr::kIdWidthWide), QStringLiteral("7.18"));
    // The hidden page keeps its meters.
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("3.00"));

    // Clicking the selected unit again neither clears it nor changes a value.
    D::Click(m_pDlg, Dlg::kIdFeet);
    EXPECT_EQ(D::Text(m_pLenvara, Scr::kIdDistance), QStringLiteral("9.84"));
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdFeet), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdMeters) + GetCheck(m_pDlg, Dlg::kIdInches), 0);
}

TEST_F(MainDialogTest, AspectChangeRecalculatesFromTheInput)
{
    CalculateWidth3();
    D::Click(m_pDlg, Dlg::kIdAspect4x3);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdAspect4x3), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdAspect16x9), 0);
    // 4:3 rows: 3 x 1.827 and 3 x 2.207; a 16:9 panel fills 3/4 of a 4:3 screen.
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele}),
              QStringList({"3.00", "2.25", "3.75", "5.48", "6.62"}));
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdLumWide), QStringLiteral("70.74"));
}

TEST_F(MainDialogTest, FailedCalculationsChangeNothing)
{
    CalculateWidth3();
    const QStringList page = Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele});
    const QStringList panel = Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele});

    // A name the catalogue does not hold (the case differs).
    // (The click into the width edit zeroes height and diagonal, as always.)
    SelectModel(QStringLiteral("kelda w1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("5"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide, Img::kIdDistTele}),
              QStringList({"5", "0.00", "0.00", "4.11", "4.98"}));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele}), panel);

    // Text that is no number, and a number beyond any float.
    SelectModel(QStringLiteral("Kelda W1"));
    for (const char* pszInput : {"abc", "1e999", "-"})
    {
        D::Type(m_pImage, Img::kIdWidth, QString::fromLatin1(pszInput));
        D::PressEnter(m_pImage, Img::kIdWidth);
        EXPECT_EQ(Texts(m_pImage, {Img::kIdDistWide, Img::kIdDistTele}), page.mid(3)) << pszInput;
        EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele}), panel) << pszInput;
    }
    // A leading number is read as far as it goes: "2,5" is 2.
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("2,5"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("2.00"));
}

TEST_F(MainDialogTest, LongResultsShowTheirStartAndTheWholeTextAsTooltip)
{
    SelectModel(QStringLiteral("Kelda W1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("0.001"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    // 2000 lm on a 1 mm x 0.5625 mm screen: ten digits before the point.
    auto* pLum = qobject_cast<QLineEdit*>(D::Control(m_pDlg, Dlg::kIdLumWide));
    ASSERT_NE(pLum, nullptr);
    EXPECT_EQ(pLum->text().indexOf('.'), 10) << pLum->text().toStdString();
    EXPECT_EQ(pLum->cursorPosition(), 0);
    EXPECT_EQ(pLum->toolTip(), pLum->text());
    // A short result needs no tooltip.
    EXPECT_TRUE(qobject_cast<QLineEdit*>(D::Control(m_pImage, Img::kIdHeight))->toolTip().isEmpty());
}

TEST_F(MainDialogTest, ModelChangeAloneChangesNoResult)
{
    CalculateWidth3();
    QComboBox* pCombo = m_pDlg->GetModelCombo();
    pCombo->setCurrentIndex(1);
    QApplication::processEvents();
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("4.11"));
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdLumWide), QStringLiteral("125.75"));
    // Kelda W2 (1.52 / 2.28, 2500 lm) on the next recalculation.
    D::PressEnter(m_pDlg, Dlg::kIdModel);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdDistWide, Img::kIdDistTele}), QStringList({"4.56", "6.84"}));
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdLumWide), QStringLiteral("157.19"));
}

TEST_F(MainDialogTest, EnterInGainRecalculatesAndKeepsTheDialogOpen)
{
    CalculateWidth3();
    D::Type(m_pDlg, Dlg::kIdGain, QStringLiteral("2"));
    D::PressEnter(m_pDlg, Dlg::kIdGain);
    EXPECT_TRUE(m_pDlg->isVisible());
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele}), QStringList({"251.50", "251.50"}));
    // An empty gain reads as 0.
    D::Type(m_pDlg, Dlg::kIdGain, QString());
    D::PressEnter(m_pDlg, Dlg::kIdGain);
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele}), QStringList({"0.00", "0.00"}));
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(MainDialogTest, EscapeAndExitCloseTheDialog)
{
    D::PressKey(D::Control(m_pDlg, Dlg::kIdGain), Qt::Key_Escape);
    EXPECT_FALSE(m_pDlg->isVisible());
    EXPECT_EQ(m_pDlg->result(), QDialog::Rejected);

    m_pDlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
    QAction* pExit = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdExit));
    ASSERT_NE(pExit, nullptr);
    EXPECT_EQ(pExit->text().remove('&'), QStringLiteral("Exit")); // E&xit: a mnemonic
    pExit->trigger();
    EXPECT_FALSE(m_pDlg->isVisible());

    // The standard shortcuts: Ctrl+S saves (here: nothing calculated yet), Ctrl+Q exits.
    m_pDlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pDlg));
    D::ClickWidget(D::Control(m_pDlg, Dlg::kIdGain));
    const QString strSave = D::CaptureModal(
        [&] { QTest::keyClick(D::Control(m_pDlg, Dlg::kIdGain), Qt::Key_S, Qt::ControlModifier); });
    EXPECT_TRUE(strSave.startsWith(QStringLiteral("There is no calculation"))) << strSave.toStdString();
    QAction* pPrint = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdPrintPage));
    ASSERT_NE(pPrint, nullptr);
    EXPECT_EQ(pPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    D::ClickWidget(D::Control(m_pDlg, Dlg::kIdGain)); // active again after the message
    QTest::keyClick(D::Control(m_pDlg, Dlg::kIdGain), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(m_pDlg->isVisible());
}

TEST_F(MainDialogTest, ShiftWithoutShiftDataShowsTheMessageAfterRecalculating)
{
    SelectModel(QStringLiteral("Kelda WT"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
    const QString strMessage = D::CaptureModal([&] { D::Click(m_pImage, Img::kIdShift); });
    EXPECT_EQ(strMessage, QStringLiteral("Shift Data are not available\nfor this projector"));
    // The page was recalculated before the message.
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("3.00"));
    EXPECT_NE(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("0.00"));

    // Same on the other page; with shift data the Shift Calculator comes instead.
    ShowScreenDimensions();
    D::Type(m_pLenvara, Scr::kIdDistance, QStringLiteral("3"));
    EXPECT_EQ(D::CaptureModal([&] { D::Click(m_pLenvara, Scr::kIdShift); }),
              QStringLiteral("Shift Data are not available\nfor this projector"));
    SelectModel(QStringLiteral("Kelda W1"));
    EXPECT_EQ(D::CaptureModal([&] { D::Click(m_pLenvara, Scr::kIdShift); }),
              QStringLiteral("Shift Calculator"));
    EXPECT_EQ(D::Text(m_pLenvara, Scr::kIdWidthWide), QStringLiteral("2.19"));
}

TEST_F(MainDialogTest, ShiftShowsTheLimitsOfThePagesInstallation)
{
    // Kelda W1 at 16:9 shifts vertically only, 12.71 degrees up and 0.005 down at
    // WA (10.54 and 0.004 at TP); throw ratios 1.37 and 1.66.
    SelectModel(QStringLiteral("Kelda W1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("4"));
    // The texts of the Shift Calculator that the click opens, then its OK button.
    namespace Hv = HVShiftDlgIds;
    QStringList texts;
    auto shift = [&](QWidget* pPage, int nShiftId, std::initializer_list<int> ids, int nOkId) {
        texts.clear();
        return D::HandleModals([&] { D::Click(pPage, nShiftId); },
                               {[&](QWidget* pDlg) {
                                   for (int nId : ids)
                                       texts << D::Text(pDlg, nId);
                                   D::Click(pDlg, nOkId);
                               }});
    };
    // One screen 2.25 high at 5.48 and 6.64: 1.125 + tan(12.71) x 5.48 = 2.36.
    EXPECT_EQ(shift(m_pImage, Img::kIdShift,
                    {Hv::kIdWaMaxHeightLabel, Hv::kIdWaMaxHeight, Hv::kIdWaMinHeight},
                    Hv::kIdOkOneGroup),
              1);
    EXPECT_EQ(texts, QStringList({"WA/TP maximum half height", "2.36", "-1.12"}));

    // At 6 the WA screen is 2.46 high (1.23 + tan(12.71) x 6 = 2.59), the TP screen
    // 2.03 (1.02 + tan(10.54) x 6 = 2.13).
    ShowScreenDimensions();
    D::Type(m_pLenvara, Scr::kIdDistance, QStringLiteral("6"));
    EXPECT_EQ(shift(m_pLenvara, Scr::kIdShift,
                    {Hv::kIdWaMaxHeightLabel, Hv::kIdWaMaxHeight, Hv::kIdTpMaxHeight}, Hv::kIdOk),
              1);
    EXPECT_EQ(texts, QStringList({"WA maximum half height", "2.59", "2.13"}));
}

TEST_F(MainDialogTest, ShiftAfterAFailedCalculationShowsNothing)
{
    // The record's last calculation was of a model without shift data; an unknown
    // name now fails and brings neither that model's message nor a dialog.
    SelectModel(QStringLiteral("Kelda WT"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    SelectModel(QStringLiteral("No Such Model"));
    EXPECT_EQ(D::CaptureModal([&] { D::Click(m_pImage, Img::kIdShift); }), QString());

    // A model with shift data calculated, then nothing to calculate from: no size on
    // this page, no distance on the other.
    SelectModel(QStringLiteral("Pavo QC"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("3"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("0"));
    EXPECT_EQ(D::CaptureModal([&] { D::Click(m_pImage, Img::kIdShift); }), QString());
    ShowScreenDimensions();
    EXPECT_EQ(D::CaptureModal([&] { D::Click(m_pLenvara, Scr::kIdShift); }), QString());
}

TEST_F(MainDialogTest, AboutBoxFromTheHelpMenu)
{
    QAction* pAbout = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdAbout));
    ASSERT_NE(pAbout, nullptr);
    EXPECT_EQ(pAbout->text(), QStringLiteral("&About Lenvara Calculator"));
    EXPECT_EQ(D::CaptureModal([&] { pAbout->trigger(); }),
              QStringLiteral("About Lenvara Calculator"));
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST_F(MainDialogTest, HoveringTheDropDownListChangesThePictureOncePerEntry)
{
    CModelComboBox* pCombo = m_pDlg->GetModelCombo();
    CModelListBox* pList = pCombo->GetListBox();
    QSignalSpy spy(pList, &CModelListBox::pictureChanged);
    pCombo->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pList->window()));

    const SCatalogue& catalogue = GetCatalogue();
    auto hover = [&](int nRow, int nDy)
    {
        const QRect rc = pList->visualRect(pList->model()->index(nRow, 0));
        QMouseEvent move(QEvent::MouseMove, QPointF(rc.center() + QPoint(0, nDy)),
                         pList->viewport()->mapToGlobal(QPointF(rc.center())), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(pList->viewport(), &move);
    };
    hover(3, 0); // Kelda WT
    hover(3, 2);
    hover(3, -2);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(m_pDlg->m_nPictureId, catalogue.main[3 * 3 + 1].nBitmapId);
    hover(4, 0); // Orne SX
    EXPECT_EQ(m_pDlg->m_nPictureId, catalogue.main[3 * 4 + 1].nBitmapId);
    hover(3, 0);
    hover(3, 1);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("Kelda WT"));
    EXPECT_EQ(spy.at(1).at(0).toString(), QStringLiteral("Orne SX"));
    EXPECT_EQ(spy.at(2).at(0).toString(), QStringLiteral("Kelda WT"));
    pCombo->hidePopup();
    // Hovering changes neither the combo's text nor any result.
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdModel), QStringLiteral("Kelda W1"));
}

TEST_F(MainDialogTest, ClosingTheDropDownShowsThePictureOfTheNameInTheBox)
{
    CModelComboBox* pCombo = m_pDlg->GetModelCombo();
    CModelListBox* pList = pCombo->GetListBox();
    const SCatalogue& catalogue = GetCatalogue();
    pCombo->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pList->window()));
    const QRect rc = pList->visualRect(pList->model()->index(3, 0)); // Kelda WT
    QMouseEvent move(QEvent::MouseMove, QPointF(rc.center()),
                     pList->viewport()->mapToGlobal(QPointF(rc.center())), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(pList->viewport(), &move);
    ASSERT_EQ(m_pDlg->m_nPictureId, catalogue.main[3 * 3 + 1].nBitmapId);
    // Hovered and cancelled: the box still names Kelda W1.
    pCombo->hidePopup();
    QTRY_COMPARE(m_pDlg->m_nPictureId, catalogue.main[1].nBitmapId);
    // Chosen with the keyboard (Orne SX), then a name the catalogue lacks.
    pCombo->showPopup();
    pCombo->setCurrentIndex(4);
    pCombo->hidePopup();
    QTRY_COMPARE(m_pDlg->m_nPictureId, catalogue.main[3 * 4 + 1].nBitmapId);
    pCombo->setEditText(QStringLiteral("Orne"));
    pCombo->ShowChosenModel();
    EXPECT_EQ(m_pDlg->m_nPictureId, -1);
}

TEST_F(MainDialogTest, TypingOffersNamesIgnoringCaseAndBlanksAndMarksUnknownNames)
{
    CModelComboBox* pCombo = m_pDlg->GetModelCombo();
    QCompleter* pCompleter = pCombo->completer();
    ASSERT_NE(pCompleter, nullptr);
    D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("vela x2"));
    QStringList offers;
    for (int i = 0; pCompleter->setCurrentRow(i); ++i)
        offers << pCompleter->currentCompletion();
    EXPECT_EQ(offers, QStringList({"Vela  X2", "Vela  X2L"}));
    D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("pavo   QA"));
    ASSERT_TRUE(pCompleter->setCurrentRow(0));
    emit pCompleter->activated(pCompleter->currentIndex());
    QApplication::processEvents();
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdModel), QStringLiteral("Pavo QA"));
    EXPECT_EQ(m_pDlg->m_nPictureId, m_pApp->FindPictureId("Pavo QA"));

    // A name the catalogue lacks is marked when editing ends, until the box holds a name.
    const QColor normal = pCombo->lineEdit()->palette().color(QPalette::Base);
    D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Pavo Q"));
    pCompleter->popup()->hide(); // the offers dismissed
    D::Click(m_pImage, Img::kIdWidth);
    EXPECT_NE(pCombo->lineEdit()->palette().color(QPalette::Base), normal);
    D::Type(m_pDlg, Dlg::kIdModel, QStringLiteral("Pavo QA"));
    EXPECT_EQ(pCombo->lineEdit()->palette().color(QPalette::Base), normal);
}

TEST_F(MainDialogTest, CalculationsMarkDistancesBeyondTheLensAndShowTheChosenModel)
{
    // Typed, not hovered: the calculation shows Orne SX's picture.
    SelectModel(QStringLiteral("Orne SX"));
    ShowScreenDimensions();
    auto* pDistance = qobject_cast<QLineEdit*>(D::Control(m_pLenvara, Scr::kIdDistance));
    ASSERT_NE(pDistance, nullptr);
    const QColor normal = pDistance->palette().color(QPalette::Base);
    for (const char* pszDistance : {"1.99", "2", "8", "8.01"})
    {
        D::Type(m_pLenvara, Scr::kIdDistance, QString::fromLatin1(pszDistance));
        D::PressEnter(m_pLenvara, Scr::kIdDistance);
        const bool bOutside = pszDistance[0] == '1' || pszDistance[1] == '.';
        EXPECT_EQ(pDistance->palette().color(QPalette::Base) != normal, bOutside) << pszDistance;
        EXPECT_EQ(pDistance->toolTip(), bOutside ? QStringLiteral("Outside the lens range "
                                                                  "2.00\u20138.00 m")
                                                 : QString())
            << pszDistance;
    }
    EXPECT_EQ(m_pDlg->m_nPictureId, GetCatalogue().main[3 * 4 + 1].nBitmapId);
    // A name the catalogue lacks: no picture, the box marked.
    SelectModel(QStringLiteral("Orne"));
    D::PressEnter(m_pLenvara, Scr::kIdDistance);
    EXPECT_EQ(m_pDlg->m_nPictureId, -1);
    EXPECT_EQ(m_pDlg->GetModelCombo()->lineEdit()->toolTip(),
              QStringLiteral("No projector of this name in the list"));
}

TEST_F(MainDialogTest, GainWithoutItsBoxIsOne)
{
    delete FindControl(m_pDlg, Dlg::kIdGain);
    EXPECT_FLOAT_EQ(m_pDlg->GetGain(), 1.0f);
}

TEST_F(MainDialogTest, PrintBeforeAnyCalculationDoesNothing)
{
    QAction* pPrint = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdPrintPage));
    ASSERT_NE(pPrint, nullptr);
    EXPECT_EQ(D::CaptureModal([&] { pPrint->trigger(); }), QString());
    EXPECT_TRUE(m_pDlg->isVisible());
}

TEST(AppWithoutDialog, ControlHelpersHaveDefinedResults)
{
    CLenvaraApp app;
    EXPECT_EQ(app.SetControlNumber(nullptr, Img::kIdWidth, 2.0f), 0);
    EXPECT_FLOAT_EQ(app.GetControlNumber(nullptr, Img::kIdWidth), 0.0f);
    EXPECT_EQ(app.GetControlCheck(nullptr, Dlg::kIdMeters), 0);

    QWidget window;
    auto* pEdit = new QLineEdit(&window);
    pEdit->setObjectName(ControlName(Img::kIdWidth));
    EXPECT_EQ(app.SetControlNumber(&window, Img::kIdWidth, 12.345f), 1);
    EXPECT_EQ(pEdit->text(), QStringLiteral("12.35"));
    EXPECT_EQ(app.SetControlNumber(&window, Img::kIdHeight, 1.0f), 1); // no such control
    // Only the first 79 characters count.
    pEdit->setText(QString(78, ' ') + QStringLiteral("42"));
    EXPECT_FLOAT_EQ(app.GetControlNumber(&window, Img::kIdWidth), 4.0f);
}

TEST_F(MainDialogTest, TabRunsThroughTheChoicesAndIntoThePage)
{
    D::Click(m_pDlg, Dlg::kIdGain);
    QStringList chain;
    for (int i = 0; i < 12; ++i)
    {
        D::PressTab(m_pDlg);
        QWidget* pFocus = QApplication::focusWidget();
        chain << (pFocus ? pFocus->objectName() : QStringLiteral("none"));
    }
    const std::string strChain = chain.join(' ').toStdString();
    // From the gain edit over the luminance edits and the tab bar into the page,
    // through it and back to the model list.
    auto names = [](std::initializer_list<int> ids)
    {
        QStringList list;
        for (int nId : ids)
            list << ControlName(nId);
        return list;
    };
    EXPECT_EQ(chain.mid(0, 2), names({Dlg::kIdLumWide, Dlg::kIdLumTele})) << strChain;
    EXPECT_EQ(chain.mid(3, 8),
              names({Img::kIdEnter, Img::kIdShift, Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal,
                     Img::kIdDistWide, Img::kIdDistTele, Dlg::kIdModel}))
        << strChain;
}

TEST_F(MainDialogTest, FocusComingBackToTheWindowKeepsTheResults)
{
    SelectModel(QStringLiteral("Kelda W1"));
    D::Type(m_pImage, Img::kIdHeight, QStringLiteral("1.6875"));
    D::PressEnter(m_pImage, Img::kIdHeight);
    ASSERT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("3.00"));
    // The focus returns to the height edit after a message box, another window or a
    // menu: no choice of the user's, so the derived sizes stay.
    for (Qt::FocusReason eReason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason,
                                    Qt::MenuBarFocusReason, Qt::OtherFocusReason})
    {
        QFocusEvent focusIn(QEvent::FocusIn, eReason);
        QApplication::sendEvent(D::Control(m_pImage, Img::kIdHeight), &focusIn);
        EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}), QStringList({"3.00", "1.69", "3.44"}))
            << eReason;
    }
    EXPECT_FALSE(IsReadOnly(m_pImage, Img::kIdHeight));

    // Clicking the other page's tab and back gives the focus back the same way.
    QTabBar* pTabs = m_pSheet->findChild<QTabBar*>();
    ASSERT_NE(pTabs, nullptr);
    for (int nTab : {1, 0})
    {
        QTest::mouseClick(pTabs, Qt::LeftButton, Qt::NoModifier, pTabs->tabRect(nTab).center());
        QApplication::processEvents();
    }
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}), QStringList({"3.00", "1.69", "3.44"}));
}
