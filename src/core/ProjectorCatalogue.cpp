// The own projector catalogue: the checks of its projectors, its messages and paths;
// the JSON reader is in ProjectorCatalogueReader.cpp, reading and writing the file in
// ProjectorCatalogueFile.cpp. See ProjectorCatalogue.h.
#include "core/ProjectorCatalogue.h"

#include "core/ModelName.h"
#include "core/TextFormat.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const char* const kAspectKeys[kOwnAspectCount] = {"4:3", "16:9", "2.35:1"};

bool InRange(double d, double dLow, double dHigh)
{
    return std::isfinite(d) && d >= dLow && d <= dHigh;
}

// The code point of the UTF-8 sequence at text[i] and its length; length 0 when the
// bytes there are not well-formed (overlong forms, surrogates and beyond U+10FFFF too).
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t i)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80)
        return {c, 1};
    std::size_t n = 0;
    char32_t cp = 0, cpMin = 0;
    if (c >= 0xC2 && c <= 0xDF)
        n = 2, cp = c & 0x1F, cpMin = 0x80;
    else if (c >= 0xE0 && c <= 0xEF)
        n = 3, cp = c & 0x0F, cpMin = 0x800;
    else if (c >= 0xF0 && c <= 0xF4)
        n = 4, cp = c & 0x07, cpMin = 0x10000;
    else
        return {0, 0};
    if (i + n > text.size())
        return {0, 0};
    for (std::size_t k = 1; k < n; ++k)
    {
        const auto d = static_cast<unsigned char>(text[i + k]);
        if ((d & 0xC0) != 0x80)
            return {0, 0};
        cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < cpMin || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {0, 0};
    return {cp, n};
}

bool IsControl(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

// What is wrong with a name, class or picture text; nothing when it is good.
std::optional<std::string> TextProblem(std::string_view text, std::size_t nMaxBytes)
{
    if (text.size() > nMaxBytes)
        return "longer than " + std::to_string(nMaxBytes) + " bytes";
    for (std::size_t i = 0; i < text.size();)
    {
        const auto [cp, n] = DecodeUtf8(text, i);
        if (n == 0)
            return std::string("not valid UTF-8");
        if (IsControl(cp))
            return std::string("holds a control character");
        i += n;
    }
    return std::nullopt;
}

std::string PairPath(const char* pszBase, int nIndex)
{
    return std::string(pszBase) + "[" + std::to_string(nIndex) + "]";
}

std::string ThrowPath(int nAspect, int nIndex)
{
    return PairPath(("throw.\"" + std::string(kAspectKeys[nAspect]) + "\"").c_str(), nIndex);
}

std::optional<SFieldError> CheckTexts(const SOwnProjector& p)
{
    if (p.szName.empty())
        return SFieldError{"name", "must not be empty"};
    if (auto szWhy = TextProblem(p.szName, kOwnNameBytesMax))
        return SFieldError{"name", *szWhy};
    if (p.szName.front() == ' ' || p.szName.back() == ' ')
        return SFieldError{"name", "must not begin or end with a blank"};
    if (auto szWhy = TextProblem(p.szClass, kOwnNameBytesMax))
        return SFieldError{"class", *szWhy};
    if (p.szPicture.empty())
        return std::nullopt;
    if (auto szWhy = TextProblem(p.szPicture, 4096))
        return SFieldError{"picture", *szWhy};
    std::string szExt = std::filesystem::path(p.szPicture).extension().string();
    for (char& c : szExt)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (szExt != ".png" && szExt != ".jpg" && szExt != ".jpeg" && szExt != ".bmp")
        return SFieldError{"picture", "must be a PNG, JPEG or BMP file (.png, .jpg, .jpeg, .bmp)"};
    return std::nullopt;
}

std::optional<SFieldError> CheckThrow(const SOwnProjector& p)
{
    bool bAny = false;
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        if (!p.throws[i])
            continue;
        bAny = true;
        const SThrowPair& pair = *p.throws[i];
        if (!InRange(pair.dWide, 0.05, 20.0))
            return SFieldError{ThrowPath(i, 0), "must be from 0.05 to 20"};
        if (!InRange(pair.dTele, 0.05, 20.0))
            return SFieldError{ThrowPath(i, 1), "must be from 0.05 to 20"};
        if (pair.dTele < pair.dWide)
            return SFieldError{ThrowPath(i, 1), "the tele ratio must not be less than the wide"};
    }
    if (!bAny)
        return SFieldError{"throw", "must give the [wide, tele] pair of 4:3, 16:9 or 2.35:1"};
    return std::nullopt;
}

std::string EnvelopePath(std::size_t nPoint, int nCoordinate)
{
    return PairPath(("shift_envelope[" + std::to_string(nPoint) + "]").c_str(), nCoordinate);
}

