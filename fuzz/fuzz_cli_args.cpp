// Fuzz target: the command-line calculator's argument handling, in process. The
// input split at NUL bytes is the argument vector (without the program name).
#include "cli/CalcCommand.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::vector<std::string> args;
    std::string arg;
    for (std::size_t i = 0; i < nSize; ++i)
    {
        if (pData[i] == 0)
        {
            args.push_back(arg);
            arg.clear();
        }
        else
            arg.push_back(static_cast<char>(pData[i]));
    }
    if (nSize > 0)
        args.push_back(arg);

    std::ostringstream out, err;
    const int nExit = RunCalc(args, out, err);
    // Success writes to stdout only; a failure is exactly one line on stderr.
    if (nExit == kCalcExitOk ? !err.str().empty() : !out.str().empty())
        std::abort();
    if (nExit != kCalcExitOk)
    {
        const std::string message = err.str();
        if (message.empty() || message.find('\n') != message.size() - 1)
            std::abort();
    }
    if (nExit != kCalcExitOk && nExit != kCalcExitUsage && nExit != kCalcExitFailed)
        std::abort();
    return 0;
}
