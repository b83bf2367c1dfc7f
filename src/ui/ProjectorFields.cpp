#include "ui/ProjectorFields.h"

#include "core/TextFormat.h"

#include <cmath>

namespace
{

// The path of each field as ValidateOwnProjector names it.
const char* const kFieldPaths[kProjectorFieldCount] = {
    "name",
    "class",
    "panel.width_px",
    "panel.height_px",
    "panel.pitch_um",
    "lumens",
    "throw.\"4:3\"[0]",
    "throw.\"4:3\"[1]",
    "throw.\"16:9\"[0]",
    "throw.\"16:9\"[1]",
    "throw.\"2.35:1\"[0]",
    "throw.\"2.35:1\"[1]",
    "shift_percent.up",
    "shift_percent.down",
    "shift_percent.left",
    "shift_percent.right",
    "distance_m[0]",
    "distance_m[1]",
    "picture",
};

const char* const kFieldCaptions[kProjectorFieldCount] = {
    "Name",
    "Class",
    "Panel width",
    "Panel height",
    "Pixel pitch",
    "Lumens",
    "4:3 wide throw ratio",
    "4:3 tele throw ratio",
    "16:9 wide throw ratio",
    "16:9 tele throw ratio",
    "2.35:1 wide throw ratio",
    "2.35:1 tele throw ratio",
    "Shift up",
    "Shift down",
    "Shift left",
    "Shift right",
    "Nearest distance",
    "Farthest distance",
    "Picture",
};

bool IsBlank(const std::string& szText)
{
    return szText.find_first_not_of(" \t") == std::string::npos;
}

// Reads the texts field by field, noting every text that cannot be read.
class CEntryReader
{
public:
    explicit CEntryReader(const SProjectorEntry& entry) : m_entry(entry) {}

    bool Given(int nField) const { return !IsBlank(m_entry.texts[nField]); }

    // A blank text reads as 0, which the range checks refuse where a value is needed.
    double Number(int nField)
    {
        double d = 0.0;
        if (Given(nField) && !ParseWholeNumber(m_entry.texts[nField], d))
        {
            Problem(nField, "must be a number, such as 7.6");
            return 0.0;
        }
        return d;
    }

    int WholeNumber(int nField)
    {
        const double d = Number(nField);
        if (d != std::floor(d) || std::fabs(d) > 1e9)
        {
            Problem(nField, "must be a whole number from 1 to 16384");
            return 0;
        }
        return static_cast<int>(d);
    }

    // Both or neither of two fields; the reason goes to the missing one.
    bool BothOrNeither(int nFirst, int nSecond, const char* pszReason)
    {
        if (Given(nFirst) == Given(nSecond))
            return Given(nFirst);
        Problem(Given(nFirst) ? nSecond : nFirst, pszReason);
        return false;
    }

    void Problem(int nField, std::string szReason)
    {
        m_problems.push_back({nField, kFieldPaths[nField], std::move(szReason)});
    }

    std::vector<SFieldProblem> m_problems;

private:
    const SProjectorEntry& m_entry;
};

} // namespace

SProjectorEntry EntryOfProjector(const SOwnProjector& p)
{
    SProjectorEntry entry;
    auto& t = entry.texts;
    t[kFieldName] = p.szName;
    t[kFieldClass] = p.szClass;
    t[kFieldWidth] = std::to_string(p.nWidthPx);
    t[kFieldHeight] = std::to_string(p.nHeightPx);
    t[kFieldPitch] = FormatShortest(p.dPitchUm);
    t[kFieldLumens] = FormatShortest(p.dLumens);
    for (int i = 0; i < kOwnAspectCount; ++i)
        if (p.throws[i])
        {
            t[kFieldThrow43Wide + 2 * i] = FormatShortest(p.throws[i]->dWide);
            t[kFieldThrow43Tele + 2 * i] = FormatShortest(p.throws[i]->dTele);
        }
    if (p.shift)
    {
        t[kFieldShiftUp] = FormatShortest(p.shift->dUp);
        t[kFieldShiftDown] = FormatShortest(p.shift->dDown);
        t[kFieldShiftLeft] = FormatShortest(p.shift->dLeft);
        t[kFieldShiftRight] = FormatShortest(p.shift->dRight);
        entry.eShiftOf = p.shift->eOf;
    }
    entry.lens = p.lens;
    entry.shiftEnvelope = p.shiftEnvelope;
    if (p.distance)
    {
        t[kFieldDistanceMin] = FormatShortest(p.distance->dMin);
        t[kFieldDistanceMax] = FormatShortest(p.distance->dMax);
    }
    t[kFieldPicture] = p.szPicture;
    return entry;
}

SEntryReading ReadEntry(const SProjectorEntry& entry)
{
    CEntryReader r(entry);
    SOwnProjector p;
    p.szName = entry.texts[kFieldName];
    p.szClass = entry.texts[kFieldClass];
    p.nWidthPx = r.WholeNumber(kFieldWidth);
    p.nHeightPx = r.WholeNumber(kFieldHeight);
    p.dPitchUm = r.Number(kFieldPitch);
    p.dLumens = r.Number(kFieldLumens);
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        const int nWide = kFieldThrow43Wide + 2 * i;
        if (r.BothOrNeither(nWide, nWide + 1, "give both the wide and the tele ratio, or neither"))
            p.throws[i] = SThrowPair{r.Number(nWide), r.Number(nWide + 1)};
    }
    if (entry.lens)
        p.lens = entry.lens;
    else if (r.Given(kFieldShiftUp) || r.Given(kFieldShiftDown) || r.Given(kFieldShiftLeft) ||
             r.Given(kFieldShiftRight))
    {
        p.shift =
            SShiftPercent{r.Number(kFieldShiftUp), r.Number(kFieldShiftDown),
                          r.Number(kFieldShiftLeft), r.Number(kFieldShiftRight), entry.eShiftOf};
        p.shiftEnvelope = entry.shiftEnvelope;
    }
    if (r.BothOrNeither(kFieldDistanceMin, kFieldDistanceMax, "give both distances, or neither"))
        p.distance = SDistanceRange{r.Number(kFieldDistanceMin), r.Number(kFieldDistanceMax)};
    p.szPicture = entry.texts[kFieldPicture];

    SEntryReading reading{std::move(p), std::move(r.m_problems)};
    // The range checks only once every text could be read: a text that is no number
    // reads as 0, which they would refuse for the wrong reason.
    if (reading.problems.empty())
        if (std::optional<SFieldError> error = ValidateOwnProjector(reading.projector))
            reading.problems.push_back(
                {FieldOfPath(error->szField), error->szField, error->szReason});
    return reading;
}

int FieldOfPath(const std::string& szPath)
{
    if (szPath == "throw") // no pair at all: the listed aspect's is the one to give
        return kFieldThrow169Wide;
    for (int i = 0; i < kProjectorFieldCount; ++i)
        if (szPath == kFieldPaths[i])
            return i;
    return -1;
}

const char* FieldCaption(int nField)
{
    return nField >= 0 && nField < kProjectorFieldCount ? kFieldCaptions[nField] : "";
}

std::string FormatFieldProblem(int nProjector, const std::string& szName,
                               const SFieldProblem& problem)
{
    std::string szText = "Projector " + std::to_string(nProjector + 1);
    if (!szName.empty())
        szText += " (\"" + EscapeControlCharacters(szName) + "\")";
    const std::string szWhere = problem.nField >= 0 ? FieldCaption(problem.nField) : problem.szPath;
    return szText + ", " + szWhere + ": " + EscapeControlCharacters(problem.szReason);
}
