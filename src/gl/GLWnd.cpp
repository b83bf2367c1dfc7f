#include "gl/GLWnd.h"

#include "core/TextFormat.h"
#include "gl/GLViewWindow.h"
#include "platform/MenuBuilder.h"
#include "platform/Resources.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QContextMenuEvent>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace
{
// Scene units the largest extent of the installation is scaled to.
constexpr float kSceneSize = 1800.0f;
constexpr float kZoomStep = 1.025f;
constexpr float kMinZoom = 1e-6f;
constexpr float kMaxZoom = 1e6f;

// Label font lists cover character codes 32..127.
constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 96;

// Draws one character into a one-bit glyph: the set pixels of its unsmoothed
// rendering, cropped, with its pen origin and advance.
CGLWnd::SLabelGlyph RasteriseGlyph(const QFont& font, const QFontMetrics& metrics, int nCode)
{
    const QString strGlyph(QChar(static_cast<char16_t>(nCode)));
    CGLWnd::SLabelGlyph glyph;
    glyph.nAdvance = metrics.horizontalAdvance(strGlyph);
    const int nPad = metrics.height(); // room for slanted and overhanging glyphs
    const int nBaseRow = nPad + metrics.ascent();
    QImage image(glyph.nAdvance + 2 * nPad, nBaseRow + metrics.descent() + nPad,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(nPad, nBaseRow, strGlyph);
    }

    int nMinX = image.width(), nMaxX = -1, nMinY = image.height(), nMaxY = -1;
    for (int y = 0; y < image.height(); ++y)
    {
        const QRgb* pRow = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(pRow[x]) >= 128)
            {
                nMinX = qMin(nMinX, x);
                nMaxX = qMax(nMaxX, x);
                nMinY = qMin(nMinY, y);
                nMaxY = qMax(nMaxY, y);
            }
    }
    if (nMaxX < 0)
        return glyph; // blank (the space)

    glyph.nWidth = nMaxX - nMinX + 1;
    glyph.nHeight = nMaxY - nMinY + 1;
    const int nRowBytes = (glyph.nWidth + 7) / 8;
    glyph.bits.assign(static_cast<size_t>(nRowBytes) * glyph.nHeight, 0);
    for (int r = 0; r < glyph.nHeight; ++r)
    {
        const QRgb* pRow = reinterpret_cast<const QRgb*>(image.constScanLine(nMaxY - r));
        unsigned char* pBits = glyph.bits.data() + static_cast<size_t>(r) * nRowBytes;
        for (int c = 0; c < glyph.nWidth; ++c)
            if (qGray(pRow[nMinX + c]) >= 128)
                pBits[c / 8] |= static_cast<unsigned char>(0x80 >> (c % 8));
    }
    // Image row y lies (nBaseRow - 1 - y) rows above the baseline.
    glyph.nXOrig = nPad - nMinX;
    glyph.nYOrig = nMaxY - nBaseRow + 1;
    return glyph;
}

// Compiles one glyph into the display list: its bitmap, advancing the raster
// position by the glyph's advance.
void CompileGlyph(GLuint nList, const CGLWnd::SLabelGlyph& glyph)
{
    glNewList(nList, GL_COMPILE);
    if (glyph.bits.empty())
    {
        // A blank glyph (the space) as one unset pixel: a list holding an empty
        // bitmap does not move the raster position with every driver (Mesa's).
        const GLubyte blank = 0;
        glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(glyph.nAdvance), 0.0f, &blank);
    }
    else
    {
        glBitmap(glyph.nWidth, glyph.nHeight, static_cast<GLfloat>(glyph.nXOrig),
                 static_cast<GLfloat>(glyph.nYOrig), static_cast<GLfloat>(glyph.nAdvance), 0.0f,
                 glyph.bits.data());
    }
    glEndList();
}

// Sets the unpacking the glyph bitmaps are stored in: byte-aligned rows, most
// significant bit first, nothing skipped. Undone by glPopClientAttrib.
void PushGlyphUnpacking()
{
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
}

