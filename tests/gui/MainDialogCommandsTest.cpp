// The main dialog's commands and choices: Shift with and without shift data, the
// About box, the model list's pictures and completion, the lens range mark, the tab
// order and the focus coming back.
#include "MainDialogFixture.h"

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
    auto shift = [&](QWidget* pPage, int nShiftId, std::initializer_list<int> ids, int nOkId)
    {
        texts.clear();
        return D::HandleModals([&] { D::Click(pPage, nShiftId); }, {[&](QWidget* pDlg)
                                                                    {
                                                                        for (int nId : ids)
                                                                            texts << D::Text(pDlg,
                                                                                             nId);
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
        EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}),
                  QStringList({"3.00", "1.69", "3.44"}))
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
    EXPECT_EQ(Texts(m_pImage, {Img::kIdWidth, Img::kIdHeight, Img::kIdDiagonal}),
              QStringList({"3.00", "1.69", "3.44"}));
}
