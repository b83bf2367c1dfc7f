#include "ui/LenvaraDlg.h"

#include "DialogTemplates.h"
#include "LenvaraDlgIds.h"
#include "app/LenvaraApp.h"
#include "core/DealerFile.h"
#include "core/TextFormat.h"
#include "gl/GLWnd.h"
#include "model/CatalogueTable.h"
#include "platform/Controls.h"
#include "platform/DebugTrace.h"
#include "platform/FontWarmUp.h"
#include "platform/MaskedBitmap.h"
#include "platform/PainterDC.h"
#include "platform/Resources.h"
#include "ui/AboutDialog.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/ModelComboBox.h"
#include "ui/ModelListBox.h"
#include "ui/OwnCatalogueStart.h"
#include "ui/ProjectorModelsDialog.h"
#include "ui/ShiftCommand.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPainter>
#include <QTimer>

#include <cerrno>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace LenvaraDlgIds;

namespace
{
constexpr int kIconId = 128;
constexpr int kLogoBitmapId = 135;
constexpr int kUnitRadios[] = {kIdMeters, kIdInches, kIdFeet};
constexpr int kAspectRadios[] = {kIdAspect4x3, kIdAspect16x9, kIdAspect235};
} // namespace

std::unique_ptr<CDialog> CLenvaraDlg::New(CLenvaraApp& app)
{
    return std::make_unique<CLenvaraDlg>(app);
}

void StartMainDialogWarmUp()
{
    // Only fontconfig, which knows nothing of the toolkit: no thread of ours may touch
    // the toolkit, or the first one to do so would become its main thread. Decoding
    // the first pictures ahead of the dialog gained nothing measurable. The own
    // projectors are read by core code alone.
    StartFontWarmUp();
    StartOwnCatalogueRead();
}

CLenvaraDlg* CreateMainDialog(CLenvaraApp& app)
{
    auto pDialog = std::make_unique<CLenvaraDlg>(app);
    CLenvaraDlg* pMain = pDialog.get();
    app.AdoptMainDialog(std::move(pDialog));
    return pMain;
}

CLenvaraDlg::CLenvaraDlg(CLenvaraApp& app, QWidget* pParent)
    : CDialog(MainDialogTemplate(), &MainMenuTemplate(), pParent), m_app(app), m_dlgPrintInfo(app)
{
    // The program's only window: it can be minimised like any main window.
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
}

CLenvaraDlg::~CLenvaraDlg()
{
    delete m_pSheet;
    m_pSheet = nullptr;
}

QWidget* CLenvaraDlg::CreateControl(const SControlTemplate& ctl, QWidget* pParent)
{
    if (ctl.nId == kIdModel)
        return new CModelComboBox(pParent);
    return nullptr;
}

bool CLenvaraDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_comboModel = qobject_cast<CModelComboBox*>(FindControl(this, kIdModel));

    // The About box is on the Help menu; there is no system menu to add it to here.
    // The window icon follows with the preview, right after the first paint: reading
    // it and handing it to the window system costs start-up time the user cannot see.

    // The calculation sheet over its place, both pages initialised now, in order.
    m_pSheet = new CLenvaraPropertySheet(this);
    m_pSheet->setObjectName(QStringLiteral("sheet"));
    m_pSheet->setGeometry(GetControlRect(this, kIdSheetPlace));
    m_pSheet->show();
    const int nActive = 0;
    for (int i = 0; i < m_pSheet->GetPageCount(); ++i)
        m_pSheet->SetActivePage(i);
    m_pSheet->SetActivePage(nActive);
    ResetLuminancePanel(1.0, 0.0, 0.0);

    // The list holds the built-in models. The own ones join it now when their file was
    // not read ahead; else once that read is done (after the first paint), or when the
    // list or a calculation needs them, whichever comes first.
    const SCatalogue& catalogue = GetCatalogue();
    if (!OwnCatalogueReadPending())
        InstallOwnCatalogue();

    SetCheck(this, kIdMeters, 1);
    SetCheck(this, kIdInches, 0);
    SetCheck(this, kIdFeet, 0);
    m_app.m_nPrevUnit = kUnitMeters;
    m_app.m_nCurUnit = kUnitMeters;
    SetControlText(this, kIdLumUnitWide, "Nits");
    SetControlText(this, kIdLumUnitTele, "Nits");

    SetCheck(this, kIdAspect4x3, 0);
    SetCheck(this, kIdAspect16x9, 1);
    SetCheck(this, kIdAspect235, 0);

    // The picture frame draws nothing of its own: the picture is painted underneath.
    m_wndPicture = new QFrame(this);
    m_wndPicture->setObjectName(QStringLiteral("PreView"));
    m_wndPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_wndPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceOverControl(m_wndPicture, this, kIdPicturePlace, -1);

    // The GL preview costs more start-up time than the rest of the dialog together
    // (context creation, and the whole window composed through GL), so it is
    // created right after the first paint (FinishStartup), or earlier when a page
    // hands it data.
    m_bPreviewPending = true;

    if (m_comboModel && m_comboModel->count() > 0)
        m_comboModel->setCurrentIndex(0);
    ConnectRequests();
    SelectPicture(catalogue.main[0].szName);

    ReadDealerData();
    // The default focus: the model name, selected so that typing replaces it.
    if (m_comboModel)
    {
        m_comboModel->setFocus(Qt::TabFocusReason);
        m_comboModel->lineEdit()->selectAll();
    }
    return true;
}

