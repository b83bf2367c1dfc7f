// Model names as a person types them, and finding a model in the catalogue by name.
//
// The catalogue itself matches names byte for byte, and so does FindCatalogueRow.
// NormaliseModelName gives the form in which two names count as the same when only
// letter case and runs of blanks differ; it only serves finding a model (completion,
// hints). Used by the command-line calculator and the model list's completion.
#pragma once

#include "model/CatalogueTable.h"

#include <string>
#include <string_view>
#include <vector>

// ASCII letters in lower case, leading and trailing blanks (space, tab) dropped, each
// run of blanks inside made one space.
std::string NormaliseModelName(std::string_view name);

// A row's name: its text up to the first NUL.
std::string_view CatalogueRowName(const SCatalogueRow& row);

// The names of the listed rows (one per model), in catalogue order.
std::vector<std::string> ListedModelNames();

// The catalogue row of the name and aspect code, matched as the record does: whole
// name, byte for byte. A name holding a NUL matches nothing (the record reads names
// as C strings, so it must not match the part before the NUL). Null when none.
const SCatalogueRow* FindCatalogueRow(std::string_view name, int nAspectCode);

// The listed model whose name is close to the given one (same name ignoring letter
// case and runs of blanks, or a couple of typing errors away); empty when none is
// close. Only a hint for error messages.
std::string SuggestModelName(std::string_view name);
