#include "ui/Page_Image.h"

#include "DialogTemplates.h"
#include "ImagePageIds.h"
#include "platform/Controls.h"

using namespace ImagePageIds;

namespace
{
constexpr int kSizeEdits[] = {kIdWidth, kIdHeight, kIdDiagonal};
constexpr int kNumberEdits[] = {kIdWidth, kIdHeight, kIdDiagonal, kIdDistWide, kIdDistTele};
constexpr SPageFailureTexts kFailureTexts = {"Enter a width, height or diagonal",
                                             "No result for this size"};
} // namespace

CPage_Image::CPage_Image(QWidget* pParent)
    : CCalcPage(ImagePageTemplate(), kIdShift, kFailureTexts, pParent)
{
}

bool CPage_Image::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (int nId : kNumberEdits)
        WriteControlNumber(this, nId, 0.0f);
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
        WriteControlNumber(this, nOther, 0.0f);
    }
    SetReadOnly(this, nId, false);
    // The results shown still do not belong to the input: a failed calculation's
    // mark moves to the new input.
    for (int nSizeId : kSizeEdits)
        SetWarning(this, nSizeId, nSizeId == nId && !m_strFailure.isEmpty(), m_strFailure);
}

SCalculationRequest CPage_Image::GetRequest() const
{
    SCalculationRequest request;
    request.nMode = kModeSizeToDistance;
    request.fWidth = ReadControlNumber(this, kIdWidth);
    request.fHeight = ReadControlNumber(this, kIdHeight);
    request.fDiagonal = ReadControlNumber(this, kIdDiagonal);
    if (!IsReadOnly(this, kIdWidth))
        request.fHeight = request.fDiagonal = 0.0f;
    if (!IsReadOnly(this, kIdHeight))
        request.fWidth = request.fDiagonal = 0.0f;
    if (!IsReadOnly(this, kIdDiagonal))
        request.fWidth = request.fHeight = 0.0f;
    return request;
}

void CPage_Image::ShowResult(const SCalculation& result)
{
    m_strFailure.clear();
    for (int nSizeId : kSizeEdits)
        SetWarning(this, nSizeId, false, QString());
    WriteControlNumber(this, kIdWidth, result.fWidth);
    WriteControlNumber(this, kIdHeight, result.fHeight);
    WriteControlNumber(this, kIdDiagonal, result.fDiagonal);
    WriteControlNumber(this, kIdDistWide, result.fDistWide);
    WriteControlNumber(this, kIdDistTele, result.fDistTele);
    // Distances the zoom lens cannot reach are marked; the numbers stay as computed.
    const QString strTip = QString::fromStdString("Outside the lens range " + result.strLensRange);
    SetWarning(this, kIdDistWide, !result.bDistWideInRange, strTip);
    SetWarning(this, kIdDistTele, !result.bDistTeleInRange, strTip);
}

int CPage_Image::InputId() const
{
    for (int nId : kSizeEdits)
        if (!IsReadOnly(this, nId))
            return nId;
    return kIdWidth;
}

void CPage_Image::ConvertUnits(int nFromUnit, int nToUnit)
{
    for (int nId : kNumberEdits)
        WriteControlNumber(this, nId,
                           ConvertLengthBetween(ReadControlNumber(this, nId), nFromUnit, nToUnit));
}
