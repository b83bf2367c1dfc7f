#include "gl/GLWnd.h"

#include "core/TextFormat.h"
#include "gl/GLViewWindow.h"
#include "platform/MenuBuilder.h"
#include "platform/Resources.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QToolTip>

#include <algorithm>
#include <climits>
#include <cmath>

namespace
{
// Scene units the largest extent of the installation is scaled to.
constexpr float kSceneSize = 1800.0f;
} // namespace

CGLWnd::CGLWnd(QWidget* parent) : CGLWnd(SViewState{}, parent) {}

CGLWnd::CGLWnd(const SViewState& initialView, QWidget* parent)
    : QWidget(parent), m_camera(initialView), m_cursorSpin(LoadCursorResource(146)),
      m_cursorMove(LoadCursorResource(143)), m_cursorZoom(LoadCursorResource(145))
{
    // The picture is a native child window covering this widget. The dialog keeps
    // its own window and its raster painting, whether the view comes before or
    // after the dialog is first shown.
    m_pGLWindow = new CGLViewWindow(*this);
    m_pContainer = QWidget::createWindowContainer(m_pGLWindow, this);
    m_pContainer->setFocusPolicy(Qt::NoFocus);
    m_pContainer->setGeometry(rect());
    setMouseTracking(true); // the cursor follows the mode on every move
    // A click gives the view the focus, so the menu key opens its context menu.
    setFocusPolicy(Qt::ClickFocus);
    setCursor(m_cursorSpin);
}

// The font lists go with the context, which goes with the GL window.
CGLWnd::~CGLWnd()
{
    if (m_labelFont.IsBuilt() && MakeCurrent())
    {
        m_labelFont.Release();
        DoneCurrent();
    }
    delete m_pContainer;
}

void CGLWnd::Invalidate()
{
    m_pGLWindow->update();
}

bool CGLWnd::IsValid() const
{
    return m_pGLWindow->isValid();
}

QOpenGLContext* CGLWnd::GetContext() const
{
    return m_pGLWindow->context();
}

bool CGLWnd::MakeCurrent()
{
    if (!m_pGLWindow->isValid())
        return false;
    m_pGLWindow->makeCurrent();
    return QOpenGLContext::currentContext() == m_pGLWindow->context();
}

void CGLWnd::DoneCurrent()
{
    m_pGLWindow->doneCurrent();
}

bool CGLWnd::event(QEvent* event)
{
    // Over the native window the pointer shows that window's cursor.
    if (event->type() == QEvent::CursorChange && m_pGLWindow)
        m_pGLWindow->setCursor(cursor());
    return QWidget::event(event);
}

// Whoever repaints the widget (QWidget::update(), an exposed dialog) repaints the
// picture.
void CGLWnd::paintEvent(QPaintEvent*)
{
    Invalidate();
}

