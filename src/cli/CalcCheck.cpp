// lenvara-calc check: the room check of a size or distance calculation.
#include "cli/CalcCommands.h"

#include "cli/CalcOutput.h"
#include "core/RoomCheck.h"
#include "core/TextFormat.h"

namespace
{

using Json = nlohmann::ordered_json;

// The room as the options give it; a wrong number ends the command.
SRoomInputs RoomInputs(const SCalcRequest& request)
{
    SRoomInputs room;
    room.dAmbientLux = request.fAmbientLux.value_or(0.0f);
    if (!(room.dAmbientLux >= 0.0))
        throw SCalcError{kCalcExitFailed, "the ambient light must not be negative"};
    if (request.fNearest)
        room.dNearest = *request.fNearest;
    if (request.fFarthest)
        room.dFarthest = *request.fFarthest;
    if ((room.dNearest && !(*room.dNearest > 0.0)) || (room.dFarthest && !(*room.dFarthest > 0.0)))
        throw SCalcError{kCalcExitFailed, "a seat distance must be greater than 0"};
    if (room.dNearest && room.dFarthest && *room.dNearest > *room.dFarthest)
        throw SCalcError{kCalcExitFailed, "the nearest seat must not be farther than the farthest"};
    room.dTolerancePercent = request.fTolerance.value_or(5.0f);
    if (!(room.dTolerancePercent >= 0.0 && room.dTolerancePercent < 100.0))
        throw SCalcError{kCalcExitFailed, "the tolerance must be from 0 to below 100 percent"};
    return room;
}

const char* Met(bool bMet)
{
    return bMet ? "met" : "not met";
}

Json ContrastJson(const SContrastCheck& c)
{
    Json json = Json::object();
    json["dark_room"] = c.bDarkRoom;
    json["image_luminance"] = c.dImage;
    json["ambient_luminance"] = c.dAmbient;
    json["contrast"] = c.bDarkRoom ? Json(nullptr) : Json(c.dContrast);
    Json targets = Json::array();
    for (const SRoomTarget& t : c.targets)
    {
        Json target = {{"name", t.pszName}};
        target[c.bDarkRoom ? "luminance" : "ratio"] = t.dLevel;
        target["met"] = t.bMet;
        if (!c.bDarkRoom)
            target["lumens_needed"] = t.dLumensNeeded;
        targets.push_back(std::move(target));
    }
    json["targets"] = std::move(targets);
    return json;
}

void ContrastLines(CCalcOutput& out, const std::string& szEnd, const SContrastCheck& c)
{
    out.Line(szEnd + "Image luminance", FormatLuminance(c.dImage) + " cd/m²");
    if (c.bDarkRoom)
    {
        for (const SRoomTarget& t : c.targets)
            out.Line(szEnd + "Dark room, " + t.pszName + " (" + FormatFixed(t.dLevel, 1, 0) +
                         " cd/m²)",
                     Met(t.bMet));
        return;
    }
    out.Line(szEnd + "Room light on the screen", FormatLuminance(c.dAmbient) + " cd/m²");
    out.Line(szEnd + "System contrast", FormatLength(c.dContrast) + ":1");
    for (const SRoomTarget& t : c.targets)
        out.Line(szEnd + "Contrast for " + t.pszName + " (" + FormatFixed(t.dLevel, 1, 0) + ":1)",
                 std::string(Met(t.bMet)) + ", needs " + FormatFixed(t.dLumensNeeded, 1, 0) +
                     " lm");
}

Json SeatJson(const std::optional<SSeat>& seat)
{
    if (!seat)
        return nullptr;
    return {{"distance", seat->dDistance}, {"angle", seat->dAngle}, {"meets_30", seat->bMeets30}};
}

Json SeatingJson(const SSeatingCheck& s)
{
    Json json = {{"nearest", SeatJson(s.nearest)}, {"farthest", SeatJson(s.farthest)}};
    if (s.farthest)
    {
        json["farthest"]["meets_36"] = s.bFarthestMeets36;
        json["farthest"]["image_heights"] = s.dFarthestHeights;
        json["farthest"]["basic_decision_making"] = s.bBasic;
        json["farthest"]["analytical_decision_making"] = s.bAnalytical;
        json["farthest"]["inspection"] = s.bInspection;
    }
    return json;
}

void SeatingLines(CCalcOutput& out, const std::string& szEnd, const SSeatingCheck& s)
{
    const auto seat = [&](const char* pszSeat, const SSeat& one)
    {
        out.Line(szEnd + pszSeat + " seat viewing angle",
                 FormatLength(one.dAngle) + " deg, 30 deg minimum " + Met(one.bMeets30));
    };
    if (s.nearest)
        seat("Nearest", *s.nearest);
    if (!s.farthest)
        return;
    seat("Farthest", *s.farthest);
    out.Line(szEnd + "Farthest seat, cinema's 36 deg", Met(s.bFarthestMeets36));
    out.Line(szEnd + "Farthest seat in image heights",
             FormatLength(s.dFarthestHeights) + " (rule of thumb: basic decision making 8 " +
                 Met(s.bBasic) + ", analytical 6 " + Met(s.bAnalytical) + ", inspection 4 " +
                 Met(s.bInspection) + ")");
}

Json EndJson(const char* pszEnd, const SEndCheck& end)
{
    Json json = {{"end", pszEnd},
                 {"width", end.screen.dWidth},
                 {"height", end.screen.dHeight},
                 {"contrast", ContrastJson(end.contrast)},
                 {"seating", SeatingJson(end.seating)},
                 {"pixel_size", end.pixels.dPixelSize},
                 {"pixels_unresolved_beyond", end.pixels.dResolveDistance}};
    json["nearest_beyond_pixels"] =
        end.pixels.bNearestBeyond ? Json(*end.pixels.bNearestBeyond) : Json(nullptr);
    return json;
}

void EndLines(CCalcOutput& out, const std::string& szEnd, const SEndCheck& end, double dMm)
{
    ContrastLines(out, szEnd, end.contrast);
    SeatingLines(out, szEnd, end.seating);
    out.Line(szEnd + "Pixel size", FormatLength(end.pixels.dPixelSize * dMm) + " mm");
    out.Line(szEnd + "Pixels not resolved beyond", FormatLength(end.pixels.dResolveDistance));
    if (end.pixels.bNearestBeyond)
        out.Line(szEnd + "Nearest seat beyond it", *end.pixels.bNearestBeyond ? "yes" : "no");
}

void ToleranceOutput(CCalcOutput& out, const SToleranceCheck& t)
{
    out.Member("tolerance", {{"percent", t.dTolerancePercent},
                             {"of", t.bDistances ? "distance" : "width"},
                             {"from", t.dFrom},
                             {"to", t.dTo},
                             {"empty", t.bEmpty}});
    const std::string szLabel = std::string(t.bDistances ? "Distance" : "Screen width") +
                                " safe within ±" + FormatLength(t.dTolerancePercent) + " %";
    out.Line(szLabel, t.bEmpty ? "none (only the exact unit in hand reaches this screen)"
                               : FormatLength(t.dFrom) + " to " + FormatLength(t.dTo));
}

} // namespace

