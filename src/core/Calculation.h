// core/: the calculation as a value and its engine, numbers as text, the tokenizer, model
// names, the own catalogue file, the dealer file and bitmap files. No Qt; over model/.
//
// One calculation as a value: the request (model, aspect, the six unit and aspect
// flags, gain, and the entered size or distance) that CLenvaraEngine::Calculate
// takes, the result it returns (sizes, distances, luminances, mode, the installation
// in the two orders the preview and the Shift Calculator take), and the one
// function that turns a result into the labelled rows the printed report, the saved
// page and lenvara-calc print.
//
// Lengths are in the unit the flags select (meters, inches, feet), luminances in
// "Nits" or "FtL". Used by the main dialog, its pages and commands, the report and
// the command-line calculator.
#pragma once

#include "core/LenvaraEngine.h"

#include <string>
#include <vector>

// Which calculation: the "Projection Distance" page's or the "Screen Dimensions" page's.
enum ECalcMode
{
    kModeSizeToDistance = 0,
    kModeDistanceToSize = 1
};

// Why a calculation gave no result, in the order the engine tests.
enum ECalcFailure
{
    kCalcOk = 0,
    kCalcGainRefused,    // the gain is no finite number
    kCalcUnknownModel,   // no catalogue row of that name and aspect
    kCalcNothingEntered, // the size or distance is 0
    kCalcNoResult        // the input or a result is no finite number
};

// Which size the user entered, size to distance.
enum ECalcInput
{
    kInputWidth = 0,
    kInputHeight = 1,
    kInputDiagonal = 2
};

struct SCalculationRequest
{
    std::string strName; // compared byte for byte
    int nAspectCode = kAspectCode16x9;
    TarsioDisplayOptions options{};
    float fGain = 1.0f;
    int nMode = kModeSizeToDistance;
    // Size to distance: the first nonzero of width, height, diagonal is the input.
    float fWidth = 0.0f;
    float fHeight = 0.0f;
    float fDiagonal = 0.0f;
    // Distance to size.
    float fDistance = 0.0f;
};

// A screen of width x height at a distance from the lens.
struct SViewTriple
{
    float fWidth = 0.0f;
    float fHeight = 0.0f;
    float fDistance = 0.0f;
};

// The installation: the mode and two screens.
struct SInstallation
{
    int nMode = kModeSizeToDistance;
    SViewTriple first;
    SViewTriple second;
};

struct SCalculation
{
    ECalcFailure eFailure = kCalcNoResult;
    bool Succeeded() const { return eFailure == kCalcOk; }

    int nMode = kModeSizeToDistance;
    // The choices as the record took them.
    std::string strName;
    int nUnit = kUnitMeters;
    float fAspect = 0.0f;
    float fGain = 0.0f;
    std::string strLumUnit; // "Nits" or "FtL"
    int nInput = kInputWidth;

    // Size to distance.
    float fWidth = 0.0f, fHeight = 0.0f, fDiagonal = 0.0f;
    float fDistWide = 0.0f, fDistTele = 0.0f;
    // Distance to size.
    float fDistance = 0.0f;
    float fWidthWide = 0.0f, fWidthTele = 0.0f;
    float fHeightWide = 0.0f, fHeightTele = 0.0f;
    float fDiagWide = 0.0f, fDiagTele = 0.0f;
    // Both modes.
    float fLumWide = 0.0f, fLumTele = 0.0f;

    // Whether each distance lies within the lens range, and that range as text
    // ("2.00–8.00 m").
    bool bDistWideInRange = false, bDistTeleInRange = false, bDistanceInRange = false;
    std::string strLensRange;

    // The installation for the preview (after distance to size the tele screen
    // first) and for the Shift Calculator (always the wide-angle end first).
    SInstallation preview;
    SInstallation shift;
};

// The six flags for one unit and one aspect code.
TarsioDisplayOptions MakeDisplayOptions(int nUnit, int nAspectCode);

// Whose labels and which rows.
enum ERowStyle
{
    kRowsReport,     // the report's four result rows; ranges "from W (WA) to T (TP)"
    kRowsSavedPage,  // the saved page: the input, every value, the two luminances
    kRowsCommandLine // lenvara-calc's text: every value but the given distance, luminances
};

struct SResultRow
{
    std::string strLabel;
    std::string strValue; // lengths "%2.2f", luminances "%3.2f" with their unit
};

// The labelled rows of a successful calculation, in the order of that style.
std::vector<SResultRow> ResultRows(const SCalculation& result, ERowStyle eStyle);
