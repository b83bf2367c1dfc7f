// Importing own projectors from a spreadsheet's CSV export. The header row names the
// columns with the catalogue file's fields flattened:
//
//   name,class,width_px,height_px,pitch_um,lumens,throw_4_3_wide,throw_4_3_tele,
//   throw_16_9_wide,throw_16_9_tele,throw_2_35_wide,throw_2_35_tele,shift_up,
//   shift_down,shift_left,shift_right,shift_of,distance_min_m,distance_max_m,picture
//
// in any order, each at most once; only "name" must be there. An empty cell means the
// field is not given. Fields are separated by commas, or by semicolons when the header
// has semicolons and no comma (as spreadsheets export where the decimal point is a
// comma; numbers may then use either). A field in double quotes may hold separators,
// line breaks and doubled quotes. Rows that are empty are skipped.
// Every bad row is reported (its line, its first bad column and why), and then nothing
// is imported. Qt-free; used by the catalogue window's "Import…".
#pragma once

#include "model/OwnProjector.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct SCsvRowError
{
    std::size_t nLine = 0; // where the row starts, the header being line 1
    std::string szField;   // the column; empty for the row as a whole
    std::string szReason;
};

struct SCsvImport
{
    std::vector<SOwnProjector> projectors; // empty when there is any error
    std::vector<SCsvRowError> errors;
};

// The projectors of a CSV text; their names may equal neither a built-in model's, nor
// one of existing (the catalogue they are to join), nor each other's.
SCsvImport ImportProjectorCsv(std::string_view text,
                              const std::vector<SOwnProjector>& existing = {});

// "line 4, throw_16_9_wide: must be a number", control characters escaped.
std::string FormatCsvRowError(const SCsvRowError& error);
