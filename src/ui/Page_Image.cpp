#include "ui/Page_Image.h"

#include "DialogTemplates.h"
#include "ImagePageIds.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "ui/LenvaraDlg.h"
#include "ui/PageSupport.h"

using namespace ImagePageIds;

namespace
{
constexpr int kSizeEdits[] = {kIdWidth, kIdHeight, kIdDiagonal};
constexpr int kNumberEdits[] = {kIdWidth, kIdHeight, kIdDiagonal, kIdDistWide, kIdDistTele};
constexpr SPageFailureTexts kFailureTexts = {"Enter a width, height or diagonal",
                                             "No result for this size"};
} // namespace

CPage_Image::CPage_Image(CLenvaraApp& app, QWidget* pParent)
    : CPropertyPage(ImagePageTemplate(), pParent), m_app(app)
{
}

bool CPage_Image::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId : kNumberEdits)
        m_app.SetControlNumber(this, nId, 0.0f);
    SetReadOnly(this, kIdWidth, false);
    SetReadOnly(this, kIdHeight, true);
    SetReadOnly(this, kIdDiagonal, true);
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
    // The results shown still do not belong to the input: a failed calculation's
    // mark moves to the new input.
    for (int nSizeId : kSizeEdits)
        SetWarning(this, nSizeId, nSizeId == nId && !m_strFailure.isEmpty(), m_strFailure);
}

void CPage_Image::OnCommand(int nId)
{
    if (nId == kIdEnter)
        Calculate();
    else if (nId == kIdShift)
        OnShift();
}

bool CPage_Image::OnReturnKey()
{
    Calculate();
    return true;
}

int CPage_Image::Calculate()
{
    float fWidth = m_app.GetControlNumber(this, kIdWidth);
    float fHeight = m_app.GetControlNumber(this, kIdHeight);
    float fDiagonal = m_app.GetControlNumber(this, kIdDiagonal);
    const float fGain = m_app.GetGain();
    CLenvaraDlg* pMain = MainDialogOf(m_app);
    if (!pMain)
        return 0;
    const SMainChoices choices = pMain->GetChoices();
    if (!IsReadOnly(this, kIdWidth))
        fHeight = fDiagonal = 0.0f;
    if (!IsReadOnly(this, kIdHeight))
        fWidth = fDiagonal = 0.0f;
    if (!IsReadOnly(this, kIdDiagonal))
        fWidth = fHeight = 0.0f;

    float fDistWide = 0.0f;
    float fDistTele = 0.0f;
    float fLumWide = 0.0f;
    float fLumTele = 0.0f;
    const int nDone =
        m_app.CalcDistance(choices.strName.c_str(), choices.nAspectCode, choices.options, fWidth,
                           fHeight, fDiagonal, fDistWide, fDistTele, fLumWide, fLumTele, fGain);
    pMain->ShowChosenModel();
    if (!nDone)
    {
        ShowCalculationFailure();
        return 0;
    }

    m_strFailure.clear();
    for (int nSizeId : kSizeEdits)
        SetWarning(this, nSizeId, false, QString());
    m_app.SetControlNumber(this, kIdWidth, fWidth);
    m_app.SetControlNumber(this, kIdHeight, fHeight);
    m_app.SetControlNumber(this, kIdDiagonal, fDiagonal);
    m_app.SetControlNumber(this, kIdDistWide, fDistWide);
    m_app.SetControlNumber(this, kIdDistTele, fDistTele);
    // Distances the zoom lens cannot reach are marked; the numbers stay as computed.
    const QString strTip =
        QString::fromStdString("Outside the lens range " + m_app.GetLensRangeText());
    SetWarning(this, kIdDistWide, !m_app.IsInLensRange(fDistWide), strTip);
    SetWarning(this, kIdDistTele, !m_app.IsInLensRange(fDistTele), strTip);
    pMain->ShowLuminances(fLumWide, fLumTele);
    m_app.UpdatePreview(0, fWidth, fHeight, fDistWide, fWidth, fHeight, fDistTele);
    return 1;
}

int CPage_Image::InputId() const
{
    for (int nId : kSizeEdits)
        if (!IsReadOnly(this, nId))
            return nId;
    return kIdWidth;
}

void CPage_Image::ShowCalculationFailure()
{
    m_strFailure = ::ShowCalculationFailure(m_app, this, InputId(), kFailureTexts);
}

void CPage_Image::ConvertUnits()
{
    for (int nId : kNumberEdits)
        m_app.SetControlNumber(this, nId, m_app.ConvertLength(m_app.GetControlNumber(this, nId)));
    Calculate();
}

void CPage_Image::OnShift()
{
    const int nDone = Calculate();
    const CTarsioModel& model = m_app.m_model;
    const float afView[6] = {model.GetWidth(), model.GetHeight(), model.GetDistWide(),
                             model.GetWidth(), model.GetHeight(), model.GetDistTele()};
    RunShiftCommand(m_app, this, nDone != 0, 0, afView);
}
