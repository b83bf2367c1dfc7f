// Importing own projectors from CSV; see ProjectorCsv.h.
#include "core/ProjectorCsv.h"

#include "core/ModelName.h"
#include "core/ProjectorCatalogue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <unordered_map>

namespace
{

enum EColumn
{
    kColName,
    kColClass,
    kColWidth,
    kColHeight,
    kColPitch,
    kColLumens,
    kColThrow0, // wide and tele of 4:3, 16:9, 2.35:1
    kColShiftUp = kColThrow0 + 2 * kOwnAspectCount,
    kColShiftDown,
    kColShiftLeft,
    kColShiftRight,
    kColShiftOf,
    kColDistanceMin,
    kColDistanceMax,
    kColPicture,
    kColCount
};

// Each column with the field of the catalogue file it stands for.
struct SColumn
{
    const char* pszName;
    const char* pszField;
};
constexpr SColumn kColumns[kColCount] = {
    {"name", "name"},
    {"class", "class"},
    {"width_px", "panel.width_px"},
    {"height_px", "panel.height_px"},
    {"pitch_um", "panel.pitch_um"},
    {"lumens", "lumens"},
    {"throw_4_3_wide", "throw.\"4:3\"[0]"},
    {"throw_4_3_tele", "throw.\"4:3\"[1]"},
    {"throw_16_9_wide", "throw.\"16:9\"[0]"},
    {"throw_16_9_tele", "throw.\"16:9\"[1]"},
    {"throw_2_35_wide", "throw.\"2.35:1\"[0]"},
    {"throw_2_35_tele", "throw.\"2.35:1\"[1]"},
    {"shift_up", "shift_percent.up"},
    {"shift_down", "shift_percent.down"},
    {"shift_left", "shift_percent.left"},
    {"shift_right", "shift_percent.right"},
    {"shift_of", "shift_percent.of"},
    {"distance_min_m", "distance_m[0]"},
    {"distance_max_m", "distance_m[1]"},
    {"picture", "picture"},
};

// The column of a field of the catalogue file; the field itself when no column holds
// it alone (as "throw" for no pair at all).
std::string ColumnOfField(const std::string& szField)
{
    for (const SColumn& column : kColumns)
        if (szField == column.pszField)
            return column.pszName;
    return szField;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Splits CSV text into rows of cells, row by row.
class CCsvRows
{
public:
    CCsvRows(std::string_view text, char cSeparator) : m_text(text), m_cSeparator(cSeparator)
    {
        if (m_text.substr(0, 3) == "\xEF\xBB\xBF")
            m_text.remove_prefix(3);
    }

    // The next row and the line it starts on; false at the end. bUnclosed: the text
    // ended inside a quoted cell.
    bool Next(std::vector<std::string>& cells, std::size_t& nLine, bool& bUnclosed)
    {
        if (m_nPos >= m_text.size())
            return false;
        nLine = m_nLine;
        cells.assign(1, std::string());
        bool bQuoted = false;
        bUnclosed = false;
        while (m_nPos < m_text.size())
        {
            const char c = m_text[m_nPos++];
            std::string& cell = cells.back();
            if (bQuoted && c == '"' && m_nPos < m_text.size() && m_text[m_nPos] == '"')
                cell += '"', ++m_nPos;
            else if (c == '"' && (bQuoted || cell.empty()))
                bQuoted = !bQuoted;
            else if (bQuoted)
                cell += c, m_nLine += c == '\n' ? 1 : 0;
            else if (c == m_cSeparator)
                cells.emplace_back();
            else if (c == '\n' || c == '\r')
            {
                if (c == '\r' && m_nPos < m_text.size() && m_text[m_nPos] == '\n')
                    ++m_nPos;
                ++m_nLine;
                return true;
            }
            else
                cell += c;
        }
        bUnclosed = bQuoted;
        return true;
    }

private:
    std::string_view m_text;
    char m_cSeparator;
    std::size_t m_nPos = 0;
    std::size_t m_nLine = 1;
};

// A number of a cell, decimal comma allowed where bComma; nothing when it is none.
std::optional<double> ParseNumber(std::string_view cell, bool bComma)
{
    std::string text(Trim(cell));
    if (bComma && text.find(',') != std::string::npos && text.find('.') == std::string::npos)
        text[text.find(',')] = '.';
    double d = 0.0;
    const char* pEnd = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), pEnd, d);
    if (ec != std::errc() || ptr != pEnd || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// Reads one row's cells into a projector.
class CRowReader
{
public:
    CRowReader(const std::vector<std::string>& cells, const std::array<int, kColCount>& index,
               bool bComma)
        : m_cells(cells), m_index(index), m_bComma(bComma)
    {
    }

    // The first bad column and why; nothing when the row is good.
    std::optional<SCsvRowError> Read(SOwnProjector& p);

private:
    std::string_view Cell(int nColumn) const
    {
        const int i = m_index[nColumn];
        return i < 0 || static_cast<std::size_t>(i) >= m_cells.size() ? std::string_view()
                                                                      : m_cells[i];
    }
    bool Given(int nColumn) const { return !Trim(Cell(nColumn)).empty(); }
    std::optional<SCsvRowError> Number(int nColumn, double& dTarget) const
    {
        if (!Given(nColumn))
            return Error(nColumn, "missing");
        std::optional<double> d = ParseNumber(Cell(nColumn), m_bComma);
        if (!d)
            return Error(nColumn, "must be a number");
        dTarget = *d;
        return std::nullopt;
    }
    std::optional<SCsvRowError> Pixels(int nColumn, int& nTarget) const
    {
        double d = 0.0;
        if (auto error = Number(nColumn, d))
            return error;
        if (d != std::floor(d) || d < 1.0 || d > 16384.0)
            return Error(nColumn, "must be a whole number from 1 to 16384");
        nTarget = static_cast<int>(d);
        return std::nullopt;
    }
    // Both cells of a pair or neither.
    std::optional<SCsvRowError> Pair(int nFirst, std::optional<std::array<double, 2>>& pair) const
    {
        if (!Given(nFirst) && !Given(nFirst + 1))
            return std::nullopt;
        pair.emplace();
        for (int k = 0; k < 2; ++k)
            if (auto error = Number(nFirst + k, (*pair)[k]))
                return error;
        return std::nullopt;
    }
    static SCsvRowError Error(int nColumn, std::string szReason)
    {
        return {0, kColumns[nColumn].pszName, std::move(szReason)};
    }

    const std::vector<std::string>& m_cells;
    const std::array<int, kColCount>& m_index;
    bool m_bComma;
};

std::optional<SCsvRowError> CRowReader::Read(SOwnProjector& p)
{
    if (!Given(kColName))
        return Error(kColName, "missing");
    p.szName = Cell(kColName);
    p.szClass = Cell(kColClass);
    p.szPicture = Trim(Cell(kColPicture));
    for (auto error : {Pixels(kColWidth, p.nWidthPx), Pixels(kColHeight, p.nHeightPx),
                       Number(kColPitch, p.dPitchUm), Number(kColLumens, p.dLumens)})
        if (error)
            return error;
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        std::optional<std::array<double, 2>> pair;
        if (auto error = Pair(kColThrow0 + 2 * i, pair))
            return error;
        if (pair)
            p.throws[i] = SThrowPair{(*pair)[0], (*pair)[1]};
    }
    std::optional<std::array<double, 2>> distance;
    if (auto error = Pair(kColDistanceMin, distance))
        return error;
    if (distance)
        p.distance = SDistanceRange{(*distance)[0], (*distance)[1]};
    for (int nColumn = kColShiftUp; nColumn <= kColShiftOf; ++nColumn)
        if (Given(nColumn))
            p.shift.emplace();
    if (!p.shift)
        return std::nullopt;
    double* const pValues[4] = {&p.shift->dUp, &p.shift->dDown, &p.shift->dLeft, &p.shift->dRight};
    for (int k = 0; k < 4; ++k)
        if (auto error =
                Given(kColShiftUp + k) ? Number(kColShiftUp + k, *pValues[k]) : std::nullopt)
            return error;
    const std::string_view of = Trim(Cell(kColShiftOf));
    if (of == "half-image")
        p.shift->eOf = EShiftOf::HalfImage;
    else if (!of.empty() && of != "image")
        return Error(kColShiftOf, "must be \"image\" or \"half-image\"");
    return std::nullopt;
}

// The column index of each field from the header; the header's errors.
std::vector<SCsvRowError> ReadHeader(const std::vector<std::string>& header,
                                     std::array<int, kColCount>& index)
{
    std::vector<SCsvRowError> errors;
    index.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i)
    {
        const std::string_view name = Trim(header[i]);
        int nColumn = -1;
        for (int c = 0; c < kColCount; ++c)
            if (name == kColumns[c].pszName)
                nColumn = c;
        if (nColumn < 0)
            errors.push_back({1, std::string(name), "not a column of the projector list"});
        else if (index[nColumn] >= 0)
            errors.push_back({1, std::string(name), "given twice"});
        else
            index[nColumn] = static_cast<int>(i);
    }
    if (index[kColName] < 0)
        errors.push_back({1, "name", "missing column"});
    return errors;
}

