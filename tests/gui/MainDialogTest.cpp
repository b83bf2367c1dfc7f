// The main dialog and its two calculation pages, driven through key and mouse
// events as a person uses them. Reference values are worked out by hand from the
// Kelda W1 rows (16:9: throw ratios 1.37 / 1.66; 4:3: 1.827 / 2.207; 2000 lm on a
// 1920 x 1080 panel).
#include "MainDialogFixture.h"

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
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdGain, Dlg::kIdLumWide, Dlg::kIdLumTele, Dlg::kIdLumUnitWide,
                             Dlg::kIdLumUnitTele}),
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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide,
                               Img::kIdDistTele}),
              QStringList({"0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(Texts(m_pLenvara,
                    {Scr::kIdWidthWide, Scr::kIdHeightWide, Scr::kIdDiagWide, Scr::kIdDistance,
                     Scr::kIdDiagTele, Scr::kIdWidthTele, Scr::kIdHeightTele}),
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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide,
                               Img::kIdDistTele}),
              QStringList({"3.00", "1.69", "3.44", "4.11", "4.98"}));
    // 2000 lm / (3 x 1.6875 x pi) at both ends.
    EXPECT_EQ(
        Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele, Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}),
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
    EXPECT_EQ(Texts(m_pLenvara,
                    {Scr::kIdDistance, Scr::kIdWidthWide, Scr::kIdWidthTele, Scr::kIdHeightWide,
                     Scr::kIdHeightTele, Scr::kIdDiagWide, Scr::kIdDiagTele}),
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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}),
              QStringList({"0.00", "0.00", "3.44"}));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdWidth));
    EXPECT_TRUE(IsReadOnly(m_pImage, Img::kIdHeight));
    EXPECT_FALSE(IsReadOnly(m_pImage, Img::kIdDiagonal));

    // Diagonal 0 calculates nothing: every field stays.
    D::Type(m_pImage, Img::kIdDiagonal, QStringLiteral("0"));
    D::PressEnter(m_pImage, Img::kIdDiagonal);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide,
                               Img::kIdDistTele}),
              QStringList({"0.00", "0.00", "0", "4.11", "4.98"}));

    // Diagonal 3.44 gives back width 3.00 (to two decimals).
    D::Type(m_pImage, Img::kIdDiagonal, QStringLiteral("3.44"));
    D::PressEnter(m_pImage, Img::kIdDiagonal);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}),
              QStringList({"3.00", "1.69", "3.44"}));
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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}),
              QStringList({"3.00", "1.69", "3.44"}));
}

TEST_F(MainDialogTest, UnitChangeConvertsOnlyTheActivePage)
{
    CalculateWidth3();
    D::Click(m_pDlg, Dlg::kIdInches);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdInches), 1);
    EXPECT_EQ(GetCheck(m_pDlg, Dlg::kIdMeters), 0);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("118.11"));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}),
              QStringList({"FtL", "FtL"}));
    D::Click(m_pDlg, Dlg::kIdMeters);
    EXPECT_EQ(D::Text(m_pImage, Img::kIdWidth), QStringLiteral("3.00"));
    EXPECT_EQ(D::Text(m_pImage, Img::kIdDistWide), QStringLiteral("4.11"));
    EXPECT_EQ(Texts(m_pDlg, {Dlg::kIdLumUnitWide, Dlg::kIdLumUnitTele}),
              QStringList({"Nits", "Nits"}));

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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide,
                               Img::kIdDistTele}),
              QStringList({"3.00", "2.25", "3.75", "5.48", "6.62"}));
    EXPECT_EQ(D::Text(m_pDlg, Dlg::kIdLumWide), QStringLiteral("70.74"));
}

TEST_F(MainDialogTest, FailedCalculationsChangeNothing)
{
    CalculateWidth3();
    const QStringList page = Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal,
                                              Img::kIdDistWide, Img::kIdDistTele});
    const QStringList panel = Texts(m_pDlg, {Dlg::kIdLumWide, Dlg::kIdLumTele});

    // A name the catalogue does not hold (the case differs).
    // (The click into the width edit zeroes height and diagonal, as always.)
    SelectModel(QStringLiteral("kelda w1"));
    D::Type(m_pImage, Img::kIdWidth, QStringLiteral("5"));
    D::PressEnter(m_pImage, Img::kIdWidth);
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal, Img::kIdDistWide,
                               Img::kIdDistTele}),
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
    EXPECT_TRUE(
        qobject_cast<QLineEdit*>(D::Control(m_pImage, Img::kIdHeight))->toolTip().isEmpty());
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
    EXPECT_TRUE(strSave.startsWith(QStringLiteral("There is no calculation")))
        << strSave.toStdString();
    QAction* pPrint = m_pDlg->GetMenuBar()->findChild<QAction*>(ControlName(kCmdPrintPage));
    ASSERT_NE(pPrint, nullptr);
    EXPECT_EQ(pPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    D::ClickWidget(D::Control(m_pDlg, Dlg::kIdGain)); // active again after the message
    QTest::keyClick(D::Control(m_pDlg, Dlg::kIdGain), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(m_pDlg->isVisible());
}
