// What one lenvara-calc command line asks for, and the error that ends a command:
// shared by the option parser, the commands and RunCalc.
#pragma once

#include "core/LenvaraEngine.h"

#include <optional>
#include <string>

// Exit codes of RunCalc.
inline constexpr int kCalcExitOk = 0;
inline constexpr int kCalcExitWriteError = 1; // set by main when stdout fails
inline constexpr int kCalcExitUsage = 2;
inline constexpr int kCalcExitFailed = 3;

enum ECommand
{
    kCommandDistance,
    kCommandSize,
    kCommandShift,
    kCommandCheck
};

struct SCalcRequest
{
    ECommand nCommand = kCommandDistance;
    std::optional<std::string> szModel;
    int nAspectCode = kAspectCode16x9;
    int nUnit = kUnitMeters;
    float fGain = 1.0f;
    bool bGainGiven = false;
    bool bAspectGiven = false;
    bool bUnitGiven = false;
    // Size option of the distance, shift and check commands: "width", "height" or "diagonal".
    std::string szSizeOption;
    float fSize = 0.0f;
    std::optional<float> fDistance;
    bool bJson = false;
    // The check command's room: light on the screen (lux), the nearest and farthest
    // seat (the unit's lengths), the throw tolerance in percent.
    std::optional<float> fAmbientLux;
    std::optional<float> fNearest;
    std::optional<float> fFarthest;
    std::optional<float> fTolerance;
    // shift --envelope: the combined shift outline.
    bool bEnvelope = false;
};

// Thrown by the parser and the commands; RunCalc turns it into one line on stderr and
// the exit code.
struct SCalcError
{
    int nExit;
    std::string szMessage;
};

inline SCalcError UsageError(std::string szMessage)
{
    return SCalcError{kCalcExitUsage, std::move(szMessage)};
}