void CLenvaraDlg::ConnectRequests()
{
    CCalcPage* const apPages[] = {&m_pSheet->m_pageImage, &m_pSheet->m_pageLenvara};
    for (CCalcPage* pPage : apPages)
    {
        connect(pPage, &CCalcPage::calculateRequested, this, [this] { Recalculate(); });
        connect(pPage, &CCalcPage::shiftRequested, this, &CLenvaraDlg::OnShift);
    }
    if (!m_comboModel)
        return;
    connect(m_comboModel, &CModelComboBox::namesNeeded, this,
            &CLenvaraDlg::CompletePendingOwnCatalogue, Qt::DirectConnection);
    // Enter on the name's offers takes one and calculates, as Enter anywhere does.
    connect(m_comboModel, &CModelComboBox::completionEntered, this, [this] { OnReturnKey(); });
    connect(m_comboModel, &CModelComboBox::pictureChanged, this,
            [this](const QString& strName)
            {
                SelectPicture(strName.toUtf8().constData());
                InvalidatePicture();
            });
}

void CLenvaraDlg::InstallOwnCatalogue()
{
    if (m_pOwnCatalogueWatch)
        m_pOwnCatalogueWatch->stop();
    if (const std::optional<std::string> error = InstallDefaultOwnCatalogue())
    {
        DebugTrace("Own projectors not used: %s\n", error->c_str());
        m_strCatalogueError = QString::fromStdString(*error);
        QueueCatalogueError();
    }
    ReloadModelList();
}

void CLenvaraDlg::CompletePendingOwnCatalogue()
{
    if (OwnCatalogueReadPending())
        InstallOwnCatalogue();
}

void CLenvaraDlg::QueueCatalogueError()
{
    if (m_strCatalogueError.isEmpty() || m_bCatalogueErrorQueued || !isVisible())
        return;
    m_bCatalogueErrorQueued = true;
    QTimer::singleShot(0, this,
                       [this]
                       {
                           const QString strError = std::exchange(m_strCatalogueError, QString());
                           QMessageBox::warning(
                               this, QStringLiteral("Own Projectors"),
                               QStringLiteral("Your own projectors could not be read; the "
                                              "program works with the built-in models "
                                              "alone.\n\n%1")
                                   .arg(strError));
                       });
}

void CLenvaraDlg::ReloadModelList()
{
    if (!m_comboModel)
        return;
    m_comboModel->ReloadNames();
    m_comboModel->ShowChosenModel();
}

void CLenvaraDlg::ReadDealerData()
{
    int nError = 0;
    const std::optional<SDealerLines> lines = ReadDealerFile("DealerData.txt", nError);
    if (!lines)
    {
        DebugTrace("File not found %d\n", nError);
        return;
    }
    if (lines->line1)
        m_app.SetDealer1(lines->line1->c_str());
    if (lines->line2)
        m_app.SetDealer2(lines->line2->c_str());
}

void CLenvaraDlg::OnCommand(int nId)
{
    switch (nId)
    {
    case kIdMeters:
        OnUnitClicked(kUnitMeters);
        break;
    case kIdInches:
        OnUnitClicked(kUnitInches);
        break;
    case kIdFeet:
        OnUnitClicked(kUnitFeet);
        break;
    case kIdAspect4x3:
    case kIdAspect16x9:
    case kIdAspect235:
        OnAspectClicked(nId);
        break;
    case kCmdSavePage:
        OnSaveCurrentPage();
        break;
    case kCmdPrintPage:
        OnPrintCurrentPage();
        break;
    case kCmdPrintPreview:
        OnPrintPreview();
        break;
    case kCmdExportPdf:
        OnExportPdf();
        break;
    case kCmdProjectorModels:
        // The dialog edits the whole catalogue: it must start from what the file holds.
        CompletePendingOwnCatalogue();
        if (CProjectorModelsDialog::Run(this))
            ReloadModelList();
        break;
    case kCmdRoomCheck:
        OnRoomCheck();
        break;
    case kCmdExit:
        reject();
        break;
    case kCmdAbout:
        OnAbout();
        break;
    default:
        // The hidden default button: Enter never reaches it (OnReturnKey).
        break;
    }
}

