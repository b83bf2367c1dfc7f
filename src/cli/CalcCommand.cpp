// lenvara-calc's command word, the checks between the options and the catalogue,
// and the one line an error ends with. See CalcCommand.h.
#include "cli/CalcCommand.h"

#include "cli/CalcCommands.h"
#include "cli/CalcHelp.h"
#include "cli/CalcOptions.h"
#include "cli/CalcOutput.h"
#include "core/ModelName.h"
#include "core/OwnCatalogue.h"

namespace
{

bool IsHelpWord(const std::string& szWord)
{
    return szWord == "-h" || szWord == "--help";
}

// "models" takes nothing but a help word.
std::string RunModels(const std::vector<std::string>& args)
{
    for (std::size_t i = 1; i < args.size(); ++i)
        if (IsHelpWord(args[i]))
            return CalcHelpText();
    if (args.size() > 1)
        throw UsageError("the models command takes no arguments, got " + ShowText(args[1]));
    return ListModels();
}

ECommand CommandOf(const std::string& szWord)
{
    if (szWord == "distance")
        return kCommandDistance;
    if (szWord == "size")
        return kCommandSize;
    if (szWord == "shift")
        return kCommandShift;
    if (szWord == "check")
        return kCommandCheck;
    throw UsageError("unknown command: " + ShowText(szWord) + " (try lenvara-calc --help)");
}

// What the options must hold together, once all are read.
void CheckRequest(const SCalcRequest& request)
{
    if (!request.szModel)
        throw UsageError("missing model name (lenvara-calc models lists them)");
    if (request.nCommand == kCommandDistance && request.szSizeOption.empty())
        throw UsageError("give one of --width, --height, --diagonal");
    if (request.nCommand == kCommandSize && !request.fDistance)
        throw UsageError("give --distance");
    const bool bSize = !request.szSizeOption.empty();
    const bool bDistance = request.fDistance.has_value();
    if ((request.nCommand == kCommandShift || request.nCommand == kCommandCheck) && bSize &&
        bDistance)
        throw UsageError("give either a size (--width, --height, --diagonal) or --distance");
    if (request.nCommand == kCommandCheck && !bSize && !bDistance)
        throw UsageError("give a size (--width, --height, --diagonal) or --distance");
    if (request.bEnvelope && (bSize || bDistance))
        throw UsageError("--envelope takes no size or distance");
}

std::string UnknownModelMessage(const std::string& szName)
{
    std::string szMessage = "unknown model: " + ShowText(szName);
    const std::string szHint = SuggestModelName(szName);
    if (!szHint.empty())
        szMessage += " (did you mean " + ShowText(szHint) + "?)";
    return szMessage;
}

// Takes "--catalogue FILE" (or "--catalogue=FILE") out of the words before any "--",
// and reads that catalogue, or the default one, for the command.
std::vector<std::string> LoadCatalogueOption(const std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    std::optional<std::string> szPath;
    bool bOptions = true;
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& szArg = args[i];
        bOptions = bOptions && szArg != "--";
        const bool bJoined = bOptions && szArg.rfind("--catalogue=", 0) == 0;
        if (!bJoined && !(bOptions && szArg == "--catalogue"))
        {
            rest.push_back(szArg);
            continue;
        }
        if (szPath)
            throw UsageError("--catalogue is given more than once");
        if (!bJoined && i + 1 == args.size())
            throw UsageError("missing value for --catalogue");
        szPath = bJoined ? szArg.substr(std::string("--catalogue=").size()) : args[++i];
        if (szPath->empty())
            throw UsageError("--catalogue needs a file name");
    }
    if (const std::optional<SCatalogueError> error = LoadOwnCatalogue(szPath.value_or("")))
        throw UsageError(FormatCatalogueError(*error));
    return rest;
}

std::string RunCalculation(const std::vector<std::string>& args)
{
    SCalcRequest request;
    request.nCommand = CommandOf(args[0]);
    if (!ParseCalcOptions(args, request))
        return CalcHelpText();
    CheckRequest(request);
    const std::string& szModel = *request.szModel;
    const SCatalogueRow* pRow = FindCatalogueRow(szModel, request.nAspectCode);
    if (!pRow)
        throw SCalcError{kCalcExitFailed, UnknownModelMessage(szModel)};
    switch (request.nCommand)
    {
    case kCommandSize:
        return RunSize(request, szModel);
    case kCommandShift:
        return request.bEnvelope ? RunShiftEnvelope(request, szModel, pRow->nShiftCaps)
                                 : RunShift(request, szModel, pRow->nShiftCaps);
    case kCommandCheck:
        return RunCheck(request, szModel);
    default:
        return RunDistance(request, szModel);
    }
}

} // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try
    {
        if (args.empty())
            throw UsageError("missing command (try lenvara-calc --help)");
        if (args[0] == "help" || IsHelpWord(args[0]))
            out << CalcHelpText();
        else if (args[0] == "version" || args[0] == "--version")
            out << "lenvara-calc " LENVARA_VERSION "\n";
        else if (args[0] == "models")
            out << RunModels(LoadCatalogueOption(args));
        else
            out << RunCalculation(LoadCatalogueOption(args));
        return kCalcExitOk;
    }
    catch (const SCalcError& error)
    {
        err << error.szMessage << '\n';
        return error.nExit;
    }
}
