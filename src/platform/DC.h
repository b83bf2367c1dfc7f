// Device context: the small drawing interface the program's dialogs, bitmaps,
// frame capture and report draw through. Coordinates are device pixels of the
// target (a widget, an image or a printer page). CPainterDC implements it on a
// QPainter; the tests' CRecordingDC (tests/common) records the calls instead.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// Raster operations of stretched copies (source S, destination D).
enum class ERasterOp
{
    SrcCopy,   // S
    SrcInvert, // S xor D
    SrcAnd,    // S and D
    SrcPaint,  // S or D
};

enum class EStretchMode
{
    Halftone,    // smooth (averaging) stretching
    ColorOnColor // nearest pixel
};

// Text alignment flags for DrawText (combinable).
enum EDrawTextFlags : unsigned
{
    kDtLeft = 0x0,
    kDtCenter = 0x1,
    kDtRight = 0x2,
    kDtVCenter = 0x4,
    kDtBottom = 0x8,
    kDtWordBreak = 0x10,
    kDtSingleLine = 0x20,
    kDtNoPrefix = 0x800,
};

// A logical-font description: height in device pixels (negative: character height,
// positive: cell height), weight 100-900, italic/underline flags and a face name.
struct SLogFont
{
    int nHeight = 0;
    int nWeight = 400;
    bool bItalic = false;
    bool bUnderline = false;
    QString strFaceName;
};

class CDC
{
public:
    virtual ~CDC() = default;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Draws text inside a rectangle with the EDrawTextFlags; returns the text height.
    virtual int DrawText(const QString& strText, const QRect& rect, unsigned nFlags) = 0;
    virtual QSize GetTextExtent(const QString& strText) = 0;
    // Selects the font and returns the description of the one it replaced, so a
    // caller can select that back when it is done.
    virtual SLogFont SelectFont(const SLogFont& font) = 0;
    // Both return the colour set before, so a caller can put it back.
    virtual QColor SetTextColor(const QColor& color) = 0;
    virtual QColor SetBkColor(const QColor& color) = 0;
    virtual void SetStretchMode(EStretchMode eMode) = 0;
    // Copies srcRect of the image stretched onto dstRect with a raster operation.
    virtual void StretchBlt(const QRect& dstRect, const QImage& image, const QRect& srcRect,
                            ERasterOp eRop) = 0;
    // Pixels per inch horizontally and vertically, and the drawable size in pixels.
    virtual int GetPixelsPerInchX() const = 0;
    virtual int GetPixelsPerInchY() const = 0;
    virtual QSize GetPageSizePixels() const = 0;
    // Whether StretchBlt honours SrcInvert/SrcAnd/SrcPaint (printers may not).
    virtual bool SupportsRasterOps() const { return true; }
};
