// Option reading on CLI11: CLI11 finds the options of the command and their values,
// and the words it has no option for (the model name, "--", unknown options) stay
// over. The words are then handled strictly from left to right, as a person reads
// the command line: every option's callback runs while CLI11 parses, and first
// handles the left-over words before it, so the leftmost mistake is the one
// reported.
#include "cli/CalcOptions.h"

#include "cli/CalcOutput.h"
#include "core/TextFormat.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace
{

const char* const kValueOptions[] = {"aspect",  "unit",     "gain",     "width",
                                     "height",  "diagonal", "distance", "ambient-lux",
                                     "nearest", "farthest", "tolerance"};

// The check command's room options, each given at most once.
std::optional<float>* RoomOption(SCalcRequest& request, const std::string& szOption)
{
    if (szOption == "ambient-lux")
        return &request.fAmbientLux;
    if (szOption == "nearest")
        return &request.fNearest;
    if (szOption == "farthest")
        return &request.fFarthest;
    if (szOption == "tolerance")
        return &request.fTolerance;
    return nullptr;
}

bool OptionApplies(ECommand nCommand, const std::string& szOption)
{
    if (szOption == "width" || szOption == "height" || szOption == "diagonal")
        return nCommand == kCommandDistance || nCommand == kCommandShift ||
               nCommand == kCommandCheck;
    if (szOption == "distance")
        return nCommand == kCommandSize || nCommand == kCommandShift || nCommand == kCommandCheck;
    if (szOption == "ambient-lux" || szOption == "nearest" || szOption == "farthest" ||
        szOption == "tolerance")
        return nCommand == kCommandCheck;
    return true;
}

const char* CommandName(ECommand nCommand)
{
    switch (nCommand)
    {
    case kCommandSize:
        return "size";
    case kCommandShift:
        return "shift";
    case kCommandCheck:
        return "check";
    default:
        return "distance";
    }
}

// The whole value as a finite single-precision number.
float ReadNumberOption(const std::string& szOption, const std::string& szValue)
{
    double dValue = 0.0;
    if (!ParseWholeNumber(szValue, dValue))
        throw UsageError("--" + szOption + " needs a decimal number, got " + ShowText(szValue));
    const float fValue = NarrowToFloat(dValue);
    if (!std::isfinite(fValue))
        throw UsageError("--" + szOption + " is out of range: " + ShowText(szValue));
    return fValue;
}

void ApplyOption(SCalcRequest& request, const std::string& szOption, const std::string& szValue)
{
    auto once = [&](bool& bGiven)
    {
        if (bGiven)
            throw UsageError("--" + szOption + " is given more than once");
        bGiven = true;
    };
    if (szOption == "aspect")
    {
        once(request.bAspectGiven);
        if (szValue == "4:3")
            request.nAspectCode = kAspectCode4x3;
        else if (szValue == "16:9")
            request.nAspectCode = kAspectCode16x9;
        else if (szValue == "2.35:1")
            request.nAspectCode = kAspectCode235;
        else
            throw UsageError("unknown aspect: " + ShowText(szValue) + " (use 4:3, 16:9 or 2.35:1)");
    }
    else if (szOption == "unit")
    {
        once(request.bUnitGiven);
        if (szValue == "meters")
            request.nUnit = kUnitMeters;
        else if (szValue == "inches")
            request.nUnit = kUnitInches;
        else if (szValue == "feet")
            request.nUnit = kUnitFeet;
        else
            throw UsageError("unknown unit: " + ShowText(szValue) +
                             " (use meters, inches or feet)");
    }
    else if (szOption == "gain")
    {
        once(request.bGainGiven);
        request.fGain = ReadNumberOption(szOption, szValue);
    }
    else if (std::optional<float>* pRoom = RoomOption(request, szOption))
    {
        if (pRoom->has_value())
            throw UsageError("--" + szOption + " is given more than once");
        *pRoom = ReadNumberOption(szOption, szValue);
    }
    else if (szOption == "distance")
    {
        if (request.fDistance)
            throw UsageError("--distance is given more than once");
        request.fDistance = ReadNumberOption(szOption, szValue);
    }
    else // width, height, diagonal
    {
        if (!request.szSizeOption.empty())
            throw UsageError("give only one of --width, --height, --diagonal");
        request.fSize = ReadNumberOption(szOption, szValue);
        request.szSizeOption = szOption;
    }
}

// Thrown out of CLI11's parsing when a help word is read.
struct SHelpAsked
{
};

// One reading of the words: CLI11 parses, its callbacks and the end of the parse
// hand the words over in order.
class CWordReader
{
public:
    CWordReader(const std::vector<std::string>& args, SCalcRequest& request)
        : m_words(args.begin() + 1, args.end()), m_unparsed(m_words.rbegin(), m_words.rend()),
          m_request(request)
    {
    }

    // False when help was asked for.
    bool Read();

private:
    // How many words CLI11 has taken so far: it parses a reversed copy of the words
    // and pops each word it takes from the back.
    std::size_t Taken() const { return m_words.size() - m_unparsed.size(); }

    // The command's options (and the help words) with callbacks that run as CLI11
    // takes each of them.
    void AddOptions(CLI::App& app);
    void OnValueOption(const std::string& szOption, const std::string& szParsed);
    void OnFlag();
    void OnMissingValue();
    void LeftOversBefore(std::size_t nEnd);
    void LeftOver(const std::string& szWord);

    const std::vector<std::string> m_words;
    std::vector<std::string> m_unparsed;
    SCalcRequest& m_request;
    std::size_t m_nNext = 0; // the first word not yet handled
    bool m_bOptionsEnded = false;
};

void CWordReader::AddOptions(CLI::App& app)
{
    const auto onFlag = [this](const CLI::results_t&)
    {
        OnFlag();
        return true;
    };
    app.add_option("-h,--help", onFlag)->expected(0)->trigger_on_parse();
    app.add_option("--json", onFlag)->expected(0)->trigger_on_parse();
    if (m_request.nCommand == kCommandShift)
        app.add_option("--envelope", onFlag)->expected(0)->trigger_on_parse();
    for (const char* pszOption : kValueOptions)
    {
        if (!OptionApplies(m_request.nCommand, pszOption))
            continue;
        const std::string szOption = pszOption;
        const auto onValue = [this, szOption](const CLI::results_t& values)
        {
            OnValueOption(szOption, values.at(0));
            return true;
        };
        app.add_option("--" + szOption, onValue)->trigger_on_parse();
    }
}

bool CWordReader::Read()
{
    CLI::App app("lenvara-calc");
    app.set_help_flag();
    app.allow_extras();
    AddOptions(app);
    try
    {
        app.parse(m_unparsed);
    }
    catch (const SHelpAsked&)
    {
        return false;
    }
    catch (const CLI::ArgumentMismatch&)
    {
        OnMissingValue();
    }
    catch (const CLI::ParseError& error)
    {
        throw UsageError(error.what());
    }
    LeftOversBefore(m_words.size());
    return true;
}

// CLI11 has taken the option and its value: "--width=2" (one word), "--width 2" or
// "--width= 2" (two). It reads the value after an empty "=" from the next word; the
// value typed there is the empty one.
void CWordReader::OnValueOption(const std::string& szOption, const std::string& szParsed)
{
    const std::size_t nEnd = Taken();
    const bool bOneWord = m_words[nEnd - 1] == "--" + szOption + "=" + szParsed;
    const std::size_t nAt = bOneWord ? nEnd - 1 : nEnd - 2;
    LeftOversBefore(nAt);
    const std::string& szWord = m_words[nAt];
    const std::size_t nEq = szWord.find('=');
    ApplyOption(m_request, szOption,
                nEq == std::string::npos ? m_words[nAt + 1] : szWord.substr(nEq + 1));
    m_nNext = nEnd;
}

// CLI11 has taken one word for -h, --help or --json; it also takes "-hx" (with "-x"
// for later), "--help=x" and "--json=x", which are no help and no JSON switch.
void CWordReader::OnFlag()
{
    const std::size_t nAt = Taken() - 1;
    LeftOversBefore(nAt);
    const std::string& szWord = m_words[nAt];
    if (szWord == "-h" || szWord == "--help")
        throw SHelpAsked{};
    if (szWord == "--json")
        m_request.bJson = true;
    else if (szWord == "--envelope")
        m_request.bEnvelope = true;
    else if (szWord.compare(0, 7, "--json=") == 0)
        throw UsageError("--json takes no value");
    else if (szWord.compare(0, 11, "--envelope=") == 0)
        throw UsageError("--envelope takes no value");
    else
        throw UsageError("unknown option: " + ShowText(szWord));
    m_nNext = nAt + 1;
}

// CLI11 found no value after the last word, an option of the command.
void CWordReader::OnMissingValue()
{
    const std::size_t nAt = m_words.size() - 1;
    LeftOversBefore(nAt);
    const std::string& szWord = m_words[nAt];
    const std::size_t nEq = szWord.find('=');
    if (nEq == std::string::npos)
        throw UsageError("missing value for " + szWord);
    ApplyOption(m_request, szWord.substr(2, nEq - 2), "");
}

void CWordReader::LeftOversBefore(std::size_t nEnd)
{
    for (; m_nNext < nEnd; ++m_nNext)
        LeftOver(m_words[m_nNext]);
}

// A word CLI11 left over: the model name, the "--" that ends the options,
// or an option the command does not have.
void CWordReader::LeftOver(const std::string& szWord)
{
    const bool bOption = !m_bOptionsEnded && szWord.size() > 1 && szWord[0] == '-';
    if (!bOption)
    {
        if (m_request.szModel)
            throw UsageError("unexpected argument: " + ShowText(szWord) +
                             " (quote a model name that contains blanks)");
        m_request.szModel = szWord;
        return;
    }
    if (szWord == "--")
    {
        m_bOptionsEnded = true;
        return;
    }
    if (szWord.compare(0, 2, "--") == 0)
    {
        const std::string szOption = szWord.substr(2, szWord.find('=') - 2);
        const bool bKnown = std::find(std::begin(kValueOptions), std::end(kValueOptions),
                                      szOption) != std::end(kValueOptions);
        if (bKnown && !OptionApplies(m_request.nCommand, szOption))
            throw UsageError("--" + szOption + " does not apply to the " +
                             CommandName(m_request.nCommand) + " command");
    }
    throw UsageError("unknown option: " + ShowText(szWord));
}

} // namespace

bool ParseCalcOptions(const std::vector<std::string>& args, SCalcRequest& request)
{
    return CWordReader(args, request).Read();
}
