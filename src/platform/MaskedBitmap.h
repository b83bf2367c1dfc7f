// A bitmap the dialogs draw stretched into a rectangle, plainly or with one colour
// transparent (the two-inversion mask technique: image xor, mask and, image xor).
// Loaded from a bitmap file or a bitmap resource id; an empty object draws
// nothing. Used by the main dialog (picture, logo), the About box and the report.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class CDC;

class CMaskedBitmap
{
public:
    // Replaces any bitmap held; true when a bitmap is now held.
    bool LoadFromFile(const char* pszPath);
    bool LoadFromResource(int nId);
    bool IsEmpty() const { return m_image.isNull(); }
    QSize GetSize() const { return m_image.size(); }

    // The whole bitmap stretched (halftone) to fill rect.
    void Draw(CDC& dc, const QRect& rect) const;
    // The same, leaving the target unchanged where the bitmap's pixel is exactly the
    // transparent colour.
    void DrawTransparent(CDC& dc, const QRect& rect, const QColor& colorTransparent) const;

private:
    void Take(const QImage& image);

    QImage m_image; // RGB32, opaque
};
