// lenvara-calc shift: the model's shift angles, or the Shift Calculator's limits for
// an installation.
#include "cli/CalcCommands.h"

#include "cli/CalcOutput.h"
#include "core/ShiftEnvelope.h"
#include "core/ShiftLimits.h"
#include "core/TextFormat.h"

#include <cmath>

namespace
{

// The four angles of one direction in the record's order (WA minus side, WA plus
// side, TP minus side, TP plus side), when the model shifts that way.
struct SDirectionAngles
{
    bool bPresent = false;
    float afAngles[4] = {};
};

void CalculateAngles(CLenvaraEngine& engine, const SCalcRequest& request,
                     const std::string& szModel, int nShiftCaps, SDirectionAngles& horizontal,
                     SDirectionAngles& vertical)
{
    const TarsioDisplayOptions options = MakeDisplayOptions(request.nUnit, request.nAspectCode);
    horizontal.bPresent = (nShiftCaps & 2) != 0;
    vertical.bPresent = (nShiftCaps & 1) != 0;
    float* h = horizontal.afAngles;
    float* v = vertical.afAngles;
    if (horizontal.bPresent && !engine.CalcHorizontalShift(szModel.c_str(), request.nAspectCode,
                                                           options, h[0], h[1], h[2], h[3]))
        throw SCalcError{kCalcExitFailed, "no finite horizontal shift limits for this projector"};
    if (vertical.bPresent && !engine.CalcVerticalShift(szModel.c_str(), request.nAspectCode,
                                                       options, v[0], v[1], v[2], v[3]))
        throw SCalcError{kCalcExitFailed, "no finite vertical shift limits for this projector"};
}

// One direction's angles: a JSON array (null without data), and with bLines a text
// line per angle ("Horizontal: not available" without data).
void WriteAngles(CCalcOutput& output, const char* pszKey, const char* pszLabel,
                 const SDirectionAngles& direction, bool bLines)
{
    static const char* const kSides[4] = {"WA minus side", "WA plus side", "TP minus side",
                                          "TP plus side"};
    if (!direction.bPresent)
    {
        output.Member(pszKey, nullptr);
        if (bLines)
            output.Line(pszLabel, "not available");
        return;
    }
    nlohmann::ordered_json angles = nlohmann::ordered_json::array();
    for (int i = 0; i < 4; ++i)
    {
        angles.push_back(direction.afAngles[i]);
        if (bLines)
            output.Line(std::string(pszLabel) + " " + kSides[i],
                        FormatLength(direction.afAngles[i]) + " deg");
    }
    output.Member(pszKey, std::move(angles));
}

// One direction's values as the Shift Calculator shows them with its sliders at the
// centre: a line per shown row with the dialog's label (the WA rows alone after size
// to distance), and the four limits as a JSON object (null without data).
nlohmann::ordered_json WriteLimits(CCalcOutput& output, bool bHorizontal,
                                   const SDirectionAngles& direction, const SInstallation& inst)
{
    if (!direction.bPresent)
        return nullptr;
    const float* a = direction.afAngles;
    const SShiftLimits limits =
        bHorizontal
            ? ComputeShiftLimits(ShiftAnglesFromLimits(a[0], a[1], a[2], a[3]), inst.first.fWidth,
                                 inst.first.fDistance, inst.second.fWidth, inst.second.fDistance)
            : ComputeShiftLimits(ShiftAnglesFromLimits(a[0], a[1], a[2], a[3]), inst.first.fHeight,
                                 inst.first.fDistance, inst.second.fHeight, inst.second.fDistance);
    const struct
    {
        EShiftRow eRow;
        const char* pszKey;
        float fValue;
    } rows[] = {{kShiftRowWideMax, "wa_max", limits.fWideMax},
                {kShiftRowWideMin, "wa_min", limits.fWideMin},
                {kShiftRowTeleMax, "tp_max", limits.fTeleMax},
                {kShiftRowTeleMin, "tp_min", limits.fTeleMin},
                {kShiftRowWideCenter, nullptr, 0.0f},
                {kShiftRowTeleCenter, nullptr, 0.0f}};
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const auto& row : rows)
    {
        if (row.pszKey)
            json[row.pszKey] = row.fValue;
        const bool bTele = row.eRow == kShiftRowTeleMax || row.eRow == kShiftRowTeleMin ||
                           row.eRow == kShiftRowTeleCenter;
        if (inst.nMode == 0 && bTele)
            continue;
        output.Line(ShiftRowLabel(bHorizontal, inst.nMode, row.eRow), FormatLength(row.fValue));
    }
    return json;
}

