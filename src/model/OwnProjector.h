// A projector of the user's own catalogue file, as the file states it, and the
// catalogue rows derived from it.
//
// An own projector gives its panel, light output and the throw ratios of one or more
// screen aspects; the rows hold all three aspects, the missing ratios derived from the
// panel's shape. Lens shift is given either as the maker states it (percent of the
// image) or as the lens table's own fields (image circle radius and offsets); the rows
// always hold lens fields, chosen so that the record's shift arithmetic gives the
// stated travel. With percentages the maker's outline of the combined shift may come
// too; the rows do not hold it (core/ShiftEnvelope.h uses it). Read and written by the projector
// catalogue file (core); the rows are held after the built-in tables.
#pragma once

#include "model/CatalogueTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Aspect codes index the throw pairs: 0 = 4:3, 1 = 16:9, 2 = 2.35:1.
inline constexpr int kOwnAspectCount = 3;

struct SThrowPair
{
    double dWide = 0.0; // distance / image width at the wide end
    double dTele = 0.0;
    bool operator==(const SThrowPair&) const = default;
};

// What the shift percentages are of: the whole image height or width, or half of it
// (100 percent of half the image is 50 percent of the image).
enum class EShiftOf
{
    Image,
    HalfImage
};

// How far the image centre moves at full shift, in percent (0 to 200) of the image
// height (up, down) or width (left, right). A direction whose two values are 0 has no
// shift data.
struct SShiftPercent
{
    double dUp = 0.0;
    double dDown = 0.0;
    double dLeft = 0.0;
    double dRight = 0.0;
    EShiftOf eOf = EShiftOf::Image;
    bool operator==(const SShiftPercent&) const = default;
};

// One point of the maker's combined-shift outline: horizontal shift in percent of the
// image width, vertical in percent of its height (never of half the image).
struct SShiftEnvelopePoint
{
    double dH = 0.0;
    double dV = 0.0;
    bool operator==(const SShiftEnvelopePoint&) const = default;
};

// Most points an outline may have.
inline constexpr std::size_t kShiftEnvelopePointsMax = 64;

// The lens table's own fields, in millimetres.
struct SLensFields
{
    double dRadius = 0.0;
    std::array<double, 2> hOffsets{};
    std::array<double, 2> vOffsets{};
    bool operator==(const SLensFields&) const = default;
};

// The lens's projection distance range, metres.
struct SDistanceRange
{
    double dMin = 0.0;
    double dMax = 0.0;
    bool operator==(const SDistanceRange&) const = default;
};

struct SOwnProjector
{
    std::string szName;  // UTF-8, 1 to 40 bytes
    std::string szClass; // UTF-8, at most 40 bytes; may be empty
    int nWidthPx = 0;
    int nHeightPx = 0;
    double dPitchUm = 0.0;
    double dLumens = 0.0;
    // The throw pairs the file gives, by aspect code; at least one.
    std::array<std::optional<SThrowPair>, kOwnAspectCount> throws;
    // At most one of shift and lens; neither means no shift data.
    std::optional<SShiftPercent> shift;
    // Only with shift: the outline of the right upper quadrant, from the vertical axis
    // (h 0, v the larger of up and down) to the horizontal axis (v 0, h the larger of
    // left and right), h never falling and v never rising; mirrored into the others.
    std::optional<std::vector<SShiftEnvelopePoint>> shiftEnvelope;
    std::optional<SLensFields> lens;
    std::optional<SDistanceRange> distance;
    std::string szPicture; // relative to the catalogue file; empty for none
    bool operator==(const SOwnProjector&) const = default;
};

// The three rows of each table for one own projector, aspect codes 0, 1, 2.
struct SOwnProjectorRows
{
    std::array<SCatalogueRow, kOwnAspectCount> main;
    std::array<SLensRow, kOwnAspectCount> lens;
};

// The picture id of own rows until a picture is assigned: none, as for a name that no
// built-in row holds.
inline constexpr std::int32_t kOwnPictureNone = -1;

// The throw pair of every aspect: the given ones as given, the others derived from the
// given aspect nearest the panel's own (see the .cpp). The projector must have at least
// one pair and a panel of at least one pixel each way.
std::array<SThrowPair, kOwnAspectCount> CompleteThrowPairs(const SOwnProjector& projector);

// The outline's points in panel millimetres (dH of the panel width, dV of its
// height), as the rows' lens fields take the percentages; empty without an outline.
std::vector<SShiftEnvelopePoint> ShiftEnvelopeMillimetres(const SOwnProjector& projector);

// The rows of a projector that has passed ValidateOwnProjector (core). The 16:9 row is
// the listed one; the picture id is kOwnPictureNone; without a distance range both
// distance limits are 0 (see HasLensRange).
SOwnProjectorRows DeriveProjectorRows(const SOwnProjector& projector);

// Whether a main row states a lens distance range to mark distances against. Built-in
// rows always do; own rows without "distance_m" hold 0 for both limits.
inline bool HasLensRange(const SCatalogueRow& row)
{
    return row.fMaxDistance > 0.0f;
}
