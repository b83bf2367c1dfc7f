// The model list and the two screen calculations of lenvara-calc.
#include "cli/CalcCommands.h"

#include "cli/CalcOutput.h"
#include "core/ModelName.h"
#include "core/TextFormat.h"

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
void WriteLuminances(CCalcOutput& output, float fLumWide, float fLumTele,
                     const std::string& szLumUnit)
{
    output.Member("luminance_wide", fLumWide);
    output.Member("luminance_tele", fLumTele);
    output.Member("luminance_unit", szLumUnit);
    output.Line("Luminance wide", FormatLuminance(fLumWide) + " " + szLumUnit);
    output.Line("Luminance tele", FormatLuminance(fLumTele) + " " + szLumUnit);
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

TarsioDisplayOptions MakeOptions(int nUnit, int nAspectCode)
{
    TarsioDisplayOptions options{};
    options.bMeters = nUnit == kUnitMeters;
    options.bInches = nUnit == kUnitInches;
    options.bFeet = nUnit == kUnitFeet;
    options.bAspect4x3 = nAspectCode == kAspectCode4x3;
    options.bAspect16x9 = nAspectCode == kAspectCode16x9;
    options.bAspect235 = nAspectCode == kAspectCode235;
    return options;
}

void CheckGain(const SCalcRequest& request)
{
    if (request.fGain < 0.0f)
        throw SCalcError{kCalcExitFailed, "the gain must not be negative"};
}

SDistanceResult CalculateDistance(CLenvaraEngine& engine, const SCalcRequest& request,
                                  const std::string& szModel)
{
    CheckGain(request);
    // The engine takes 0 for "not entered" and computes negative lengths as
    // they come; neither is a screen anyone can build.
    if (!(request.fSize > 0.0f))
        throw SCalcError{kCalcExitFailed,
                         "the " + request.szSizeOption + " must be greater than 0"};

    SDistanceResult r;
    r.fWidth = request.szSizeOption == "width" ? request.fSize : 0.0f;
    r.fHeight = request.szSizeOption == "height" ? request.fSize : 0.0f;
    r.fDiagonal = request.szSizeOption == "diagonal" ? request.fSize : 0.0f;
    if (!engine.CalcDistance(szModel.c_str(), request.nAspectCode,
                             MakeOptions(request.nUnit, request.nAspectCode), r.fWidth, r.fHeight,
                             r.fDiagonal, r.fDistWide, r.fDistTele, r.fLumWide, r.fLumTele,
                             request.fGain))
        throw SCalcError{kCalcExitFailed, "no finite result for these numbers"};
    return r;
}

SSizeResult CalculateSize(CLenvaraEngine& engine, const SCalcRequest& request,
                          const std::string& szModel)
{
    CheckGain(request);
    const float fDistance = *request.fDistance;
    if (!(fDistance > 0.0f))
        throw SCalcError{kCalcExitFailed, "the distance must be greater than 0"};

    SSizeResult r;
    if (!engine.CalcScreenSize(szModel.c_str(), request.nAspectCode,
                               MakeOptions(request.nUnit, request.nAspectCode), fDistance,
                               r.fWidthWide, r.fWidthTele, r.fHeightWide, r.fHeightTele,
                               r.fDiagWide, r.fDiagTele, r.fLumWide, r.fLumTele, request.fGain))
        throw SCalcError{kCalcExitFailed, "no finite result for these numbers"};
    return r;
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
    const SDistanceResult r = CalculateDistance(engine, request, szModel);
    const std::string szLumUnit = engine.m_model.GetLumUnit();

    CCalcOutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Member("width", r.fWidth);
    output.Member("height", r.fHeight);
    output.Member("diagonal", r.fDiagonal);
    output.Member("distance_wide", r.fDistWide);
    output.Member("distance_tele", r.fDistTele);
    output.Member("distance_in_range",
                  nlohmann::ordered_json::array(
                      {engine.IsInLensRange(r.fDistWide), engine.IsInLensRange(r.fDistTele)}));
    output.Line("Width", FormatLength(r.fWidth));
    output.Line("Height", FormatLength(r.fHeight));
    output.Line("Diagonal", FormatLength(r.fDiagonal));
    output.Line("Distance wide", FormatLength(r.fDistWide));
    output.Line("Distance tele", FormatLength(r.fDistTele));
    WriteLuminances(output, r.fLumWide, r.fLumTele, szLumUnit);
    return output.Finish();
}

std::string RunSize(const SCalcRequest& request, const std::string& szModel)
{
    CLenvaraEngine engine;
    const SSizeResult r = CalculateSize(engine, request, szModel);
    const std::string szLumUnit = engine.m_model.GetLumUnit();

    CCalcOutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Member("distance", *request.fDistance);
    output.Member("width_wide", r.fWidthWide);
    output.Member("width_tele", r.fWidthTele);
    output.Member("height_wide", r.fHeightWide);
    output.Member("height_tele", r.fHeightTele);
    output.Member("diagonal_wide", r.fDiagWide);
    output.Member("diagonal_tele", r.fDiagTele);
    output.Member("distance_in_range", engine.IsInLensRange(*request.fDistance));
    output.Line("Width wide", FormatLength(r.fWidthWide));
    output.Line("Width tele", FormatLength(r.fWidthTele));
    output.Line("Height wide", FormatLength(r.fHeightWide));
    output.Line("Height tele", FormatLength(r.fHeightTele));
    output.Line("Diagonal wide", FormatLength(r.fDiagWide));
    output.Line("Diagonal tele", FormatLength(r.fDiagTele));
    WriteLuminances(output, r.fLumWide, r.fLumTele, szLumUnit);
    return output.Finish();
}
