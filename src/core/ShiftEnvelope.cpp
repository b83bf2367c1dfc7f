// The combined lens-shift outline. See ShiftEnvelope.h.
#include "core/ShiftEnvelope.h"

#include "core/ModelName.h"
#include "core/OwnCatalogue.h"
#include "model/CatalogueRows.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace
{

// Rounding at an outline's end must not make its own end point unreachable.
constexpr double kReachSlack = 1e-9;

// How far the panel can move across (perpendicular to the side dAlong) while it sits
// dOther off centre along the other direction, by the image circle alone: the room
// between the panel's edge and the chord of the circle. Negative when it does not fit.
double GeometricRoom(const SPanelLens& lens, double dAcross, double dAlong, double dOther)
{
    const double dHalf = std::abs(dOther) + dAlong * 0.5;
    const double dSquare = lens.dRadius * lens.dRadius - dHalf * dHalf;
    if (dSquare < 0.0 || !std::isfinite(dSquare))
        return -1.0;
    return std::sqrt(dSquare) - dAcross * 0.5;
}

// The rooms of one direction as one axis of the envelope: minus and plus side, and
// for the other direction its minus and plus rooms.
struct SAxes
{
    double dMinus, dPlus;           // along the given shift
    double dOtherMinus, dOtherPlus; // what remains across
    double dSideAlong, dSideAcross; // panel sides: the one along the given shift, the other
    bool bHorizontal;               // the given shift is horizontal
};

// The share of the room across that remains at dShare of the room along (both 0 to
// 1), on the maker's outline: linear between its points. Where the outline runs
// straight across (several points at one share along) the widest of them counts.
double OutlineRemains(const std::vector<SShiftPoint>& quadrant, bool bAlongX, double dShare)
{
    const std::size_t n = quadrant.size();
    const double dXEnd = quadrant.back().dX, dYEnd = quadrant.front().dY;
    // Point k as (share along, share across), along never falling: the quadrant as it
    // runs for a horizontal shift, backwards for a vertical one.
    const auto at = [&](std::size_t k) -> std::pair<double, double>
    {
        if (bAlongX)
            return {quadrant[k].dX / dXEnd, quadrant[k].dY / dYEnd};
        const SShiftPoint& p = quadrant[n - 1 - k];
        return {p.dY / dYEnd, p.dX / dXEnd};
    };
    for (std::size_t k = 0; k + 1 < n; ++k)
    {
        const auto [dAlongA, dAcrossA] = at(k);
        const auto [dAlongB, dAcrossB] = at(k + 1);
        if (dShare > dAlongB)
            continue;
        if (!(dAlongB > dAlongA))
            return std::clamp(dAcrossA, 0.0, 1.0);
        const double t = std::clamp((dShare - dAlongA) / (dAlongB - dAlongA), 0.0, 1.0);
        return std::clamp(dAcrossA + (dAcrossB - dAcrossA) * t, 0.0, 1.0);
    }
    return 0.0;
}

// The range across at a shift d along: scaled from the geometric or the maker's
// outline, or the diamond's straight edges.
std::optional<SShiftRange> RangeAcross(const SShiftEnvelope& env, const SAxes& axes, double d)
{
    const double dRoom = d < 0.0 ? axes.dMinus : axes.dPlus;
    if (d != 0.0 && !(dRoom > 0.0))
        return std::nullopt;
    const double dShare = d == 0.0 ? 0.0 : std::abs(d) / dRoom; // 0 centre, 1 at the end
    if (!(dShare <= 1.0 + kReachSlack))
        return std::nullopt;
    double dLeft = 1.0 - std::min(dShare, 1.0); // share of the room across that remains
    if (!env.quadrant.empty())
        dLeft = OutlineRemains(env.quadrant, axes.bHorizontal, std::min(dShare, 1.0));
    else if (!env.bApproximate)
    {
        // Back to the geometric shift, where the circle decides what remains.
        const double dGeoAlong = GeometricRoom(env.lens, axes.dSideAlong, axes.dSideAcross, 0.0);
        const double dGeoAcross = GeometricRoom(env.lens, axes.dSideAcross, axes.dSideAlong, 0.0);
        if (!(dGeoAlong > 0.0) || !(dGeoAcross > 0.0))
            return SShiftRange{};
        const double dAtShift = GeometricRoom(env.lens, axes.dSideAcross, axes.dSideAlong,
                                              std::min(dShare, 1.0) * dGeoAlong);
        dLeft = std::clamp(dAtShift / dGeoAcross, 0.0, 1.0);
    }
    return SShiftRange{-axes.dOtherMinus * dLeft, axes.dOtherPlus * dLeft};
}

SAxes HorizontalAxes(const SShiftEnvelope& env)
{
    return {env.dLeft, env.dRight, env.dDown, env.dUp, env.lens.dPanelWidth, env.lens.dPanelHeight,
            true};
}

SAxes VerticalAxes(const SShiftEnvelope& env)
{
    return {env.dDown, env.dUp, env.dLeft, env.dRight, env.lens.dPanelHeight, env.lens.dPanelWidth,
            false};
}

// The maker's outline in all four quadrants, each scaled to its two rooms, from the
// left end of the horizontal axis down, right, up and back.
std::vector<SShiftPoint> QuadrantOutline(const SShiftEnvelope& env)
{
    const std::vector<SShiftPoint>& q = env.quadrant;
    const double dXEnd = q.back().dX, dYEnd = q.front().dY;
    std::vector<SShiftPoint> points;
    const auto add = [&](const SShiftPoint& p, double dSideX, double dSideY)
    {
        // + 0.0 makes the axis points 0, not -0.
        const SShiftPoint scaled{p.dX / dXEnd * dSideX + 0.0, p.dY / dYEnd * dSideY + 0.0};
        if (points.empty() || points.back().dX != scaled.dX || points.back().dY != scaled.dY)
            points.push_back(scaled);
    };
    for (auto it = q.rbegin(); it != q.rend(); ++it) // lower left, towards the bottom
        add(*it, -env.dLeft, -env.dDown);
    for (const SShiftPoint& p : q) // lower right
        add(p, env.dRight, -env.dDown);
    for (auto it = q.rbegin(); it != q.rend(); ++it) // upper right
        add(*it, env.dRight, env.dUp);
    for (const SShiftPoint& p : q) // upper left, back to the start
        add(p, -env.dLeft, env.dUp);
    if (points.back().dX != points.front().dX || points.back().dY != points.front().dY)
        points.push_back(points.front());
    return points;
}

double Room(double dRoom)
{
    return std::isfinite(dRoom) ? std::max(dRoom, 0.0) : 0.0;
}

} // namespace