// "%.3f", without the minus sign of a value that shows as 0.
std::string Millimetres(double dValue)
{
    return FormatFixed(std::abs(dValue) < 0.0005 ? 0.0 : dValue, 1, 3);
}

} // namespace

std::string RunShift(const SCalcRequest& request, const std::string& szModel, int nShiftCaps)
{
    if (nShiftCaps == 0)
        throw SCalcError{kCalcExitFailed, "Shift Data are not available for this projector"};
    CheckGain(request);

    CLenvaraEngine engine;
    const bool bLimits = request.fDistance.has_value() || !request.szSizeOption.empty();
    // The installation as the Shift Calculator receives it from the page that
    // calculates the same: the WA screen first.
    SInstallation inst;
    if (bLimits)
        inst = CalculateScreen(engine, request, szModel).shift;
    SDirectionAngles horizontal, vertical;
    CalculateAngles(engine, request, szModel, nShiftCaps, horizontal, vertical);

    CCalcOutput output(request.bJson);
    output.Member("model", szModel);
    output.Member("aspect", AspectOptionName(request.nAspectCode));
    output.Member("shift_caps", nShiftCaps);
    WriteAngles(output, "horizontal", "Horizontal", horizontal, !bLimits);
    WriteAngles(output, "vertical", "Vertical", vertical, !bLimits);
    if (bLimits)
    {
        // What the Shift Calculator's edits show for this installation: widths for the
        // horizontal direction, heights for the vertical one.
        output.Member("mode", inst.nMode);
        nlohmann::ordered_json limits = nlohmann::ordered_json::object();
        limits["horizontal"] = WriteLimits(output, true, horizontal, inst);
        limits["vertical"] = WriteLimits(output, false, vertical, inst);
        output.Member("limits", std::move(limits));
    }
    return output.Finish();
}

std::string RunShiftEnvelope(const SCalcRequest& request, const std::string& szModel,
                             int nShiftCaps)
{
    if (nShiftCaps != 3)
        throw SCalcError{kCalcExitFailed,
                         "the combined shift needs horizontal and vertical Shift Data"};
    const std::optional<SShiftEnvelope> envelope = ModelShiftEnvelope(szModel, request.nAspectCode);
    if (!envelope)
        throw SCalcError{kCalcExitFailed, "Shift Data are not available for this projector"};
    const std::vector<SShiftPoint> outline = ShiftEnvelopeOutline(*envelope);
    if (request.bJson)
    {
        nlohmann::ordered_json points = nlohmann::ordered_json::array();
        for (const SShiftPoint& point : outline)
            points.push_back(nlohmann::ordered_json::array({point.dX, point.dY}));
        CCalcOutput output(true);
        output.Member("model", szModel);
        output.Member("aspect", AspectOptionName(request.nAspectCode));
        output.Member("approximate", envelope->bApproximate);
        output.Member("envelope", std::move(points));
        return output.Finish();
    }
    std::string szOut;
    if (envelope->bApproximate)
        szOut += "# approximate: from the shift percentages, no image circle\n";
    for (const SShiftPoint& point : outline)
        szOut += Millimetres(point.dX) + " " + Millimetres(point.dY) + "\n";
    return szOut;
}
