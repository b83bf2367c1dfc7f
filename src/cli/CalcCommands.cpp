// The model list and the two screen calculations of lenvara-calc.
#include "cli/CalcCommands.h"

#include "cli/CalcOutput.h"
#include "core/ModelName.h"

namespace
{

const char* UnitOptionName(int nUnit)
{
    switch (nUnit)
    {
    case kUnitInches:
        return "inches";
    case kUnitFeet:
        return "feet";
    default:
        return "meters";
    }
}

// The user's choices that open every calculation's output.
void WriteChoices(CCalcOutput& output, const SCalcRequest& request, const std::string& szModel)
{
    output.Member("model", szModel);
    output.Member("aspect", AspectOptionName(request.nAspectCode));
    output.Member("unit", UnitOptionName(request.nUnit));
    output.Member("gain", request.fGain);
}

// The two luminances with their unit, which close every size or distance output.
void WriteLuminances(CCalcOutput& output, const SCalculation& result)
{
    output.Member("luminance_wide", result.fLumWide);
    output.Member("luminance_tele", result.fLumTele);
    output.Member("luminance_unit", result.strLumUnit);
}

// The text lines: the same labelled rows as the report and the saved page are made of.
void WriteRows(CCalcOutput& output, const SCalculation& result)
{
    for (const SResultRow& row : ResultRows(result, kRowsCommandLine))
        output.Line(row.strLabel, row.strValue);
}

} // namespace

const char* AspectOptionName(int nAspectCode)
{
    switch (nAspectCode)
    {
    case kAspectCode4x3:
        return "4:3";
    case kAspectCode235:
        return "2.35:1";
    default:
        return "16:9";
    }
}

void CheckGain(const SCalcRequest& request)
{
    if (request.fGain < 0.0f)
        throw SCalcError{kCalcExitFailed, "the gain must not be negative"};
}

SCalculation CalculateScreen(CLenvaraEngine& engine, const SCalcRequest& request,
                             const std::string& szModel)
{
    CheckGain(request);
    SCalculationRequest calc;
    calc.strName = szModel;
    calc.nAspectCode = request.nAspectCode;
    calc.options = MakeDisplayOptions(request.nUnit, request.nAspectCode);
    calc.fGain = request.fGain;
    if (request.fDistance.has_value())
    {
        calc.nMode = kModeDistanceToSize;
        calc.fDistance = *request.fDistance;
        if (!(calc.fDistance > 0.0f))
            throw SCalcError{kCalcExitFailed, "the distance must be greater than 0"};
    }
    else
    {
        // The engine takes 0 for "not entered" and computes negative lengths as they
        // come; neither is a screen anyone can build.
        if (!(request.fSize > 0.0f))
            throw SCalcError{kCalcExitFailed,
                             "the " + request.szSizeOption + " must be greater than 0"};
        float& fSize = request.szSizeOption == "width"    ? calc.fWidth
                       : request.szSizeOption == "height" ? calc.fHeight
                                                          : calc.fDiagonal;
        fSize = request.fSize;
    }
    SCalculation result = engine.Calculate(calc);
    if (!result.Succeeded())
        throw SCalcError{kCalcExitFailed, "no finite result for these numbers"};
    return result;
}

std::string ListModels()
{
    std::string szOut;
    for (const std::string& szName : ListedModelNames())
        szOut += szName + '\n';
    return szOut;
}

std::string RunDistance(const SCalcRequest& request, const std::string& szModel)
{
    CLenvaraEngine engine;
    const SCalculation r = CalculateScreen(engine, request, szModel);
    CCalcOutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Member("width", r.fWidth);
    output.Member("height", r.fHeight);
    output.Member("diagonal", r.fDiagonal);
    output.Member("distance_wide", r.fDistWide);
    output.Member("distance_tele", r.fDistTele);
    output.Member("distance_in_range",
                  nlohmann::ordered_json::array({r.bDistWideInRange, r.bDistTeleInRange}));
    WriteLuminances(output, r);
    WriteRows(output, r);
    return output.Finish();
}

std::string RunSize(const SCalcRequest& request, const std::string& szModel)
{
    CLenvaraEngine engine;
    const SCalculation r = CalculateScreen(engine, request, szModel);
    CCalcOutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Member("distance", r.fDistance);
    output.Member("width_wide", r.fWidthWide);
    output.Member("width_tele", r.fWidthTele);
    output.Member("height_wide", r.fHeightWide);
    output.Member("height_tele", r.fHeightTele);
    output.Member("diagonal_wide", r.fDiagWide);
    output.Member("diagonal_tele", r.fDiagTele);
    output.Member("distance_in_range", r.bDistanceInRange);
    WriteLuminances(output, r);
    WriteRows(output, r);
    return output.Finish();
}
