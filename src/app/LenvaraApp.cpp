#include "app/LenvaraApp.h"

#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/MaskedBitmap.h"

#include <QRect>

CLenvaraApp::CLenvaraApp(MainDialogFactory factory) : m_factory(std::move(factory)) {}

CLenvaraApp::~CLenvaraApp() = default;

bool CLenvaraApp::InitInstance()
{
    if (CreateMainDialog())
        m_pMainDlg->DoModal();
    return false;
}

int CLenvaraApp::ExitInstance()
{
    m_pMainDlg.reset();
    return 0;
}

CDialog* CLenvaraApp::CreateMainDialog()
{
    if (!m_pMainDlg && m_factory)
        return AdoptMainDialog(m_factory(*this));
    return m_pMainDlg.get();
}

CDialog* CLenvaraApp::AdoptMainDialog(std::unique_ptr<CDialog> pDialog)
{
    m_pMainDlg = std::move(pDialog);
    if (m_pMainDlg)
        m_pMainDlg->Create();
    return m_pMainDlg.get();
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

float CLenvaraApp::GetControlNumber(const QWidget* pWnd, int nId) const
{
    return ReadControlNumber(pWnd, nId);
}

int CLenvaraApp::SetControlNumber(QWidget* pWnd, int nId, float fValue) const
{
    if (!pWnd)
        return 0;
    WriteControlNumber(pWnd, nId, fValue);
    return 1;
}

int CLenvaraApp::GetControlCheck(const QWidget* pWnd, int nId) const
{
    return GetCheck(pWnd, nId);
}
