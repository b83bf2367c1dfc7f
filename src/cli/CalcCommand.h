// cli/: lenvara-calc, the calculator on the command line: help, options (CLI11), output
// (text lines or nlohmann/json) and the commands. No Qt; over core/.
//
// The command-line calculator `lenvara-calc`: reads its arguments, runs one
// calculation through the same engine entry points the desktop pages call, and
// prints the results as "Label: value" lines or as one JSON object.
//
// Inputs: the command words (argv without the program name); lengths in the
// chosen unit (meters, inches or feet), gain as a plain factor. Outputs go to the
// two streams; the result is the process exit code (kCalcExit*: 0 success, 2 usage
// error, 3 unknown model or failed calculation). Used by src/cli/main.cpp and the
// tests.
#pragma once

#include "cli/CalcRequest.h"

#include <ostream>
#include <string>
#include <vector>

// Runs one command. Never throws for bad input: every error is one line on err.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
