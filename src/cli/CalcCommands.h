// lenvara-calc's commands: the model list and the three calculations, each through
// the engine entry points the desktop pages call. A command returns its whole
// output (text lines or one JSON line) or throws SCalcError.
#pragma once

#include "cli/CalcRequest.h"
#include "core/Calculation.h"
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
// The combined shift outline of a model with both shift directions: "dx dy" lines in
// panel millimetres, or a JSON array of [dx, dy].
std::string RunShiftEnvelope(const SCalcRequest& request, const std::string& szModel,
                             int nShiftCaps);

// The room check of a size or distance calculation.
std::string RunCheck(const SCalcRequest& request, const std::string& szModel);

// --- shared by the commands

// "4:3", "16:9" or "2.35:1", as --aspect takes it.
const char* AspectOptionName(int nAspectCode);

// The request's calculation as the two pages make it: size to distance for its size
// option, distance to size for its distance. Throws the command's message when the
// numbers give no result.
SCalculation CalculateScreen(CLenvaraEngine& engine, const SCalcRequest& request,
                             const std::string& szModel);

// A negative gain would print negative luminances.
void CheckGain(const SCalcRequest& request);
