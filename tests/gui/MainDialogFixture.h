// The main dialog under test: the application object with its dialog built and
// shown, the sheet's two pages at hand, and the helpers the main dialog's tests share.
#pragma once

#include "DialogDriver.h"
#include "DialogTemplates.h"
#include "HVShiftDlgIds.h"
#include "ImagePageIds.h"
#include "LenvaraDlgIds.h"
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
#include <QApplication>
#include <QCompleter>
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
