// The horizontal shift view of the shift calculator: the WA picture (blue) and the
// TP picture (red) moved sideways by the shift slider, each with its beam to the
// lens and the black lens axis, the translucent outline of the area the shift can
// reach at each end, a dimension marker from the lens axis to the picture's edge
// and the shift values as labels.
// Inputs: the mode and the (width, height, distance) triples of the WA end (first)
// and the TP end (second) in the user's unit, the WA and TP shift angles to the
// left (minus) and right (plus) in degrees, and the shift ratio from -1 (full left)
// to 1 (full right). The window, its GL context and label font, the mouse modes,
// the context menu and the common frame of the scene are CGLWnd's. Used by the
// shift calculator dialog.
#pragma once

#include "gl/GLWnd.h"

class CGLShiftWnd_Orizzontale : public CGLWnd
{
    Q_OBJECT

public:
    explicit CGLShiftWnd_Orizzontale(QWidget* parent = nullptr);

    // Store the angles (degrees) and the ratio; the owner repaints.
    void SetWideAngles(float fMinus, float fPlus);
    void SetTeleAngles(float fMinus, float fPlus);
    void SetShiftRatio(float r);

    // The picture centre's sideways offset from the lens axis at the ratio r, WA
    // and TP end.
    float CenterOffsetWide(float r) const;
    float CenterOffsetTele(float r) const;
    // The picture edge on the side the picture moves to (right edge for r >= 0).
    float EdgeOffsetWide(float r) const;
    float EdgeOffsetTele(float r) const;

protected:
    void RenderScene() override;
    void DrawLabelsDistance(float x, float y, float z, float w, float h, float d) override;
    void DrawLabelsScreen(float x, float y, float z, float w, float h, float d) override;
    // The preview's lines and box have no place here.
    void DrawDimensionLines(float x, float y, float z, float w, float h, float d) override;
    void DrawBoundingBox(float x, float y, float z, float w, float h, float d) override;
    void DrawPyramid(float x, float y, float z, float w, float h, float d) override;

    // The w x h picture at z = 0 moved sideways by c, its four side triangles to the
    // lens at (0, 0, d), then the lens axis in black.
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

private:
    // One horizontal dimension line at height y0 from the axis to e, with a tick of
    // half-length t at both ends; nothing when e is 0.
    static void DrawMarker(float e, float y0, float t);
};
