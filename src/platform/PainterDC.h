// The device context on a QPainter: lines, text in rectangles, fonts from logical
// font descriptions, and stretched image copies with raster operations. Raster
// operations other than a plain copy need a raster paint engine (a widget's
// backing store or a QImage); SupportsRasterOps tells. Used by the dialogs'
// painting, the masked bitmaps and the report.
#pragma once

#include "platform/DC.h"

class QPainter;

class CPainterDC : public CDC
{
public:
    // The painter must outlive this object; nothing of its state is restored.
    explicit CPainterDC(QPainter& painter);

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    int DrawText(const QString& strText, const QRect& rect, unsigned nFlags) override;
    QSize GetTextExtent(const QString& strText) override;
    void SelectFont(const SLogFont& font) override;
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
    QColor m_colorText = Qt::black;
    QColor m_colorBk = Qt::white;
    EStretchMode m_eStretch = EStretchMode::ColorOnColor;
};
