#include "platform/PainterDC.h"

#include <utility>

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

CPainterDC::CPainterDC(QPainter& painter)
    : m_painter(painter), m_logFont(DescribeFont(painter.font(), painter.device()))
{
}

SLogFont CPainterDC::DescribeFont(const QFont& font, const QPaintDevice* pDevice)
{
    SLogFont logFont;
    int nPixels = font.pixelSize();
    if (nPixels <= 0)
    {
        const int nDpiY = pDevice ? pDevice->logicalDpiY() : 96;
        nPixels = qRound(font.pointSizeF() * nDpiY / 72.0);
    }
    logFont.nHeight = -std::max(1, nPixels);
    logFont.nWeight = std::clamp(static_cast<int>(font.weight()), 100, 900);
    logFont.bItalic = font.style() != QFont::StyleNormal;
    logFont.bUnderline = font.underline();
    logFont.strFaceName = QFontInfo(font).family();
    return logFont;
}

void CPainterDC::MoveTo(int x, int y)
{
    m_ptCurrent = QPoint(x, y);
}

void CPainterDC::LineTo(int x, int y)
{
    m_painter.setPen(QPen(m_colorText, 0));
    m_painter.drawLine(m_ptCurrent, QPoint(x, y));
    m_ptCurrent = QPoint(x, y);
}

int CPainterDC::DrawText(const QString& strText, const QRect& rect, unsigned nFlags)
{
    int nAlign = Qt::AlignLeft;
    if (nFlags & kDtCenter)
        nAlign = Qt::AlignHCenter;
    else if (nFlags & kDtRight)
        nAlign = Qt::AlignRight;
    if (nFlags & kDtVCenter)
        nAlign |= Qt::AlignVCenter;
    else if (nFlags & kDtBottom)
        nAlign |= Qt::AlignBottom;
    else
        nAlign |= Qt::AlignTop;
    if (nFlags & kDtWordBreak)
        nAlign |= Qt::TextWordWrap;
    if (nFlags & kDtSingleLine)
        nAlign |= Qt::TextSingleLine;
    QString strShown = strText;
    if (!(nFlags & kDtNoPrefix))
    {
        // "&x" underlines nothing here; "&&" is a literal ampersand.
        strShown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        strShown.remove(QLatin1Char('&'));
        strShown.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    m_painter.setPen(m_colorText);
    QRect rcBound;
    m_painter.drawText(rect, nAlign, strShown, &rcBound);
    return rcBound.height();
}

QSize CPainterDC::GetTextExtent(const QString& strText)
{
    const QFontMetrics fm(m_painter.font(), m_painter.device());
    return QSize(fm.horizontalAdvance(strText), fm.height());
}

SLogFont CPainterDC::SelectFont(const SLogFont& font)
{
    QFont qfont(font.strFaceName);
    // Negative heights give the character height, positive ones the cell height.
    qfont.setPixelSize(std::max(1, std::abs(font.nHeight)));
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.nWeight, 100, 900)));
    qfont.setItalic(font.bItalic);
    qfont.setUnderline(font.bUnderline);
    if (font.nHeight > 0)
    {
        // Shrink so ascent + descent matches the cell height.
        const QFontMetrics fm(qfont, m_painter.device());
        if (fm.height() > 0 && fm.height() != font.nHeight)
            qfont.setPixelSize(std::max(1, font.nHeight * qfont.pixelSize() / fm.height()));
    }
    m_painter.setFont(qfont);
    return std::exchange(m_logFont, font);
}

QColor CPainterDC::SetTextColor(const QColor& color)
{
    return std::exchange(m_colorText, color);
}

QColor CPainterDC::SetBkColor(const QColor& color)
{
    return std::exchange(m_colorBk, color);
}

void CPainterDC::SetStretchMode(EStretchMode eMode)
{
    m_eStretch = eMode;
}

bool CPainterDC::SupportsRasterOps() const
{
    const QPaintEngine* pEngine = m_painter.paintEngine();
    return pEngine && pEngine->hasFeature(QPaintEngine::RasterOpModes);
}

void CPainterDC::StretchBlt(const QRect& dstRect, const QImage& image, const QRect& srcRect,
                            ERasterOp eRop)
{
    if (image.isNull() || dstRect.isEmpty() || srcRect.isEmpty())
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, m_eStretch == EStretchMode::Halftone);
    QPainter::CompositionMode eMode = QPainter::CompositionMode_Source;
    switch (eRop)
    {
    case ERasterOp::SrcCopy:
        eMode = QPainter::CompositionMode_SourceOver;
        break;
    case ERasterOp::SrcInvert:
        eMode = QPainter::RasterOp_SourceXorDestination;
        break;
    case ERasterOp::SrcAnd:
        eMode = QPainter::RasterOp_SourceAndDestination;
        break;
    case ERasterOp::SrcPaint:
        eMode = QPainter::RasterOp_SourceOrDestination;
        break;
    }
    if (eRop != ERasterOp::SrcCopy && !SupportsRasterOps())
        eMode = QPainter::CompositionMode_SourceOver;
    m_painter.setCompositionMode(eMode);
    m_painter.drawImage(dstRect, image, srcRect);
    m_painter.restore();
}

int CPainterDC::GetPixelsPerInchX() const
{
    const QPaintDevice* pDevice = m_painter.device();
    return pDevice ? pDevice->logicalDpiX() : 96;
}

int CPainterDC::GetPixelsPerInchY() const
{
    const QPaintDevice* pDevice = m_painter.device();
    return pDevice ? pDevice->logicalDpiY() : 96;
}

QSize CPainterDC::GetPageSizePixels() const
{
    const QPaintDevice* pDevice = m_painter.device();
    return pDevice ? QSize(pDevice->width(), pDevice->height()) : QSize();
}
