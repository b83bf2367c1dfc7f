// Entry point of lenvara-calc, the command-line calculator: hands the arguments
// to RunCalc and reports an output stream that could not be written.
#include "cli/CalcCommand.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    int nExit = kCalcExitOk;
    try
    {
        const std::vector<std::string> args(argv + 1, argv + argc);
        nExit = RunCalc(args, std::cout, std::cerr);
    }
    catch (const std::exception& error)
    {
        std::cerr << "lenvara-calc: " << error.what() << '\n';
        return kCalcExitWriteError;
    }
    std::cout.flush();
    if (!std::cout)
    {
        std::cerr << "lenvara-calc: the output could not be written\n";
        return kCalcExitWriteError;
    }
    return nExit;
}
