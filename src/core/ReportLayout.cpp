// Box placement, image fitting, text cutting, report sizes and notes lines; see
// ReportLayout.h.
#include "core/ReportLayout.h"

#include "core/StringTokenizer.h"
#include "model/TextField.h"

#include <algorithm>
#include <cmath>

namespace
{

// Narrows a 64-bit coordinate; C++20 defines the conversion as wrapping.
std::int32_t Wrap(std::int64_t n)
{
    return static_cast<std::int32_t>(n);
}

bool FitsInt32(std::int64_t n)
{
    return n >= INT32_MIN && n <= INT32_MAX;
}

// A float truncated toward zero, or nothing when it is not finite or too large for
// the 64-bit arithmetic that follows (a plain conversion would then be undefined).
std::optional<std::int64_t> Truncate(double d)
{
    if (!std::isfinite(d) || std::fabs(d) >= 9.0e15)
        return std::nullopt;
    return static_cast<std::int64_t>(d);
}

SRect Placed(std::int64_t x, std::int64_t y, std::int32_t nWidth, std::int32_t nHeight)
{
    return SRect{Wrap(x), Wrap(y), Wrap(x + nWidth), Wrap(y + nHeight)};
}

} // namespace

std::optional<SRect> PlaceRight(const SRect& rParent, std::span<const SRect> children,
                                std::int32_t nWidth, std::int32_t nHeight, int nCode)
{
    std::int64_t y = 0;
    switch (nCode)
    {
    case kPlaceTop:
        y = 0;
        break;
    case kPlaceBottom:
        y = rParent.Height() - nHeight;
        break;
    case kPlaceCenterY:
        y = std::int64_t{rParent.CenterY()} - nHeight / 2;
        break;
    default:
        return std::nullopt;
    }
    std::int64_t x = children.empty() ? 0 : children.front().nRight;
    for (const SRect& child : children)
        x = std::max<std::int64_t>(x, child.nRight);
    return Placed(x, y, nWidth, nHeight);
}

std::optional<SRect> PlaceBelow(const SRect& rParent, std::span<const SRect> children,
                                std::int32_t nWidth, std::int32_t nHeight, int nCode)
{
    std::int64_t x = 0;
    switch (nCode)
    {
    case kPlaceLeft:
        x = 0;
        break;
    case kPlaceRight:
        x = rParent.Width() - nWidth;
        break;
    case kPlaceCenterX:
        x = std::int64_t{rParent.CenterX()} - nWidth / 2;
        break;
    default:
        return std::nullopt;
    }
    std::int64_t y = children.empty() ? 0 : children.front().nBottom;
    for (const SRect& child : children)
        y = std::max<std::int64_t>(y, child.nBottom);
    return Placed(x, y, nWidth, nHeight);
}

std::optional<SRect> FitImage(const SRect& rBox, std::int32_t nImageWidth,
                              std::int32_t nImageHeight, int nAlign)
{
    const std::int64_t nBoxWidth = rBox.Width();
    const std::int64_t nBoxHeight = rBox.Height();
    if (nBoxWidth <= 0 || nBoxHeight <= 0 || nImageWidth <= 0 || nImageHeight <= 0)
        return std::nullopt;

    // The aspects in double, kept as floats; the fitted size in floats.
    const float fBoxAspect =
        static_cast<float>(static_cast<double>(nBoxWidth) / static_cast<double>(nBoxHeight));
    const float fImageAspect = static_cast<float>(static_cast<double>(nImageWidth) / nImageHeight);
    float fWidth = 0.0f;
    float fHeight = 0.0f;
    if (fBoxAspect > fImageAspect)
    {
        fHeight = static_cast<float>(nBoxHeight);
        fWidth = fHeight * fImageAspect;
    }
    else
    {
        fWidth = static_cast<float>(nBoxWidth);
        fHeight = fWidth / fImageAspect;
    }

    // The far corner is the box's corner plus the fitted size, summed in float.
    const std::optional<std::int64_t> nRight = Truncate(static_cast<float>(rBox.nLeft) + fWidth);
    const std::optional<std::int64_t> nBottom = Truncate(static_cast<float>(rBox.nTop) + fHeight);
    if (!nRight || !nBottom)
        return std::nullopt;
    std::int64_t nLeft = rBox.nLeft;
    std::int64_t nTop = rBox.nTop;
    std::int64_t nDx = 0;
    std::int64_t nDy = 0;
    if (nAlign == kImageCentered || nAlign == kImageLeftMiddle)
        nDy = static_cast<std::int64_t>((nBoxHeight - (*nBottom - nTop)) * 0.5);
    if (nAlign == kImageCentered)
        nDx = static_cast<std::int64_t>((nBoxWidth - (*nRight - nLeft)) * 0.5);

    const std::int64_t nTargetLeft = nLeft + nDx + 1;
    const std::int64_t nTargetTop = nTop + nDy + 1;
    const std::int64_t nTargetRight = *nRight + nDx - 1;
    const std::int64_t nTargetBottom = *nBottom + nDy - 1;
    if (nTargetRight <= nTargetLeft || nTargetBottom <= nTargetTop || !FitsInt32(nTargetLeft) ||
        !FitsInt32(nTargetTop) || !FitsInt32(nTargetRight) || !FitsInt32(nTargetBottom))
        return std::nullopt;
    return SRect{Wrap(nTargetLeft), Wrap(nTargetTop), Wrap(nTargetRight), Wrap(nTargetBottom)};
}

