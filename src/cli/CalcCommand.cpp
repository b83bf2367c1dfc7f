// The command-line calculator: argument parsing, the three calculations, the
// model list and the text and JSON output. See CalcCommand.h.
#include "cli/CalcCommand.h"

#include "core/LenvaraEngine.h"
#include "core/ModelName.h"
#include "core/ShiftLimits.h"
#include "core/TextFormat.h"
#include "model/CatalogueTable.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

namespace
{

const char kHelpText[] =
    "Usage: lenvara-calc COMMAND [MODEL] [OPTIONS]\n"
    "\n"
    "Plans a projector installation from the command line, with the same\n"
    "arithmetic and the same numbers as the calculation pages of the desktop\n"
    "program.\n"
    "\n"
    "Commands:\n"
    "  models          List the catalogue's models, one name per line.\n"
    "  distance MODEL  Screen size to projection distance. Give exactly one of\n"
    "                  --width, --height, --diagonal.\n"
    "  size MODEL      Projection distance to screen size. Needs --distance.\n"
    "  shift MODEL     Lens-shift angle limits of the model; with one of --width,\n"
    "                  --height, --diagonal or with --distance also the Shift\n"
    "                  Calculator's limits for that installation.\n"
    "  help            Show this text (also -h or --help anywhere).\n"
    "\n"
    "Options, in any order after the command (--option=value works too):\n"
    "  --aspect 4:3|16:9|2.35:1    Screen aspect ratio (default 16:9).\n"
    "  --unit meters|inches|feet   Unit of every length (default meters).\n"
    "  --gain G                    Screen gain (default 1).\n"
    "  --width X                   Screen width (distance, shift).\n"
    "  --height X                  Screen height (distance, shift).\n"
    "  --diagonal X                Screen diagonal (distance, shift).\n"
    "  --distance X                Projection distance (size, shift).\n"
    "  --json                      Print one JSON object instead of text lines.\n"
    "  --                          Ends the options: a later word is the model\n"
    "                              name even when it begins with -.\n"
    "\n"
    "MODEL must be written exactly as \"lenvara-calc models\" lists it: letter\n"
    "case and blanks count. Quote names that contain blanks, for example\n"
    "  lenvara-calc distance \"Kelda W1\" --aspect 16:9 --unit meters --width 2\n"
    "Numbers are plain decimals with a point (2, 2.5, 2.5e1). Sizes and\n"
    "distances must be greater than 0, the gain must not be negative.\n"
    "\n"
    "Text output is one \"Label: value\" line per result. Lengths are in the\n"
    "chosen unit with two decimals, luminances are followed by Nits (meters) or\n"
    "FtL (inches, feet), angles are in degrees.\n"
    "  distance  Width, Height, Diagonal, Distance wide, Distance tele,\n"
    "            Luminance wide, Luminance tele\n"
    "  size      Width wide, Width tele, Height wide, Height tele,\n"
    "            Diagonal wide, Diagonal tele, Luminance wide, Luminance tele\n"
    "  shift     Horizontal WA minus side, Horizontal WA plus side,\n"
    "            Horizontal TP minus side, Horizontal TP plus side, and the same\n"
    "            four for Vertical; a direction the model has no data for prints\n"
    "            \"Horizontal: not available\" (or Vertical).\n"
    "  shift with a size or a distance: instead, the values the Shift\n"
    "            Calculator shows for the installation with its sliders at the\n"
    "            centre, with its labels, for each direction the model has. A size\n"
    "            is calculated as on \"Projection Distance\" (one screen at the\n"
    "            wide and the tele distance: WA/TP maximum half width, WA/TP\n"
    "            minimum half width, WA/TP horizontal center distance), a\n"
    "            distance as on \"Screen Dimensions\" (a WA and a TP screen: WA\n"
    "            maximum half width, WA minimum half width, TP maximum half\n"
    "            width, TP minimum half width, WA horizontal center distance, TP\n"
    "            horizontal center distance); then the same for the height\n"
    "            (... half height, ... vertical center distance). A maximum is\n"
    "            how far the picture's far edge reaches from the lens axis at\n"
    "            full shift right (up), a minimum the same to the left (down) as\n"
    "            a negative number, in the chosen unit.\n"
    "WA is the wide-angle end of the zoom, TP the telephoto end.\n"
    "\n"
    "JSON output (--json) is one object on one line; numbers carry enough digits\n"
    "to give back the exact single-precision result.\n"
    "  distance  model, aspect, unit, gain, width, height, diagonal,\n"
    "            distance_wide, distance_tele, distance_in_range, luminance_wide,\n"
    "            luminance_tele, luminance_unit\n"
    "  size      model, aspect, unit, gain, distance, width_wide, width_tele,\n"
    "            height_wide, height_tele, diagonal_wide, diagonal_tele,\n"
    "            distance_in_range, luminance_wide, luminance_tele, luminance_unit\n"
    "  distance_in_range tells whether a distance lies within the model's\n"
    "  throw-distance range: [wide, tele] for distance, one value for size.\n"
    "  shift     model, aspect, shift_caps, horizontal, vertical; each direction\n"
    "            is [WA minus side, WA plus side, TP minus side, TP plus side]\n"
    "            in degrees, or null when the model has no data for it\n"
    "            (shift_caps: 1 vertical, 2 horizontal, 3 both). With a size or a\n"
    "            distance also mode (0 from a size, 1 from a distance) and\n"
    "            limits: {horizontal, vertical}, each {wa_max, wa_min, tp_max,\n"
    "            tp_min} or null when the model has no data for it.\n"
    "aspect is \"4:3\", \"16:9\" or \"2.35:1\"; unit is \"meters\", \"inches\" or \"feet\".\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  the output could not be written\n"
    "  2  usage error: unknown command or option, missing or malformed value,\n"
    "     unknown aspect or unit, no or several size options (for shift: a\n"
    "     size and a distance), missing model\n"
    "  3  unknown model, a size or distance that is not greater than 0, a\n"
    "     negative gain, a calculation without a finite result, or a model\n"
    "     without shift data\n";

enum ECommand
{
    kCommandDistance,
    kCommandSize,
    kCommandShift
};

// What one command line asks for.
struct SCalcRequest
{
    ECommand nCommand = kCommandDistance;
    std::optional<std::string> szModel;
    int nAspectCode = kAspectCode16x9;
    int nUnit = kUnitMeters;
    float fGain = 1.0f;
    bool bGainGiven = false;
    bool bAspectGiven = false;
    bool bUnitGiven = false;
    // Size option of the distance command: "width", "height" or "diagonal".
    std::string szSizeOption;
    float fSize = 0.0f;
    std::optional<float> fDistance;
    bool bJson = false;
};

// Raised by the parser; RunCalc turns it into one line on err and the exit code.
struct SCalcError
{
    int nExit;
    std::string szMessage;
};

// The length of the well-formed UTF-8 sequence at the start of text, 0 when it is
// none (a stray continuation byte, a cut or overlong sequence, a surrogate).
std::size_t Utf8SequenceLength(std::string_view text, char32_t& cCode)
{
    const auto b0 = static_cast<unsigned char>(text[0]);
    std::size_t nLength = 0;
    char32_t cMin = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        nLength = 2, cCode = b0 & 0x1F, cMin = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        nLength = 3, cCode = b0 & 0x0F, cMin = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        nLength = 4, cCode = b0 & 0x07, cMin = 0x10000;
    if (nLength == 0 || text.size() < nLength)
        return 0;
    for (std::size_t i = 1; i < nLength; ++i)
    {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cCode = cCode << 6 | (b & 0x3F);
    }
    if (cCode < cMin || cCode > 0x10FFFF || (cCode >= 0xD800 && cCode <= 0xDFFF))
        return 0;
    return nLength;
}

// A user's text for an error line: quoted, with quotes and backslashes escaped, and
// every byte that could steer the terminal written as \xNN: the C0 controls, DEL,
// the C1 controls (U+0080-U+009F, which some terminals also take as raw bytes
// 0x80-0x9F) and bytes that are no well-formed UTF-8. Other characters stay. Only
// the first kShownLength characters are shown; a longer text ends in "…".
constexpr std::size_t kShownLength = 80;
std::string ShowText(std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    auto escape = [](std::string& szOut, unsigned char b)
    {
        szOut += "\\x";
        szOut += kHex[b >> 4];
        szOut += kHex[b & 15];
    };
    std::string szOut = "\"";
    std::size_t nShown = 0;
    for (std::size_t i = 0; i < text.size(); ++nShown)
    {
        if (nShown == kShownLength)
            return szOut + "\"\xe2\x80\xa6"; // …
        const char c = text[i];
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            szOut += '\\';
            szOut += c;
            ++i;
            continue;
        }
        if (b < 0x80)
        {
            if (b < 0x20 || b == 0x7F)
                escape(szOut, b);
            else
                szOut += c;
            ++i;
            continue;
        }
        char32_t cCode = 0;
        const std::size_t nLength = Utf8SequenceLength(text.substr(i), cCode);
        if (nLength == 0 || cCode <= 0x9F)
        {
            for (std::size_t j = 0; j < std::max<std::size_t>(nLength, 1); ++j)
                escape(szOut, static_cast<unsigned char>(text[i + j]));
            i += std::max<std::size_t>(nLength, 1);
            continue;
        }
        szOut.append(text.substr(i, nLength));
        i += nLength;
    }
    szOut += '"';
    return szOut;
}

