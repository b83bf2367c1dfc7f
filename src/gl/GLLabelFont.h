// The bitmap font of a GL view's labels, in one GL context: one-bit glyphs for the
// character codes 32..127 of a face at a pixel height, weight and slant, built into
// 96 display lists. A label is drawn at the current raster position in the raster
// colour as one textured square per text (the squares are kept for the texts drawn
// recently; software GL draws them many times faster than bitmaps), or as one bitmap
// of its glyphs in feedback and selection mode; either way with the pixels and the
// raster position afterwards that the lists give. Measuring a text gives the box its
// pixels and its pen advance take, for placing it before it is drawn.
// Each GL view owns one, built when its context is made and released, with that
// context current, before the context goes.
#pragma once

#include "gl/LabelLayout.h"

#include <map>
#include <string>
#include <vector>

class CGLLabelFont
{
public:
    // One glyph as a one-bit bitmap: rows bottom-up, most significant bit first,
    // rows byte-aligned; the origin is the pen position on the baseline, nXOrig
    // pixels right of the bitmap's left column and nYOrig above its bottom row.
    struct SGlyph
    {
        int nWidth = 0;
        int nHeight = 0;
        int nXOrig = 0;
        int nYOrig = 0;
        int nAdvance = 0;
        std::vector<unsigned char> bits;
    };

    CGLLabelFont() = default;
    // The lists and textures are GL objects of one context: a font moves, leaving an
    // unbuilt one behind, and is never copied.
    CGLLabelFont(CGLLabelFont&& other) noexcept;
    CGLLabelFont& operator=(CGLLabelFont&& other) noexcept;
    CGLLabelFont(const CGLLabelFont&) = delete;
    CGLLabelFont& operator=(const CGLLabelFont&) = delete;

    // Builds the font in the current context for the face, pixel height, weight
    // (100..900) and italic flag ("symbol" in any letter case asks for a symbol
    // font); false, and no font, when no display lists can be had. Lists and
    // textures held from before belonged to an earlier context, which took them along.
    bool Build(const char* pszFace, int nHeight, int nWeight, bool bItalic);
    // Deletes the lists and the kept textures; the font's context must be current.
    void Release();
    bool IsBuilt() const { return m_nFontBase != 0; }
    // The first of the 96 lists, 0 without a font.
    unsigned int GetBase() const { return m_nFontBase; }

    // The box of window pixels the text takes when drawn from the pixel (0, 0): its
    // glyphs' pixels and the line from there to where its pen ends. Characters
    // outside 32..127 take no room. All zero without a font.
    SLabelBox Measure(const char* pszText) const;
    // Draws the text at the current raster position and moves it by the pen advance:
    // as a kept texture, or as DrawBitmap in feedback or selection mode, with
    // textures off, or where no texture can be had. Nothing without a font.
    void Draw(const char* pszText);
    // Draws the text as one bitmap made of its glyphs, each where the lists would put
    // it: the same pixels and raster position afterwards as DrawLabelText.
    void DrawBitmap(const char* pszText) const;
    // Textures on (the default) or off: off, Draw draws bitmaps.
    void SetTextures(bool bTextures) { m_bTextures = bTextures; }

    // Draws the text at the current raster position with the lists from nBase;
    // nothing when nBase is 0 or the text is null. Characters outside 32..127 are
    // skipped.
    static void DrawLabelText(unsigned int nBase, const char* pszText);

private:
    // A text drawn before, as a texture of its glyph run (0 for a blank run) with the
    // run's placement.
    struct STexture
    {
        unsigned int nTexture = 0;
        int nWidth = 0;
        int nHeight = 0;
        int nLeft = 0;
        int nBottom = 0;
        int nPen = 0;
    };
    // The kept texture of the text, made if it is new; null where none can be had.
    const STexture* FindTexture(const char* pszText);
    void DeleteTextures();

    unsigned int m_nFontBase = 0;
    std::vector<SGlyph> m_vGlyphs; // codes 32..127
    std::map<std::string, STexture> m_mapTextures;
    bool m_bTextures = true;
};
