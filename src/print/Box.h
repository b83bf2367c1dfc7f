// One box of the printed report's layout: a rectangle that may carry one line of
// text, a bitmap (a resource id or a .bmp file) and border lines, with an ordered
// list of child boxes placed to the right of or below the ones it holds. A child's
// rectangle is relative to its parent's top-left corner; the root's is absolute.
// Coordinates are device units of the context drawn on (printer pixels). Boxes are
// values: adding a box stores a copy, copying a box copies its children.
// Used by the report (PrintReport), which builds one tree and draws it once.
#pragma once

#include "core/ReportLayout.h"

#include <QString>

#include <vector>

class CDC;
class CFontSet;

class CBox
{
public:
    // Border bits.
    static constexpr int kBorderTop = 1;
    static constexpr int kBorderBottom = 2;
    static constexpr int kBorderLeft = 4;
    static constexpr int kBorderRight = 8;
    // The default text format: centred both ways on one line.
    static constexpr unsigned kDefaultFormat = 37;

    // What a text at least as wide as its rectangle becomes: cut after its last
    // whole character that leaves room for "…", so that a cut shows; or, for a value
    // that must print whole, drawn in its font scaled down just enough to fit.
    enum class ETextFit
    {
        CutVisibly,
        ScaleDown
    };

    // pDC is not owned; a box without one draws nothing.
    CBox(int nLeft, int nTop, int nRight, int nBottom, CDC* pDC);
    virtual ~CBox() = default;
    CBox(const CBox&) = default;
    CBox& operator=(const CBox&) = default;
    CBox(CBox&&) = default;
    CBox& operator=(CBox&&) = default;

    void SetBorders(int nBorders) { m_nBorders = nBorders; }
    // The text is drawn as it is: "&" and "%" are plain characters.
    void SetText(const QString& strText, unsigned nFormat);
    void SetFont(int nIndex) { m_nFont = nIndex; }
    void SetTextFit(ETextFit eFit) { m_eFit = eFit; }
    // The image alignment (EImageAlign) shares the field of the text format.
    void SetImageResource(int nResourceId, unsigned nAlign);
    // At most 255 characters of the path are kept.
    void SetImageFile(const QString& strPath, unsigned nAlign);

    // Appends a copy of the child placed by nCode: right of the children for 2
    // (top), 3 (bottom), 7 (centred up and down); below them for 4 (left), 5
    // (right), 6 (centred across). Any other code appends nothing. Both return true.
    bool AddRight(const CBox& child, int nCode);
    bool AddBelow(const CBox& child, int nCode);

    // Draws the tree on the root: its borders, then every child in list order.
    void Draw(const CFontSet& fonts) const;

    // Whether strText in font nFont of the set prints whole in a box nWidth wide (the
    // text's rectangle is as wide as its box): narrower than nWidth on dc.
    static bool TextFits(CDC& dc, const CFontSet& fonts, int nFont, std::int64_t nWidth,
                         const QString& strText);

    const SRect& GetRect() const { return m_rect; }
    const std::vector<CBox>& GetChildren() const { return m_vChildren; }
    int GetLastPlacement() const { return m_nLastPlacement; }

private:
    bool Add(const CBox& child, int nCode, bool bRight);
    // A child drawn inside its parent's absolute rectangle.
    void DrawIn(const SRect& rParent, const CFontSet& fonts) const;
    void DrawBorders(const SRect& r) const;
    void DrawImage(const SRect& r) const;
    void DrawTextIn(const SRect& r, const CFontSet& fonts) const;

    SRect m_rect;
    std::vector<CBox> m_vChildren;
    int m_nLastPlacement = 0;
    int m_nBorders = 0;
    int m_nFont = 1;
    ETextFit m_eFit = ETextFit::CutVisibly;
    CDC* m_pDC = nullptr;
    QString m_strText;
    unsigned m_nFormat = kDefaultFormat;
    int m_nBitmapResource = 0;
    QString m_strBitmapFile;
};
