#include "print/Box.h"

#include "platform/DC.h"
#include "print/DIBSectionLite.h"
#include "print/FontSet.h"

#include <QRect>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdlib>

namespace
{
QRect ToQRect(const SRect& r)
{
    return QRect(QPoint(r.nLeft, r.nTop),
                 QSize(static_cast<int>(r.Width()), static_cast<int>(r.Height())));
}

// The sums in 64 bits, narrowed (C++20 narrowing wraps), so no coordinate overflows.
SRect Offset(const SRect& r, const SRect& rParent)
{
    auto sum = [](std::int32_t a, std::int32_t b)
    { return static_cast<std::int32_t>(std::int64_t{a} + b); };
    return SRect{sum(r.nLeft, rParent.nLeft), sum(r.nTop, rParent.nTop),
                 sum(r.nRight, rParent.nLeft), sum(r.nBottom, rParent.nTop)};
}

// The 20 device units between a box's left edge and its text.
constexpr int kTextIndent = 20;
} // namespace

CBox::CBox(int nLeft, int nTop, int nRight, int nBottom, CDC* pDC)
    : m_rect{nLeft, nTop, nRight, nBottom}, m_pDC(pDC)
{
}

void CBox::SetText(const QString& strText, unsigned nFormat)
{
    m_strText = strText;
    m_nFormat = nFormat;
}

void CBox::SetImageResource(int nResourceId, unsigned nAlign)
{
    m_nBitmapResource = nResourceId;
    m_nFormat = nAlign;
}

void CBox::SetImageFile(const QString& strPath, unsigned nAlign)
{
    m_strBitmapFile = strPath.left(255);
    m_nFormat = nAlign;
}

bool CBox::AddRight(const CBox& child, int nCode)
{
    return Add(child, nCode, true);
}

bool CBox::AddBelow(const CBox& child, int nCode)
{
    return Add(child, nCode, false);
}

bool CBox::Add(const CBox& child, int nCode, bool bRight)
{
    m_nLastPlacement = nCode;
    std::vector<SRect> vRects;
    vRects.reserve(m_vChildren.size());
    for (const CBox& box : m_vChildren)
        vRects.push_back(box.m_rect);
    const auto nWidth = static_cast<std::int32_t>(child.m_rect.Width());
    const auto nHeight = static_cast<std::int32_t>(child.m_rect.Height());
    const std::optional<SRect> placed = bRight ? PlaceRight(m_rect, vRects, nWidth, nHeight, nCode)
                                               : PlaceBelow(m_rect, vRects, nWidth, nHeight, nCode);
    if (placed)
    {
        m_vChildren.push_back(child);
        m_vChildren.back().m_rect = *placed;
    }
    return true;
}

void CBox::Draw(const CFontSet& fonts) const
{
    if (!m_pDC)
        return;
    DrawBorders(m_rect);
    for (const CBox& child : m_vChildren)
        child.DrawIn(m_rect, fonts);
}

void CBox::DrawIn(const SRect& rParent, const CFontSet& fonts) const
{
    if (!m_pDC)
        return;
    const SRect r = Offset(m_rect, rParent);
    DrawBorders(r);
    DrawImage(r);
    DrawTextIn(r, fonts);
    for (const CBox& child : m_vChildren)
        child.DrawIn(r, fonts);
}

void CBox::DrawBorders(const SRect& r) const
{
    if (m_nBorders & kBorderTop)
    {
        m_pDC->MoveTo(r.nLeft, r.nTop);
        m_pDC->LineTo(r.nRight, r.nTop);
    }
    if (m_nBorders & kBorderRight)
    {
        m_pDC->MoveTo(r.nRight, r.nTop);
        m_pDC->LineTo(r.nRight, r.nBottom);
    }
    if (m_nBorders & kBorderLeft)
    {
        m_pDC->MoveTo(r.nLeft, r.nTop);
        m_pDC->LineTo(r.nLeft, r.nBottom);
    }
    if (m_nBorders & kBorderBottom)
    {
        m_pDC->MoveTo(r.nLeft, r.nBottom);
        m_pDC->LineTo(r.nRight, r.nBottom);
    }
}

