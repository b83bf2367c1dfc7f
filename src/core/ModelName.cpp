#include "core/ModelName.h"

#include "model/CatalogueRows.h"

#include <algorithm>
#include <cstring>

namespace
{

std::size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        prev[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
    {
        cur[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j)
            cur[j] = std::min(
                {prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

} // namespace

std::string NormaliseModelName(std::string_view name)
{
    std::string out;
    bool bBlank = false;
    for (char c : name)
    {
        if (c == ' ' || c == '\t')
        {
            bBlank = !out.empty();
            continue;
        }
        if (bBlank)
            out += ' ';
        bBlank = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string_view CatalogueRowName(const SCatalogueRow& row)
{
    return std::string_view(row.szName, strnlen(row.szName, kCatalogueTextSize));
}

std::vector<std::string> ListedModelNames()
{
    std::vector<std::string> names;
    for (const SCatalogueRow& row : GetCatalogueRows().main)
        if (row.bListed)
            names.emplace_back(CatalogueRowName(row));
    return names;
}

const SCatalogueRow* FindCatalogueRow(std::string_view name, int nAspectCode)
{
    if (name.find('\0') != std::string_view::npos)
        return nullptr;
    for (const SCatalogueRow& row : GetCatalogueRows().main)
        if (row.nAspectCode == nAspectCode && CatalogueRowName(row) == name)
            return &row;
    return nullptr;
}

std::string SuggestModelName(std::string_view name)
{
    // A hint is at most two typing errors away from a catalogue name, so a text
    // longer than the longest name by more than that is none (and would cost an edit
    // distance per model and byte: minutes for a few megabytes).
    std::size_t nLongest = 0;
    for (const SCatalogueRow& row : GetCatalogueRows().main)
        nLongest = std::max(nLongest, CatalogueRowName(row).size());
    const std::string szWanted = NormaliseModelName(name);
    if (szWanted.empty() || szWanted.size() > nLongest + 2)
        return {};
    std::string szBest;
    std::size_t nBest = 3; // at most two typing errors
    for (const std::string& szName : ListedModelNames())
    {
        const std::string szCandidate = NormaliseModelName(szName);
        const std::size_t nDistance = EditDistance(szWanted, szCandidate);
        // A short name two edits away is a different name, not a typing error.
        if (nDistance < nBest && nDistance * 3 <= szCandidate.size())
        {
            nBest = nDistance;
            szBest = szName;
        }
    }
    return szBest;
}
