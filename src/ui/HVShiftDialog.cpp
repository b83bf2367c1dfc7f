#include "ui/HVShiftDialog.h"

#include "DialogTemplates.h"
#include "HVShiftDlgIds.h"
#include "core/TextFormat.h"
#include "platform/Controls.h"

#include <QFrame>

#include <cmath>

using namespace HVShiftDlgIds;

namespace
{
constexpr int kSliderRange = 15; // positions -15 .. 15
// The one-group dialog is the group's width and this many pixels.
constexpr int kOneGroupMargin = 30;

// Where the vertical group's controls go when it stands alone: (control, the
// horizontal one whose place it takes), in this order.
constexpr int kOneGroupMoves[][2] = {
    {kIdVertGroup, kIdHorzGroup},
    {kIdVertValues, kIdHorzValues},
    {kIdVertValuesShort, kIdHorzValuesShort},
    {kIdVertPlace, kIdHorzPlace},
    {kIdVertFrame, kIdHorzFrame},
    {kIdVertSlider, kIdHorzSlider},
    {kIdWaMaxHeightLabel, kIdWaMaxWidthLabel},
    {kIdWaMinHeightLabel, kIdWaMinWidthLabel},
    {kIdTpMaxHeightLabel, kIdTpMaxWidthLabel},
    {kIdTpMinHeightLabel, kIdTpMinWidthLabel},
    {kIdWaVertCenterLabel, kIdWaHorzCenterLabel},
    {kIdTpVertCenterLabel, kIdTpHorzCenterLabel},
    {kIdWaMaxHeight, kIdWaMaxWidth},
    {kIdWaMinHeight, kIdWaMinWidth},
    {kIdTpMaxHeight, kIdTpMaxWidth},
    {kIdTpMinHeight, kIdTpMinWidth},
    {kIdWaVertCenter, kIdWaHorzCenter},
    {kIdTpVertCenter, kIdTpHorzCenter},
    {kIdOk, kIdOkOneGroup},
};

// The TP rows (labels and edits) of each group.
constexpr int kHorzTeleRows[] = {kIdTpMaxWidthLabel, kIdTpMinWidthLabel, kIdTpHorzCenterLabel,
                                 kIdTpMaxWidth,      kIdTpMinWidth,      kIdTpHorzCenter};
constexpr int kVertTeleRows[] = {kIdTpMaxHeightLabel, kIdTpMinHeightLabel, kIdTpVertCenterLabel,
                                 kIdTpMaxHeight,      kIdTpMinHeight,      kIdTpVertCenter};

// The labels that name their rows by the mode, with the row they name.
struct SModeLabel
{
    int nId;
    bool bHorizontal;
    EShiftRow eRow;
};
constexpr SModeLabel kModeLabels[] = {
    {kIdWaMaxWidthLabel, true, kShiftRowWideMax},
    {kIdWaMinWidthLabel, true, kShiftRowWideMin},
    {kIdWaMaxHeightLabel, false, kShiftRowWideMax},
    {kIdWaMinHeightLabel, false, kShiftRowWideMin},
    {kIdWaHorzCenterLabel, true, kShiftRowWideCenter},
    {kIdWaVertCenterLabel, false, kShiftRowWideCenter},
};

// A view and its border over the placeholder: the one-pixel border just outside it,
// so the picture covers exactly the placeholder's area.
QFrame* PlaceView(CGLWnd& view, QWidget* pDialog, int nPlaceholderId)
{
    auto* pBorder = new QFrame(pDialog);
    pBorder->setFrameStyle(QFrame::Box | QFrame::Plain);
    PlaceOverControl(pBorder, pDialog, nPlaceholderId, 1);
    PlaceOverControl(&view, pDialog, nPlaceholderId, 0);
    view.raise();
    return pBorder;
}
} // namespace

CHVShiftDialog::CHVShiftDialog(QWidget* pParent)
    : CDialog(HVShiftDialogTemplate(), nullptr, pParent), m_wndHorizontal(this), m_wndVertical(this)
{
    // Placed and shown by the initialisation.
    for (CGLWnd* pView :
         {static_cast<CGLWnd*>(&m_wndHorizontal), static_cast<CGLWnd*>(&m_wndVertical)})
    {
        pView->setObjectName(ControlName(kIdView));
        pView->hide();
    }
}

void CHVShiftDialog::SetViewData(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2,
                                 float fD2)
{
    m_nMode = nMode;
    m_fW1 = fW1;
    m_fH1 = fH1;
    m_fD1 = fD1;
    m_fW2 = fW2;
    m_fH2 = fH2;
    m_fD2 = fD2;
}

void CHVShiftDialog::SetShiftCaps(int nShiftCaps)
{
    m_nShiftCaps = nShiftCaps;
}

void CHVShiftDialog::SetHorizontalAngles(float fA1, float fA2, float fA3, float fA4)
{
    m_anglesHorizontal = ShiftAnglesFromLimits(fA1, fA2, fA3, fA4);
    m_wndHorizontal.SetWideAngles(fA1, fA2);
    m_wndHorizontal.SetTeleAngles(fA3, fA4);
}

