// The Shift Calculator (template 161): for the installation of the page that opened
// it, per direction (horizontal, vertical) how far the picture's edges reach at
// full lens shift at the wide (WA) and the tele (TP) end, a slider that moves the
// picture in that direction's 3D view, and where the picture's centre lands. Only
// the directions of the model's shift capability are shown (1 vertical, 2
// horizontal, 3 both); after a size-to-distance calculation (mode 0, one screen at
// two distances) the WA rows speak for both ends and the TP rows are left out.
// Inputs: the mode, the WA and TP (width, height, distance) triples in the user's
// unit, the capability and the record's shift angles in degrees, all handed over
// before the modal run. Shows values only; both OK buttons close it. Given the
// lens's combined shift envelope, a corner the two sliders make together that the
// lens cannot reach turns both views' shift labels to the warning colour, with a
// tooltip that says so. Made, filled and run by the calculation pages' "Shift"
// command.
#pragma once

#include "core/ShiftEnvelope.h"
#include "core/ShiftLimits.h"
#include "gl/GLShiftWnd_Orizzontale.h"
#include "gl/GLShiftWnd_Verticale.h"
#include "platform/Dialog.h"

class QFrame;

class CHVShiftDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CHVShiftDialog(QWidget* pParent = nullptr);

    // The installation: mode 0 (projection-distance page) or 1 (screen-dimensions
    // page), then the WA triple and the TP triple.
    void SetViewData(int nMode, float fW1, float fH1, float fD1, float fW2, float fH2, float fD2);
    void SetShiftCaps(int nShiftCaps);
    // The four angles of a direction in the record's order: WA room A (minus side),
    // WA room B (plus side), TP room A, TP room B; also handed to that view.
    void SetHorizontalAngles(float fA1, float fA2, float fA3, float fA4);
    void SetVerticalAngles(float fA1, float fA2, float fA3, float fA4);
    // The outline both shifts at once must stay in; none checks nothing.
    void SetShiftEnvelope(const std::optional<SShiftEnvelope>& envelope);

    const CGLShiftWnd_Orizzontale& GetHorizontalView() const { return m_wndHorizontal; }
    const CGLShiftWnd_Verticale& GetVerticalView() const { return m_wndVertical; }

protected:
    bool OnInitDialog() override;
    void OnVScroll(int nId, int nPos) override;
    // Enter closes the dialog in every layout, as its OK buttons do.
    bool OnReturnKey() override;
    // Every paint hands the installation to the shown views.
    void paintEvent(QPaintEvent* pEvent) override;

private:
    // The limits of both directions and the centre distances at slider position 0.
    void ShowLimits();
    // With vertical shift only, the vertical group takes the horizontal one's place
    // and the dialog narrows around its centre.
    void LayoutGroups();
    // The rows by mode: both ends' rows in mode 1, the WA rows for both in mode 0
    // with three rows' height taken off the dialog.
    void LayoutRows();
    void SwapPlacements(int nId1, int nId2);
    // Moves the top-level placement's bottom edge up by s pixels.
    void ShortenBy(int s);
    // Both views marked while both sliders are off centre and their corner lies
    // outside the envelope.
    void ShowReach();

    CGLShiftWnd_Orizzontale m_wndHorizontal;
    CGLShiftWnd_Verticale m_wndVertical;
    QFrame* m_pHorizontalBorder = nullptr; // the views' borders, outside their pictures
    QFrame* m_pVerticalBorder = nullptr;
    int m_nShiftCaps = 0;
    int m_nMode = 0;
    float m_fW1 = 0.0f;
    float m_fH1 = 0.0f;
    float m_fD1 = 0.0f;
    float m_fW2 = 0.0f;
    float m_fH2 = 0.0f;
    float m_fD2 = 0.0f;
    SShiftAngles m_anglesHorizontal;
    SShiftAngles m_anglesVertical;
    std::optional<SShiftEnvelope> m_envelope;
};
