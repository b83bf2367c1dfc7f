#include "core/OwnCatalogue.h"

#include "model/CatalogueRows.h"

#include <iterator>
#include <utility>

namespace
{
SOwnCatalogue& Installed()
{
    static SOwnCatalogue catalogue;
    return catalogue;
}
} // namespace

void InstallOwnProjectors(std::vector<SOwnProjector> projectors, const std::string& szFile)
{
    SPreparedOwnCatalogue prepared = PrepareOwnProjectors(std::move(projectors), szFile);
    InstallPreparedOwnProjectors(prepared);
}

SPreparedOwnCatalogue PrepareOwnProjectors(std::vector<SOwnProjector> projectors,
                                           const std::string& szFile)
{
    SPreparedOwnCatalogue prepared;
    std::vector<SCatalogueRow>& vMain = prepared.rows.main;
    std::vector<SLensRow>& vLens = prepared.rows.lens;
    if (!projectors.empty())
    {
        // The built-in rows first, then the own ones, made in place.
        const SCatalogue& builtIn = GetCatalogue();
        vMain.reserve(std::size(builtIn.main) + projectors.size() * kOwnAspectCount);
        vLens.reserve(std::size(builtIn.lens) + projectors.size() * kOwnAspectCount);
        vMain.assign(std::begin(builtIn.main), std::end(builtIn.main));
        vLens.assign(std::begin(builtIn.lens), std::end(builtIn.lens));
    }
    for (std::size_t i = 0; i < projectors.size(); ++i)
    {
        SOwnProjectorRows rows = DeriveProjectorRows(projectors[i]);
        for (SCatalogueRow& row : rows.main)
        {
            row.nBitmapId = kOwnPictureBase + static_cast<int>(i);
            vMain.push_back(row);
        }
        vLens.insert(vLens.end(), rows.lens.begin(), rows.lens.end());
    }
    prepared.catalogue = {szFile, std::move(projectors)};
    return prepared;
}

void InstallPreparedOwnProjectors(SPreparedOwnCatalogue& prepared)
{
    SwapCatalogueRows(prepared.rows);
    std::swap(Installed(), prepared.catalogue);
}

const SOwnCatalogue& InstalledOwnCatalogue()
{
    return Installed();
}

std::optional<SCatalogueError> LoadOwnCatalogue(const std::string& szPath)
{
    const bool bDefault = szPath.empty();
    const std::string szFile = bDefault ? DefaultProjectorCataloguePath() : szPath;
    if (szFile.empty())
        return std::nullopt; // no home folder: no default file
    SCatalogueRead read = ReadProjectorCatalogue(szFile);
    if (read.error && !(bDefault && read.error->bMissing))
        return read.error;
    InstallOwnProjectors(std::move(read.projectors), szFile);
    return std::nullopt;
}

std::string OwnPicturePath(int nPictureId)
{
    const SOwnCatalogue& catalogue = Installed();
    if (nPictureId < kOwnPictureBase ||
        static_cast<std::size_t>(nPictureId - kOwnPictureBase) >= catalogue.projectors.size())
        return {};
    return ProjectorPicturePath(catalogue.szFile,
                                catalogue.projectors[nPictureId - kOwnPictureBase]);
}
