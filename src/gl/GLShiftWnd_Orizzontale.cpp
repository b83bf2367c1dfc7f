#include "gl/GLShiftWnd_Orizzontale.h"

#include "core/ShiftLimits.h"
#include "core/TextFormat.h"

#include <GL/gl.h>

namespace
{
// The shift outlines and markers stand around a picture enlarged by this factor.
constexpr float kRangeScale = 1.1f;
} // namespace

CGLShiftWnd_Orizzontale::CGLShiftWnd_Orizzontale(QWidget* parent)
    : CGLWnd(SViewState{.dTransX = -250.0, .dTransY = 400.0}, parent)
{
}

void CGLShiftWnd_Orizzontale::SetWideAngles(float fMinus, float fPlus)
{
    m_fAngleWideMinus = fMinus;
    m_fAngleWidePlus = fPlus;
}

void CGLShiftWnd_Orizzontale::SetTeleAngles(float fMinus, float fPlus)
{
    m_fAngleTeleMinus = fMinus;
    m_fAngleTelePlus = fPlus;
}

void CGLShiftWnd_Orizzontale::SetShiftRatio(float r)
{
    m_fShiftRatio = r;
}

float CGLShiftWnd_Orizzontale::CenterOffsetWide(float r) const
{
    return ShiftCenterOffset(m_fAngleWideMinus, m_fAngleWidePlus, r, m_fD1);
}

float CGLShiftWnd_Orizzontale::CenterOffsetTele(float r) const
{
    return ShiftCenterOffset(m_fAngleTeleMinus, m_fAngleTelePlus, r, m_fD2);
}

float CGLShiftWnd_Orizzontale::EdgeOffsetWide(float r) const
{
    return ShiftEdgeOffset(CenterOffsetWide(r), r, m_fW1);
}

float CGLShiftWnd_Orizzontale::EdgeOffsetTele(float r) const
{
    return ShiftEdgeOffset(CenterOffsetTele(r), r, m_fW2);
}

void CGLShiftWnd_Orizzontale::RenderScene()
{
    SExtents ext;
    if (!BeginFrame(ext))
        return;
    const float cW = CenterOffsetWide(m_fShiftRatio);
    const float cT = CenterOffsetTele(m_fShiftRatio);
    const float x = -ext.fW / 2.0f, y = -ext.fH / 2.0f;
    DrawDimensionLines(x, y, 0.0f, ext.fW, ext.fH, ext.fD);
    glColor4f(0.0f, 0.5f, 1.0f, 1.0f);
    DrawBoundingBox(x, y, 0.0f, ext.fW, ext.fH, ext.fD);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawShiftedPyramid(m_fW1, m_fH1, m_fD1, cW);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawShiftedPyramid(m_fW2, m_fH2, m_fD2, cT);
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawShiftRangeWide(m_fW1 * kRangeScale, m_fH1 * kRangeScale);
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    DrawShiftRangeTele(m_fW2 * kRangeScale, m_fH2 * kRangeScale);
    if (m_nMode == 0)
        DrawShiftMarkerDistance(m_fW1 * kRangeScale, m_fH1 * kRangeScale);
    else
        DrawShiftMarkerScreen(m_fW1 * kRangeScale, m_fH1 * kRangeScale);
    EndFrame();
}

// The WA edge above the WA picture's centre, in blue; the two distances in black.
void CGLShiftWnd_Orizzontale::DrawLabelsDistance(float x, float y, float z, float w, float h,
                                                 float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    const float cW = CenterOffsetWide(m_fShiftRatio);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawLabelAt(cW * g, g * h, 0.0f, "H Shift = " + FormatLength(EdgeOffsetWide(m_fShiftRatio)));
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.6f * g, "P_WA=" + FormatLength(m_fD1));
    DrawLabelAt(w * 0.3f * g, -h * 0.5f * g, m_fD2 * 0.75f * g, "P_TP=" + FormatLength(m_fD2));
    glPopMatrix();
}

