#include "gl/GLShiftWnd.h"

#include "core/ShiftLimits.h"
#include "core/TextFormat.h"

#include <GL/gl.h>

namespace
{
// The shift outlines and markers stand around a picture enlarged by this factor.
constexpr float kRangeScale = 1.1f;

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

CGLShiftWnd::CGLShiftWnd(EShiftAxis eAxis, QWidget* parent)
    : CGLWnd(SViewState{.dTransX = -250.0, .dTransY = 400.0}, parent), m_eAxis(eAxis)
{
}

void CGLShiftWnd::SetWideAngles(float fMinus, float fPlus)
{
    m_fAngleWideMinus = fMinus;
    m_fAngleWidePlus = fPlus;
}

void CGLShiftWnd::SetTeleAngles(float fMinus, float fPlus)
{
    m_fAngleTeleMinus = fMinus;
    m_fAngleTelePlus = fPlus;
}

void CGLShiftWnd::SetOutOfReach(bool bOutOfReach)
{
    m_bOutOfReach = bOutOfReach;
}

void CGLShiftWnd::SetShiftRatio(float r)
{
    m_fShiftRatio = r;
}

float CGLShiftWnd::CenterOffsetWide(float r) const
{
    return ShiftCenterOffset(m_fAngleWideMinus, m_fAngleWidePlus, r, m_fD1);
}

float CGLShiftWnd::CenterOffsetTele(float r) const
{
    return ShiftCenterOffset(m_fAngleTeleMinus, m_fAngleTelePlus, r, m_fD2);
}

float CGLShiftWnd::EdgeOffsetWide(float r) const
{
    return ShiftEdgeOffset(CenterOffsetWide(r), r,
                           m_eAxis == EShiftAxis::Horizontal ? m_fW1 : m_fH1);
}

float CGLShiftWnd::EdgeOffsetTele(float r) const
{
    return ShiftEdgeOffset(CenterOffsetTele(r), r,
                           m_eAxis == EShiftAxis::Horizontal ? m_fW2 : m_fH2);
}

void CGLShiftWnd::RenderScene()
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

void CGLShiftWnd::DrawShiftLabel(const char* pszText, float fValue, float w, float h, float g,
                                 float fRaise)
{
    const float cW = CenterOffsetWide(m_fShiftRatio);
    const bool bHorizontal = m_eAxis == EShiftAxis::Horizontal;
    const float x = bHorizontal ? cW * g : w * 0.9f * g;
    const float y = (bHorizontal ? g * h : g * cW) + fRaise;
    DrawLabelAt(x, y, 0.0f, (bHorizontal ? "H" : "V") + (pszText + FormatLength(fValue)));
}

void CGLShiftWnd::DrawLabelsDistance(float x, float y, float z, float w, float h, float d)
{
    DrawShiftLabels(x, y, z, w, h, d, 0);
}

void CGLShiftWnd::DrawLabelsScreen(float x, float y, float z, float w, float h, float d)
{
    DrawShiftLabels(x, y, z, w, h, d, 1);
}

void CGLShiftWnd::DrawShiftLabels(float x, float y, float z, float w, float h, float d, int nMode)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    const bool bHorizontal = m_eAxis == EShiftAxis::Horizontal;
    // Dark amber: readable on white, apart from the WA blue and the TP red.
    const auto edgeColour = [this](float fRed, float fBlue)
    {
        if (m_bOutOfReach)
            glColor4f(0.85f, 0.45f, 0.0f, 1.0f);
        else
            glColor4f(fRed, 0.0f, fBlue, 1.0f);
    };
    glPushMatrix();
    glTranslated(x, y, z);
    edgeColour(0.0f, 1.0f);
    if (nMode == 0)
    {
        DrawShiftLabel(" Shift = ", EdgeOffsetWide(m_fShiftRatio), w, h, g, 0.0f);
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
        DrawThrowLabels(w, h, g);
    }
    else
    {
        DrawShiftLabel(" Shift(WA)= ", EdgeOffsetWide(m_fShiftRatio), w, h, g,
                       bHorizontal ? 200.0f : 0.0f);
        edgeColour(1.0f, 0.0f);
        DrawShiftLabel(" Shift(TP)= ", EdgeOffsetTele(m_fShiftRatio), w, h, g,
                       bHorizontal ? 0.0f : -200.0f);
        glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
        DrawProjectionLabel(w, h, g);
    }
    glPopMatrix();
}