bool IsBlankRow(const std::vector<std::string>& cells)
{
    for (const std::string& cell : cells)
        if (!Trim(cell).empty())
            return false;
    return true;
}

} // namespace

SCsvImport ImportProjectorCsv(std::string_view text, const std::vector<SOwnProjector>& existing)
{
    // Semicolons separate the cells when the header has some and no comma.
    const std::string_view headerLine = text.substr(0, text.find_first_of("\r\n"));
    const bool bSemicolon = headerLine.find(';') != std::string_view::npos &&
                            headerLine.find(',') == std::string_view::npos;
    CCsvRows rows(text, bSemicolon ? ';' : ',');
    SCsvImport result;
    std::vector<std::string> cells;
    std::size_t nLine = 0;
    bool bUnclosed = false;
    std::array<int, kColCount> index{};
    rows.Next(cells, nLine, bUnclosed);
    result.errors = ReadHeader(cells, index);
    const std::size_t nColumns = cells.size();
    if (!result.errors.empty())
        return result;

    CProjectorNameSet names;
    for (std::size_t i = 0; i < existing.size(); ++i)
        names.Claim(existing[i].szName, static_cast<int>(i));
    std::unordered_map<std::string, std::size_t> lineOfName;
    while (rows.Next(cells, nLine, bUnclosed))
    {
        if (IsBlankRow(cells))
            continue;
        SOwnProjector p;
        std::optional<SCsvRowError> error;
        if (bUnclosed)
            error = SCsvRowError{0, "", "a quoted cell is not closed"};
        else if (cells.size() > nColumns)
            error = SCsvRowError{0, "", "more cells than the header has columns"};
        else
            error = CRowReader(cells, index, bSemicolon).Read(p);
        if (!error)
            if (std::optional<SFieldError> bad = ValidateOwnProjector(p))
                error = SCsvRowError{0, ColumnOfField(bad->szField), bad->szReason};
        if (!error)
        {
            const auto [it, bNew] = lineOfName.emplace(NormaliseModelName(p.szName), nLine);
            if (!bNew)
                error = SCsvRowError{
                    0, "name", "is the name on line " + std::to_string(it->second) + " already"};
            else if (auto szWhy = names.Claim(p.szName, static_cast<int>(existing.size())))
                error = SCsvRowError{0, "name", *szWhy};
        }
        if (error)
        {
            error->nLine = nLine;
            result.errors.push_back(std::move(*error));
        }
        else if (result.errors.empty())
            result.projectors.push_back(std::move(p));
    }
    if (!result.errors.empty())
        result.projectors.clear();
    return result;
}

std::string FormatCsvRowError(const SCsvRowError& error)
{
    std::string szLine = "line " + std::to_string(error.nLine);
    if (!error.szField.empty())
        szLine += ", " + EscapeControlCharacters(error.szField);
    return szLine + ": " + EscapeControlCharacters(error.szReason);
}