// The label font: the face at a pixel height, weight and slant, without
// antialiasing (the glyphs become one-bit bitmaps). "symbol" in any letter case asks
// for a symbol font where the system has one.
QFont MakeLabelFont(const char* pszFace, int nHeight, int nWeight, bool bItalic)
{
    const QString strFace = QString::fromLatin1(pszFace ? pszFace : "");
    QFont font(strFace);
    if (strFace.compare(QLatin1String("symbol"), Qt::CaseInsensitive) == 0)
    {
        const QStringList families = QFontDatabase::families(QFontDatabase::Symbol);
        if (!families.isEmpty())
            font.setFamily(families.first());
    }
    font.setWeight(static_cast<QFont::Weight>(qBound(100, nWeight, 900)));
    font.setItalic(bItalic);
    font.setStyleStrategy(QFont::NoAntialias);
    // The height is taken as the font's pixel size: a 13-pixel cell would leave the
    // unsmoothed one-bit glyphs of today's fonts at about 9 pixels, hard to read.
    font.setPixelSize(nHeight > 0 ? nHeight : 13);
    return font;
}
} // namespace

CGLWnd::CGLWnd(QWidget* parent) : CGLWnd(SViewState{}, parent) {}

CGLWnd::CGLWnd(const SViewState& initialView, QWidget* parent)
    : QWidget(parent), m_cursorSpin(LoadCursorResource(146)), m_cursorMove(LoadCursorResource(143)),
      m_cursorZoom(LoadCursorResource(145)), m_viewInitial(initialView)
{
    ApplyView(m_viewInitial);
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
    if (m_nFontBase != 0 && MakeCurrent())
    {
        DeleteLabelTextures();
        glDeleteLists(m_nFontBase, kGlyphCount);
        m_nFontBase = 0;
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

void CGLWnd::ApplyView(const SViewState& view)
{
    m_dRotX = view.dRotX;
    m_dRotY = view.dRotY;
    m_dTransX = view.dTransX;
    m_dTransY = view.dTransY;
    m_dTransZ = view.dTransZ;
    m_fZoom = view.fZoom;
}

void CGLWnd::ResetView()
{
    ApplyView(m_viewInitial);
    m_bLButtonDown = false;
    m_bSpin = true;
    m_bMove = false;
    m_bZoom = false;
    Invalidate();
}

// ------------------------------------------------------------------ GL set-up

// Runs once for this view's own context: the font lists are this view's.
void CGLWnd::initializeGL()
{
    // Glyphs and lines are drawn in device pixels: on a high-density screen they grow
    // with the scale, so labels and lines look as they do at the usual density.
    const qreal dScale = devicePixelRatioF();
    m_mapLabelTextures.clear(); // a new context: any old textures went with the old one
    m_nFontBase = BuildLabelFont("Arial", qRound(13 * dScale), 500, true, &m_vGlyphs);
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

// ------------------------------------------------------------------ label font

unsigned int CGLWnd::BuildLabelFont(const char* pszFace, int nHeight, int nWeight, bool bItalic,
                                    std::vector<SLabelGlyph>* pGlyphs)
{
    const GLuint nBase = glGenLists(kGlyphCount);
    if (nBase == 0)
        return 0;
    const QFont font = MakeLabelFont(pszFace, nHeight, nWeight, bItalic);
    const QFontMetrics metrics(font);
    std::vector<SLabelGlyph> glyphs;
    glyphs.reserve(kGlyphCount);
    PushGlyphUnpacking();
    for (int i = 0; i < kGlyphCount; ++i)
    {
        glyphs.push_back(RasteriseGlyph(font, metrics, kFirstGlyph + i));
        CompileGlyph(nBase + i, glyphs.back());
    }
    glPopClientAttrib();
    if (pGlyphs)
        *pGlyphs = std::move(glyphs);
    return nBase;
}

void CGLWnd::DrawLabelText(unsigned int nBase, const char* pszText)
{
    if (nBase == 0 || pszText == nullptr)
        return;
    // Only codes 32..127 have lists; anything else would call an unrelated list.
    std::string text;
    for (const char* p = pszText; *p; ++p)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c >= kFirstGlyph && c < kFirstGlyph + kGlyphCount)
            text.push_back(static_cast<char>(c));
    }
    glPushAttrib(GL_LIST_BIT);
    glListBase(nBase - kFirstGlyph);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glPopAttrib();
}

namespace
{
// A label's glyphs as one bitmap: its pixels relative to the pixel the run starts at
// and the pen's advance. Each glyph lands where the font's lists would draw it: the
// lists draw glyph i at floor(x + pen_i - xorig_i), and as pen_i and xorig_i are
// whole numbers that is floor(x) + pen_i - xorig_i, so one bitmap whose origin lies
// as far inside it places every glyph exactly there. Empty bits: nothing to draw
// (or, without bBits, only the placement was asked for; width 0: nothing to draw).
struct SGlyphRun
{
    int nWidth = 0;
    int nHeight = 0;
    int nLeft = 0;
    int nBottom = 0;
    int nPen = 0;
    std::vector<GLubyte> bits; // rows bottom-up, most significant bit first, byte-aligned
};

SGlyphRun MakeGlyphRun(const std::vector<CGLWnd::SLabelGlyph>& glyphs, const char* pszText,
                       bool bBits = true)
{
    SGlyphRun run;
    if (pszText == nullptr || glyphs.size() < static_cast<size_t>(kGlyphCount))
        return run;
    struct SPlaced
    {
        const CGLWnd::SLabelGlyph* pGlyph;
        int nLeft;
        int nBottom;
    };
    std::vector<SPlaced> placed;
    int nLeft = INT_MAX, nBottom = INT_MAX, nRight = INT_MIN, nTop = INT_MIN;
    for (const char* p = pszText; *p; ++p)
    {
        const int c = static_cast<unsigned char>(*p);
        if (c < kFirstGlyph || c >= kFirstGlyph + kGlyphCount)
            continue;
        const CGLWnd::SLabelGlyph& glyph = glyphs[static_cast<size_t>(c - kFirstGlyph)];
        if (!glyph.bits.empty())
        {
            const SPlaced place{&glyph, run.nPen - glyph.nXOrig, -glyph.nYOrig};
            placed.push_back(place);
            nLeft = std::min(nLeft, place.nLeft);
            nBottom = std::min(nBottom, place.nBottom);
            nRight = std::max(nRight, place.nLeft + glyph.nWidth);
            nTop = std::max(nTop, place.nBottom + glyph.nHeight);
        }
        run.nPen += glyph.nAdvance;
    }
    if (placed.empty())
        return run;
    run.nLeft = nLeft;
    run.nBottom = nBottom;
    run.nWidth = nRight - nLeft;
    run.nHeight = nTop - nBottom;
    if (!bBits)
        return run;
    const int nRowBytes = (run.nWidth + 7) / 8;
    run.bits.assign(static_cast<size_t>(nRowBytes) * run.nHeight, 0);
    for (const SPlaced& place : placed)
    {
        const CGLWnd::SLabelGlyph& glyph = *place.pGlyph;
        const int nGlyphRowBytes = (glyph.nWidth + 7) / 8;
        const int nX0 = place.nLeft - nLeft;
        for (int r = 0; r < glyph.nHeight; ++r)
        {
            const unsigned char* pSrc = glyph.bits.data() + static_cast<size_t>(r) * nGlyphRowBytes;
            GLubyte* pDst =
                run.bits.data() + static_cast<size_t>(place.nBottom - nBottom + r) * nRowBytes;
            for (int c = 0; c < glyph.nWidth; ++c)
                if (pSrc[c / 8] & (0x80 >> (c % 8)))
                    pDst[(nX0 + c) / 8] |= static_cast<GLubyte>(0x80 >> ((nX0 + c) % 8));
        }
    }
    return run;
}

// The run as an alpha texture: 1 where a bit is set, 0 elsewhere.
GLuint MakeRunTexture(const SGlyphRun& run)
{
    GLint nMaxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &nMaxSize);
    if (run.nWidth > nMaxSize || run.nHeight > nMaxSize)
        return 0; // too long a label for a texture: the caller draws the bitmap
    const int nRowBytes = (run.nWidth + 7) / 8;
    std::vector<GLubyte> alpha(static_cast<size_t>(run.nWidth) * run.nHeight);
    for (int r = 0; r < run.nHeight; ++r)
        for (int c = 0; c < run.nWidth; ++c)
            alpha[static_cast<size_t>(r) * run.nWidth + c] =
                (run.bits[static_cast<size_t>(r) * nRowBytes + c / 8] & (0x80 >> (c % 8))) ? 255
                                                                                           : 0;
    GLuint nTexture = 0;
    glGenTextures(1, &nTexture);
    if (nTexture == 0)
        return 0;
    glPushAttrib(GL_TEXTURE_BIT);
    PushGlyphUnpacking(); // byte rows, nothing skipped
    glBindTexture(GL_TEXTURE_2D, nTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, run.nWidth, run.nHeight, 0, GL_ALPHA,
                 GL_UNSIGNED_BYTE, alpha.data());
    glPopClientAttrib();
    glPopAttrib();
    return nTexture;
}

// Draws the texture's set texels as glBitmap draws a bitmap at the current raster
// position: its lower left at floor(raster + epsilon + offset) as Mesa computes it,
// pixel for texel, in the raster colour, at the raster position's depth, through the
// same depth test and blending. Nothing without a valid raster position.
void DrawRunTexture(GLuint nTexture, int nWidth, int nHeight, int nLeft, int nBottom)
{
    GLint nValid = 0;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &nValid);
    GLint anViewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, anViewport);
    if (!nValid || anViewport[2] <= 0 || anViewport[3] <= 0)
        return;
    GLfloat afPos[4] = {};
    GLfloat afColor[4] = {};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, afPos);
    glGetFloatv(GL_CURRENT_RASTER_COLOR, afColor);
    constexpr float kEpsilon = 0.0001f;
    const int x0 = static_cast<int>(std::floor(afPos[0] + kEpsilon + static_cast<float>(nLeft)));
    const int y0 = static_cast<int>(std::floor(afPos[1] + kEpsilon + static_cast<float>(nBottom)));
    // Window pixels to normalised coordinates (exact: pixel centres lie half a pixel
    // inside the square's edges); the depth as the raster position's.
    auto ndc = [](int n, int nOrigin, int nSize)
    { return static_cast<float>(n - nOrigin) / static_cast<float>(nSize) * 2.0f - 1.0f; };
    const float fX0 = ndc(x0, anViewport[0], anViewport[2]);
    const float fX1 = ndc(x0 + nWidth, anViewport[0], anViewport[2]);
    const float fY0 = ndc(y0, anViewport[1], anViewport[3]);
    const float fY1 = ndc(y0 + nHeight, anViewport[1], anViewport[3]);
    const float z = afPos[2] * 2.0f - 1.0f;

    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT |
                 GL_POLYGON_BIT | GL_TRANSFORM_BIT | GL_VIEWPORT_BIT);
    glDepthRange(0.0, 1.0); // the raster position's depth is already a window depth
    glBindTexture(GL_TEXTURE_2D, nTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_POLYGON_STIPPLE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4fv(afColor);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(fX0, fY0, z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(fX1, fY0, z);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(fX1, fY1, z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(fX0, fY1, z);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib(); // the matrix mode too
}
} // namespace

void CGLWnd::DrawGlyphRun(const std::vector<SLabelGlyph>& glyphs, const char* pszText)
{
    if (pszText == nullptr || glyphs.size() < static_cast<size_t>(kGlyphCount))
        return;
    const SGlyphRun run = MakeGlyphRun(glyphs, pszText);
    if (run.bits.empty())
    {
        glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(run.nPen), 0.0f, nullptr);
        return;
    }
    PushGlyphUnpacking();
    glBitmap(run.nWidth, run.nHeight, static_cast<GLfloat>(-run.nLeft),
             static_cast<GLfloat>(-run.nBottom), static_cast<GLfloat>(run.nPen), 0.0f,
             run.bits.data());
    glPopClientAttrib();
}

