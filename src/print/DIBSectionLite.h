// One device-independent bitmap: its info header and colour table, its pixel bytes
// in file order (rows padded to 4 bytes, bottom-up unless the height is negative),
// the picture built from them for drawing, and a palette. Loaded from a .bmp file,
// a bitmap resource id, any picture, or a header with pixel bytes, and stretched
// onto a device context. 1, 4, 8, 16 (5-5-5), 24 and 32 bits per pixel,
// uncompressed. Failures write short trace lines and leave the object empty.
// Used by the report's boxes for the logo, the model picture and the preview
// snapshot.
#pragma once

#include "core/BitmapFile.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

class CDC;

class CDIBSectionLite
{
public:
    CDIBSectionLite() = default;
    virtual ~CDIBSectionLite() = default;
    CDIBSectionLite(const CDIBSectionLite&) = delete;
    CDIBSectionLite& operator=(const CDIBSectionLite&) = delete;

    // Releases the picture and the palette and zeroes the header and colour table.
    void DeleteObject();

    // The bitmap resource with that id; false when the program has none.
    bool SetBitmap(int nResourceId);
    // A copy of any picture: 1-bit and 8-bit indexed pictures keep their colour
    // table, 16-bit ones become 5-5-5, 24-bit ones stay 24-bit, all others 32-bit.
    // The palette is the one given (at most 256 colours), else the halftone palette.
    bool SetBitmap(const QImage& bitmap, const QList<QRgb>* pPalette = nullptr);
    // A header (with the colour table its bit count needs) and pixel bytes. The
    // bytes taken are the header's image size, or rows x height when that is 0, and
    // never more than bits holds or the rows take; missing rows stay 0.
    bool SetBitmap(const SBitmapInfo* pInfo, std::span<const uint8_t> bits);
    // A .bmp file; false, after a trace line naming the failed check, when the file
    // is no readable bitmap (and without one when it cannot be opened).
    bool Load(const QString& strPath);

    // Draws the whole picture scaled into (ptDest, size), nearest pixel. The number
    // of rows drawn; 0 when empty or the target has no area. Devices here have no
    // palettes, so bForceBackground changes nothing.
    int Stretch(CDC& dc, const QPoint& ptDest, const QSize& size,
                bool bForceBackground = false) const;

    // A palette from the colour table, or the 256-colour halftone palette for
    // pictures without one. False when empty.
    bool CreatePalette();
    // Takes a palette of 1 to 256 colours; a picture with a colour table takes its
    // colours too (as many as both have). False for another palette, and for a
    // picture with a colour table when no entry was set.
    bool SetPalette(const QList<QRgb>* pPalette);
    // Fills palette with the first nColors (1 to 256, else 256) entries of the
    // halftone palette: 16 fixed colours, the 6 x 6 x 6 cube (blue outermost, red
    // innermost, levels v x 255 / 5), then 24 greys v x 255 / 23.
    static bool BuildHalftonePalette(QList<QRgb>& palette, int nColors);

    bool IsEmpty() const { return m_image.isNull(); }
    int GetWidth() const { return m_info.bmiHeader.biWidth; }
    // Negative for top-down rows.
    int GetHeight() const { return m_info.bmiHeader.biHeight; }
    int GetBitCount() const { return m_info.bmiHeader.biBitCount; }
    int GetColorTableSize() const { return m_nColorTableSize; }
    const uint8_t* GetDIBits() const { return m_vBits.empty() ? nullptr : m_vBits.data(); }
    const SBitmapInfo* GetBitmapInfo() const { return &m_info; }
    const QList<QRgb>& GetPalette() const { return m_palette; }
    // The picture as drawn, top row first.
    const QImage& GetImage() const { return m_image; }

private:
    // The failure path of the SetBitmap forms: the reason, then the object emptied.
    bool Fail(const char* pszTrace, const char* pszReason);

    QImage m_image;
    SBitmapInfo m_info{};
    std::vector<uint8_t> m_vBits;
    int m_nColorUsage = 0; // colours are RGB values, never palette indices
    int m_nColorTableSize = 0;
    QList<QRgb> m_palette;
};
