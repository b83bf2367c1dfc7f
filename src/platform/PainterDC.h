// The device context on a QPainter: lines, text in rectangles, fonts from logical
// font descriptions, and stretched image copies with raster operations. Raster
// operations other than a plain copy need a raster paint engine (a widget's
// backing store or a QImage); SupportsRasterOps tells. The font the painter holds
// at construction is described by DescribeFont, so selecting back what the first
// SelectFont returns restores it. Used by the dialogs' painting, the masked
// bitmaps, the print job and the report.
#pragma once

#include "platform/DC.h"

class QFont;
class QPaintDevice;
class QPainter;

class CPainterDC : public CDC
{
public:
    // The painter must outlive this object; nothing of its state is restored. Fonts
    // are then set through SelectFont only (the DC keeps the description).
    explicit CPainterDC(QPainter& painter);

    // A font as a logical-font description on a device: its real face (the family
    // the font resolves to), its size in device pixels as a character height
    // (negative; a point size becomes points x the device's vertical pixels per
    // inch / 72, rounded), its weight, slant (oblique counts as italic) and
    // underline. Selecting it gives the same face, pixel size, weight and slant.
    static SLogFont DescribeFont(const QFont& font, const QPaintDevice* pDevice);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int DrawText(const QString& strText, const QRect& rect, unsigned nFlags) override;
    QSize GetTextExtent(const QString& strText) override;
    SLogFont SelectFont(const SLogFont& font) override;
    QColor SetTextColor(const QColor& color) override;
    QColor SetBkColor(const QColor& color) override;
    void SetStretchMode(EStretchMode eMode) override;
    void StretchBlt(const QRect& dstRect, const QImage& image, const QRect& srcRect,
                    ERasterOp eRop) override;
    int GetPixelsPerInchX() const override;
    int GetPixelsPerInchY() const override;
    QSize GetPageSizePixels() const override;

    bool SupportsRasterOps() const override;
    QColor GetBkColor() const { return m_colorBk; }
    QColor GetTextColor() const { return m_colorText; }

private:
    QPainter& m_painter;
    QPoint m_ptCurrent;
    SLogFont m_logFont;
    QColor m_colorText = Qt::black;
    QColor m_colorBk = Qt::white;
    EStretchMode m_eStretch = EStretchMode::ColorOnColor;
};
