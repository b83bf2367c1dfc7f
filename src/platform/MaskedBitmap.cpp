#include "platform/MaskedBitmap.h"

#include "platform/BitmapDecoder.h"
#include "platform/DC.h"
#include "platform/DebugTrace.h"
#include "platform/Resources.h"

#include <QFile>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{
using SPixelList = std::vector<std::pair<int, int>>;

// The key-coloured pixels of an image by ring: 0 the image's own colour, n reached by
// ring n, kFar key colour not reached by any ring.
class CKeyRings
{
public:
    static constexpr std::uint8_t kFar = 255;

    CKeyRings(QImage& image, QRgb rgbKey)
        : m_nWidth(image.width()), m_nHeight(image.height()),
          m_pBits(reinterpret_cast<QRgb*>(image.bits())), // one detach, then plain access
          m_nStride(static_cast<size_t>(image.bytesPerLine()) / sizeof(QRgb)),
          m_vRing(static_cast<size_t>(m_nWidth) * m_nHeight, 0)
    {
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if ((Pixel(x, y) & 0xFFFFFFu) == rgbKey)
                    Ring(x, y) = kFar;
    }

    // Ring 1: key pixels with a neighbour of the image's own colours. Per row, whether
    // such a colour lies within one column; a pixel then looks at three rows of that.
    SPixelList FirstRing() const
    {
        std::vector<std::uint8_t> vNear(m_vRing.size(), 0);
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (Ring(x, y) == 0)
                    for (int nx = std::max(0, x - 1); nx <= std::min(m_nWidth - 1, x + 1); ++nx)
                        vNear[At(nx, y)] = 1;
        SPixelList vFront;
        for (int y = 0; y < m_nHeight; ++y)
            for (int x = 0; x < m_nWidth; ++x)
                if (Ring(x, y) == kFar && (vNear[At(x, y)] || (y > 0 && vNear[At(x, y - 1)]) ||
                                           (y + 1 < m_nHeight && vNear[At(x, y + 1)])))
                    vFront.emplace_back(x, y);
        return vFront;
    }

    // Every pixel of the ring from its neighbours of the earlier rings, all read
    // before any is written.
    void Fill(const SPixelList& vFront, std::uint8_t nRing)
    {
        m_vColors.clear();
        for (const auto& [x, y] : vFront)
        {
            int nR = 0, nG = 0, nB = 0, nCount = 0;
            ForNeighbours(x, y,
                          [&](int nx, int ny)
                          {
                              if (Ring(nx, ny) >= nRing)
                                  return;
                              const QRgb rgb = Pixel(nx, ny);
                              nR += qRed(rgb);
                              nG += qGreen(rgb);
                              nB += qBlue(rgb);
                              ++nCount;
                          });
            m_vColors.push_back(qRgb(nR / nCount, nG / nCount, nB / nCount));
        }
        for (size_t i = 0; i < vFront.size(); ++i)
        {
            const auto [x, y] = vFront[i];
            m_pBits[m_nStride * y + x] = m_vColors[i];
            Ring(x, y) = nRing;
        }
    }

    // The next ring: key pixels touching this one, each once.
    SPixelList Next(const SPixelList& vFront)
    {
        SPixelList vNext;
        for (const auto& [x, y] : vFront)
            ForNeighbours(x, y,
                          [&](int nx, int ny)
                          {
                              std::uint8_t& nState = Ring(nx, ny);
                              if (nState == kFar)
                              {
                                  nState = kFar - 1; // queued once
                                  vNext.emplace_back(nx, ny);
                              }
                          });
        for (const auto& [x, y] : vNext)
            Ring(x, y) = kFar;
        return vNext;
    }

private:
    size_t At(int x, int y) const { return static_cast<size_t>(y) * m_nWidth + x; }
    std::uint8_t& Ring(int x, int y) { return m_vRing[At(x, y)]; }
    std::uint8_t Ring(int x, int y) const { return m_vRing[At(x, y)]; }
    QRgb Pixel(int x, int y) const { return m_pBits[m_nStride * y + x]; }
    template <typename F> void ForNeighbours(int x, int y, F&& visit) const
    {
        for (int ny = std::max(0, y - 1); ny <= std::min(m_nHeight - 1, y + 1); ++ny)
            for (int nx = std::max(0, x - 1); nx <= std::min(m_nWidth - 1, x + 1); ++nx)
                if (nx != x || ny != y)
                    visit(nx, ny);
    }

    int m_nWidth;
    int m_nHeight;
    QRgb* m_pBits;
    size_t m_nStride;
    std::vector<std::uint8_t> m_vRing;
    std::vector<QRgb> m_vColors;
};

// A copy of the image in which every pixel of the key colour next to other colours
// takes the average of those neighbours, a few rings deep (as far as smooth
// stretching reaches): ring 1 are the key pixels touching other colours, ring n + 1
// the key pixels touching ring n, each averaging its neighbours of the rings before
// (and of the image's own colours). Pixels of the key colour farther away keep it;
// they are transparent wherever the image is drawn. Only the rings are visited after
// one pass over the image, which is what the first paint of the logo waits for.
QImage SpreadIntoKey(const QImage& source, QRgb rgbKey)
{
    constexpr std::uint8_t kRings = 3;
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.width() == 0 || image.height() == 0)
        return image;
    CKeyRings rings(image, rgbKey);
    SPixelList vFront = rings.FirstRing();
    for (std::uint8_t nRing = 1; nRing <= kRings && !vFront.empty(); ++nRing)
    {
        rings.Fill(vFront, nRing);
        vFront = rings.Next(vFront);
    }
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
