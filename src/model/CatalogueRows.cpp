#include "model/CatalogueRows.h"

#include <iterator>

namespace
{
// The compiled-in rows followed by the own ones; empty while there are none.
struct SAllRows
{
    std::vector<SCatalogueRow> main;
    std::vector<SLensRow> lens;
};

SAllRows& AllRows()
{
    static SAllRows rows;
    return rows;
}
} // namespace

SCatalogueRows GetCatalogueRows()
{
    const SAllRows& rows = AllRows();
    if (rows.main.empty())
        return {GetCatalogue().main, GetCatalogue().lens};
    return {rows.main, rows.lens};
}

void SetOwnCatalogueRows(std::vector<SCatalogueRow> vMain, std::vector<SLensRow> vLens)
{
    SAllRows& rows = AllRows();
    rows.main.clear();
    rows.lens.clear();
    if (vMain.empty() && vLens.empty())
    {
        rows.main.shrink_to_fit();
        rows.lens.shrink_to_fit();
        return;
    }
    const SCatalogue& builtIn = GetCatalogue();
    rows.main.reserve(std::size(builtIn.main) + vMain.size());
    rows.main.assign(std::begin(builtIn.main), std::end(builtIn.main));
    rows.main.insert(rows.main.end(), vMain.begin(), vMain.end());
    rows.lens.reserve(std::size(builtIn.lens) + vLens.size());
    rows.lens.assign(std::begin(builtIn.lens), std::end(builtIn.lens));
    rows.lens.insert(rows.lens.end(), vLens.begin(), vLens.end());
}