// The outline must run from the vertical axis to the horizontal one without turning
// back, and meet each axis where shift_percent's larger side does: an outline that
// states other travel than the percentages would leave the user two answers.
std::optional<SFieldError> CheckEnvelope(const SOwnProjector& p)
{
    if (!p.shiftEnvelope)
        return std::nullopt;
    if (!p.shift)
        return SFieldError{"shift_envelope", "needs shift_percent (lens fields give their own "
                                             "outline)"};
    const std::vector<SShiftEnvelopePoint>& points = *p.shiftEnvelope;
    if (points.size() < 2 || points.size() > kShiftEnvelopePointsMax)
        return SFieldError{"shift_envelope", "must hold 2 to " +
                                                 std::to_string(kShiftEnvelopePointsMax) +
                                                 " [horizontal, vertical] points"};
    const SShiftPercent& s = *p.shift;
    const double dOf = s.eOf == EShiftOf::HalfImage ? 0.5 : 1.0;
    const double dVEnd = std::max(s.dUp, s.dDown) * dOf, dHEnd = std::max(s.dLeft, s.dRight) * dOf;
    if (dVEnd == 0.0 || dHEnd == 0.0)
        return SFieldError{"shift_envelope",
                           "needs shift_percent to give both vertical and horizontal shift"};
    for (std::size_t i = 0; i < points.size(); ++i)
    {
        const SShiftEnvelopePoint& point = points[i];
        if (!InRange(point.dH, 0.0, 200.0))
            return SFieldError{EnvelopePath(i, 0), "must be from 0 to 200"};
        if (!InRange(point.dV, 0.0, 200.0))
            return SFieldError{EnvelopePath(i, 1), "must be from 0 to 200"};
        if (i == 0)
            continue;
        const SShiftEnvelopePoint& before = points[i - 1];
        if (point.dH < before.dH)
            return SFieldError{EnvelopePath(i, 0),
                               "must not be less than the point before's: the points run from "
                               "the vertical axis to the horizontal one"};
        if (point.dV > before.dV)
            return SFieldError{EnvelopePath(i, 1),
                               "must not be more than the point before's: the points run from "
                               "the vertical axis to the horizontal one"};
        if (point == before)
            return SFieldError{PairPath("shift_envelope", static_cast<int>(i)),
                               "is the point before once more"};
    }
    const auto nearly = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * b; };
    const std::size_t nLast = points.size() - 1;
    if (points.front().dH != 0.0)
        return SFieldError{EnvelopePath(0, 0),
                           "must be 0: the outline begins on the vertical axis"};
    if (points.back().dV != 0.0)
        return SFieldError{EnvelopePath(nLast, 1),
                           "must be 0: the outline ends on the horizontal axis"};
    if (!nearly(points.front().dV, dVEnd))
        return SFieldError{EnvelopePath(0, 1), "must be " + FormatShortest(dVEnd) +
                                                   ", the larger of shift_percent up and down "
                                                   "in percent of the image"};
    if (!nearly(points.back().dH, dHEnd))
        return SFieldError{EnvelopePath(nLast, 0), "must be " + FormatShortest(dHEnd) +
                                                       ", the larger of shift_percent left and "
                                                       "right in percent of the image"};
    return std::nullopt;
}

std::optional<SFieldError> CheckLens(const SOwnProjector& p)
{
    if (p.shift && p.lens)
        return SFieldError{"lens", "give either shift_percent or lens, not both"};
    if (p.shift)
    {
        const SShiftPercent& s = *p.shift;
        const std::pair<const char*, double> values[] = {
            {"up", s.dUp}, {"down", s.dDown}, {"left", s.dLeft}, {"right", s.dRight}};
        for (const auto& [pszKey, d] : values)
            if (!InRange(d, 0.0, 200.0))
                return SFieldError{std::string("shift_percent.") + pszKey, "must be from 0 to 200"};
    }
    if (!p.lens)
        return std::nullopt;
    const SLensFields& lens = *p.lens;
    for (int i = 0; i < 2; ++i)
    {
        if (!InRange(lens.hOffsets[i], -1000.0, 1000.0))
            return SFieldError{PairPath("lens.h_offsets_mm", i), "must be from -1000 to 1000"};
        if (!InRange(lens.vOffsets[i], -1000.0, 1000.0))
            return SFieldError{PairPath("lens.v_offsets_mm", i), "must be from -1000 to 1000"};
    }
    if (!InRange(lens.dRadius, 1.0, 1000.0))
        return SFieldError{"lens.radius_mm", "must be from 1 to 1000"};
    // The image circle must hold the panel, or the shift room has no chord.
    const double dW = p.nWidthPx * p.dPitchUm * 0.001, dH = p.nHeightPx * p.dPitchUm * 0.001;
    const double dHalfDiagonal = 0.5 * std::sqrt(dW * dW + dH * dH);
    if (lens.dRadius < dHalfDiagonal * (1.0 + 1e-6))
        return SFieldError{"lens.radius_mm",
                           "must be more than half the panel's diagonal (the image circle holds "
                           "the panel)"};
    return std::nullopt;
}

} // namespace

