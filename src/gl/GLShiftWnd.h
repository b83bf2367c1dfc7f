// The common base of the shift calculator's two views, which differ only in the
// axis the picture shifts along: the WA picture (blue) and the TP picture (red)
// moved along that axis by the shift slider, each with its beam to the lens and the
// black lens axis, the translucent outline of the area the shift can reach at each
// end, a dimension marker from the lens axis to the picture's edge and the shift
// values as labels.
// Inputs: the mode and the (width, height, distance) triples of the WA end (first)
// and the TP end (second) in the user's unit, the WA and TP shift angles to the
// minus side (left or down) and the plus side (right or up) in degrees, and the
// shift ratio from -1 (full minus) to 1 (full plus). The window, its GL context and
// label font, the mouse modes, the context menu and the common frame of the scene
// are CGLWnd's. Used by CGLShiftWnd_Orizzontale and CGLShiftWnd_Verticale.
#pragma once

#include "gl/GLWnd.h"

class CGLShiftWnd : public CGLWnd
{
    Q_OBJECT

public:
    enum class EShiftAxis
    {
        Horizontal, // sideways: widths shift, the marker stands above the pictures
        Vertical,   // up and down: heights shift, the marker stands beside them
    };

    // Store the angles (degrees) and the ratio; the owner repaints.
    void SetWideAngles(float fMinus, float fPlus);
    void SetTeleAngles(float fMinus, float fPlus);
    void SetShiftRatio(float r);
    // Out of reach: the shift labels turn to the warning colour (the lens cannot
    // reach the corner the two sliders make together); the owner repaints.
    void SetOutOfReach(bool bOutOfReach);
    bool IsOutOfReach() const { return m_bOutOfReach; }

    // The picture centre's offset from the lens axis along the shift axis at the
    // ratio r, WA and TP end.
    float CenterOffsetWide(float r) const;
    float CenterOffsetTele(float r) const;
    // The picture edge on the side the picture moves to (right or top edge for
    // r >= 0).
    float EdgeOffsetWide(float r) const;
    float EdgeOffsetTele(float r) const;

protected:
    CGLShiftWnd(EShiftAxis eAxis, QWidget* parent);

    void RenderScene() override;
    void DrawLabelsDistance(float x, float y, float z, float w, float h, float d) override;
    void DrawLabelsScreen(float x, float y, float z, float w, float h, float d) override;
    // The preview's lines, box and pyramids have no place here.
    void DrawDimensionLines(float x, float y, float z, float w, float h, float d) override;
    void DrawBoundingBox(float x, float y, float z, float w, float h, float d) override;
    void DrawPyramid(float x, float y, float z, float w, float h, float d) override;

    // The w x h picture at z = 0 moved along the axis by c, its four side triangles
    // to the lens at (0, 0, d), then the lens axis in black.
    virtual void DrawShiftedPyramid(float w, float h, float d, float c);
    // The area the picture (w' x h', the enlarged size) can reach at the WA or TP end.
    virtual void DrawShiftRangeWide(float w, float h);
    virtual void DrawShiftRangeTele(float w, float h);
    // The dimension marker from the lens axis to the picture edge: the WA edge after
    // size to distance, the WA and the TP edge after distance to size.
    virtual void DrawShiftMarkerDistance(float w, float h);
    virtual void DrawShiftMarkerScreen(float w, float h);

    float m_fAngleWideMinus = 0.0f;
    float m_fAngleWidePlus = 0.0f;
    float m_fAngleTeleMinus = 0.0f;
    float m_fAngleTelePlus = 0.0f;
    float m_fShiftRatio = 0.0f;
    bool m_bOutOfReach = false;

private:
    // The reach of a picture w' x h' to both sides along the axis at distance fD with
    // those angles.
    void DrawShiftRange(float w, float h, float fMinusAngle, float fPlusAngle, float fD) const;
    // One dimension line along the axis from the lens axis to e, fAcross from it
    // across the axis, with a tick of half-length t at both ends; nothing when e is 0.
    void DrawMarker(float e, float fAcross, float t) const;
    // A vertex at fAlong on the shift axis and fAcross on the other, at z = 0.
    void Vertex(float fAlong, float fAcross) const;
    // The labels of mode 0: the WA edge in blue, the two distances in black; of mode
    // 1: both edges, the WA one (blue) 200 units above the TP one (red; the
    // edges in the warning colour while out of reach; the
    // horizontal view raises the WA label, the vertical view lowers the TP label),
    // and the one distance in black.
    void DrawShiftLabels(float x, float y, float z, float w, float h, float d, int nMode);
    // One shift label ("H" or "V" and pszText, then the value) at the WA picture's
    // centre: above the pictures (horizontal) or beside them (vertical); fRaise
    // moves it up.
    void DrawShiftLabel(const char* pszText, float fValue, float w, float h, float g, float fRaise);

    const EShiftAxis m_eAxis;
};
