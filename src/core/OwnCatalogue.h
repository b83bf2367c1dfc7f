// The user's own projectors as the program and lenvara-calc hold them once read: their
// rows follow the built-in ones in every search (model/CatalogueRows.h), and own
// projector i shows the picture file of picture id kOwnPictureBase + i.
#pragma once

#include "core/ProjectorCatalogue.h"
#include "model/CatalogueRows.h"

#include <optional>
#include <string>
#include <vector>

struct SOwnCatalogue
{
    std::string szFile; // the file they came from (or go to); empty when none was read
    std::vector<SOwnProjector> projectors;
};

// Makes these the own projectors (replacing any before), read from or written to
// szFile, whose folder their pictures are relative to.
void InstallOwnProjectors(std::vector<SOwnProjector> projectors, const std::string& szFile);

// The same in two steps, for many projectors: the rows made ahead, on any thread
// (PrepareOwnProjectors touches nothing installed), then installed at once.
struct SPreparedOwnCatalogue
{
    SOwnCatalogue catalogue;
    SAllCatalogueRows rows;
};
SPreparedOwnCatalogue PrepareOwnProjectors(std::vector<SOwnProjector> projectors,
                                           const std::string& szFile);
// Installs them; what was installed before comes back in prepared, to be released
// where that costs nothing.
void InstallPreparedOwnProjectors(SPreparedOwnCatalogue& prepared);

// The own projectors installed last.
const SOwnCatalogue& InstalledOwnCatalogue();

// Reads the catalogue file and installs its projectors. An empty szPath reads the
// default file, whose absence means no own projectors; a named file that does not
// exist is an error. On an error nothing is installed (the built-in models stay alone).
std::optional<SCatalogueError> LoadOwnCatalogue(const std::string& szPath);

// The picture file of an own projector's picture id; empty when the projector has no
// picture or the id is not an own projector's.
std::string OwnPicturePath(int nPictureId);