std::optional<SFieldError> ValidateOwnProjector(const SOwnProjector& p)
{
    if (auto error = CheckTexts(p))
        return error;
    if (p.nWidthPx < 1 || p.nWidthPx > 16384)
        return SFieldError{"panel.width_px", "must be a whole number from 1 to 16384"};
    if (p.nHeightPx < 1 || p.nHeightPx > 16384)
        return SFieldError{"panel.height_px", "must be a whole number from 1 to 16384"};
    if (!InRange(p.dPitchUm, 1.0, 100.0))
        return SFieldError{"panel.pitch_um", "must be from 1 to 100"};
    if (!InRange(p.dLumens, 1.0, 100000.0))
        return SFieldError{"lumens", "must be from 1 to 100000"};
    if (auto error = CheckThrow(p))
        return error;
    if (auto error = CheckLens(p))
        return error;
    if (auto error = CheckEnvelope(p))
        return error;
    if (p.distance)
    {
        if (!InRange(p.distance->dMin, 0.01, 1000.0))
            return SFieldError{"distance_m[0]", "must be from 0.01 to 1000"};
        if (!InRange(p.distance->dMax, 0.01, 1000.0))
            return SFieldError{"distance_m[1]", "must be from 0.01 to 1000"};
        if (p.distance->dMax < p.distance->dMin)
            return SFieldError{"distance_m[1]", "must not be less than the nearest distance"};
    }
    return std::nullopt;
}

CProjectorNameSet::CProjectorNameSet()
{
    for (const SCatalogueRow& row : GetCatalogue().main)
        m_names.emplace(NormaliseModelName(row.szName), SOwner{-1, row.szName});
}

std::optional<std::string> CProjectorNameSet::Claim(const std::string& szName, int nIndex)
{
    const auto [it, bNew] = m_names.emplace(NormaliseModelName(szName), SOwner{nIndex, szName});
    if (bNew)
        return std::nullopt;
    const SOwner& owner = it->second;
    if (owner.nIndex < 0)
        return "is the name of the built-in model \"" + owner.szName + "\"";
    return "is the name of projector " + std::to_string(owner.nIndex + 1) + " (\"" + owner.szName +
           "\") already";
}

std::optional<SCatalogueError> CheckProjectorList(const std::vector<SOwnProjector>& projectors,
                                                  const std::string& szFile)
{
    CProjectorNameSet names;
    if (projectors.size() > kOwnProjectorsMax)
        return SCatalogueError{szFile, -1, "", "projectors",
                               "more than " + std::to_string(kOwnProjectorsMax) + " projectors"};
    for (std::size_t i = 0; i < projectors.size(); ++i)
    {
        const SOwnProjector& p = projectors[i];
        const int nIndex = static_cast<int>(i);
        if (auto error = ValidateOwnProjector(p))
            return SCatalogueError{szFile, nIndex, p.szName, error->szField, error->szReason};
        if (auto szWhy = names.Claim(p.szName, nIndex))
            return SCatalogueError{szFile, nIndex, p.szName, "name", *szWhy};
    }
    return std::nullopt;
}

// Control characters as \u00XX, bytes that are not UTF-8 as \xXX; the rest unchanged.
std::string EscapeControlCharacters(std::string_view text)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size();)
    {
        const auto [cp, n] = DecodeUtf8(text, i);
        if (n == 0)
        {
            const auto b = static_cast<unsigned char>(text[i]);
            out += "\\x";
            out += kHex[b >> 4];
            out += kHex[b & 15];
            ++i;
            continue;
        }
        if (IsControl(cp))
        {
            out += "\\u00";
            out += kHex[cp >> 4];
            out += kHex[cp & 15];
        }
        else
            out.append(text.substr(i, n));
        i += n;
    }
    return out;
}

std::string FormatCatalogueError(const SCatalogueError& error)
{
    std::string szLine = EscapeControlCharacters(error.szFile);
    if (error.nProjector >= 0)
    {
        szLine += ": projector " + std::to_string(error.nProjector + 1);
        if (!error.szProjector.empty())
            szLine += " (\"" + EscapeControlCharacters(error.szProjector) + "\")";
    }
    if (!error.szField.empty())
        szLine += (error.nProjector >= 0 ? ", " : ": ") + EscapeControlCharacters(error.szField);
    return szLine + ": " + EscapeControlCharacters(error.szReason);
}

std::string DefaultProjectorCataloguePath()
{
    const char* pszData = std::getenv("XDG_DATA_HOME");
    if (pszData != nullptr && pszData[0] == '/')
        return std::string(pszData) + "/lenvara/projectors.json";
    const char* pszHome = std::getenv("HOME");
    if (pszHome != nullptr && pszHome[0] != '\0')
        return std::string(pszHome) + "/.local/share/lenvara/projectors.json";
    return {};
}

std::string ProjectorPicturePath(const std::string& szCatalogueFile, const SOwnProjector& projector)
{
    if (projector.szPicture.empty())
        return {};
    const std::filesystem::path picture(projector.szPicture);
    if (picture.is_absolute())
        return picture.string();
    return (std::filesystem::path(szCatalogueFile).parent_path() / picture).string();
}