// Both edges at the WA centre's x, the WA one (blue) 200 units above the TP one
// (red); the one distance in black.
void CGLShiftWnd_Orizzontale::DrawLabelsScreen(float x, float y, float z, float w, float h,
                                               float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    const float cW = CenterOffsetWide(m_fShiftRatio);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawLabelAt(cW * g, g * h + 200.0f, 0.0f,
                "H Shift(WA)= " + FormatLength(EdgeOffsetWide(m_fShiftRatio)));
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(cW * g, h * g, 0.0f, "H Shift(TP)= " + FormatLength(EdgeOffsetTele(m_fShiftRatio)));
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.5f * g, "PJD=" + FormatLength(m_fD1));
    glPopMatrix();
}

void CGLShiftWnd_Orizzontale::DrawDimensionLines(float, float, float, float, float, float) {}

void CGLShiftWnd_Orizzontale::DrawBoundingBox(float, float, float, float, float, float) {}

void CGLShiftWnd_Orizzontale::DrawPyramid(float, float, float, float, float, float) {}

void CGLShiftWnd_Orizzontale::DrawShiftedPyramid(float w, float h, float d, float c)
{
    const float l = -w / 2.0f + c, r = w / 2.0f + c, b = -h / 2.0f, t = h / 2.0f;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_QUADS);
    // The picture.
    glVertex3f(l, b, 0.0f);
    glVertex3f(r, b, 0.0f);
    glVertex3f(r, t, 0.0f);
    glVertex3f(l, t, 0.0f);
    // Side triangles to the lens, top, bottom, right, left (apex first and last).
    glVertex3f(0.0f, 0.0f, d);
    glVertex3f(l, t, 0.0f);
    glVertex3f(r, t, 0.0f);
    glVertex3f(0.0f, 0.0f, d);

    glVertex3f(0.0f, 0.0f, d);
    glVertex3f(l, b, 0.0f);
    glVertex3f(r, b, 0.0f);
    glVertex3f(0.0f, 0.0f, d);

    glVertex3f(0.0f, 0.0f, d);
    glVertex3f(r, b, 0.0f);
    glVertex3f(r, t, 0.0f);
    glVertex3f(0.0f, 0.0f, d);

    glVertex3f(0.0f, 0.0f, d);
    glVertex3f(l, b, 0.0f);
    glVertex3f(l, t, 0.0f);
    glVertex3f(0.0f, 0.0f, d);
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The lens axis.
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, d);
    glEnd();
}

namespace
{
// A rectangle at z = 0 from x0 to x1 and y0 to y1, in line mode.
void DrawOutline(float x0, float x1, float y0, float y1)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_QUADS);
    glVertex3f(x0, y0, 0.0f);
    glVertex3f(x1, y0, 0.0f);
    glVertex3f(x1, y1, 0.0f);
    glVertex3f(x0, y1, 0.0f);
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}
} // namespace

void CGLShiftWnd_Orizzontale::DrawShiftRangeWide(float w, float h)
{
    DrawOutline(-ShiftReach(w, m_fAngleWideMinus, m_fD1), ShiftReach(w, m_fAngleWidePlus, m_fD1),
                -h / 2.0f, h / 2.0f);
}

void CGLShiftWnd_Orizzontale::DrawShiftRangeTele(float w, float h)
{
    DrawOutline(-ShiftReach(w, m_fAngleTeleMinus, m_fD2), ShiftReach(w, m_fAngleTelePlus, m_fD2),
                -h / 2.0f, h / 2.0f);
}

void CGLShiftWnd_Orizzontale::DrawMarker(float e, float y0, float t)
{
    if (e == 0.0f)
        return;
    glBegin(GL_LINES);
    glVertex3f(e, y0 + t, 0.0f);
    glVertex3f(e, y0 - t, 0.0f);
    glVertex3f(0.0f, y0 + t, 0.0f);
    glVertex3f(0.0f, y0 - t, 0.0f);
    glVertex3f(0.0f, y0, 0.0f);
    glVertex3f(e, y0, 0.0f);
    glEnd();
}

void CGLShiftWnd_Orizzontale::DrawShiftMarkerDistance(float, float h)
{
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (h / 2.0f) * 1.5f, h / 15.0f);
}

void CGLShiftWnd_Orizzontale::DrawShiftMarkerScreen(float, float h)
{
    const float t = h / 15.0f;
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (h / 2.0f) * 1.3f, t);
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    DrawMarker(EdgeOffsetTele(m_fShiftRatio), (h / 2.0f) * 1.5f, t);
}
