// A device context for tests that draws nothing and records what is drawn on it:
// line segments (MoveTo/LineTo), texts with their rectangle, flags and the font
// selected at the time, stretched image copies (rectangles, raster operation,
// stretch mode, the image and its size) and every font selection. Its device
// capabilities are plain members a test sets (96 pixels per inch and an empty
// page by default). Text is measured without a real font: every character is
// half the selected font's height wide (integer division), the text as high as
// that height (its absolute value: both signs mean the same here), so "Page 1 of 1"
// in a font of height -40 measures 11 x 20 = 220 x 40 pixels. DrawText returns
// that height. Starts in the halftone stretch mode, so a test sees whether the
// code sets the mode it needs. Used by the frame capture and report tests.
#pragma once

#include "platform/DC.h"

#include <cstdlib>
#include <utility>
#include <vector>

class CRecordingDC : public CDC
{
public:
    struct SLine
    {
        QPoint ptFrom;
        QPoint ptTo;
    };
    struct SText
    {
        QString strText;
        QRect rect;
        unsigned nFlags;
        SLogFont font;
    };
    struct SBlt
    {
        QRect dst, src;
        QImage image;
        QSize sizeImage;
        ERasterOp eRop;
        EStretchMode eStretch;
    };

    std::vector<SLine> m_vLines;
    std::vector<SText> m_vTexts;
    std::vector<SBlt> m_vBlts;
    std::vector<SLogFont> m_vFonts; // every SelectFont, in order

    // The font selected now; before any SelectFont the device's own font.
    SLogFont m_font{-16, 400, false, false, QStringLiteral("DejaVu Sans")};
    EStretchMode m_eStretch = EStretchMode::Halftone;
    QColor m_colorText = Qt::black;
    QColor m_colorBk = Qt::white;
    int m_nPixelsPerInchX = 96;
    int m_nPixelsPerInchY = 96;
    QSize m_sizePage;
    bool m_bRasterOps = true;

    void MoveTo(int x, int y) override { m_ptCurrent = QPoint(x, y); }
    void LineTo(int x, int y) override
    {
        m_vLines.push_back({m_ptCurrent, QPoint(x, y)});
        m_ptCurrent = QPoint(x, y);
    }
    int DrawText(const QString& strText, const QRect& rect, unsigned nFlags) override
    {
        m_vTexts.push_back({strText, rect, nFlags, m_font});
        return GetTextExtent(strText).height();
    }
    QSize GetTextExtent(const QString& strText) override
    {
        const int nHeight = std::abs(m_font.nHeight);
        return QSize(static_cast<int>(strText.size()) * (nHeight / 2), nHeight);
    }
    SLogFont SelectFont(const SLogFont& font) override
    {
        m_vFonts.push_back(font);
        return std::exchange(m_font, font);
    }
    QColor SetTextColor(const QColor& color) override { return std::exchange(m_colorText, color); }
    QColor SetBkColor(const QColor& color) override { return std::exchange(m_colorBk, color); }
    void SetStretchMode(EStretchMode eMode) override { m_eStretch = eMode; }
    void StretchBlt(const QRect& dst, const QImage& image, const QRect& src,
                    ERasterOp eRop) override
    {
        m_vBlts.push_back({dst, src, image, image.size(), eRop, m_eStretch});
    }
    int GetPixelsPerInchX() const override { return m_nPixelsPerInchX; }
    int GetPixelsPerInchY() const override { return m_nPixelsPerInchY; }
    QSize GetPageSizePixels() const override { return m_sizePage; }
    bool SupportsRasterOps() const override { return m_bRasterOps; }

private:
    QPoint m_ptCurrent;
};
