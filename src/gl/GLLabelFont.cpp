#include "gl/GLLabelFont.h"

#include <GL/gl.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace
{
// The lists cover character codes 32..127.
constexpr int kFirstGlyph = 32;
constexpr int kGlyphCount = 96;
// Labels change with every calculation; a font keeps the textures of the recent ones.
constexpr size_t kMaxTextures = 64;

// Draws one character into a one-bit glyph: the set pixels of its unsmoothed
// rendering, cropped, with its pen origin and advance.
CGLLabelFont::SGlyph RasteriseGlyph(const QFont& font, const QFontMetrics& metrics, int nCode)
{
    const QString strGlyph(QChar(static_cast<char16_t>(nCode)));
    CGLLabelFont::SGlyph glyph;
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
void CompileGlyph(GLuint nList, const CGLLabelFont::SGlyph& glyph)
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

SGlyphRun MakeGlyphRun(const std::vector<CGLLabelFont::SGlyph>& glyphs, const char* pszText,
                       bool bBits = true)
{
    SGlyphRun run;
    if (pszText == nullptr || glyphs.size() < static_cast<size_t>(kGlyphCount))
        return run;
    struct SPlaced
    {
        const CGLLabelFont::SGlyph* pGlyph;
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
        const CGLLabelFont::SGlyph& glyph = glyphs[static_cast<size_t>(c - kFirstGlyph)];
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
        const CGLLabelFont::SGlyph& glyph = *place.pGlyph;
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

CGLLabelFont::CGLLabelFont(CGLLabelFont&& other) noexcept
    : m_nFontBase(std::exchange(other.m_nFontBase, 0u)), m_vGlyphs(std::move(other.m_vGlyphs)),
      m_mapTextures(std::move(other.m_mapTextures)), m_bTextures(other.m_bTextures)
{
    other.m_vGlyphs.clear();
    other.m_mapTextures.clear();
}

CGLLabelFont& CGLLabelFont::operator=(CGLLabelFont&& other) noexcept
{
    if (this != &other)
    {
        m_nFontBase = std::exchange(other.m_nFontBase, 0u);
        m_vGlyphs = std::move(other.m_vGlyphs);
        m_mapTextures = std::move(other.m_mapTextures);
        m_bTextures = other.m_bTextures;
        other.m_vGlyphs.clear();
        other.m_mapTextures.clear();
    }
    return *this;
}

bool CGLLabelFont::Build(const char* pszFace, int nHeight, int nWeight, bool bItalic)
{
    m_nFontBase = 0;
    m_vGlyphs.clear();
    m_mapTextures.clear();
    const GLuint nBase = glGenLists(kGlyphCount);
    if (nBase == 0)
        return false;
    const QFont font = MakeLabelFont(pszFace, nHeight, nWeight, bItalic);
    const QFontMetrics metrics(font);
    m_vGlyphs.reserve(kGlyphCount);
    PushGlyphUnpacking();
    for (int i = 0; i < kGlyphCount; ++i)
    {
        m_vGlyphs.push_back(RasteriseGlyph(font, metrics, kFirstGlyph + i));
        CompileGlyph(nBase + i, m_vGlyphs.back());
    }
    glPopClientAttrib();
    m_nFontBase = nBase;
    return true;
}

void CGLLabelFont::Release()
{
    DeleteTextures();
    if (m_nFontBase != 0)
        glDeleteLists(m_nFontBase, kGlyphCount);
    m_nFontBase = 0;
    m_vGlyphs.clear();
}

SLabelBox CGLLabelFont::Measure(const char* pszText) const
{
    if (!IsBuilt())
        return {};
    // The run's pixels and its pen advance, from the pixel it starts at (as
    // DrawRunTexture rounds).
    const SGlyphRun run = MakeGlyphRun(m_vGlyphs, pszText, false);
    const bool bInk = run.nWidth > 0;
    return {std::min(bInk ? run.nLeft : 0, 0), run.nBottom,
            std::max(bInk ? run.nLeft + run.nWidth : 0, run.nPen), run.nBottom + run.nHeight};
}

void CGLLabelFont::DrawLabelText(unsigned int nBase, const char* pszText)
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

void CGLLabelFont::DrawBitmap(const char* pszText) const
{
    if (pszText == nullptr || !IsBuilt())
        return;
    const SGlyphRun run = MakeGlyphRun(m_vGlyphs, pszText);
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

void CGLLabelFont::Draw(const char* pszText)
{
    if (pszText == nullptr || !IsBuilt())
        return;
    GLint nRenderMode = GL_RENDER;
    glGetIntegerv(GL_RENDER_MODE, &nRenderMode);
    const STexture* pTexture =
        nRenderMode == GL_RENDER && m_bTextures ? FindTexture(pszText) : nullptr;
    if (pTexture == nullptr)
    {
        DrawBitmap(pszText);
        return;
    }
    if (pTexture->nTexture != 0)
        DrawRunTexture(pTexture->nTexture, pTexture->nWidth, pTexture->nHeight, pTexture->nLeft,
                       pTexture->nBottom);
    glBitmap(0, 0, 0.0f, 0.0f, static_cast<GLfloat>(pTexture->nPen), 0.0f, nullptr);
}

const CGLLabelFont::STexture* CGLLabelFont::FindTexture(const char* pszText)
{
    auto it = m_mapTextures.find(pszText);
    if (it != m_mapTextures.end())
        return &it->second;
    if (m_mapTextures.size() >= kMaxTextures)
        DeleteTextures();
    const SGlyphRun run = MakeGlyphRun(m_vGlyphs, pszText);
    STexture texture;
    texture.nTexture = run.bits.empty() ? 0 : MakeRunTexture(run);
    if (!run.bits.empty() && texture.nTexture == 0)
        return nullptr; // no texture to be had: the caller draws the bitmap
    texture.nWidth = run.nWidth;
    texture.nHeight = run.nHeight;
    texture.nLeft = run.nLeft;
    texture.nBottom = run.nBottom;
    texture.nPen = run.nPen;
    return &m_mapTextures.emplace(pszText, texture).first->second;
}

void CGLLabelFont::DeleteTextures()
{
    for (const auto& [strText, texture] : m_mapTextures)
        if (texture.nTexture != 0)
            glDeleteTextures(1, &texture.nTexture);
    m_mapTextures.clear();
}
