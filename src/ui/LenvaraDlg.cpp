#include "ui/LenvaraDlg.h"

#include "DialogTemplates.h"
#include "app/LenvaraApp.h"
#include "gl/GLWnd.h"
#include "model/CatalogueTable.h"
#include "platform/Controls.h"
#include "platform/DebugTrace.h"
#include "platform/PainterDC.h"
#include "platform/Resources.h"
#include "ui/AboutDialog.h"
#include "ui/LenvaraPropertySheet.h"
#include "ui/MaskedBitmap.h"
#include "ui/ModelComboBox.h"
#include "ui/PageSaver.h"

#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QEvent>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QPainter>
#include <QTimer>

#include <cerrno>
#include <fstream>
#include <string>

namespace
{
constexpr int kIconId = 128;
constexpr int kLogoBitmapId = 135;
constexpr int kUnitRadios[] = {1002, 1003, 1006}; // meters, inches, feet
constexpr int kAspectRadios[] = {1004, 1005, 1007};
} // namespace

CLenvaraDlg::CLenvaraDlg(CLenvaraApp& app, QWidget* pParent)
    : CDialog(MainDialogTemplate(), &MainMenuTemplate(), pParent), m_app(app)
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
    if (ctl.nId == 1000)
        return new CModelComboBox(m_app, pParent);
    return nullptr;
}

bool CLenvaraDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editGain = qobject_cast<QLineEdit*>(FindControl(this, 1072));
    m_staticLumUnitWide = qobject_cast<QLabel*>(FindControl(this, 1067));
    m_staticLumUnitTele = qobject_cast<QLabel*>(FindControl(this, 1069));
    m_editLumWide = qobject_cast<QLineEdit*>(FindControl(this, 1070));
    m_editLumTele = qobject_cast<QLineEdit*>(FindControl(this, 1071));
    m_comboModel = qobject_cast<CModelComboBox*>(FindControl(this, 1000));

    // The About box is on the Help menu; there is no system menu to add it to here.
    // The window icon follows with the preview, right after the first paint: reading
    // it and handing it to the window system costs start-up time the user cannot see.

    // The calculation sheet over control 1008, both pages initialised now, in order.
    m_pSheet = new CLenvaraPropertySheet(m_app, this);
    m_pSheet->setObjectName(QStringLiteral("sheet"));
    m_pSheet->setGeometry(GetControlRect(this, 1008));
    m_pSheet->show();
    const int nActive = 0;
    for (int i = 0; i < m_pSheet->GetPageCount(); ++i)
        m_pSheet->SetActivePage(i);
    m_pSheet->SetActivePage(nActive);

    const SCatalogue& catalogue = GetCatalogue();
    if (m_comboModel)
        for (const SCatalogueRow& row : catalogue.main)
            if (row.bListed != 0)
                m_comboModel->addItem(QString::fromUtf8(row.szName));

    SetCheck(this, 1002, 1);
    SetCheck(this, 1003, 0);
    SetCheck(this, 1006, 0);
    m_app.m_nPrevUnit = kUnitMeters;
    m_app.m_nCurUnit = kUnitMeters;
    SetControlText(this, 1067, "Nits");
    SetControlText(this, 1069, "Nits");

    SetCheck(this, 1004, 0);
    SetCheck(this, 1005, 1);
    SetCheck(this, 1007, 0);

    // The picture frame draws nothing of its own: the picture is painted underneath.
    m_wndPicture = new QFrame(this);
    m_wndPicture->setObjectName(QStringLiteral("PreView"));
    m_wndPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_wndPicture->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_wndPicture->setGeometry(GetControlRect(this, 1018).adjusted(1, 1, -1, -1));
    m_wndPicture->show();

    // The GL preview costs more start-up time than the rest of the dialog together
    // (context creation, and the whole window composed through GL), so it is
    // created right after the first paint (FinishStartup), or earlier when a page
    // hands it data.
    m_bPreviewPending = true;

    if (m_comboModel && m_comboModel->count() > 0)
        m_comboModel->setCurrentIndex(0);
    m_app.SelectPicture(catalogue.main[0].szName);

    ReadDealerData();
    // The default focus: the model name, selected so that typing replaces it.
    if (m_comboModel)
    {
        m_comboModel->setFocus(Qt::TabFocusReason);
        m_comboModel->lineEdit()->selectAll();
    }
    return true;
}