void CGLWnd::DrawLabelRun(const char* pszText)
{
    if (pszText == nullptr || m_vGlyphs.size() < static_cast<size_t>(kGlyphCount))
        return;
    GLint nRenderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &nRenderMode);
    if (nRenderMode != GL_RENDER || !m_bLabelTextures)
    {
        DrawGlyphRun(m_vGlyphs, pszText);
        return;
    }
    // Labels change with every calculation; a view keeps the recent ones.
    constexpr size_t kMaxLabelTextures = 64;
    auto it = m_mapLabelTextures.find(pszText);
    if (it == m_mapLabelTextures.end())
    {
        if (m_mapLabelTextures.size() >= kMaxLabelTextures)
            DeleteLabelTextures();
        const SGlyphRun run = MakeGlyphRun(m_vGlyphs, pszText);
        SLabelTexture label;
        label.nTexture = run.bits.empty() ? 0 : MakeRunTexture(run);
        if (!run.bits.empty() && label.nTexture == 0)
        {
            DrawGlyphRun(m_vGlyphs, pszText); // no texture to be had: the bitmap
            return;
        }
        label.nWidth = run.nWidth;
        label.nHeight = run.nHeight;
        label.nLeft = run.nLeft;
        label.nBottom = run.nBottom;
        label.nPen = run.nPen;
        it = m_mapLabelTextures.emplace(pszText, label).first;
    }
    const SLabelTexture& label = it->second;
    if (label.nTexture != 0)
        DrawRunTexture(label.nTexture, label.nWidth, label.nHeight, label.nLeft, label.nBottom);
    glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(label.nPen), 0.0f, nullptr);
}