std::string RunCheck(const SCalcRequest& request, const std::string& szModel)
{
    const SRoomInputs room = RoomInputs(request);
    CLenvaraEngine engine;
    const SCalculation calc = CalculateScreen(engine, request, szModel);
    const SRoomCheck check = CheckRoom(calc, ProjectorFactsOf(engine.m_model), room);

    CCalcOutput out(request.bJson);
    out.Member("model", szModel);
    out.Member("aspect", AspectOptionName(request.nAspectCode));
    out.Member("unit", request.nUnit == kUnitInches ? "inches"
                       : request.nUnit == kUnitFeet ? "feet"
                                                    : "meters");
    out.Member("gain", calc.fGain);
    out.Member("mode", calc.nMode);
    out.Member("ambient_lux", room.dAmbientLux);
    out.Member("ends",
               Json::array({EndJson("wide", check.ends[0]), EndJson("tele", check.ends[1])}));
    // After size to distance both ends show the one screen.
    const double dMm = UnitMillimetres(calc.nUnit);
    if (calc.nMode == kModeSizeToDistance)
        EndLines(out, "", check.ends[0], dMm);
    else
    {
        EndLines(out, "WA ", check.ends[0], dMm);
        EndLines(out, "TP ", check.ends[1], dMm);
    }
    ToleranceOutput(out, check.tolerance);
    return out.Finish();
}