void CLenvaraDlg::OnUnitClicked(int nUnit)
{
    bool bRadios = true;
    for (int nId : kUnitRadios)
        bRadios = bRadios && FindControl(this, nId);
    if (bRadios)
    {
        m_app.m_nPrevUnit = m_app.m_nCurUnit;
        m_app.m_nCurUnit = nUnit;
        for (int i = 0; i < 3; ++i)
            SetCheck(this, kUnitRadios[i], i == nUnit ? 1 : 0);
        const char* pszLabel = nUnit == kUnitMeters ? "Nits" : "FtL";
        SetControlText(this, kIdLumUnitWide, pszLabel);
        SetControlText(this, kIdLumUnitTele, pszLabel);
    }
    if (m_pSheet)
    {
        m_pSheet->OnUnitsChanged(m_app.m_nPrevUnit, m_app.m_nCurUnit);
        Recalculate();
    }
}

void CLenvaraDlg::OnAspectClicked(int nId)
{
    for (int nRadio : kAspectRadios)
        SetCheck(this, nRadio, nRadio == nId ? 1 : 0);
    Recalculate();
}

bool CLenvaraDlg::OnReturnKey()
{
    Recalculate();
    return true;
}

SCalculation CLenvaraDlg::Recalculate()
{
    // A name typed right after start may be an own projector's.
    CompletePendingOwnCatalogue();
    CCalcPage* pPage = m_pSheet ? m_pSheet->GetActiveCalcPage() : nullptr;
    if (!pPage)
        return {};
    SCalculationRequest request = pPage->GetRequest();
    CompleteRequest(request);
    const SCalculation result = m_app.Calculate(request);
    ShowChosenModel();
    FeedRoomCheck(result);
    if (!result.Succeeded())
    {
        ShowFailedCalculation(pPage->ShowCalculationFailure(result),
                              result.eFailure == kCalcGainRefused);
        return result;
    }
    pPage->ShowResult(result);
    ShowLuminances(result.fLumWide, result.fLumTele);
    UpdatePreview(result.preview);
    return result;
}

void CLenvaraDlg::OnShift()
{
    CCalcPage* pPage = m_pSheet ? m_pSheet->GetActiveCalcPage() : nullptr;
    if (!pPage)
        return;
    const SCalculation result = Recalculate();
    SCalculationRequest request;
    CompleteRequest(request);
    RunShiftCommand(m_app, pPage, request, result);
}

CGLWnd* CLenvaraDlg::GetPreview()
{
    FinishStartup();
    return m_wndPreview;
}

void CLenvaraDlg::FinishStartup()
{
    if (!m_bPreviewPending)
        return;
    m_bPreviewPending = false;
    // The own projectors read since start join the list once their read is done.
    if (OwnCatalogueReadPending())
    {
        m_pOwnCatalogueWatch = new QTimer(this);
        connect(m_pOwnCatalogueWatch, &QTimer::timeout, this,
                [this]
                {
                    if (OwnCatalogueReadDone())
                        CompletePendingOwnCatalogue();
                });
        m_pOwnCatalogueWatch->start(10);
    }
    m_hIcon = LoadIconResource(kIconId);
    if (!m_hIcon.isNull())
        setWindowIcon(m_hIcon);
    // Without OpenGL (a remote or headless display) the dialog works without the
    // preview rather than failing at its first paint.
    if (!QOpenGLContext().create())
    {
        DebugTrace("No OpenGL context: the preview is left out\n");
        return;
    }
    // A bordered window over the preview's place grown by one pixel: the border takes
    // that pixel, so the scene itself covers exactly the place.
    m_wndPreviewBorder = new QFrame(this);
    m_wndPreviewBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceOverControl(m_wndPreviewBorder, this, kIdPreviewPlace, 1);
    m_wndPreview = new CGLWnd(this);
    m_wndPreview->setObjectName(ControlName(kIdPreview));
    PlaceOverControl(m_wndPreview, this, kIdPreviewPlace, 0);
}

void CLenvaraDlg::UpdatePreview(const SInstallation& installation)
{
    FinishStartup();
    if (!m_wndPreview)
        return;
    const SViewTriple& a = installation.first;
    const SViewTriple& b = installation.second;
    m_wndPreview->SetMode(installation.nMode);
    m_wndPreview->SetViewData(a.fWidth, a.fHeight, a.fDistance, b.fWidth, b.fHeight, b.fDistance);
}

