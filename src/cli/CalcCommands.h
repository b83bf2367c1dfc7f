// lenvara-calc's commands: the model list and the three calculations, each through
// the engine entry points the desktop pages call. A command returns its whole
// output (text lines or one JSON line) or throws SCalcError.
#pragma once

#include "cli/CalcRequest.h"
#include "core/LenvaraEngine.h"

#include <string>

// The listed models' names, one a line.
std::string ListModels();

// Screen size to projection distance, and projection distance to screen size. The
// model is a catalogue name (found for the request's aspect).
std::string RunDistance(const SCalcRequest& request, const std::string& szModel);
std::string RunSize(const SCalcRequest& request, const std::string& szModel);

// The shift angles of the model, or with a size or a distance the Shift
// Calculator's limits for that installation. nShiftCaps: bit 0 vertical, bit 1
// horizontal.
std::string RunShift(const SCalcRequest& request, const std::string& szModel, int nShiftCaps);

// --- shared by the commands

// "4:3", "16:9" or "2.35:1", as --aspect takes it.
const char* AspectOptionName(int nAspectCode);

TarsioDisplayOptions MakeOptions(int nUnit, int nAspectCode);

// Size to distance for the request's size option.
struct SDistanceResult
{
    float fWidth = 0, fHeight = 0, fDiagonal = 0, fDistWide = 0, fDistTele = 0;
    float fLumWide = 0, fLumTele = 0;
};
SDistanceResult CalculateDistance(CLenvaraEngine& engine, const SCalcRequest& request,
                                  const std::string& szModel);

// Distance to size for the request's distance.
struct SSizeResult
{
    float fWidthWide = 0, fWidthTele = 0, fHeightWide = 0, fHeightTele = 0;
    float fDiagWide = 0, fDiagTele = 0, fLumWide = 0, fLumTele = 0;
};
SSizeResult CalculateSize(CLenvaraEngine& engine, const SCalcRequest& request,
                          const std::string& szModel);

// A negative gain would print negative luminances.
void CheckGain(const SCalcRequest& request);
