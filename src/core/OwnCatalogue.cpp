#include "core/OwnCatalogue.h"

#include "model/CatalogueRows.h"

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
    std::vector<SCatalogueRow> vMain;
    std::vector<SLensRow> vLens;
    vMain.reserve(projectors.size() * kOwnAspectCount);
    vLens.reserve(projectors.size() * kOwnAspectCount);
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
    SetOwnCatalogueRows(std::move(vMain), std::move(vLens));
    Installed() = {szFile, std::move(projectors)};
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