void CGLShiftWnd::DrawDimensionLines(float, float, float, float, float, float) {}

void CGLShiftWnd::DrawBoundingBox(float, float, float, float, float, float) {}

void CGLShiftWnd::DrawPyramid(float, float, float, float, float, float) {}

void CGLShiftWnd::DrawShiftedPyramid(float w, float h, float d, float c)
{
    if (m_eAxis == EShiftAxis::Horizontal)
        DrawWirePyramid(-w / 2.0f + c, w / 2.0f + c, -h / 2.0f, h / 2.0f, d);
    else
        DrawWirePyramid(-w / 2.0f, w / 2.0f, c - h / 2.0f, c + h / 2.0f, d);
    // The lens axis.
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, d);
    glEnd();
}

void CGLShiftWnd::DrawShiftRange(float w, float h, float fMinusAngle, float fPlusAngle,
                                 float fD) const
{
    if (m_eAxis == EShiftAxis::Horizontal)
        DrawOutline(-ShiftReach(w, fMinusAngle, fD), ShiftReach(w, fPlusAngle, fD), -h / 2.0f,
                    h / 2.0f);
    else
        DrawOutline(-w / 2.0f, w / 2.0f, -ShiftReach(h, fMinusAngle, fD),
                    ShiftReach(h, fPlusAngle, fD));
}

void CGLShiftWnd::DrawShiftRangeWide(float w, float h)
{
    DrawShiftRange(w, h, m_fAngleWideMinus, m_fAngleWidePlus, m_fD1);
}

void CGLShiftWnd::DrawShiftRangeTele(float w, float h)
{
    DrawShiftRange(w, h, m_fAngleTeleMinus, m_fAngleTelePlus, m_fD2);
}

void CGLShiftWnd::Vertex(float fAlong, float fAcross) const
{
    if (m_eAxis == EShiftAxis::Horizontal)
        glVertex3f(fAlong, fAcross, 0.0f);
    else
        glVertex3f(fAcross, fAlong, 0.0f);
}

void CGLShiftWnd::DrawMarker(float e, float fAcross, float t) const
{
    if (e == 0.0f)
        return;
    // The horizontal view draws the ticks first, the vertical view the line first.
    const bool bLineFirst = m_eAxis == EShiftAxis::Vertical;
    glBegin(GL_LINES);
    if (bLineFirst)
    {
        Vertex(0.0f, fAcross);
        Vertex(e, fAcross);
    }
    Vertex(e, fAcross + t);
    Vertex(e, fAcross - t);
    Vertex(0.0f, fAcross + t);
    Vertex(0.0f, fAcross - t);
    if (!bLineFirst)
    {
        Vertex(0.0f, fAcross);
        Vertex(e, fAcross);
    }
    glEnd();
}

// The horizontal view's marker stands 1.5 half-heights above the lens axis, the
// vertical view's 1.3 half-widths beside it; the ticks are a fifteenth of that size.
void CGLShiftWnd::DrawShiftMarkerDistance(float w, float h)
{
    const bool bHorizontal = m_eAxis == EShiftAxis::Horizontal;
    const float fSize = bHorizontal ? h : w;
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (fSize / 2.0f) * (bHorizontal ? 1.5f : 1.3f),
               fSize / 15.0f);
}

// The WA marker at 1.3 and the TP marker at 1.5 half-sizes from the lens axis.
void CGLShiftWnd::DrawShiftMarkerScreen(float w, float h)
{
    const float fSize = m_eAxis == EShiftAxis::Horizontal ? h : w;
    const float t = fSize / 15.0f;
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    DrawMarker(EdgeOffsetWide(m_fShiftRatio), (fSize / 2.0f) * 1.3f, t);
    glColor4f(1.0f, 0.0f, 0.0f, 0.5f);
    DrawMarker(EdgeOffsetTele(m_fShiftRatio), (fSize / 2.0f) * 1.5f, t);
}
