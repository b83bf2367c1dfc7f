// The command-line calculator `lenvara-calc`: parses its arguments, runs one
// calculation through the same engine entry points the desktop pages call, and
// prints the results as "Label: value" lines or as one JSON object.
//
// Inputs: the command words (argv without the program name); lengths in the
// chosen unit (meters, inches or feet), gain as a plain factor. Outputs go to the
// two streams; the result is the process exit code (0 success, 2 usage error,
// 3 unknown model or failed calculation). Used by src/cli/main.cpp and the tests.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// Exit codes of RunCalc.
inline constexpr int kCalcExitOk = 0;
inline constexpr int kCalcExitWriteError = 1; // set by main when stdout fails
inline constexpr int kCalcExitUsage = 2;
inline constexpr int kCalcExitFailed = 3;

// Runs one command. Never throws for bad input: every error is one line on err.
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The text printed by --help.
const char* CalcHelpText();

// A JSON string literal (quotes included) for the text: quotes, backslashes and
// control characters escaped; other bytes copied unchanged.
std::string JsonQuote(std::string_view text);

// The listed model whose name is close to the given one (same name ignoring
// letter case and runs of blanks, or a couple of typing errors away); empty when
// none is close. Only a hint for error messages.
std::string SuggestModelName(std::string_view name);
