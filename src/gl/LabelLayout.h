// Where the labels of one frame of a GL view go: each label's box, in window pixels
// at its raster position, is moved as little as it takes to lie inside the view
// (with a small margin) and clear of the labels placed before it in the same frame.
// A label that already fits where it is stays there. A label that would overprint
// an earlier one goes below it (or, when there is no room below, above it). Inputs:
// the view rectangle and the labels' boxes in drawing order, in GL window
// coordinates (y up). Used by CGLWnd for every label it draws.
#pragma once

#include <vector>

// A rectangle of window pixels, y up; right and top are exclusive.
struct SLabelBox
{
    int nLeft = 0;
    int nBottom = 0;
    int nRight = 0;
    int nTop = 0;
};

class CLabelLayout
{
public:
    // Forgets the labels placed so far: a new frame begins.
    void Clear() { m_vPlaced.clear(); }

    // Works out the move (dx, dy) for a label's box in the view and remembers the
    // moved box for the labels after it. nSpacing is the margin to the view's edges
    // and the gap between labels, in pixels.
    struct SMove
    {
        int dx = 0;
        int dy = 0;
    };
    SMove Place(const SLabelBox& box, const SLabelBox& view, int nSpacing);

private:
    // The first placed box that the box moved by (dx, dy) would overprint, or null.
    const SLabelBox* FirstOverlap(const SLabelBox& box, int dx, int dy) const;

    std::vector<SLabelBox> m_vPlaced;
};