void CLenvaraDlg::ReadDealerData()
{
    std::ifstream file("DealerData.txt", std::ios::in | std::ios::binary);
    if (!file)
    {
        DebugTrace("File not found %d\n", errno);
        return;
    }
    auto readLine = [&file](std::string& line)
    {
        if (!std::getline(file, line))
            return false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > 255)
            line.resize(255);
        return true;
    };
    std::string line;
    if (readLine(line))
        m_app.SetDealer1(line.c_str());
    if (readLine(line))
        m_app.SetDealer2(line.c_str());
}

void CLenvaraDlg::OnCommand(int nId)
{
    switch (nId)
    {
    case 1002:
        OnUnitClicked(kUnitMeters);
        break;
    case 1003:
        OnUnitClicked(kUnitInches);
        break;
    case 1006:
        OnUnitClicked(kUnitFeet);
        break;
    case 1004:
    case 1005:
    case 1007:
        OnAspectClicked(nId);
        break;
    case kCmdSavePage:
        OnSaveCurrentPage();
        break;
    case kCmdPrintPage:
        OnPrintCurrentPage();
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
        SetControlText(this, 1067, pszLabel);
        SetControlText(this, 1069, pszLabel);
    }
    if (m_pSheet)
        m_pSheet->OnUnitsChanged();
}

void CLenvaraDlg::OnAspectClicked(int nId)
{
    for (int nRadio : kAspectRadios)
        SetCheck(this, nRadio, nRadio == nId ? 1 : 0);
    if (m_pSheet)
        m_pSheet->Recalculate();
}

bool CLenvaraDlg::OnReturnKey()
{
    if (m_pSheet)
        m_pSheet->Recalculate();
    return true;
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
    // A bordered window over control 1026 grown by one pixel: the border takes that
    // pixel, so the scene itself covers exactly the rectangle of 1026.
    const QRect rcPreview = GetControlRect(this, 1026);
    m_wndPreviewBorder = new QFrame(this);
    m_wndPreviewBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_wndPreviewBorder->setGeometry(rcPreview.adjusted(-1, -1, 1, 1));
    m_wndPreviewBorder->show();
    m_wndPreview = new CGLWnd(this);
    m_wndPreview->setObjectName(ControlName(1019));
    m_wndPreview->setGeometry(rcPreview);
    m_wndPreview->show();
}

void CLenvaraDlg::UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                                float fD2)
{
    FinishStartup();
    if (!m_wndPreview)
        return;
    m_wndPreview->SetMode(nMode);
    m_wndPreview->SetViewData(fW1, fH1, fD1, fW2, fH2, fD2);
}

void CLenvaraDlg::paintEvent(QPaintEvent* pEvent)
{
    {
        QPainter painter(this);
        CPainterDC dc(painter);
        if (m_nPictureId != 0)
            m_app.DrawPicture(m_nPictureId, GetControlRect(this, 1018), dc);
        CMaskedBitmap logo;
        if (logo.LoadFromResource(kLogoBitmapId))
            logo.DrawTransparent(dc, GetControlRect(this, 1029), QColor(0, 255, 0));
    }
    CDialog::paintEvent(pEvent);
    if (m_bPreviewPending)
        QTimer::singleShot(0, this, &CLenvaraDlg::FinishStartup);
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

void CLenvaraDlg::OnSaveCurrentPage()
{
    QFileDialog dialog(this, QStringLiteral("Save Current Page"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("sim"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString strPath = dialog.selectedFiles().constFirst();
    QString strError;
    if (!CPageSaver::Write(strPath, CPageSaver::BuildText(m_app, *this), strError))
    {
        DebugTrace("File could not be opened %s\n", strError.toLocal8Bit().constData());
        QMessageBox::warning(this, QStringLiteral("Save Current Page"),
                             QStringLiteral("The page could not be saved to\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(strPath), strError));
    }
}

void CLenvaraDlg::OnPrintCurrentPage()
{
    if (!m_app.m_model.IsLoaded())
        return;
    // Printing is not part of the program yet. It continues here: the Print
    // Information dialog (cancel stops), the print dialog (cancel stops), then the
    // one-page report on the chosen printer.
}
