#include "platform/MaskedBitmap.h"

#include "platform/BitmapDecoder.h"
#include "platform/DC.h"
#include "platform/DebugTrace.h"
#include "platform/Resources.h"

#include <QFile>

#include <algorithm>
#include <cassert>
#include <vector>

namespace
{
// A copy of the image in which every pixel of the key colour next to other colours
// takes the average of those neighbours, a few rings deep (as far as smooth
// stretching reaches). Pixels of the key
// colour farther away keep it; they are transparent wherever the image is drawn.
QImage SpreadIntoKey(const QImage& source, QRgb rgbKey)
{
    constexpr int kRings = 3;
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    std::vector<QRgb> vPixels(static_cast<size_t>(w) * h);
    std::vector<char> vKey(vPixels.size());
    for (int y = 0; y < h; ++y)
    {
        const auto* pLine = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
        {
            vPixels[static_cast<size_t>(y) * w + x] = pLine[x];
            vKey[static_cast<size_t>(y) * w + x] = (pLine[x] & 0xFFFFFFu) == rgbKey;
        }
    }
    for (int nRing = 0; nRing < kRings; ++nRing)
    {
        std::vector<char> vNext = vKey;
        std::vector<QRgb> vSpread = vPixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = static_cast<size_t>(y) * w + x;
                if (!vKey[i])
                    continue;
                int nR = 0, nG = 0, nB = 0, nCount = 0;
                for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny)
                    for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx)
                    {
                        const size_t j = static_cast<size_t>(ny) * w + nx;
                        if (vKey[j])
                            continue;
                        nR += qRed(vPixels[j]);
                        nG += qGreen(vPixels[j]);
                        nB += qBlue(vPixels[j]);
                        ++nCount;
                    }
                if (nCount == 0)
                    continue;
                vSpread[i] = qRgb(nR / nCount, nG / nCount, nB / nCount);
                vNext[i] = 0;
            }
        vKey.swap(vNext);
        vPixels.swap(vSpread);
    }
    for (int y = 0; y < h; ++y)
        std::copy_n(vPixels.begin() + static_cast<std::ptrdiff_t>(y) * w, w,
                    reinterpret_cast<QRgb*>(image.scanLine(y)));
    return image;
}
} // namespace

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

    const QColor colorOldBk = dc.SetBkColor(Qt::white);
    const QColor colorOldText = dc.SetTextColor(Qt::black);
    // White where the image has the transparent colour, black elsewhere. The mask is
    // stretched pixel for pixel: a smoothed, grey edge would mix the two inversions.
    QImage mask(m_image.size(), QImage::Format_RGB32);
    for (int y = 0; y < m_image.height(); ++y)
    {
        const auto* pSrc = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        auto* pDst = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x)
            pDst[x] = (pSrc[x] & 0xFFFFFFu) == rgbKey ? 0xFFFFFFFFu : 0xFF000000u;
    }
    // The image is stretched smoothly, with the colours of its edges spread over the
    // transparent pixels first, so the transparent colour never bleeds into the edge.
    const QImage image = SpreadIntoKey(m_image, rgbKey);
    // ((D ^ S) & M) ^ S: D where the mask is white, S where it is black.
    dc.StretchBlt(rect, image, image.rect(), ERasterOp::SrcInvert);
    dc.SetStretchMode(EStretchMode::ColorOnColor);
    dc.StretchBlt(rect, mask, mask.rect(), ERasterOp::SrcAnd);
    dc.SetStretchMode(EStretchMode::Halftone);
    dc.StretchBlt(rect, image, image.rect(), ERasterOp::SrcInvert);
    dc.SetBkColor(colorOldBk);
    dc.SetTextColor(colorOldText);
}
