#include "gl/LabelLayout.h"

#include <cstddef>

namespace
{
bool Overlap(const SLabelBox& a, const SLabelBox& b)
{
    return a.nLeft < b.nRight && b.nLeft < a.nRight && a.nBottom < b.nTop && b.nBottom < a.nTop;
}

// The shift that brings [nLow, nHigh) inside [nMin, nMax); where it cannot fit, its
// low end (the left or the bottom) stays inside.
int ShiftInside(int nLow, int nHigh, int nMin, int nMax)
{
    int d = 0;
    if (nHigh > nMax)
        d = nMax - nHigh;
    if (nLow + d < nMin)
        d = nMin - nLow;
    return d;
}
} // namespace

const SLabelBox* CLabelLayout::FirstOverlap(const SLabelBox& box, int dx, int dy) const
{
    const SLabelBox moved{box.nLeft + dx, box.nBottom + dy, box.nRight + dx, box.nTop + dy};
    for (const SLabelBox& placed : m_vPlaced)
        if (Overlap(moved, placed))
            return &placed;
    return nullptr;
}

CLabelLayout::SMove CLabelLayout::Place(const SLabelBox& box, const SLabelBox& view, int nSpacing)
{
    const int nMinX = view.nLeft + nSpacing, nMaxX = view.nRight - nSpacing;
    const int nMinY = view.nBottom + nSpacing, nMaxY = view.nTop - nSpacing;
    SMove move{ShiftInside(box.nLeft, box.nRight, nMinX, nMaxX),
               ShiftInside(box.nBottom, box.nTop, nMinY, nMaxY)};

    // Clear of the earlier labels: step below each one it would overprint while the
    // view has room, otherwise step above them; each step passes one label for good,
    // so the steps end. Where neither way is free the label stays inside the view.
    auto search = [&](bool bDown, int& dy)
    {
        dy = move.dy;
        for (size_t i = 0; i <= m_vPlaced.size(); ++i)
        {
            const SLabelBox* pHit = FirstOverlap(box, move.dx, dy);
            if (!pHit)
                return bDown ? box.nBottom + dy >= nMinY : box.nTop + dy <= nMaxY;
            dy = bDown ? pHit->nBottom - nSpacing - box.nTop : pHit->nTop + nSpacing - box.nBottom;
        }
        return false;
    };
    int dy = 0;
    if (search(true, dy) || search(false, dy))
        move.dy = dy;

    m_vPlaced.push_back(
        {box.nLeft + move.dx, box.nBottom + move.dy, box.nRight + move.dx, box.nTop + move.dy});
    return move;
}