SPanelLens PanelLensOf(const CTarsioModel& model)
{
    // The panel in millimetres exactly as the record's shift limits take it.
    const auto mm = [&](int nPixels)
    { return static_cast<double>(static_cast<float>(nPixels * model.GetPixelPitch() * 0.001)); };
    return {mm(model.GetNativeWidth()), mm(model.GetNativeHeight()), model.GetLensRadius(),
            model.GetHOffset1(),        model.GetHOffset2(),         model.GetVOffset1(),
            model.GetVOffset2()};
}

SShiftEnvelope CircleShiftEnvelope(const SPanelLens& lens)
{
    SShiftEnvelope env;
    env.lens = lens;
    const double dGeoH = GeometricRoom(lens, lens.dPanelWidth, lens.dPanelHeight, 0.0);
    const double dGeoV = GeometricRoom(lens, lens.dPanelHeight, lens.dPanelWidth, 0.0);
    if (!(dGeoH > 0.0) || !(dGeoV > 0.0))
        return env;
    env.dLeft = Room(dGeoH - lens.dHOffset1);
    env.dRight = Room(dGeoH - lens.dHOffset2);
    env.dDown = Room(dGeoV - lens.dVOffset2);
    env.dUp = Room(dGeoV - lens.dVOffset1);
    return env;
}

SShiftEnvelope DiamondShiftEnvelope(double dLeft, double dRight, double dDown, double dUp)
{
    SShiftEnvelope env;
    env.bApproximate = true;
    env.dLeft = Room(dLeft);
    env.dRight = Room(dRight);
    env.dDown = Room(dDown);
    env.dUp = Room(dUp);
    return env;
}

SShiftEnvelope OutlineShiftEnvelope(double dLeft, double dRight, double dDown, double dUp,
                                    std::vector<SShiftPoint> quadrant)
{
    SShiftEnvelope env = DiamondShiftEnvelope(dLeft, dRight, dDown, dUp);
    // An outline that does not reach out along both axes has nothing to scale: the
    // diamond stands in for it.
    if (quadrant.size() < 2 || !(quadrant.front().dY > 0.0) || !(quadrant.back().dX > 0.0) ||
        !std::isfinite(quadrant.front().dY) || !std::isfinite(quadrant.back().dX))
        return env;
    env.bApproximate = false;
    env.quadrant = std::move(quadrant);
    return env;
}

