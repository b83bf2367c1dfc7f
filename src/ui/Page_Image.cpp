#include "ui/Page_Image.h"

#include "DialogTemplates.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/PageSupport.h"

namespace
{
constexpr int kSizeEdits[] = {1009, 1010, 1011};
}

CPage_Image::CPage_Image(CLenvaraApp& app, QWidget* pParent)
    : CPropertyPage(ImagePageTemplate(), pParent), m_app(app)
{
}

bool CPage_Image::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId = 1009; nId <= 1013; ++nId)
        m_app.SetControlNumber(this, nId, 0.0f);
    SetReadOnly(this, 1009, false);
    SetReadOnly(this, 1010, true);
    SetReadOnly(this, 1011, true);
    return true;
}

void CPage_Image::OnSetFocus(int nId, Qt::FocusReason eReason)
{
    // Only a click or Tab into an edit is the user choosing the input; focus coming
    // back with the window, after a menu or a popup, or when the page is shown
    // again, changes nothing.
    if (eReason == Qt::MouseFocusReason || eReason == Qt::TabFocusReason ||
        eReason == Qt::BacktabFocusReason || eReason == Qt::ShortcutFocusReason)
        for (int nSizeId : kSizeEdits)
            if (nId == nSizeId)
                ChooseInput(nId);
}

void CPage_Image::ChooseInput(int nId)
{
    for (int nOther : kSizeEdits)
    {
        if (nOther == nId)
            continue;
        SetReadOnly(this, nOther, true);
        m_app.SetControlNumber(this, nOther, 0.0f);
    }
    SetReadOnly(this, nId, false);
}

void CPage_Image::OnCommand(int nId)
{
    if (nId == 1)
        Calculate();
    else if (nId == 1046)
        OnShift();
}

bool CPage_Image::OnReturnKey()
{
    Calculate();
    return true;
}

void CPage_Image::Calculate()
{
    float fWidth = m_app.GetControlNumber(this, 1009);
    float fHeight = m_app.GetControlNumber(this, 1010);
    float fDiagonal = m_app.GetControlNumber(this, 1011);
    const float fGain = m_app.GetGain();
    if (!m_app.m_pMainDlg)
        return;
    const SMainChoices choices = ReadMainChoices(m_app);
    if (!IsReadOnly(this, 1009))
        fHeight = fDiagonal = 0.0f;
    if (!IsReadOnly(this, 1010))
        fWidth = fDiagonal = 0.0f;
    if (!IsReadOnly(this, 1011))
        fWidth = fHeight = 0.0f;

    float fDistWide = 0.0f;
    float fDistTele = 0.0f;
    float fLumWide = 0.0f;
    float fLumTele = 0.0f;
    if (!m_app.CalcDistance(choices.strName.c_str(), choices.nAspectCode, choices.options, fWidth,
                            fHeight, fDiagonal, fDistWide, fDistTele, fLumWide, fLumTele, fGain))
        return;

    m_app.SetControlNumber(this, 1009, fWidth);
    m_app.SetControlNumber(this, 1010, fHeight);
    m_app.SetControlNumber(this, 1011, fDiagonal);
    m_app.SetControlNumber(this, 1012, fDistWide);
    m_app.SetControlNumber(this, 1013, fDistTele);
    WriteLuminancePanel(m_app, fLumWide, fLumTele);
    m_app.UpdatePreview(0, fWidth, fHeight, fDistWide, fWidth, fHeight, fDistTele);
}

void CPage_Image::ConvertUnits()
{
    for (int nId = 1009; nId <= 1013; ++nId)
        m_app.SetControlNumber(this, nId, m_app.ConvertLength(m_app.GetControlNumber(this, nId)));
    Calculate();
}

void CPage_Image::OnShift()
{
    Calculate();
    const CTarsioModel& model = m_app.m_model;
    const float afView[6] = {model.GetWidth(),  model.GetHeight(), model.GetDistWide(),
                             model.GetWidth(),  model.GetHeight(), model.GetDistTele()};
    RunShiftCommand(m_app, this, 0, afView);
}