void CGLWnd::DeleteLabelTextures()
{
    for (const auto& [strText, label] : m_mapLabelTextures)
        if (label.nTexture != 0)
            glDeleteTextures(1, &label.nTexture);
    m_mapLabelTextures.clear();
}

void CGLWnd::DrawLabel(int x, int y, int z, const char* pszText)
{
    glRasterPos3i(x, y, z);
    if (m_nFontBase == 0)
        return;
    // The label goes where the view shows it whole, clear of the labels before it.
    GLint nValid = 0;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &nValid);
    if (nValid && pszText && m_vGlyphs.size() >= static_cast<size_t>(kGlyphCount))
    {
        GLfloat afPos[4] = {};
        GLint anViewport[4] = {};
        glGetFloatv(GL_CURRENT_RASTER_POSITION, afPos);
        glGetIntegerv(GL_VIEWPORT, anViewport);
        // The text's pixels and its pen advance, from the pixel it starts at (as
        // DrawRunTexture rounds).
        const SGlyphRun run = MakeGlyphRun(m_vGlyphs, pszText, false);
        const int nX = static_cast<int>(std::floor(afPos[0] + 0.0001f));
        const int nY = static_cast<int>(std::floor(afPos[1] + 0.0001f));
        const bool bInk = run.nWidth > 0;
        const SLabelBox box{nX + std::min(bInk ? run.nLeft : 0, 0), nY + run.nBottom,
                            nX + std::max(bInk ? run.nLeft + run.nWidth : 0, run.nPen),
                            nY + run.nBottom + run.nHeight};
        const SLabelBox view{anViewport[0], anViewport[1], anViewport[0] + anViewport[2],
                             anViewport[1] + anViewport[3]};
        const int nSpacing = std::max(1, qRound(2 * devicePixelRatioF()));
        const CLabelLayout::SMove move = m_labelLayout.Place(box, view, nSpacing);
        if (move.dx != 0 || move.dy != 0)
            glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(move.dx), static_cast<GLfloat>(move.dy),
                     nullptr);
    }
    DrawLabelRun(pszText);
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
    glTranslated(m_dTransX, m_dTransY, m_dTransZ);
    glRotated(m_dRotX, 1.0, 0.0, 0.0);
    glRotated(m_dRotY, 0.0, 1.0, 0.0);

    // Labels stand in the unscaled frame; they compute their own positions.
    const float fLabelX = -ext.fW / (m_fZoom * 2.0f);
    const float fLabelY = -ext.fH / (m_fZoom * 2.0f);
    if (m_nMode == 0)
        DrawLabelsDistance(fLabelX, fLabelY, 0.0f, ext.fW, ext.fH, ext.fD);
    else
        DrawLabelsScreen(fLabelX, fLabelY, 0.0f, ext.fW, ext.fH, ext.fD);

    const float k = fScale * m_fZoom;
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
    return m_fZoom * kSceneSize / fM;
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

