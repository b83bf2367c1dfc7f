#include "ui/Page_Lenvara.h"

#include "DialogTemplates.h"
#include "LenvaraPageIds.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/PageSupport.h"

using namespace LenvaraPageIds;

namespace
{
// In id order, the distance included.
constexpr int kNumberEdits[] = {kIdWidthWide, kIdHeightWide, kIdDiagWide,  kIdDistance,
                                kIdDiagTele,  kIdWidthTele,  kIdHeightTele};
constexpr SPageFailureTexts kFailureTexts = {"Enter a projection distance",
                                             "No result for this distance"};
} // namespace

CPage_Lenvara::CPage_Lenvara(CLenvaraApp& app, QWidget* pParent)
    : CPropertyPage(LenvaraPageTemplate(), pParent), m_app(app)
{
}

bool CPage_Lenvara::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId : kNumberEdits)
        m_app.SetControlNumber(this, nId, 0.0f);
    if (CLenvaraDlg* pMain = MainDialogOf(m_app))
        pMain->ResetLuminancePanel(1.0, 0.0, 0.0);
    return true;
}

void CPage_Lenvara::OnCommand(int nId)
{
    if (nId == kIdEnter)
        Calculate();
    else if (nId == kIdShift)
        OnShift();
}

bool CPage_Lenvara::OnReturnKey()
{
    Calculate();
    return true;
}

int CPage_Lenvara::Calculate()
{
    const float fDistance = m_app.GetControlNumber(this, kIdDistance);
    const float fGain = m_app.GetGain();
    CLenvaraDlg* pMain = MainDialogOf(m_app);
    if (!pMain)
        return 0;
    const SMainChoices choices = pMain->GetChoices();

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
    {
        pMain->ShowChosenModel();
        ShowCalculationFailure();
        return 0;
    }
    pMain->ShowChosenModel();

    m_app.SetControlNumber(this, kIdWidthWide, fWidthWide);
    m_app.SetControlNumber(this, kIdWidthTele, fWidthTele);
    m_app.SetControlNumber(this, kIdHeightWide, fHeightWide);
    m_app.SetControlNumber(this, kIdHeightTele, fHeightTele);
    m_app.SetControlNumber(this, kIdDiagWide, fDiagWide);
    m_app.SetControlNumber(this, kIdDiagTele, fDiagTele);
    m_app.SetControlNumber(this, kIdDistance, fDistance);
    // A distance the zoom lens cannot reach is marked; the sizes stay as computed.
    SetWarning(this, kIdDistance, !m_app.IsInLensRange(fDistance),
               QString::fromStdString("Outside the lens range " + m_app.GetLensRangeText()));
    pMain->ShowLuminances(fLumWide, fLumTele);
    m_app.UpdatePreview(1, fWidthTele, fHeightTele, fDistance, fWidthWide, fHeightWide, fDistance);
    return 1;
}

void CPage_Lenvara::ShowCalculationFailure()
{
    ::ShowCalculationFailure(m_app, this, kIdDistance, kFailureTexts);
}

void CPage_Lenvara::ConvertUnits()
{
    for (int nId : kNumberEdits)
        m_app.SetControlNumber(this, nId, m_app.ConvertLength(m_app.GetControlNumber(this, nId)));
    Calculate();
}

void CPage_Lenvara::OnShift()
{
    const int nDone = Calculate();
    const CTarsioModel& model = m_app.m_model;
    const float afView[6] = {model.GetWidthWide(), model.GetHeightWide(), model.GetDistance(),
                             model.GetWidthTele(), model.GetHeightTele(), model.GetDistance()};
    RunShiftCommand(m_app, this, nDone != 0, 1, afView);
}