void CHVShiftDialog::SetVerticalAngles(float fA1, float fA2, float fA3, float fA4)
{
    m_anglesVertical = ShiftAnglesFromLimits(fA1, fA2, fA3, fA4);
    m_wndVertical.SetWideAngles(fA1, fA2);
    m_wndVertical.SetTeleAngles(fA3, fA4);
}

void CHVShiftDialog::SetShiftEnvelope(const std::optional<SShiftEnvelope>& envelope)
{
    m_envelope = envelope;
}

bool CHVShiftDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pHorizontalBorder = PlaceView(m_wndHorizontal, this, kIdHorzPlace);
    m_pVerticalBorder = PlaceView(m_wndVertical, this, kIdVertPlace);

    for (int nId : {kIdHorzSlider, kIdVertSlider})
    {
        SetTrackBarRange(this, nId, -kSliderRange, kSliderRange);
        SetTrackBarPos(this, nId, 0);
    }
    EnableControl(this, kIdHorzSlider, m_nShiftCaps == 2 || m_nShiftCaps == 3);
    EnableControl(this, kIdVertSlider, m_nShiftCaps == 1 || m_nShiftCaps == 3);

    ShowLimits();
    ShowControl(this, kIdHorzValuesShort, false);
    ShowControl(this, kIdVertValuesShort, false);
    LayoutGroups();
    LayoutRows();
    return true;
}

void CHVShiftDialog::ShowLimits()
{
    const SShiftLimits horz = ComputeShiftLimits(m_anglesHorizontal, m_fW1, m_fD1, m_fW2, m_fD2);
    const SShiftLimits vert = ComputeShiftLimits(m_anglesVertical, m_fH1, m_fD1, m_fH2, m_fD2);
    const struct
    {
        int nId;
        float fValue;
    } values[] = {
        {kIdWaMaxWidth, horz.fWideMax},  {kIdWaMinWidth, horz.fWideMin},
        {kIdTpMaxWidth, horz.fTeleMax},  {kIdTpMinWidth, horz.fTeleMin},
        {kIdWaMaxHeight, vert.fWideMax}, {kIdWaMinHeight, vert.fWideMin},
        {kIdTpMaxHeight, vert.fTeleMax}, {kIdTpMinHeight, vert.fTeleMin},
    };
    for (const auto& value : values)
        SetControlText(this, value.nId, FormatLength(value.fValue));
    for (int nId : {kIdWaHorzCenter, kIdTpHorzCenter, kIdWaVertCenter, kIdTpVertCenter})
        SetControlText(this, nId, FormatLength(0.0));
}

void CHVShiftDialog::LayoutGroups()
{
    if (m_nShiftCaps != 1)
    {
        ShowControl(this, kIdOkOneGroup, false);
        return;
    }
    for (const auto& move : kOneGroupMoves)
        MoveControlTo(this, move[0], move[1]);
    SetWindowPlacement(&m_wndVertical, GetWindowPlacement(&m_wndHorizontal));
    SetWindowPlacement(m_pVerticalBorder, GetWindowPlacement(m_pHorizontalBorder));
    m_wndVertical.raise();
    m_wndHorizontal.hide();
    m_pHorizontalBorder->hide();

    // Narrowed to the one group, around the dialog's centre.
    const int w = GetControlPlacement(this, kIdHorzGroup).width() + kOneGroupMargin;
    const QRect rc = GetWindowPlacement(this);
    const int nLeft = (rc.left() + (rc.right() + 1) - w) / 2;
    SetWindowPlacement(this, QRect(nLeft, rc.top(), w, rc.height()));
}

void CHVShiftDialog::LayoutRows()
{
    for (const SModeLabel& label : kModeLabels)
        SetControlText(this, label.nId, ShiftRowLabel(label.bHorizontal, m_nMode, label.eRow));

    if (m_nMode != 0)
    {
        // Both ends' rows of every shown group; alone, the vertical group has no
        // short frame.
        if (m_nShiftCaps != 1)
            for (int nId : kHorzTeleRows)
                ShowControl(this, nId, true);
        for (int nId : kVertTeleRows)
            ShowControl(this, nId, true);
        if (m_nShiftCaps == 1)
            ShowControl(this, kIdVertValuesShort, false);
        return;
    }

    // One screen: the centre distance moves up into the third row, under the short
    // frames, and the dialog loses three rows' height.
    if (m_nShiftCaps == 1)
    {
        const int s = 3 * GetControlPlacement(this, kIdTpVertCenter).height();
        ShowControl(this, kIdVertValues, false);
        SetControlPlacement(this, kIdOkOneGroup,
                            GetControlPlacement(this, kIdOkOneGroup).translated(0, -s));
        ShowControl(this, kIdOk, false);
        ShortenBy(s);
        ShowControl(this, kIdHorzValuesShort, true);
        ShowControl(this, kIdVertValuesShort, true);
    }
    else if (m_nShiftCaps == 3)
    {
        SwapPlacements(kIdTpMaxWidthLabel, kIdWaHorzCenterLabel);
        SwapPlacements(kIdTpMaxWidth, kIdWaHorzCenter);
        ShowControl(this, kIdHorzValuesShort, true);
        ShowControl(this, kIdVertValuesShort, true);
        ShowControl(this, kIdHorzValues, false);
        ShowControl(this, kIdVertValues, false);
        const int s = 3 * GetControlPlacement(this, kIdOk).height();
        SetControlPlacement(this, kIdOk, GetControlPlacement(this, kIdOk).translated(0, -s));
        ShortenBy(s);
    }
    SwapPlacements(kIdTpMaxHeightLabel, kIdWaVertCenterLabel);
    SwapPlacements(kIdTpMaxHeight, kIdWaVertCenter);
    for (int nId : kHorzTeleRows)
        ShowControl(this, nId, false);
    for (int nId : kVertTeleRows)
        ShowControl(this, nId, false);
}

