#include "ui/CalcPage.h"

#include "platform/Controls.h"

namespace
{
constexpr int kIdEnter = 1; // the default button of both pages
} // namespace

CCalcPage::CCalcPage(const SDialogTemplate& tpl, int nShiftId, const SPageFailureTexts& texts,
                     QWidget* pParent)
    : CPropertyPage(tpl, pParent), m_nShiftId(nShiftId), m_texts(texts)
{
}

QString CCalcPage::ShowCalculationFailure(const SCalculation& result)
{
    const char* pszWhy = m_texts.pszNoResult;
    if (result.eFailure == kCalcGainRefused)
        pszWhy = "Gain out of range";
    else if (result.eFailure == kCalcUnknownModel)
        pszWhy = "Unknown projector model";
    else if (result.eFailure == kCalcNothingEntered)
        pszWhy = m_texts.pszNothingEntered;
    const QString strWhy = QString::fromUtf8(pszWhy);
    SetWarning(this, InputId(), true, strWhy);
    OnFailureShown(strWhy);
    return strWhy;
}

void CCalcPage::OnFailureShown(const QString&) {}

void CCalcPage::OnCommand(int nId)
{
    if (nId == kIdEnter)
        Calculate();
    else if (nId == m_nShiftId)
        OnShift();
}

bool CCalcPage::OnReturnKey()
{
    Calculate();
    return true;
}