void CLenvaraDlg::SelectPicture(const char* pszName)
{
    m_nPictureId = m_app.FindPictureId(pszName);
}

void CLenvaraDlg::InvalidatePicture()
{
    update(GetControlRect(this, kIdPicturePlace));
}

float CLenvaraDlg::GetGain() const
{
    if (!FindControl(this, kIdGain))
        return 1.0f;
    return ReadLeadingFloat(GetControlText(this, kIdGain, 100));
}

void CLenvaraDlg::CompleteRequest(SCalculationRequest& request) const
{
    request.strName = GetControlText(this, kIdModel, 100);
    request.options.bMeters = GetCheck(this, kIdMeters);
    request.options.bInches = GetCheck(this, kIdInches);
    request.options.bAspect4x3 = GetCheck(this, kIdAspect4x3);
    request.options.bAspect16x9 = GetCheck(this, kIdAspect16x9);
    request.options.bFeet = GetCheck(this, kIdFeet);
    request.options.bAspect235 = GetCheck(this, kIdAspect235);
    request.nAspectCode = kAspectCode4x3;
    if (request.options.bAspect16x9)
        request.nAspectCode = kAspectCode16x9;
    if (request.options.bAspect235)
        request.nAspectCode = kAspectCode235;
    request.fGain = GetGain();
}

void CLenvaraDlg::ShowLuminances(float fWide, float fTele)
{
    for (int nId : {kIdLumWide, kIdLumTele, kIdGain})
        SetWarning(this, nId, false, QString());
    SetControlText(this, kIdLumWide, FormatLuminance(fWide));
    SetControlText(this, kIdLumTele, FormatLuminance(fTele));
    const char* pszLabel = nullptr;
    if (GetCheck(this, kIdMeters))
        pszLabel = "Nits";
    if (GetCheck(this, kIdInches))
        pszLabel = "FtL";
    if (GetCheck(this, kIdFeet))
        pszLabel = "FtL";
    if (pszLabel)
    {
        SetControlText(this, kIdLumUnitWide, pszLabel);
        SetControlText(this, kIdLumUnitTele, pszLabel);
    }
    m_strLumUnitShown = QString::fromStdString(GetControlText(this, kIdLumUnitWide, 16));
}

void CLenvaraDlg::ShowFailedCalculation(const QString& strWhy, bool bGainRefused)
{
    QString strTip = strWhy;
    if (!m_strLumUnitShown.isEmpty() &&
        m_strLumUnitShown != QString::fromStdString(GetControlText(this, kIdLumUnitWide, 16)))
        strTip += QStringLiteral("\nThe luminance shown was computed in %1").arg(m_strLumUnitShown);
    SetWarning(this, kIdLumWide, true, strTip);
    SetWarning(this, kIdLumTele, true, strTip);
    if (bGainRefused)
        SetWarning(this, kIdGain, true, strWhy);
}

void CLenvaraDlg::ShowChosenModel()
{
    if (m_comboModel)
        m_comboModel->ShowChosenModel();
}

void CLenvaraDlg::ResetLuminancePanel(double dGain, double dWide, double dTele)
{
    SetControlText(this, kIdGain, FormatLuminance(dGain));
    SetControlText(this, kIdLumWide, FormatLuminance(dWide));
    SetControlText(this, kIdLumTele, FormatLuminance(dTele));
}

void CLenvaraDlg::paintEvent(QPaintEvent* pEvent)
{
    {
        QPainter painter(this);
        CPainterDC dc(painter);
        if (m_nPictureId != 0)
            m_app.DrawPicture(m_nPictureId, GetControlRect(this, kIdPicturePlace), dc);
        CMaskedBitmap logo;
        if (logo.LoadFromResource(kLogoBitmapId))
            logo.DrawTransparent(dc, GetControlRect(this, kIdLogoPlace), QColor(0, 255, 0));
    }
    CDialog::paintEvent(pEvent);
    if (m_bPreviewPending)
        QTimer::singleShot(0, this, &CLenvaraDlg::FinishStartup);
    QueueCatalogueError();
}

bool CLenvaraDlg::event(QEvent* pEvent)
{
    const bool bResult = CDialog::event(pEvent);
    // A dialog that becomes active with the focus on the model name selects it, so
    // typing replaces it. This also restores the selection of the default focus,
    // which the window system drops when the GL window joins after the first paint.
    if (pEvent->type() == QEvent::WindowActivate && m_comboModel)
    {
        QWidget* pFocus = focusWidget();
        if (pFocus == m_comboModel || pFocus == m_comboModel->lineEdit())
            m_comboModel->lineEdit()->selectAll();
    }
    return bResult;
}

void CLenvaraDlg::OnAbout()
{
    CAboutDialog about(this);
    about.DoModal();
}
