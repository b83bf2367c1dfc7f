// The arithmetic of the printed report's layout, kept apart from the drawing so it
// runs and is tested without a display: where a box places a new child, where an
// image lands inside a box, how many characters of a text fit a box, the row and
// column sizes of the report, and the wrapping of the notes into lines.
//
// Inputs: rectangles, sizes and text extents in the printer's device units (the
// report's boxes are laid out in those); image sizes in pixels; texts as UTF-8.
// Used by the report's CBox (placement, image fitting, text cutting) and by
// PrintReport / PrintPage (page rectangle, row and column sizes, notes lines).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

// A rectangle in device units; right and bottom lie just outside it.
// Sizes and centres are computed in 64 bits, so no input overflows them.
struct SRect
{
    std::int32_t nLeft = 0;
    std::int32_t nTop = 0;
    std::int32_t nRight = 0;
    std::int32_t nBottom = 0;

    std::int64_t Width() const { return std::int64_t{nRight} - nLeft; }
    std::int64_t Height() const { return std::int64_t{nBottom} - nTop; }
    // The centre point, each coordinate halved truncating toward zero.
    std::int32_t CenterX() const
    {
        return static_cast<std::int32_t>((std::int64_t{nLeft} + nRight) / 2);
    }
    std::int32_t CenterY() const
    {
        return static_cast<std::int32_t>((std::int64_t{nTop} + nBottom) / 2);
    }

    bool operator==(const SRect&) const = default;
};

// Placement codes of a child box: AddRight takes 2, 3 and 7, AddBelow 4, 5 and 6.
enum EPlacement
{
    kPlaceTop = 2,     // AddRight: top edge on the parent's top
    kPlaceBottom = 3,  // AddRight: bottom edge on the parent's bottom
    kPlaceLeft = 4,    // AddBelow: left edge on the parent's left
    kPlaceRight = 5,   // AddBelow: right edge on the parent's right
    kPlaceCenterX = 6, // AddBelow: centred across
    kPlaceCenterY = 7  // AddRight: centred up and down
};

// Image alignment codes of a box.
enum EImageAlign
{
    kImageLeftMiddle = 4, // against the left edge, centred up and down
    kImageCentered = 5    // centred both ways
};

// The rectangle, in the parent's coordinates, of a new nWidth x nHeight child placed
// to the right of the existing children (x = their largest right edge, 0 when there
// are none). Centring uses the centre point of rParent as stored, which for a root box
// is in absolute coordinates. Empty when nCode is not one of AddRight's: the child is
// then not appended. Coordinates beyond the int32 range wrap.
std::optional<SRect> PlaceRight(const SRect& rParent, std::span<const SRect> children,
                                std::int32_t nWidth, std::int32_t nHeight, int nCode);

// The same below the existing children (y = their largest bottom edge, 0 when none),
// for AddBelow's codes.
std::optional<SRect> PlaceBelow(const SRect& rParent, std::span<const SRect> children,
                                std::int32_t nWidth, std::int32_t nHeight, int nCode);

// Where an nImageWidth x nImageHeight image is drawn in the box rBox (absolute
// coordinates): scaled to fit keeping its aspect, aligned by nAlign (EImageAlign; other
// values leave it at the top-left corner), then shrunk by 1 on every side. Empty, meaning
// nothing to draw, when the box or the image has no area, when the shrunk target has
// none, or when it does not fit the int32 range.
std::optional<SRect> FitImage(const SRect& rBox, std::int32_t nImageWidth,
                              std::int32_t nImageHeight, int nAlign);

// An estimate, from the widths alone, of how many leading characters of a text of
// nTextLength characters fit a box nBoxWidth wide when the whole text measures
// nExtentWidth: all of it when it is narrower than the box, else (box width x length)
// / extent - 1, never negative; a box without width keeps nothing. The report's boxes
// measure instead (CBox), since an average over a text's characters may still leave
// its last one half outside.
int KeptTextLength(std::int32_t nBoxWidth, int nTextLength, std::int32_t nExtentWidth);

// The row and column sizes of the report, from its page rectangle.
struct SReportMetrics
{
    std::int32_t nWidth = 0;       // W, the page rectangle's width
    std::int32_t nHeight = 0;      // H, its height
    std::int32_t nRow = 0;         // r = H / 45
    std::int32_t nColumn = 0;      // c = W / 3.5
    std::int32_t nGutter = 0;      // g = (W - 3c) / 2
    std::int32_t nGlossary = 0;    // q = W - (2c + g)
    std::int32_t nGlossaryKey = 0; // k = q / 4
};

// All quotients truncate toward zero. A page wider or higher than the int32 range wraps.
SReportMetrics ReportMetrics(const SRect& rPage);

// The page rectangle from the drawing rectangle (0, 0, device width, device height) and
// the height of the footer text in the printer's current font: the bottom first becomes
// bottom + 2 x footer height - 300, then the margins are 300 at the left, top and right
// and 600 at the bottom.
SRect ReportPageRect(const SRect& rDrawing, std::int32_t nFooterHeight);

// Whether a line, as it would be printed, fits its place.
using FLineFits = std::function<bool(const std::string& strLine)>;

// Takes the first line off a text: its blank-separated words, each followed by one
// blank, until the words are used up or the line has become longer than nLimit
// characters (the word that makes it longer stays, so a word longer than the limit is
// never split or lost). The remaining words, each followed by one blank, are left in
// rText. Words are kept verbatim: any run of characters other than codes 0-32;
// characters are UTF-8 characters. An exhausted text gives "".
// With fits, a word also ends the line before it when the line with it (and its
// blank) would not fit; a word that does not fit even alone is broken after its
// longest leading part that fits (one character at least), and the rest of it starts
// the remaining text.
std::string TakeLine(std::string& rText, int nLimit, const FLineFits& fits = {});
