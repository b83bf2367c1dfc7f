// The text lenvara-calc prints for help (help, -h, --help): usage, commands,
// options, the output of each command and the exit codes.
#pragma once

const char* CalcHelpText();