std::optional<SShiftEnvelope> ModelShiftEnvelope(const std::string& szName, int nAspectCode)
{
    CTarsioModel model;
    if (!model.LoadModel(szName.c_str(), nAspectCode))
        return std::nullopt;
    const SShiftEnvelope circle = CircleShiftEnvelope(PanelLensOf(model));
    // An own projector's row follows the built-in ones; its lens fields were made to
    // give the stated percentages on each axis, not a real image circle.
    const SCatalogueRow* pRow = FindCatalogueRow(szName, nAspectCode);
    const SCatalogueRows rows = GetCatalogueRows();
    const bool bOwn = pRow && pRow >= rows.main.data() + kCatalogueRows;
    if (bOwn)
        for (const SOwnProjector& own : InstalledOwnCatalogue().projectors)
            if (own.szName == szName && own.shift)
            {
                std::vector<SShiftPoint> quadrant;
                for (const SShiftEnvelopePoint& point : ShiftEnvelopeMillimetres(own))
                    quadrant.push_back({point.dH, point.dV});
                if (quadrant.empty())
                    return DiamondShiftEnvelope(circle.dLeft, circle.dRight, circle.dDown,
                                                circle.dUp);
                return OutlineShiftEnvelope(circle.dLeft, circle.dRight, circle.dDown, circle.dUp,
                                            std::move(quadrant));
            }
    return circle;
}

std::optional<SShiftRange> VerticalRangeAt(const SShiftEnvelope& envelope, double dX)
{
    return RangeAcross(envelope, HorizontalAxes(envelope), dX);
}

std::optional<SShiftRange> HorizontalRangeAt(const SShiftEnvelope& envelope, double dY)
{
    return RangeAcross(envelope, VerticalAxes(envelope), dY);
}

double VerticalShareAt(const SShiftEnvelope& envelope, double dShareX, bool bUp)
{
    if (!(std::abs(dShareX) <= 1.0))
        return 0.0;
    const double dX = dShareX * (dShareX < 0.0 ? envelope.dLeft : envelope.dRight);
    const std::optional<SShiftRange> range = VerticalRangeAt(envelope, dX);
    const double dRoom = bUp ? envelope.dUp : envelope.dDown;
    if (!range)
        return 0.0;
    // A side without room has nothing to lose: its share moves nothing.
    if (!(dRoom > 0.0))
        return 1.0;
    return std::clamp((bUp ? range->dMax : -range->dMin) / dRoom, 0.0, 1.0);
}

bool ReachesShares(const SShiftEnvelope& envelope, double dShareX, double dShareY)
{
    return std::abs(dShareY) <= VerticalShareAt(envelope, dShareX, dShareY >= 0.0) + kReachSlack;
}

std::vector<SShiftPoint> ShiftEnvelopeOutline(const SShiftEnvelope& envelope, int nSamples)
{
    if (!envelope.quadrant.empty())
        return QuadrantOutline(envelope);
    // An odd count puts a sample on the vertical axis, where the outline reaches the
    // rooms up and down.
    const int n = std::max(nSamples, 3) | 1;
    // Denser near the two ends, where the circle's outline bends most.
    std::vector<double> xs;
    for (int i = 0; i < n; ++i)
    {
        const double s = -std::cos(std::numbers::pi * i / (n - 1));
        xs.push_back(s < 0.0 ? s * envelope.dLeft : s * envelope.dRight);
    }
    std::vector<SShiftPoint> points;
    const auto add = [&](double dX, double dY)
    {
        if (points.empty() || points.back().dX != dX || points.back().dY != dY)
            points.push_back({dX, dY});
    };
    for (double dX : xs) // lower edge, left to right
        add(dX, VerticalRangeAt(envelope, dX).value_or(SShiftRange{}).dMin);
    for (auto it = xs.rbegin(); it != xs.rend(); ++it) // upper edge, back
        add(*it, VerticalRangeAt(envelope, *it).value_or(SShiftRange{}).dMax);
    points.push_back(points.front());
    return points;
}
