#include "ui/Page_Lenvara.h"

#include "DialogTemplates.h"
#include "LenvaraPageIds.h"
#include "platform/Controls.h"

using namespace LenvaraPageIds;

namespace
{
// In id order, the distance included.
constexpr int kNumberEdits[] = {kIdWidthWide, kIdHeightWide, kIdDiagWide,  kIdDistance,
                                kIdDiagTele,  kIdWidthTele,  kIdHeightTele};
constexpr SPageFailureTexts kFailureTexts = {"Enter a projection distance",
                                             "No result for this distance"};
} // namespace

CPage_Lenvara::CPage_Lenvara(QWidget* pParent)
    : CCalcPage(LenvaraPageTemplate(), kIdShift, kFailureTexts, pParent)
{
}

bool CPage_Lenvara::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId : kNumberEdits)
        WriteControlNumber(this, nId, 0.0f);
    return true;
}

SCalculationRequest CPage_Lenvara::GetRequest() const
{
    SCalculationRequest request;
    request.nMode = kModeDistanceToSize;
    request.fDistance = ReadControlNumber(this, kIdDistance);
    return request;
}

void CPage_Lenvara::ShowResult(const SCalculation& result)
{
    WriteControlNumber(this, kIdWidthWide, result.fWidthWide);
    WriteControlNumber(this, kIdWidthTele, result.fWidthTele);
    WriteControlNumber(this, kIdHeightWide, result.fHeightWide);
    WriteControlNumber(this, kIdHeightTele, result.fHeightTele);
    WriteControlNumber(this, kIdDiagWide, result.fDiagWide);
    WriteControlNumber(this, kIdDiagTele, result.fDiagTele);
    WriteControlNumber(this, kIdDistance, result.fDistance);
    // A distance the zoom lens cannot reach is marked; the sizes stay as computed.
    SetWarning(this, kIdDistance, !result.bDistanceInRange,
               QString::fromStdString("Outside the lens range " + result.strLensRange));
}

int CPage_Lenvara::InputId() const
{
    return kIdDistance;
}

void CPage_Lenvara::ConvertUnits(int nFromUnit, int nToUnit)
{
    for (int nId : kNumberEdits)
        WriteControlNumber(this, nId,
                           ConvertLengthBetween(ReadControlNumber(this, nId), nFromUnit, nToUnit));
}