void CGLWnd::resizeEvent(QResizeEvent* event)
{
    m_pContainer->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void CGLWnd::SetMode(int nMode)
{
    m_nMode = nMode;
    Invalidate();
}

int CGLWnd::GetMode() const
{
    return m_nMode;
}

void CGLWnd::SetViewData(float w1, float h1, float d1, float w2, float h2, float d2)
{
    m_fW1 = w1;
    m_fH1 = h1;
    m_fD1 = d1;
    m_fW2 = w2;
    m_fH2 = h2;
    m_fD2 = d2;
    Invalidate();
}

void CGLWnd::ResetView()
{
    m_camera.Reset();
    Invalidate();
}

// ------------------------------------------------------------------ GL set-up

// Runs once for this view's own context: the font lists are this view's.
void CGLWnd::initializeGL()
{
    // Glyphs and lines are drawn in device pixels: on a high-density screen they grow
    // with the scale, so labels and lines look as they do at the usual density.
    const qreal dScale = devicePixelRatioF();
    m_labelFont.Build("Arial", qRound(13 * dScale), 500, true);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glLineWidth(static_cast<GLfloat>(0.5 * dScale));
}

void CGLWnd::resizeGL(int w, int h)
{
    // Qt passes the size in device-independent pixels; GL works in device pixels.
    const qreal dRatio = devicePixelRatio();
    const int cx = qRound(w * dRatio);
    const int cy = qRound(h * dRatio);
    glViewport(0, 0, cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double dAspect = cy != 0 ? static_cast<double>(cx) / cy : static_cast<double>(cx);
    gluPerspective(45.0, dAspect, 1.0, 6000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
}

void CGLWnd::paintGL()
{
    RenderScene();
}

QImage CGLWnd::RenderFrame(const QSize& size)
{
    if (size.isEmpty() || !MakeCurrent())
        return {};
    const qreal dRatio = devicePixelRatio();
    const QSize frameSize(qRound(size.width() * dRatio), qRound(size.height() * dRatio));
    const int cx = qRound(width() * dRatio);
    const int cy = qRound(height() * dRatio);
    QImage image;
    if (QOpenGLFramebufferObject::hasOpenGLFramebufferObjects())
    {
        // Depth and stencil as the window has them (24 + 8 bits).
        QOpenGLFramebufferObject fbo(frameSize, QOpenGLFramebufferObject::CombinedDepthStencil);
        if (fbo.isValid() && fbo.bind())
        {
            resizeGL(width(), height()); // the window's projection
            glPushAttrib(GL_COLOR_BUFFER_BIT);
            glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glPopAttrib();
            // The view's top-left corner at the frame's top-left (GL counts rows from
            // the bottom). The scissor keeps labels, which only the frame's edge
            // would clip, inside the view as the window's edge does.
            glPushAttrib(GL_VIEWPORT_BIT | GL_SCISSOR_BIT);
            glViewport(0, frameSize.height() - cy, cx, cy);
            glScissor(0, frameSize.height() - cy, cx, cy);
            glEnable(GL_SCISSOR_TEST);
            RenderScene();
            glPopAttrib();
            image = fbo.toImage();
            fbo.release();
        }
    }
    DoneCurrent();
    if (!image.isNull())
        image.setDevicePixelRatio(dRatio);
    return image;
}

void CGLWnd::DrawLabel(int x, int y, int z, const char* pszText)
{
    glRasterPos3i(x, y, z);
    if (!m_labelFont.IsBuilt())
        return;
    // The label goes where the view shows it whole, clear of the labels before it.
    GLint nValid = 0;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &nValid);
    if (nValid && pszText)
    {
        GLfloat afPos[4] = {};
        GLint anViewport[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, afPos);
        glGetIntegerv(GL_VIEWPORT, anViewport);
        // The text's box from the pixel it starts at (as the font rounds).
        const int nX = static_cast<int>(std::floor(afPos[0] + 0.0001f));
        const int nY = static_cast<int>(std::floor(afPos[1] + 0.0001f));
        const SLabelBox run = m_labelFont.Measure(pszText);
        const SLabelBox box{nX + run.nLeft, nY + run.nBottom, nX + run.nRight, nY + run.nTop};
        const SLabelBox view{anViewport[0], anViewport[1], anViewport[0] + anViewport[2],
                             anViewport[1] + anViewport[3]};
        const int nSpacing = std::max(1, qRound(2 * devicePixelRatioF()));
        const CLabelLayout::SMove move = m_labelLayout.Place(box, view, nSpacing);
        if (move.dx != 0 || move.dy != 0)
            glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(move.dx), static_cast<GLfloat>(move.dy),
                     nullptr);
    }
    m_labelFont.Draw(pszText);
}

// ------------------------------------------------------------------ scene

bool CGLWnd::BeginFrame(SExtents& ext)
{
    // Ties take the first triple.
    ext.fW = m_fW2 > m_fW1 ? m_fW2 : m_fW1;
    ext.fH = m_fH2 > m_fH1 ? m_fH2 : m_fH1;
    ext.fD = m_fD2 > m_fD1 ? m_fD2 : m_fD1;
    float fM = 0.0f;
    fM = ext.fW > fM ? ext.fW : fM;
    fM = ext.fH > fM ? ext.fH : fM;
    fM = ext.fD > fM ? ext.fD : fM;

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_labelLayout.Clear();
    // No data yet (or none that can be scaled): the cleared window is the picture.
    if (!(fM > 0.0f) || !std::isfinite(fM))
    {
        glFlush();
        return false;
    }
    const float fScale = kSceneSize / fM;

    glPushMatrix();
    glTranslated(m_camera.m_dTransX, m_camera.m_dTransY, m_camera.m_dTransZ);
    glRotated(m_camera.m_dRotX, 1.0, 0.0, 0.0);
    glRotated(m_camera.m_dRotY, 0.0, 1.0, 0.0);

    // Labels stand in the unscaled frame; they compute their own positions.
    const float fLabelX = -ext.fW / (m_camera.m_fZoom * 2.0f);
    const float fLabelY = -ext.fH / (m_camera.m_fZoom * 2.0f);
    if (m_nMode == 0)
        DrawLabelsDistance(fLabelX, fLabelY, 0.0f, ext.fW, ext.fH, ext.fD);
    else
        DrawLabelsScreen(fLabelX, fLabelY, 0.0f, ext.fW, ext.fH, ext.fD);

    const float k = fScale * m_camera.m_fZoom;
    glScalef(k, k, k);
    return true;
}

void CGLWnd::EndFrame()
{
    glPopMatrix();
    glFlush();
}

// The preview: dimension lines and the box around the largest screen and distance,
// then the beam of each triple.
void CGLWnd::RenderScene()
{
    SExtents ext;
    if (!BeginFrame(ext))
        return;
    const float x = -ext.fW / 2.0f, y = -ext.fH / 2.0f;
    DrawDimensionLines(x, y, 0.0f, ext.fW, ext.fH, ext.fD);
    glColor4f(0.0f, 0.5f, 1.0f, 1.0f);
    DrawBoundingBox(x, y, 0.0f, ext.fW, ext.fH, ext.fD);
    glColor4f(0.0f, 0.0f, 1.0f, 1.0f);
    DrawBeam(0.0f, 0.0f, 0.0f, m_fW1, m_fH1, m_fD1, 0.0f, 0.0f);
    DrawBeam(0.0f, 0.0f, 0.0f, m_fW2, m_fH2, m_fD2, 0.0f, 0.0f);
    EndFrame();
}

float CGLWnd::LabelScale(float fW, float fH, float fD) const
{
    if (fD == 0.0f)
        return 0.0f;
    float fM = fD;
    fM = fW > fM ? fW : fM;
    fM = fH > fM ? fH : fM;
    return m_camera.m_fZoom * kSceneSize / fM;
}

int CGLWnd::TruncRaster(float fValue)
{
    if (std::isnan(fValue))
        return 0;
    if (fValue >= static_cast<float>(INT_MAX))
        return INT_MAX;
    if (fValue <= static_cast<float>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(fValue);
}

void CGLWnd::DrawLabelAt(float x, float y, float z, const std::string& strText)
{
    DrawLabel(TruncRaster(x), TruncRaster(y), TruncRaster(z), strText.c_str());
}

// "W=" above the largest screen and "H=" beside it, each only when that size is given.
void CGLWnd::DrawSizeLabels(float w, float h, float g)
{
    if (w != 0.0f)
        DrawLabelAt(0.0f, h * 1.0f * g, 0.0f, "W=" + FormatLength(w));
    if (h != 0.0f)
        DrawLabelAt(w * 0.6f * g, 0.0f, 0.0f, "H=" + FormatLength(h));
}

void CGLWnd::DrawThrowLabels(float w, float h, float g)
{
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.6f * g, "P_WA=" + FormatLength(m_fD1));
    DrawLabelAt(w * 0.3f * g, -h * 0.5f * g, m_fD2 * 0.75f * g, "P_TP=" + FormatLength(m_fD2));
}

void CGLWnd::DrawProjectionLabel(float w, float h, float g)
{
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.5f * g, "PJD=" + FormatLength(m_fD1));
}

