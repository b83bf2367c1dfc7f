#include "app/LenvaraApp.h"

#include "core/TextFormat.h"
#include "platform/Controls.h"
#include "platform/MaskedBitmap.h"

#include <QRect>

CLenvaraApp::CLenvaraApp(MainDialogFactory factory) : m_factory(std::move(factory))
{
}

CLenvaraApp::~CLenvaraApp()
{
    delete m_pMainDlg;
}

bool CLenvaraApp::InitInstance()
{
    if (CreateMainDialog())
        m_pMainDlg->DoModal();
    return false;
}

int CLenvaraApp::ExitInstance()
{
    delete m_pMainDlg;
    m_pMainDlg = nullptr;
    return 0;
}

IMainDialog* CLenvaraApp::CreateMainDialog()
{
    if (!m_pMainDlg && m_factory)
    {
        // Kept before it is built: the pages' initialisation already reaches for it.
        m_pMainDlg = m_factory(*this);
        if (m_pMainDlg)
            m_pMainDlg->Create();
    }
    return m_pMainDlg;
}

void CLenvaraApp::SelectPicture(const char* pszName)
{
    if (m_pMainDlg)
        m_pMainDlg->SetPictureId(FindPictureId(pszName));
}

void CLenvaraApp::InvalidatePicture()
{
    if (m_pMainDlg)
        m_pMainDlg->InvalidatePicture();
}

void CLenvaraApp::DrawPicture(int nPictureId, const QRect& rect, CDC& dc)
{
    if (nPictureId == 0)
        return;
    CMaskedBitmap bitmap;
    if (!bitmap.LoadFromResource(nPictureId))
        return;
    bitmap.Draw(dc, rect.adjusted(2, 2, -2, -2));
}

void CLenvaraApp::UpdatePreview(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                                float fD2)
{
    if (m_pMainDlg)
        m_pMainDlg->UpdatePreview(nMode, fW1, fH1, fD1, fW2, fH2, fD2);
}

float CLenvaraApp::GetControlNumber(const QWidget* pWnd, int nId) const
{
    if (!pWnd || !FindControl(pWnd, nId))
        return 0.0f;
    return ReadLeadingFloat(GetControlText(pWnd, nId, 80));
}

int CLenvaraApp::SetControlNumber(QWidget* pWnd, int nId, float fValue) const
{
    if (!pWnd)
        return 0;
    SetControlText(pWnd, nId, FormatLength(fValue));
    return 1;
}

float CLenvaraApp::GetGain() const
{
    if (!m_pMainDlg)
        return 1.0f;
    return ReadLeadingFloat(m_pMainDlg->GetGainText());
}

int CLenvaraApp::GetControlCheck(const QWidget* pWnd, int nId) const
{
    return GetCheck(pWnd, nId);
}
