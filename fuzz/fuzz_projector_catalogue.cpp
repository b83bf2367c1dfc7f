// Fuzz target: the own projector catalogue's readers. Any bytes give either one error
// on one line and no projectors, or projectors that pass every check, whose rows hold
// finite numbers and whose written file reads back to the same projectors. The same
// bytes as a CSV import give projectors or errors, never both.
#include "core/ProjectorCatalogue.h"
#include "core/ProjectorCsv.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{
void Require(bool bCondition)
{
    if (!bCondition)
        std::abort();
}

void CheckRows(const SOwnProjector& projector)
{
    const SOwnProjectorRows rows = DeriveProjectorRows(projector);
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        const SCatalogueRow& m = rows.main[i];
        const SLensRow& l = rows.lens[i];
        for (float f : {m.fThrowWide, m.fThrowTele, m.fPixelPitch, m.fLumens, l.fLensRadius,
                        l.fHOffset1, l.fHOffset2, l.fVOffset1, l.fVOffset2})
            Require(std::isfinite(f));
        Require(m.fThrowWide > 0.0f && m.fThrowWide <= m.fThrowTele);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const SCatalogueRead read = ParseProjectorCatalogue(text, "fuzz.json");
    if (read.error)
    {
        Require(read.projectors.empty());
        Require(FormatCatalogueError(*read.error).find('\n') == std::string::npos);
    }
    else
    {
        Require(!CheckProjectorList(read.projectors, "fuzz.json"));
        for (const SOwnProjector& projector : read.projectors)
            CheckRows(projector);
        const SCatalogueRead again =
            ParseProjectorCatalogue(ProjectorCatalogueJson(read.projectors), "again.json");
        Require(!again.error && again.projectors == read.projectors);
    }
    const SCsvImport csv = ImportProjectorCsv(text, read.projectors);
    Require(csv.errors.empty() || csv.projectors.empty());
    if (csv.errors.empty())
        Require(!CheckProjectorList(csv.projectors, "csv"));
    for (const SCsvRowError& error : csv.errors)
        Require(FormatCsvRowError(error).find('\n') == std::string::npos);
    return 0;
}
