// The words after lenvara-calc's command word (the model name and the options) read
// into a request, with CLI11. An error in them is thrown as SCalcError: the first
// wrong word from the left decides the message, and a help word ends the reading.
#pragma once

#include "cli/CalcRequest.h"

#include <string>
#include <vector>

// Reads args[1...] (args[0] is the command word, already in request.nCommand).
// Returns false when help was asked for before any error.
bool ParseCalcOptions(const std::vector<std::string>& args, SCalcRequest& request);