void CGLWnd::DrawLabelsDistance(float x, float y, float z, float w, float h, float d)
{
    DrawPreviewLabels(x, y, z, w, h, d, 0);
}

void CGLWnd::DrawLabelsScreen(float x, float y, float z, float w, float h, float d)
{
    DrawPreviewLabels(x, y, z, w, h, d, 1);
}

void CGLWnd::DrawPreviewLabels(float x, float y, float z, float w, float h, float d, int nMode)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawSizeLabels(w, h, g);
    if (nMode == 0)
        DrawThrowLabels(w, h, g);
    else
        DrawProjectionLabel(w, h, g);
    glPopMatrix();
}

void CGLWnd::DrawScreenRect(float x, float y, float z, float w, float h, float)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glBegin(GL_LINE_LOOP);
    glVertex3f(-w / 2.0f, -h / 2.0f, 0.0f);
    glVertex3f(w / 2.0f, -h / 2.0f, 0.0f);
    glVertex3f(w / 2.0f, h / 2.0f, 0.0f);
    glVertex3f(-w / 2.0f, h / 2.0f, 0.0f);
    glEnd();
    glPopMatrix();
}

void CGLWnd::DrawProjector(float, float, float, float, float, float) {}

void CGLWnd::DrawDimensionLines(float x, float y, float z, float w, float h, float d)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    // Top edge of the largest screen.
    glVertex3f(0.0f, h, 0.0f);
    glVertex3f(w, h, 0.0f);
    // Its right edge.
    glVertex3f(w, 0.0f, 0.0f);
    glVertex3f(w, h, 0.0f);
    // Axis from the screen's centre to the farthest lens position.
    glVertex3f(w / 2.0f, h / 2.0f, 0.0f);
    glVertex3f(w / 2.0f, h / 2.0f, d);
    glEnd();
    glPopMatrix();
}

