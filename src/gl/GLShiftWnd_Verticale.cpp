#include "gl/GLShiftWnd_Verticale.h"

#include "core/ShiftLimits.h"
#include "core/TextFormat.h"

#include <GL/gl.h>

namespace
{
// The shift outlines and markers stand around a picture enlarged by this factor.
constexpr float kRangeScale = 1.1f;
} // namespace

CGLShiftWnd_Verticale::CGLShiftWnd_Verticale(QWidget* parent)
    : CGLWnd(SViewState{.dTransX = -250.0, .dTransY = 400.0}, parent)
{
}

void CGLShiftWnd_Verticale::SetWideAngles(float fMinus, float fPlus)
{
    m_fAngleWideMinus = fMinus;
    m_fAngleWidePlus = fPlus;
}

void CGLShiftWnd_Verticale::SetTeleAngles(float fMinus, float fPlus)
{
    m_fAngleTeleMinus = fMinus;
    m_fAngleTelePlus = fPlus;
}

void CGLShiftWnd_Verticale::SetShiftRatio(float r)
{
    m_fShiftRatio = r;
}

float CGLShiftWnd_Verticale::CenterOffsetWide(float r) const
{
    return ShiftCenterOffset(m_fAngleWideMinus, m_fAngleWidePlus, r, m_fD1);
}

float CGLShiftWnd_Verticale::CenterOffsetTele(float r) const
{
    return ShiftCenterOffset(m_fAngleTeleMinus, m_fAngleTelePlus, r, m_fD2);
}

float CGLShiftWnd_Verticale::EdgeOffsetWide(float r) const
{
    return ShiftEdgeOffset(CenterOffsetWide(r), r, m_fH1);
}

float CGLShiftWnd_Verticale::EdgeOffsetTele(float r) const
{
    return ShiftEdgeOffset(CenterOffsetTele(r), r, m_fH2);
}

void CGLShiftWnd_Verticale::RenderScene()
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

// The WA edge beside the pictures at the WA centre's height, in blue; the two
// distances in black.
void CGLShiftWnd_Verticale::DrawLabelsDistance(float x, float y, float z, float w, float h,
                                               float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    const float cW = CenterOffsetWide(m_fShiftRatio);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawLabelAt(w * 0.9f * g, g * cW, 0.0f,
                "V Shift = " + FormatLength(EdgeOffsetWide(m_fShiftRatio)));
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.6f * g, "P_WA=" + FormatLength(m_fD1));
    DrawLabelAt(w * 0.3f * g, -h * 0.5f * g, m_fD2 * 0.75f * g, "P_TP=" + FormatLength(m_fD2));
    glPopMatrix();
}

// Both edges beside the pictures, the WA one (blue) at the WA centre's height and
// the TP one (red) 200 units below it; the one distance in black.
void CGLShiftWnd_Verticale::DrawLabelsScreen(float x, float y, float z, float w, float h, float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    const float cW = CenterOffsetWide(m_fShiftRatio);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawLabelAt(w * 0.9f * g, g * cW, 0.0f,
                "V Shift(WA)= " + FormatLength(EdgeOffsetWide(m_fShiftRatio)));
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(w * 0.9f * g, g * cW - 200.0f, 0.0f,
                "V Shift(TP)= " + FormatLength(EdgeOffsetTele(m_fShiftRatio)));
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.5f * g, "PJD=" + FormatLength(m_fD1));
    glPopMatrix();
}

void CGLShiftWnd_Verticale::DrawDimensionLines(float, float, float, float, float, float) {}

void CGLShiftWnd_Verticale::DrawBoundingBox(float, float, float, float, float, float) {}

void CGLShiftWnd_Verticale::DrawPyramid(float, float, float, float, float, float) {}

void CGLShiftWnd_Verticale::DrawShiftedPyramid(float w, float h, float d, float c)
{
    const float l = -w / 2.0f, r = w / 2.0f, b = c - h / 2.0f, t = c + h / 2.0f;
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
    // The lens axis, drawn while the line mode still holds.
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, d);
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
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

void CGLShiftWnd_Verticale::DrawShiftRangeWide(float w, float h)
{
    DrawOutline(-w / 2.0f, w / 2.0f, -ShiftReach(h, m_fAngleWideMinus, m_fD1),
                ShiftReach(h, m_fAngleWidePlus, m_fD1));
}

void CGLShiftWnd_Verticale::DrawShiftRangeTele(float w, float h)
{
    DrawOutline(-w / 2.0f, w / 2.0f, -ShiftReach(h, m_fAngleTeleMinus, m_fD2),
                ShiftReach(h, m_fAngleTelePlus, m_fD2));
}

void CGLShiftWnd_Verticale::DrawMarker(float e, float x0, float t)
{
    if (e == 0.0f)
        return;
    glBegin(GL_LINES);
    glVertex3f(x0, 0.0f, 0.0f);
    glVertex3f(x0, e, 0.0f);
    glVertex3f(x0 + t, e, 0.0f);
    glVertex3f(x0 - t, e, 0.0f);
    glVertex3f(x0 + t, 0.0f, 0.0f);
    glVertex3f(x0 - t, 0.0f, 0.0f);
    glEnd();
}

void CGLShiftWnd_Verticale::DrawShiftMarkerDistance(float w, float)
{
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (w / 2.0f) * 1.3f, w / 15.0f);
}

void CGLShiftWnd_Verticale::DrawShiftMarkerScreen(float w, float)
{
    const float t = w / 15.0f;
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (w / 2.0f) * 1.3f, t);
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    DrawMarker(EdgeOffsetTele(m_fShiftRatio), (w / 2.0f) * 1.5f, t);
}
