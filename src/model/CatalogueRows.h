// Every catalogue row the program searches: the compiled-in tables first, then the
// rows of the user's own projectors (three main and three lens rows each, in the
// same layout), so every search by name finds a built-in row first. The record, the
// model list and the command-line calculator search these; the compiled-in tables
// alone stay GetCatalogue().
#pragma once

#include "model/CatalogueTable.h"

#include <span>
#include <vector>

struct SCatalogueRows
{
    std::span<const SCatalogueRow> main;
    std::span<const SLensRow> lens;
};

// The rows as they stand; a later SetOwnCatalogueRows makes earlier spans invalid.
SCatalogueRows GetCatalogueRows();

// Replaces the own rows, main and lens rows in step. Without own rows the spans are
// the compiled-in tables themselves.
void SetOwnCatalogueRows(std::vector<SCatalogueRow> vMain, std::vector<SLensRow> vLens);

// All rows as SetOwnCatalogueRows would hold them, made ahead on any thread (it reads
// only the compiled-in tables), so that taking them is only a swap.
struct SAllCatalogueRows
{
    std::vector<SCatalogueRow> main; // empty when there are no own rows
    std::vector<SLensRow> lens;
};
SAllCatalogueRows MakeCatalogueRows(std::vector<SCatalogueRow> vMain, std::vector<SLensRow> vLens);
// Makes rows from MakeCatalogueRows the ones searched; the rows held before go back
// in rows, to be released where that costs nothing.
void SwapCatalogueRows(SAllCatalogueRows& rows);

// First picture id of the own projectors: own projector i (0-based) has
// kOwnPictureBase + i, whatever its picture.
inline constexpr int kOwnPictureBase = 1000000;