void CGLWnd::DrawBoundingBox(float x, float y, float z, float w, float h, float d)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_QUADS);
    // z = 0
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(w, 0.0f, 0.0f);
    glVertex3f(w, h, 0.0f);
    glVertex3f(0.0f, h, 0.0f);
    // z = d
    glVertex3f(0.0f, 0.0f, d);
    glVertex3f(w, 0.0f, d);
    glVertex3f(w, h, d);
    glVertex3f(0.0f, h, d);
    // y = h
    glVertex3f(0.0f, h, 0.0f);
    glVertex3f(w, h, 0.0f);
    glVertex3f(w, h, d);
    glVertex3f(0.0f, h, d);
    // y = 0
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(w, 0.0f, 0.0f);
    glVertex3f(w, 0.0f, d);
    glVertex3f(0.0f, 0.0f, d);
    // x = w
    glVertex3f(w, 0.0f, 0.0f);
    glVertex3f(w, h, 0.0f);
    glVertex3f(w, h, d);
    glVertex3f(w, 0.0f, d);
    // x = 0
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(0.0f, h, 0.0f);
    glVertex3f(0.0f, h, d);
    glVertex3f(0.0f, 0.0f, d);
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glPopMatrix();
}

void CGLWnd::DrawBeam(float x, float y, float z, float w, float h, float d, float, float)
{
    DrawPyramid(x, y, z, w, h, d);
}

void CGLWnd::DrawPyramid(float x, float y, float z, float w, float h, float d)
{
    glPushMatrix();
    glTranslated(x, y, z);
    DrawWirePyramid(-w / 2.0f, w / 2.0f, -h / 2.0f, h / 2.0f, d);
    glPopMatrix();
}

void CGLWnd::DrawWirePyramid(float l, float r, float b, float t, float d)
{
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_QUADS);
    // The picture.
    glVertex3f(l, b, 0.0f);
    glVertex3f(r, b, 0.0f);
    glVertex3f(r, t, 0.0f);
    glVertex3f(l, t, 0.0f);
    // Side triangles to the lens, top, bottom, right, left: each edge's two corners
    // (x, y) between the lens first and last.
    const float afSides[4][4] = {{l, t, r, t}, {l, b, r, b}, {r, b, r, t}, {l, b, l, t}};
    for (const auto& side : afSides)
    {
        glVertex3f(0.0f, 0.0f, d);
        glVertex3f(side[0], side[1], 0.0f);
        glVertex3f(side[2], side[3], 0.0f);
        glVertex3f(0.0f, 0.0f, d);
    }
    glEnd();
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
}

// ------------------------------------------------------------------ mouse and menu

void CGLWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
    {
        const QPoint pt = event->position().toPoint();
        m_camera.Press(pt.x(), pt.y());
    }
    QWidget::mousePressEvent(event);
}

void CGLWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_camera.Release();
    QWidget::mouseReleaseEvent(event);
}

const QCursor& CGLWnd::ModeCursor() const
{
    switch (m_camera.GetMouseMode())
    {
    case CGLCamera::EMouseMode::Move:
        return m_cursorMove;
    case CGLCamera::EMouseMode::Zoom:
        return m_cursorZoom;
    case CGLCamera::EMouseMode::Spin:
        break;
    }
    return m_cursorSpin;
}

void CGLWnd::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(ModeCursor());
    const QPoint pt = event->position().toPoint();
    if (m_camera.Drag(pt.x(), pt.y()))
        Invalidate();
    else
    {
        // The native picture window takes the pointer, so the toolkit never shows
        // this widget's tooltip by itself.
        if (event->buttons() == Qt::NoButton && !toolTip().isEmpty())
            QToolTip::showText(event->globalPosition().toPoint(), toolTip(), this);
        QWidget::mouseMoveEvent(event);
    }
}

QPoint CGLWnd::ContextMenuPosition(const QContextMenuEvent& event) const
{
    if (event.reason() == QContextMenuEvent::Keyboard)
        return mapToGlobal(QPoint(0, 0)) + QPoint(5, 5);
    return event.globalPos();
}

// The first drop-down of menu 139, its commands to this window.
void CGLWnd::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const int nBuilt =
        CMenuBuilder::BuildPopup(GLMenuTemplate(), 0, &menu, [this](int nId) { OnCommand(nId); });
    Q_ASSERT_X(nBuilt, "CGLWnd", "menu 139 has no drop-down");
    event->accept();
    if (nBuilt)
        menu.exec(ContextMenuPosition(*event));
}

void CGLWnd::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier)
    {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(0, 0), mapToGlobal(QPoint(0, 0)),
                               event->modifiers());
        contextMenuEvent(&menu);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CGLWnd::OnCommand(int nId)
{
    switch (nId)
    {
    case kIdMove:
        m_camera.SetMouseMode(CGLCamera::EMouseMode::Move);
        break;
    case kIdSpin:
        m_camera.SetMouseMode(CGLCamera::EMouseMode::Spin);
        break;
    case kIdZoom:
        m_camera.SetMouseMode(CGLCamera::EMouseMode::Zoom);
        break;
    case kIdResize:
        ResetView();
        break;
    default:
        break;
    }
}
