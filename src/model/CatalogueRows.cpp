#include "model/CatalogueRows.h"

#include <iterator>

namespace
{
// The compiled-in rows followed by the own ones; empty while there are none.
SAllCatalogueRows& AllRows()
{
    static SAllCatalogueRows rows;
    return rows;
}
} // namespace

SCatalogueRows GetCatalogueRows()
{
    const SAllCatalogueRows& rows = AllRows();
    if (rows.main.empty())
        return {GetCatalogue().main, GetCatalogue().lens};
    return {rows.main, rows.lens};
}

SAllCatalogueRows MakeCatalogueRows(std::vector<SCatalogueRow> vMain, std::vector<SLensRow> vLens)
{
    SAllCatalogueRows rows;
    if (vMain.empty() && vLens.empty())
        return rows;
    const SCatalogue& builtIn = GetCatalogue();
    rows.main.reserve(std::size(builtIn.main) + vMain.size());
    rows.main.assign(std::begin(builtIn.main), std::end(builtIn.main));
    rows.main.insert(rows.main.end(), vMain.begin(), vMain.end());
    rows.lens.reserve(std::size(builtIn.lens) + vLens.size());
    rows.lens.assign(std::begin(builtIn.lens), std::end(builtIn.lens));
    rows.lens.insert(rows.lens.end(), vLens.begin(), vLens.end());
    return rows;
}

void SwapCatalogueRows(SAllCatalogueRows& rows)
{
    SAllCatalogueRows& held = AllRows();
    held.main.swap(rows.main);
    held.lens.swap(rows.lens);
}

void SetOwnCatalogueRows(std::vector<SCatalogueRow> vMain, std::vector<SLensRow> vLens)
{
    SAllCatalogueRows rows = MakeCatalogueRows(std::move(vMain), std::move(vLens));
    SwapCatalogueRows(rows);
}
