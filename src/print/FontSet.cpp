#include "print/FontSet.h"

namespace
{
struct SFontRow
{
    int nPoints;
    int nWeight;
    bool bItalic;
};
constexpr SFontRow kFonts[7] = {{10, 400, false}, {12, 400, false}, {20, 400, false},
                                {10, 700, false}, {12, 700, false}, {10, 400, true},
                                {12, 400, true}};
} // namespace

CFontSet::CFontSet(const CDC& dc)
{
    // The horizontal resolution sets the height, as the report always did.
    const int nPixelsPerInch = dc.GetPixelsPerInchX();
    for (size_t i = 0; i < m_fonts.size(); ++i)
    {
        SLogFont& font = m_fonts[i];
        font.nHeight = nPixelsPerInch * -kFonts[i].nPoints / 72;
        font.nWeight = kFonts[i].nWeight;
        font.bItalic = kFonts[i].bItalic;
        font.strFaceName = QStringLiteral("Arial");
    }
}

const SLogFont* CFontSet::GetFont(int nIndex) const
{
    if (nIndex < 1 || nIndex > static_cast<int>(m_fonts.size()))
        return nullptr;
    return &m_fonts[static_cast<size_t>(nIndex - 1)];
}
