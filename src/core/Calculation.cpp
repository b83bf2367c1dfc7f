// The labelled rows of a calculation for the report, the saved page and the
// command line, from tables of labels; and the flags of a unit and an aspect.
#include "core/Calculation.h"

#include "core/TextFormat.h"

#include <span>

namespace
{
enum EResultValue
{
    kValNone,
    kValInput,
    kValWidth,
    kValHeight,
    kValDiagonal,
    kValDistWide,
    kValDistTele,
    kValDistance,
    kValWidthWide,
    kValWidthTele,
    kValHeightWide,
    kValHeightTele,
    kValDiagWide,
    kValDiagTele,
    kValLumWide,
    kValLumTele
};

// A row: its label and its value, or a range from eValue (WA) to eTele (TP).
struct SRowLayout
{
    const char* pszLabel;
    EResultValue eValue;
    EResultValue eTele = kValNone;
};

// Tables of labels: [style][mode].
constexpr SRowLayout kReportSize[] = {
    {"- Screen Width: ", kValWidth},
    {"- Screen Height: ", kValHeight},
    {"- Screen Diagonal: ", kValDiagonal},
    {"- PROJECTION DISTANCE: ", kValDistWide, kValDistTele},
};
constexpr SRowLayout kReportDistance[] = {
    {"- Projection Distance: ", kValDistance},
    {"- SCREEN WIDTH: ", kValWidthWide, kValWidthTele},
    {"- SCREEN HEIGHT: ", kValHeightWide, kValHeightTele},
    {"- SCREEN DIAGONAL: ", kValDiagWide, kValDiagTele},
};
// The saved page reads as the page does: the Screen Dimensions page shows its tele
// column first.
constexpr SRowLayout kSavedSize[] = {
    {"Input", kValInput},
    {"Width", kValWidth},
    {"Height", kValHeight},
    {"Diagonal", kValDiagonal},
    {"Projection Distance (Wide)", kValDistWide},
    {"Projection Distance (Tele)", kValDistTele},
    {"Expected Screen Luminance (Wide)", kValLumWide},
    {"Expected Screen Luminance (Tele)", kValLumTele},
};
constexpr SRowLayout kSavedDistance[] = {
    {"Projection Distance", kValDistance},
    {"Width (Tele)", kValWidthTele},
    {"Width (Wide)", kValWidthWide},
    {"Height (Tele)", kValHeightTele},
    {"Height (Wide)", kValHeightWide},
    {"Diagonal (Tele)", kValDiagTele},
    {"Diagonal (Wide)", kValDiagWide},
    {"Expected Screen Luminance (Wide)", kValLumWide},
    {"Expected Screen Luminance (Tele)", kValLumTele},
};
constexpr SRowLayout kCommandSize[] = {
    {"Width", kValWidth},
    {"Height", kValHeight},
    {"Diagonal", kValDiagonal},
    {"Distance wide", kValDistWide},
    {"Distance tele", kValDistTele},
    {"Luminance wide", kValLumWide},
    {"Luminance tele", kValLumTele},
};
constexpr SRowLayout kCommandDistance[] = {
    {"Width wide", kValWidthWide},   {"Width tele", kValWidthTele},
    {"Height wide", kValHeightWide}, {"Height tele", kValHeightTele},
    {"Diagonal wide", kValDiagWide}, {"Diagonal tele", kValDiagTele},
    {"Luminance wide", kValLumWide}, {"Luminance tele", kValLumTele},
};

std::span<const SRowLayout> RowLayouts(ERowStyle eStyle, int nMode)
{
    const bool bSize = nMode != kModeDistanceToSize;
    switch (eStyle)
    {
    case kRowsReport:
        return bSize ? std::span<const SRowLayout>(kReportSize) : kReportDistance;
    case kRowsSavedPage:
        return bSize ? std::span<const SRowLayout>(kSavedSize) : kSavedDistance;
    case kRowsCommandLine:
        return bSize ? std::span<const SRowLayout>(kCommandSize) : kCommandDistance;
    }
    return {};
}

float LengthValue(const SCalculation& r, EResultValue eValue)
{
    switch (eValue)
    {
    case kValWidth:
        return r.fWidth;
    case kValHeight:
        return r.fHeight;
    case kValDiagonal:
        return r.fDiagonal;
    case kValDistWide:
        return r.fDistWide;
    case kValDistTele:
        return r.fDistTele;
    case kValDistance:
        return r.fDistance;
    case kValWidthWide:
        return r.fWidthWide;
    case kValWidthTele:
        return r.fWidthTele;
    case kValHeightWide:
        return r.fHeightWide;
    case kValHeightTele:
        return r.fHeightTele;
    case kValDiagWide:
        return r.fDiagWide;
    case kValDiagTele:
        return r.fDiagTele;
    default:
        return 0.0f;
    }
}

std::string ValueText(const SCalculation& r, EResultValue eValue)
{
    switch (eValue)
    {
    case kValInput:
        return r.nInput == kInputHeight     ? "Height"
               : r.nInput == kInputDiagonal ? "Diagonal"
                                            : "Width";
    case kValLumWide:
        return FormatLuminance(r.fLumWide) + " " + r.strLumUnit;
    case kValLumTele:
        return FormatLuminance(r.fLumTele) + " " + r.strLumUnit;
    default:
        return FormatLength(LengthValue(r, eValue));
    }
}
} // namespace

TarsioDisplayOptions MakeDisplayOptions(int nUnit, int nAspectCode)
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

std::vector<SResultRow> ResultRows(const SCalculation& result, ERowStyle eStyle)
{
    std::vector<SResultRow> rows;
    for (const SRowLayout& layout : RowLayouts(eStyle, result.nMode))
    {
        std::string strValue = ValueText(result, layout.eValue);
        if (layout.eTele != kValNone)
            strValue = "from " + strValue + " (WA) to " + ValueText(result, layout.eTele) + " (TP)";
        rows.push_back({layout.pszLabel, std::move(strValue)});
    }
    return rows;
}