int KeptTextLength(std::int32_t nBoxWidth, int nTextLength, std::int32_t nExtentWidth)
{
    if (nTextLength <= 0 || nBoxWidth <= 0)
        return 0;
    if (nExtentWidth < nBoxWidth)
        return nTextLength;
    // Here 0 < box width <= extent width, so the quotient is at most the length.
    const std::int64_t nKept = std::int64_t{nBoxWidth} * nTextLength / nExtentWidth - 1;
    return static_cast<int>(std::max<std::int64_t>(nKept, 0));
}

SReportMetrics ReportMetrics(const SRect& rPage)
{
    SReportMetrics m;
    m.nWidth = Wrap(rPage.Width());
    m.nHeight = Wrap(rPage.Height());
    m.nRow = m.nHeight / 45;
    m.nColumn = static_cast<std::int32_t>(m.nWidth / 3.5);
    m.nGutter = Wrap((std::int64_t{m.nWidth} - 3 * std::int64_t{m.nColumn}) / 2);
    m.nGlossary = Wrap(std::int64_t{m.nWidth} - (2 * std::int64_t{m.nColumn} + m.nGutter));
    m.nGlossaryKey = static_cast<std::int32_t>(m.nGlossary / 4.0);
    return m;
}

SRect ReportPageRect(const SRect& rDrawing, std::int32_t nFooterHeight)
{
    const std::int64_t nBottom =
        std::int64_t{rDrawing.nBottom} + 2 * std::int64_t{nFooterHeight} - 300;
    return SRect{Wrap(std::int64_t{rDrawing.nLeft} + 300), Wrap(std::int64_t{rDrawing.nTop} + 300),
                 Wrap(std::int64_t{rDrawing.nRight} - 300), Wrap(nBottom - 600)};
}

std::string TakeLine(std::string& rText, int nLimit, const FLineFits& fits)
{
    // Every run of non-blank characters is one word, taken as written: no numbers,
    // quotes or comments, so the notes print exactly as the user typed them.
    CStringTokenizer tokenizer(rText);
    tokenizer.ResetSyntax();
    tokenizer.AddWordChars(33, 255);
    tokenizer.AddWhitespaceChars(0, 32);
    tokenizer.SetSlashSlashComments(false);
    tokenizer.SetSlashStarComments(false);
    tokenizer.SetBraceComments(false);

    std::string line;
    std::string rest;
    while (tokenizer.NextToken() == CStringTokenizer::kTokenWord)
    {
        const std::string word = tokenizer.GetWord();
        if (fits && !fits(line + word + ' '))
        {
            if (!line.empty())
            {
                rest = word + ' ';
                break;
            }
            // Alone too wide: as much of it as fits, at least one character.
            std::size_t nKept = Utf8PrefixBytes(word, 1, word.size());
            for (std::size_t nChars = 2; nChars <= Utf8Length(word); ++nChars)
            {
                const std::size_t nBytes = Utf8PrefixBytes(word, nChars, word.size());
                if (!fits(word.substr(0, nBytes)))
                    break;
                nKept = nBytes;
            }
            line = word.substr(0, nKept);
            rest = word.substr(nKept) + ' ';
            break;
        }
        line += word;
        line += ' ';
        if (static_cast<std::int64_t>(Utf8Length(line)) > nLimit)
            break;
    }
    while (tokenizer.NextToken() == CStringTokenizer::kTokenWord)
    {
        rest += tokenizer.GetWord();
        rest += ' ';
    }
    rText = std::move(rest);
    return line;
}