SCalcError UsageError(std::string szMessage)
{
    return SCalcError{kCalcExitUsage, std::move(szMessage)};
}

const char* AspectOptionName(int nAspectCode)
{
    switch (nAspectCode)
    {
    case kAspectCode4x3: return "4:3";
    case kAspectCode235: return "2.35:1";
    default: return "16:9";
    }
}

const char* UnitOptionName(int nUnit)
{
    switch (nUnit)
    {
    case kUnitInches: return "inches";
    case kUnitFeet: return "feet";
    default: return "meters";
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

bool OptionApplies(ECommand nCommand, const std::string& szOption)
{
    if (szOption == "aspect" || szOption == "json")
        return true;
    if (szOption == "unit" || szOption == "gain")
        return true;
    if (szOption == "width" || szOption == "height" || szOption == "diagonal")
        return nCommand == kCommandDistance || nCommand == kCommandShift;
    if (szOption == "distance")
        return nCommand == kCommandSize || nCommand == kCommandShift;
    return false;
}

const char* CommandName(ECommand nCommand)
{
    switch (nCommand)
    {
    case kCommandSize: return "size";
    case kCommandShift: return "shift";
    default: return "distance";
    }
}

void ApplyOption(SCalcRequest& request, const std::string& szOption, const std::string& szValue)
{
    auto once = [&](bool& bGiven) {
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
            throw UsageError("unknown unit: " + ShowText(szValue) + " (use meters, inches or feet)");
    }
    else if (szOption == "gain")
    {
        once(request.bGainGiven);
        request.fGain = ReadNumberOption(szOption, szValue);
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

// Parses the words after the command. Returns false when help was asked for.
bool ParseOptions(const std::vector<std::string>& args, SCalcRequest& request)
{
    bool bOptionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i)
    {
        const std::string& szArg = args[i];
        const bool bOption = !bOptionsEnded && szArg.size() > 1 && szArg[0] == '-';
        if (!bOption)
        {
            if (request.szModel)
                throw UsageError("unexpected argument: " + ShowText(szArg) +
                                 " (quote a model name that contains blanks)");
            request.szModel = szArg;
            continue;
        }
        if (szArg == "--")
        {
            bOptionsEnded = true;
            continue;
        }
        if (szArg == "-h" || szArg == "--help")
            return false;
        if (szArg.compare(0, 2, "--") != 0)
            throw UsageError("unknown option: " + ShowText(szArg));

        std::string szOption = szArg.substr(2);
        std::optional<std::string> szInline;
        if (const std::size_t nEq = szOption.find('='); nEq != std::string::npos)
        {
            szInline = szOption.substr(nEq + 1);
            szOption.erase(nEq);
        }
        static const char* const kKnown[] = {"aspect", "unit", "gain", "width", "height",
                                             "diagonal", "distance", "json"};
        if (std::find(std::begin(kKnown), std::end(kKnown), szOption) == std::end(kKnown))
            throw UsageError("unknown option: " + ShowText(szArg));
        if (!OptionApplies(request.nCommand, szOption))
            throw UsageError("--" + szOption + " does not apply to the " +
                             CommandName(request.nCommand) + " command");
        if (szOption == "json")
        {
            if (szInline)
                throw UsageError("--json takes no value");
            request.bJson = true;
            continue;
        }
        std::string szValue;
        if (szInline)
            szValue = *szInline;
        else if (i + 1 < args.size())
            szValue = args[++i];
        else
            throw UsageError("missing value for --" + szOption);
        ApplyOption(request, szOption, szValue);
    }
    return true;
}

std::string_view RowName(const char (&szName)[kCatalogueTextSize])
{
    return std::string_view(szName, strnlen(szName, kCatalogueTextSize));
}

// The catalogue row of the name and aspect code, matched as the record does:
// whole name, byte for byte.
const SCatalogueRow* FindRow(std::string_view name, int nAspectCode)
{
    const SCatalogue& catalogue = GetCatalogue();
    for (const SCatalogueRow& row : catalogue.main)
        if (row.nAspectCode == nAspectCode && RowName(row.szName) == name)
            return &row;
    return nullptr;
}

std::size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        prev[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
    {
        cur[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j)
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1,
                               prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

std::string UnknownModelMessage(const std::string& szName)
{
    std::string szMessage = "unknown model: " + ShowText(szName);
    const std::string szHint = SuggestModelName(szName);
    if (!szHint.empty())
        szMessage += " (did you mean " + ShowText(szHint) + "?)";
    return szMessage;
}

TarsioDisplayOptions MakeOptions(int nUnit, int nAspectCode)
{
    TarsioDisplayOptions options{};
    options.bMeters = nUnit == kUnitMeters;
    options.bInches = nUnit == kUnitInches;
    options.bFeet = nUnit == kUnitFeet;
    options.bAspect4x3 = nAspectCode == kAspectCode4x3;
    options.bAspect16x9 = nAspectCode == kAspectCode16x9;
    options.bAspect235 = nAspectCode == kAspectCode235;
    return options;
}

// One output in both forms: a text line and a JSON member.
class COutput
{
public:
    explicit COutput(bool bJson) : m_bJson(bJson) {}

    void Text(const char* pszKey, const std::string& szValue)
    {
        if (m_bJson)
            Member(pszKey, JsonQuote(szValue));
    }
    void Number(const char* pszKey, float fValue)
    {
        if (m_bJson)
            Member(pszKey, FormatRoundTrip(fValue));
    }
    void Raw(const char* pszKey, const std::string& szJson)
    {
        if (m_bJson)
            Member(pszKey, szJson);
    }
    void Line(const char* pszLabel, const std::string& szValue)
    {
        if (!m_bJson)
            m_szText += std::string(pszLabel) + ": " + szValue + "\n";
    }
    std::string Finish() const { return m_bJson ? "{" + m_szText + "}\n" : m_szText; }

private:
    void Member(const char* pszKey, const std::string& szJson)
    {
        if (!m_szText.empty())
            m_szText += ',';
        m_szText += JsonQuote(pszKey) + ':' + szJson;
    }

    bool m_bJson;
    std::string m_szText;
};

// The user's choices that open every calculation's output.
void WriteChoices(COutput& output, const SCalcRequest& request, const std::string& szModel)
{
    output.Text("model", szModel);
    output.Text("aspect", AspectOptionName(request.nAspectCode));
    output.Text("unit", UnitOptionName(request.nUnit));
    output.Number("gain", request.fGain);
}

// The two luminances with their unit, which close every size or distance output.
void WriteLuminances(COutput& output, float fLumWide, float fLumTele,
                     const std::string& szLumUnit)
{
    output.Number("luminance_wide", fLumWide);
    output.Number("luminance_tele", fLumTele);
    output.Text("luminance_unit", szLumUnit);
    output.Line("Luminance wide", FormatLuminance(fLumWide) + " " + szLumUnit);
    output.Line("Luminance tele", FormatLuminance(fLumTele) + " " + szLumUnit);
}

// A negative gain would print negative luminances.
void CheckGain(const SCalcRequest& request)
{
    if (request.fGain < 0.0f)
        throw SCalcError{kCalcExitFailed, "the gain must not be negative"};
}

// The results of size to distance for the request's size option.
struct SDistanceResult
{
    float fWidth = 0, fHeight = 0, fDiagonal = 0, fDistWide = 0, fDistTele = 0;
    float fLumWide = 0, fLumTele = 0;
};

SDistanceResult CalculateDistance(CLenvaraEngine& engine, const SCalcRequest& request,
                                  const std::string& szModel)
{
    CheckGain(request);
    // The engine takes 0 for "not entered" and computes negative lengths as
    // they come; neither is a screen anyone can build.
    if (!(request.fSize > 0.0f))
        throw SCalcError{kCalcExitFailed,
                         "the " + request.szSizeOption + " must be greater than 0"};

    SDistanceResult r;
    r.fWidth = request.szSizeOption == "width" ? request.fSize : 0.0f;
    r.fHeight = request.szSizeOption == "height" ? request.fSize : 0.0f;
    r.fDiagonal = request.szSizeOption == "diagonal" ? request.fSize : 0.0f;
    if (!engine.CalcDistance(szModel.c_str(), request.nAspectCode,
                             MakeOptions(request.nUnit, request.nAspectCode), r.fWidth, r.fHeight,
                             r.fDiagonal, r.fDistWide, r.fDistTele, r.fLumWide, r.fLumTele,
                             request.fGain))
        throw SCalcError{kCalcExitFailed, "no finite result for these numbers"};
    return r;
}

// The results of distance to size for the request's distance.
struct SSizeResult
{
    float fWidthWide = 0, fWidthTele = 0, fHeightWide = 0, fHeightTele = 0;
    float fDiagWide = 0, fDiagTele = 0, fLumWide = 0, fLumTele = 0;
};

SSizeResult CalculateSize(CLenvaraEngine& engine, const SCalcRequest& request,
                          const std::string& szModel)
{
    CheckGain(request);
    const float fDistance = *request.fDistance;
    if (!(fDistance > 0.0f))
        throw SCalcError{kCalcExitFailed, "the distance must be greater than 0"};

    SSizeResult r;
    if (!engine.CalcScreenSize(szModel.c_str(), request.nAspectCode,
                               MakeOptions(request.nUnit, request.nAspectCode), fDistance,
                               r.fWidthWide, r.fWidthTele, r.fHeightWide, r.fHeightTele,
                               r.fDiagWide, r.fDiagTele, r.fLumWide, r.fLumTele, request.fGain))
        throw SCalcError{kCalcExitFailed, "no finite result for these numbers"};
    return r;
}

std::string RunDistance(const SCalcRequest& request, const std::string& szModel)
{
    CLenvaraEngine engine;
    const SDistanceResult r = CalculateDistance(engine, request, szModel);
    const std::string szLumUnit = engine.m_model.GetLumUnit();

    COutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Number("width", r.fWidth);
    output.Number("height", r.fHeight);
    output.Number("diagonal", r.fDiagonal);
    output.Number("distance_wide", r.fDistWide);
    output.Number("distance_tele", r.fDistTele);
    output.Raw("distance_in_range", std::string("[") +
                                        (engine.IsInLensRange(r.fDistWide) ? "true" : "false") +
                                        "," +
                                        (engine.IsInLensRange(r.fDistTele) ? "true" : "false") + "]");
    output.Line("Width", FormatLength(r.fWidth));
    output.Line("Height", FormatLength(r.fHeight));
    output.Line("Diagonal", FormatLength(r.fDiagonal));
    output.Line("Distance wide", FormatLength(r.fDistWide));
    output.Line("Distance tele", FormatLength(r.fDistTele));
    WriteLuminances(output, r.fLumWide, r.fLumTele, szLumUnit);
    return output.Finish();
}

std::string RunSize(const SCalcRequest& request, const std::string& szModel)
{
    CLenvaraEngine engine;
    const SSizeResult r = CalculateSize(engine, request, szModel);
    const std::string szLumUnit = engine.m_model.GetLumUnit();

    COutput output(request.bJson);
    WriteChoices(output, request, szModel);
    output.Number("distance", *request.fDistance);
    output.Number("width_wide", r.fWidthWide);
    output.Number("width_tele", r.fWidthTele);
    output.Number("height_wide", r.fHeightWide);
    output.Number("height_tele", r.fHeightTele);
    output.Number("diagonal_wide", r.fDiagWide);
    output.Number("diagonal_tele", r.fDiagTele);
    output.Raw("distance_in_range", engine.IsInLensRange(*request.fDistance) ? "true" : "false");
    output.Line("Width wide", FormatLength(r.fWidthWide));
    output.Line("Width tele", FormatLength(r.fWidthTele));
    output.Line("Height wide", FormatLength(r.fHeightWide));
    output.Line("Height tele", FormatLength(r.fHeightTele));
    output.Line("Diagonal wide", FormatLength(r.fDiagWide));
    output.Line("Diagonal tele", FormatLength(r.fDiagTele));
    WriteLuminances(output, r.fLumWide, r.fLumTele, szLumUnit);
    return output.Finish();
}

// The installation as the Shift Calculator receives it: the mode of the calculation
// and the WA and the TP (width, height, distance) triple.
struct SShiftInstallation
{
    int nMode = 0;
    float fW1 = 0, fH1 = 0, fD1 = 0, fW2 = 0, fH2 = 0, fD2 = 0;
};

// Size to distance for a size, distance to size for a distance, as the two pages
// calculate before they open the Shift Calculator.
SShiftInstallation CalculateInstallation(CLenvaraEngine& engine, const SCalcRequest& request,
                                         const std::string& szModel)
{
    SShiftInstallation inst;
    if (request.fDistance.has_value())
    {
        const SSizeResult r = CalculateSize(engine, request, szModel);
        inst = {1, r.fWidthWide, r.fHeightWide, *request.fDistance,
                r.fWidthTele, r.fHeightTele, *request.fDistance};
    }
    else
    {
        const SDistanceResult r = CalculateDistance(engine, request, szModel);
        inst = {0, r.fWidth, r.fHeight, r.fDistWide, r.fWidth, r.fHeight, r.fDistTele};
    }
    return inst;
}

// One direction's values as the Shift Calculator shows them with its sliders at the
// centre: a line per shown row with the dialog's label (the WA rows alone after size
// to distance), and the four limits for JSON.
void WriteShiftLimits(COutput& output, std::string& szJson, bool bHorizontal, int nMode,
                      const SShiftLimits& limits)
{
    const struct
    {
        EShiftRow eRow;
        const char* pszKey;
        float fValue;
    } rows[] = {{kShiftRowWideMax, "wa_max", limits.fWideMax},
                {kShiftRowWideMin, "wa_min", limits.fWideMin},
                {kShiftRowTeleMax, "tp_max", limits.fTeleMax},
                {kShiftRowTeleMin, "tp_min", limits.fTeleMin},
                {kShiftRowWideCenter, nullptr, 0.0f},
                {kShiftRowTeleCenter, nullptr, 0.0f}};
    szJson = "{";
    for (const auto& row : rows)
    {
        if (row.pszKey)
            szJson += (szJson.size() > 1 ? "," : "") + JsonQuote(row.pszKey) + ":" +
                      FormatRoundTrip(row.fValue);
        const bool bTele = row.eRow == kShiftRowTeleMax || row.eRow == kShiftRowTeleMin ||
                           row.eRow == kShiftRowTeleCenter;
        if (nMode == 0 && bTele)
            continue;
        output.Line(ShiftRowLabel(bHorizontal, nMode, row.eRow).c_str(), FormatLength(row.fValue));
    }
    szJson += "}";
}

std::string RunShift(const SCalcRequest& request, const std::string& szModel, int nShiftCaps)
{
    if (nShiftCaps == 0)
        throw SCalcError{kCalcExitFailed, "Shift Data are not available for this projector"};
    CheckGain(request);

    CLenvaraEngine engine;
    const bool bLimits = request.fDistance.has_value() || !request.szSizeOption.empty();
    SShiftInstallation inst;
    if (bLimits)
        inst = CalculateInstallation(engine, request, szModel);

    const TarsioDisplayOptions options = MakeOptions(request.nUnit, request.nAspectCode);
    float afHorizontal[4] = {}, afVertical[4] = {};
    const bool bHorizontal = (nShiftCaps & 2) != 0;
    const bool bVertical = (nShiftCaps & 1) != 0;
    if (bHorizontal &&
        !engine.CalcHorizontalShift(szModel.c_str(), request.nAspectCode, options, afHorizontal[0],
                                    afHorizontal[1], afHorizontal[2], afHorizontal[3]))
        throw SCalcError{kCalcExitFailed, "no finite horizontal shift limits for this projector"};
    if (bVertical &&
        !engine.CalcVerticalShift(szModel.c_str(), request.nAspectCode, options, afVertical[0],
                                  afVertical[1], afVertical[2], afVertical[3]))
        throw SCalcError{kCalcExitFailed, "no finite vertical shift limits for this projector"};

    static const char* const kSides[4] = {"WA minus side", "WA plus side", "TP minus side",
                                          "TP plus side"};
    COutput output(request.bJson);
    auto direction = [&](const char* pszKey, const char* pszLabel, bool bPresent,
                         const float (&afAngles)[4]) {
        if (!bPresent)
        {
            output.Raw(pszKey, "null");
            if (!bLimits)
                output.Line(pszLabel, "not available");
            return;
        }
        std::string szArray = "[";
        for (int i = 0; i < 4; ++i)
        {
            szArray += (i ? "," : "") + FormatRoundTrip(afAngles[i]);
            if (!bLimits)
                output.Line((std::string(pszLabel) + " " + kSides[i]).c_str(),
                            FormatLength(afAngles[i]) + " deg");
        }
        output.Raw(pszKey, szArray + "]");
    };
    output.Text("model", szModel);
    output.Text("aspect", AspectOptionName(request.nAspectCode));
    output.Raw("shift_caps", std::to_string(nShiftCaps));
    direction("horizontal", "Horizontal", bHorizontal, afHorizontal);
    direction("vertical", "Vertical", bVertical, afVertical);
    if (!bLimits)
        return output.Finish();

    // What the Shift Calculator's edits show for this installation: widths for the
    // horizontal direction, heights for the vertical one.
    output.Raw("mode", std::to_string(inst.nMode));
    std::string szHorizontal = "null", szVertical = "null";
    if (bHorizontal)
        WriteShiftLimits(output, szHorizontal, true, inst.nMode,
                         ComputeShiftLimits(ShiftAnglesFromLimits(afHorizontal[0], afHorizontal[1],
                                                                  afHorizontal[2], afHorizontal[3]),
                                            inst.fW1, inst.fD1, inst.fW2, inst.fD2));
    if (bVertical)
        WriteShiftLimits(output, szVertical, false, inst.nMode,
                         ComputeShiftLimits(ShiftAnglesFromLimits(afVertical[0], afVertical[1],
                                                                  afVertical[2], afVertical[3]),
                                            inst.fH1, inst.fD1, inst.fH2, inst.fD2));
    output.Raw("limits", "{\"horizontal\":" + szHorizontal + ",\"vertical\":" + szVertical + "}");
    return output.Finish();
}

std::string ListModels()
{
    std::string szOut;
    for (const SCatalogueRow& row : GetCatalogue().main)
        if (row.bListed)
        {
            szOut += RowName(row.szName);
            szOut += '\n';
        }
    return szOut;
}

} // namespace

const char* CalcHelpText()
{
    return kHelpText;
}

std::string JsonQuote(std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    std::string szOut = "\"";
    for (char c : text)
    {
        const unsigned char b = static_cast<unsigned char>(c);
        switch (c)
        {
        case '"': szOut += "\\\""; break;
        case '\\': szOut += "\\\\"; break;
        case '\b': szOut += "\\b"; break;
        case '\f': szOut += "\\f"; break;
        case '\n': szOut += "\\n"; break;
        case '\r': szOut += "\\r"; break;
        case '\t': szOut += "\\t"; break;
        default:
            if (b < 0x20)
            {
                szOut += "\\u00";
                szOut += kHex[b >> 4];
                szOut += kHex[b & 15];
            }
            else
                szOut += c;
        }
    }
    szOut += '"';
    return szOut;
}

std::string SuggestModelName(std::string_view name)
{
    // A hint is at most two typing errors away from a catalogue name, so a text
    // longer than the longest name by more than that is none (and would cost an edit
    // distance per model and byte: minutes for a few megabytes).
    static const std::size_t nLongest = []
    {
        std::size_t n = 0;
        for (const SCatalogueRow& row : GetCatalogue().main)
            n = std::max(n, NormaliseModelName(RowName(row.szName)).size());
        return n;
    }();
    const std::string szWanted = NormaliseModelName(name);
    if (szWanted.empty() || szWanted.size() > nLongest + 2)
        return {};
    std::string szBest;
    std::size_t nBest = 3; // at most two typing errors
    for (const SCatalogueRow& row : GetCatalogue().main)
    {
        if (!row.bListed)
            continue;
        const std::string szCandidate = NormaliseModelName(RowName(row.szName));
        const std::size_t nDistance = EditDistance(szWanted, szCandidate);
        // A short name two edits away is a different name, not a typing error.
        if (nDistance < nBest && nDistance * 3 <= szCandidate.size())
        {
            nBest = nDistance;
            szBest = RowName(row.szName);
        }
    }
    return szBest;
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try
    {
        if (args.empty())
            throw UsageError("missing command (try lenvara-calc --help)");
        const std::string& szCommand = args[0];
        if (szCommand == "help" || szCommand == "-h" || szCommand == "--help")
        {
            out << kHelpText;
            return kCalcExitOk;
        }

        if (szCommand == "models")
        {
            for (std::size_t i = 1; i < args.size(); ++i)
            {
                if (args[i] == "-h" || args[i] == "--help")
                {
                    out << kHelpText;
                    return kCalcExitOk;
                }
            }
            if (args.size() > 1)
                throw UsageError("the models command takes no arguments, got " + ShowText(args[1]));
            out << ListModels();
            return kCalcExitOk;
        }

        SCalcRequest request;
        if (szCommand == "distance")
            request.nCommand = kCommandDistance;
        else if (szCommand == "size")
            request.nCommand = kCommandSize;
        else if (szCommand == "shift")
            request.nCommand = kCommandShift;
        else
            throw UsageError("unknown command: " + ShowText(szCommand) + " (try lenvara-calc --help)");

        if (!ParseOptions(args, request))
        {
            out << kHelpText;
            return kCalcExitOk;
        }
        if (!request.szModel)
            throw UsageError("missing model name (lenvara-calc models lists them)");
        if (request.nCommand == kCommandDistance && request.szSizeOption.empty())
            throw UsageError("give one of --width, --height, --diagonal");
        if (request.nCommand == kCommandSize && !request.fDistance)
            throw UsageError("give --distance");
        if (request.nCommand == kCommandShift && request.fDistance.has_value() &&
            !request.szSizeOption.empty())
            throw UsageError("give either a size (--width, --height, --diagonal) or --distance");
        const std::string& szModel = *request.szModel;

        // The engine reads the name as a C string: a name with an embedded NUL
        // must not match the part before it.
        const SCatalogueRow* pRow = szModel.find('\0') == std::string::npos
                                        ? FindRow(szModel, request.nAspectCode)
                                        : nullptr;
        if (!pRow)
            throw SCalcError{kCalcExitFailed, UnknownModelMessage(szModel)};

        std::string szOut;
        switch (request.nCommand)
        {
        case kCommandDistance: szOut = RunDistance(request, szModel); break;
        case kCommandSize: szOut = RunSize(request, szModel); break;
        case kCommandShift: szOut = RunShift(request, szModel, pRow->nShiftCaps); break;
        }
        out << szOut;
        return kCalcExitOk;
    }
    catch (const SCalcError& error)
    {
        err << error.szMessage << '\n';
        return error.nExit;
    }
}