// The preview's labels, in red: the sizes, the wide and the tele distance.
void CGLWnd::DrawLabelsDistance(float x, float y, float z, float w, float h, float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawSizeLabels(w, h, g);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.6f * g, "P_WA=" + FormatLength(m_fD1));
    DrawLabelAt(w * 0.3f * g, -h * 0.5f * g, m_fD2 * 0.75f * g, "P_TP=" + FormatLength(m_fD2));
    glPopMatrix();
}

// The preview's labels, in red: the sizes and the one distance.
void CGLWnd::DrawLabelsScreen(float x, float y, float z, float w, float h, float d)
{
    if (d == 0.0f)
        return;
    const float g = LabelScale(w, h, d);
    glPushMatrix();
    glTranslated(x, y, z);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawSizeLabels(w, h, g);
    DrawLabelAt(w * 0.5f * g, -h * 0.5f * g, m_fD1 * 0.5f * g, "PJD=" + FormatLength(m_fD1));
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
    const float l = -w / 2.0f, r = w / 2.0f, b = -h / 2.0f, t = h / 2.0f;
    glPushMatrix();
    glTranslated(x, y, z);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glBegin(GL_QUADS);
    // The screen.
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
    glPopMatrix();
}

// ------------------------------------------------------------------ mouse and menu

void CGLWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
    {
        m_bLButtonDown = true;
        m_ptLast = event->position().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void CGLWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_bLButtonDown = false;
    QWidget::mouseReleaseEvent(event);
}

void CGLWnd::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(m_bZoom ? m_cursorZoom : m_bMove ? m_cursorMove : m_cursorSpin);
    if (!m_bLButtonDown)
    {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint pt = event->position().toPoint();
    const QPoint d = m_ptLast - pt;
    m_ptLast = pt;
    if (m_bSpin)
    {
        m_dRotY = m_dRotY - d.x() * 0.5;
        m_dRotX = m_dRotX - d.y() * 0.5;
    }
    else if (m_bMove)
    {
        m_dTransY = m_dTransY + d.y() * 10;
        m_dTransX = m_dTransX - d.x() * 10;
    }
    else if (m_bZoom)
    {
        const float fZoom = d.y() < 0 ? m_fZoom * kZoomStep : m_fZoom / kZoomStep;
        // Thousands of steps one way would reach infinity or zero, from where no
        // drag could come back; the view then stays at its last usable zoom.
        if (std::isfinite(fZoom) && fZoom >= kMinZoom && fZoom <= kMaxZoom)
            m_fZoom = fZoom;
    }
    Invalidate();
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
        m_bSpin = false;
        m_bMove = true;
        m_bZoom = false;
        break;
    case kIdSpin:
        m_bSpin = true;
        m_bMove = false;
        m_bZoom = false;
        break;
    case kIdZoom:
        m_bSpin = false;
        m_bMove = false;
        m_bZoom = true;
        break;
    case kIdResize:
        ResetView();
        break;
    default:
        break;
    }
}