void CBox::DrawImage(const SRect& r) const
{
    // A resource or file that does not load is skipped; the rest is still drawn.
    auto stretch = [&](const CDIBSectionLite& dib)
    {
        const int nHeight = dib.GetHeight() < 0 ? -dib.GetHeight() : dib.GetHeight();
        if (const std::optional<SRect> target =
                FitImage(r, dib.GetWidth(), nHeight, static_cast<int>(m_nFormat)))
            dib.Stretch(
                *m_pDC, QPoint(target->nLeft, target->nTop),
                QSize(static_cast<int>(target->Width()), static_cast<int>(target->Height())));
    };
    if (m_nBitmapResource != 0)
    {
        CDIBSectionLite dib;
        if (dib.SetBitmap(m_nBitmapResource))
            stretch(dib);
    }
    if (!m_strBitmapFile.isEmpty())
    {
        CDIBSectionLite dib;
        if (dib.Load(m_strBitmapFile))
            stretch(dib);
    }
}

bool CBox::TextFits(CDC& dc, const CFontSet& fonts, int nFont, std::int64_t nWidth,
                    const QString& strText)
{
    const SLogFont* pFont = fonts.GetFont(nFont);
    SLogFont oldFont;
    if (pFont)
        oldFont = dc.SelectFont(*pFont);
    const bool bFits = dc.GetTextExtent(strText).width() < nWidth;
    if (pFont)
        dc.SelectFont(oldFont);
    return bFits;
}

namespace
{
const QString kEllipsis = QStringLiteral("\u2026");

// The text cut after its last whole character (grapheme) that leaves room for the
// ellipsis in nWidth, with the ellipsis; the ellipsis alone when nothing fits.
QString CutVisibly(CDC& dc, const QString& strText, std::int64_t nWidth)
{
    std::vector<qsizetype> vEnds; // where whole characters end, shortest first
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, strText);
    for (qsizetype n = finder.toNextBoundary(); n > 0; n = finder.toNextBoundary())
        vEnds.push_back(n);
    auto shown = [&](std::size_t nEnds)
    {
        if (nEnds == 0)
            return kEllipsis;
        QString str = strText.left(vEnds[nEnds - 1]);
        while (!str.isEmpty() && str.back().isSpace())
            str.chop(1);
        return str + kEllipsis;
    };
    // The widths grow with the number of characters kept: the last count that fits.
    std::size_t nLow = 0;
    std::size_t nHigh = vEnds.size();
    while (nLow < nHigh)
    {
        const std::size_t nMid = (nLow + nHigh + 1) / 2;
        if (dc.GetTextExtent(shown(nMid)).width() < nWidth)
            nLow = nMid;
        else
            nHigh = nMid - 1;
    }
    return shown(nLow);
}
} // namespace

void CBox::DrawTextIn(const SRect& r, const CFontSet& fonts) const
{
    if (m_strText.isEmpty())
        return;
    const SRect rText = Offset(r, SRect{kTextIndent, 0, kTextIndent, 0});
    const SLogFont* pFont = fonts.GetFont(m_nFont);
    SLogFont oldFont;
    if (pFont)
        oldFont = m_pDC->SelectFont(*pFont);
    QString strShown = m_strText;
    const std::int64_t nBoxWidth = rText.Width();
    const int nExtent = m_pDC->GetTextExtent(strShown).width();
    if (nBoxWidth <= 0)
        strShown.clear();
    else if (nExtent >= nBoxWidth)
    {
        if (m_eFit == ETextFit::ScaleDown && pFont)
        {
            // The height in proportion to the room, then smaller until it fits.
            SLogFont scaled = *pFont;
            const int nSign = pFont->nHeight < 0 ? -1 : 1;
            int nHeight = static_cast<int>(std::abs(std::int64_t{pFont->nHeight}) * nBoxWidth /
                                           std::max(nExtent, 1));
            for (nHeight = std::max(nHeight, 1);; --nHeight)
            {
                scaled.nHeight = nSign * nHeight;
                m_pDC->SelectFont(scaled);
                if (nHeight == 1 || m_pDC->GetTextExtent(strShown).width() < nBoxWidth)
                    break;
            }
        }
        else
            strShown = CutVisibly(*m_pDC, strShown, nBoxWidth);
    }
    m_pDC->DrawText(strShown, ToQRect(rText), m_nFormat | kDtNoPrefix);
    if (pFont)
        m_pDC->SelectFont(oldFont);
}