void CHVShiftDialog::SwapPlacements(int nId1, int nId2)
{
    const QRect rc1 = GetControlPlacement(this, nId1);
    SetControlPlacement(this, nId1, GetControlPlacement(this, nId2));
    SetControlPlacement(this, nId2, rc1);
}

void CHVShiftDialog::ShortenBy(int s)
{
    QRect rc = GetWindowPlacement(this);
    rc.setBottom(rc.bottom() - s);
    SetWindowPlacement(this, rc);
}

void CHVShiftDialog::OnVScroll(int nId, int nPos)
{
    const int nMax = GetTrackBarMax(this, nId);
    if (nMax != 0 && nId == kIdHorzSlider)
    {
        const float r = static_cast<float>(nPos * 1.0 / nMax);
        m_wndHorizontal.SetShiftRatio(r);
        m_wndHorizontal.Invalidate();
        SetControlText(this, kIdWaHorzCenter, FormatLength(m_wndHorizontal.CenterOffsetWide(r)));
        SetControlText(this, kIdTpHorzCenter, FormatLength(m_wndHorizontal.CenterOffsetTele(r)));
    }
    else if (nMax != 0 && nId == kIdVertSlider)
    {
        // The slider's top is its minimum: up moves the picture up.
        const float r = static_cast<float>(-nPos * 1.0 / nMax);
        m_wndVertical.SetShiftRatio(r);
        m_wndVertical.Invalidate();
        SetControlText(this, kIdWaVertCenter, FormatLength(m_wndVertical.CenterOffsetWide(r)));
        SetControlText(this, kIdTpVertCenter, FormatLength(m_wndVertical.CenterOffsetTele(r)));
    }
    ShowReach();
    CDialog::OnVScroll(nId, nPos);
}

void CHVShiftDialog::ShowReach()
{
    const auto share = [this](int nId)
    {
        const int nMax = GetTrackBarMax(this, nId);
        return nMax == 0 ? 0.0 : static_cast<double>(GetTrackBarPos(this, nId)) / nMax;
    };
    const double dShareX = share(kIdHorzSlider);
    const double dShareY = -share(kIdVertSlider); // the slider's top is full up
    const bool bOut = m_envelope && m_nShiftCaps == 3 && dShareX != 0.0 && dShareY != 0.0 &&
                      !ReachesShares(*m_envelope, dShareX, dShareY);
    QString strTip;
    if (bOut)
    {
        const double dPercent =
            std::round(VerticalShareAt(*m_envelope, dShareX, dShareY > 0.0) * 100.0);
        const QString strSide = dShareY > 0.0 ? QStringLiteral("up") : QStringLiteral("down");
        const QString strLeft = dPercent == 0.0
                                    ? QStringLiteral("no shift %1 remains").arg(strSide)
                                    : QStringLiteral("only %1 % of the shift %2 remains")
                                          .arg(QString::number(dPercent, 'f', 0), strSide);
        strTip = QStringLiteral("The lens cannot reach this corner: at this horizontal shift "
                                "%1%2.")
                     .arg(strLeft,
                          m_envelope->bApproximate ? QStringLiteral(" (approximate)") : QString());
    }
    for (CGLShiftWnd* pView :
         {static_cast<CGLShiftWnd*>(&m_wndHorizontal), static_cast<CGLShiftWnd*>(&m_wndVertical)})
    {
        if (pView->IsOutOfReach() == bOut && pView->toolTip() == strTip)
            continue;
        pView->SetOutOfReach(bOut);
        pView->setToolTip(strTip);
        pView->Invalidate();
    }
}

bool CHVShiftDialog::OnReturnKey()
{
    accept();
    return true;
}

void CHVShiftDialog::paintEvent(QPaintEvent* pEvent)
{
    CDialog::paintEvent(pEvent);
    m_wndHorizontal.SetMode(m_nMode);
    m_wndVertical.SetMode(m_nMode);
    if (m_nShiftCaps == 2 || m_nShiftCaps == 3)
        m_wndHorizontal.SetViewData(m_fW1, m_fH1, m_fD1, m_fW2, m_fH2, m_fD2);
    if (m_nShiftCaps == 1 || m_nShiftCaps == 3)
        m_wndVertical.SetViewData(m_fW1, m_fH1, m_fD1, m_fW2, m_fH2, m_fD2);
}
