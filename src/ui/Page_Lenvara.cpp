#include "ui/Page_Lenvara.h"

#include "DialogTemplates.h"
#include "app/LenvaraApp.h"
#include "core/TextFormat.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/PageSupport.h"

CPage_Lenvara::CPage_Lenvara(CLenvaraApp& app, QWidget* pParent)
    : CPropertyPage(LenvaraPageTemplate(), pParent), m_app(app)
{
}

bool CPage_Lenvara::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId = 1009; nId <= 1015; ++nId)
        m_app.SetControlNumber(this, nId, 0.0f);
    if (QWidget* pMain = m_app.m_pMainDlg)
    {
        SetControlText(pMain, 1072, FormatLuminance(1.0));
        SetControlText(pMain, 1070, FormatLuminance(0.0));
        SetControlText(pMain, 1071, FormatLuminance(0.0));
    }
    return true;
}

void CPage_Lenvara::OnCommand(int nId)
{
    if (nId == 1)
        Calculate();
    else if (nId == 1045)
        OnShift();
}

bool CPage_Lenvara::OnReturnKey()
{
    Calculate();
    return true;
}

void CPage_Lenvara::Calculate()
{
    const float fDistance = m_app.GetControlNumber(this, 1012);
    const float fGain = m_app.GetGain();
    if (!m_app.m_pMainDlg)
        return;
    const SMainChoices choices = ReadMainChoices(m_app);

    float fWidthWide = 0.0f;
    float fWidthTele = 0.0f;
    float fHeightWide = 0.0f;
    float fHeightTele = 0.0f;
    float fDiagWide = 0.0f;
    float fDiagTele = 0.0f;
    float fLumWide = 0.0f;
    float fLumTele = 0.0f;
    if (!m_app.CalcScreenSize(choices.strName.c_str(), choices.nAspectCode, choices.options,
                              fDistance, fWidthWide, fWidthTele, fHeightWide, fHeightTele,
                              fDiagWide, fDiagTele, fLumWide, fLumTele, fGain))
        return;

    m_app.SetControlNumber(this, 1009, fWidthWide);
    m_app.SetControlNumber(this, 1014, fWidthTele);
    m_app.SetControlNumber(this, 1010, fHeightWide);
    m_app.SetControlNumber(this, 1015, fHeightTele);
    m_app.SetControlNumber(this, 1011, fDiagWide);
    m_app.SetControlNumber(this, 1013, fDiagTele);
    m_app.SetControlNumber(this, 1012, fDistance);
    WriteLuminancePanel(m_app, fLumWide, fLumTele);
    m_app.UpdatePreview(1, fWidthTele, fHeightTele, fDistance, fWidthWide, fHeightWide, fDistance);
}

void CPage_Lenvara::ConvertUnits()
{
    for (int nId = 1009; nId <= 1015; ++nId)
        m_app.SetControlNumber(this, nId, m_app.ConvertLength(m_app.GetControlNumber(this, nId)));
    Calculate();
}

void CPage_Lenvara::OnShift()
{
    Calculate();
    const CTarsioModel& model = m_app.m_model;
    const float afView[6] = {model.GetWidthWide(), model.GetHeightWide(), model.GetDistance(),
                             model.GetWidthTele(), model.GetHeightTele(), model.GetDistance()};
    RunShiftCommand(m_app, this, 1, afView);
}
