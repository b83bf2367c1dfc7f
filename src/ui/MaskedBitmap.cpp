#include "ui/MaskedBitmap.h"

#include "platform/BitmapDecoder.h"
#include "platform/DC.h"
#include "platform/DebugTrace.h"
#include "platform/Resources.h"

#include <QFile>

#include <cassert>

void CMaskedBitmap::Take(const QImage& image)
{
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

bool CMaskedBitmap::LoadFromFile(const char* pszPath)
{
    assert(pszPath);
    m_image = QImage();
    if (!pszPath)
        return false;
    QFile file(QString::fromLocal8Bit(pszPath));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QImage image = DecodeBitmapFile(file.readAll());
    if (image.isNull())
    {
        DebugTrace("Not a bitmap file\n");
        return false;
    }
    Take(image);
    return !IsEmpty();
}

bool CMaskedBitmap::LoadFromResource(int nId)
{
    Take(LoadBitmapResource(nId));
    return !IsEmpty();
}

void CMaskedBitmap::Draw(CDC& dc, const QRect& rect) const
{
    if (IsEmpty())
        return;
    dc.SetStretchMode(EStretchMode::Halftone);
    dc.StretchBlt(rect, m_image, m_image.rect(), ERasterOp::SrcCopy);
}

void CMaskedBitmap::DrawTransparent(CDC& dc, const QRect& rect,
                                    const QColor& colorTransparent) const
{
    if (IsEmpty())
        return;
    const QRgb rgbKey = colorTransparent.rgb() & 0xFFFFFFu;
    dc.SetStretchMode(EStretchMode::Halftone);

    if (!dc.SupportsRasterOps())
    {
        // Devices without raster operations get the same picture through alpha.
        QImage keyed = m_image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < keyed.height(); ++y)
        {
            auto* pLine = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((pLine[x] & 0xFFFFFFu) == rgbKey)
                    pLine[x] = 0;
        }
        dc.StretchBlt(rect, keyed, keyed.rect(), ERasterOp::SrcCopy);
        return;
    }

    // White where the image has the transparent colour, black elsewhere.
    QImage mask(m_image.size(), QImage::Format_RGB32);
    for (int y = 0; y < m_image.height(); ++y)
    {
        const auto* pSrc = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        auto* pDst = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x)
            pDst[x] = (pSrc[x] & 0xFFFFFFu) == rgbKey ? 0xFFFFFFFFu : 0xFF000000u;
    }
    dc.SetBkColor(Qt::white);
    dc.SetTextColor(Qt::black);
    // ((D ^ S) & M) ^ S: D where the mask is white, S where it is black.
    dc.StretchBlt(rect, m_image, m_image.rect(), ERasterOp::SrcInvert);
    dc.StretchBlt(rect, mask, mask.rect(), ERasterOp::SrcAnd);
    dc.StretchBlt(rect, m_image, m_image.rect(), ERasterOp::SrcInvert);
}
