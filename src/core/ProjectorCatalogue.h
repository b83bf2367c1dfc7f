// The user's own projector catalogue: one JSON file, by default
// $XDG_DATA_HOME/lenvara/projectors.json, read at start and written from the
// catalogue window. The file:
//
//   {"lenvara-projectors": 1,
//    "projectors": [{"name": "Hall Beamer 7", "class": "DLP",
//                    "panel": {"width_px": 1920, "height_px": 1200, "pitch_um": 7.6},
//                    "lumens": 7000, "throw": {"16:9": [1.22, 1.53]},
//                    "shift_percent": {"up": 55, "down": 10, "left": 20, "right": 20},
//                    "distance_m": [1.5, 25], "picture": "hall-beamer-7.png"}]}
//
// With shift_percent a projector may give "shift_envelope": [[0, 55], [12, 40],
// [20, 0]], the maker's outline of one quadrant (see SOwnProjector::shiftEnvelope).
//
// A file is taken whole or not at all: the first bad thing in it is the one error
// reported (file, projector, field, reason), and no projector of it is kept. Fields
// the format does not know are errors too (a misspelt optional field would otherwise
// be dropped without a word). Reading never throws and is bounded: at most
// kCatalogueFileMax bytes, kCatalogueDepthMax levels of nesting and kOwnProjectorsMax
// projectors. Qt-free; used by the program's catalogue, its window and lenvara-calc.
#pragma once

#include "model/OwnProjector.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

inline constexpr int kCatalogueVersion = 1;
inline constexpr std::size_t kCatalogueFileMax = std::size_t{64} << 20;
inline constexpr std::size_t kCatalogueDepthMax = 16;
inline constexpr std::size_t kOwnProjectorsMax = 50000;
inline constexpr std::size_t kOwnNameBytesMax = 40;

// The one thing wrong with a catalogue file.
struct SCatalogueError
{
    std::string szFile;      // the file as it was named
    int nProjector = -1;     // zero-based index in "projectors"; -1: not within one
    std::string szProjector; // that projector's name, when the file gave it
    // Where in the projector (or, outside one, in the file), as in throw."16:9"[1];
    // empty for the file or projector as a whole.
    std::string szField;
    std::string szReason;
    bool bMissing = false; // the file does not exist
};

struct SCatalogueRead
{
    std::vector<SOwnProjector> projectors; // empty when there is an error
    std::optional<SCatalogueError> error;
};

// The catalogue in text; szFile names it in the error.
SCatalogueRead ParseProjectorCatalogue(std::string_view text, const std::string& szFile);

// The catalogue file at szPath. A file that does not exist is an error with bMissing
// set: the default file's absence means no own projectors, a named file's an error.
SCatalogueRead ReadProjectorCatalogue(const std::string& szPath);

// One line: "FILE: projector 4 (\"NAME\"), throw.\"16:9\"[1]: REASON" (projectors
// counted from 1), with control characters and malformed UTF-8 escaped.
std::string FormatCatalogueError(const SCatalogueError& error);

// The text for a message: control characters as \u00XX, bytes that are not UTF-8 as
// \xXX, the rest unchanged.
std::string EscapeControlCharacters(std::string_view text);

// What is wrong with one projector on its own (ranges, texts, the throw pairs, the
// lens fitting the panel), as a field path and a reason; nothing when it is good.
struct SFieldError
{
    std::string szField;
    std::string szReason;
};
std::optional<SFieldError> ValidateOwnProjector(const SOwnProjector& projector);

// Names as the program's completion compares them (letter case and runs of blanks
// do not count): an own name may equal neither a built-in model's nor another own
// projector's.
class CProjectorNameSet
{
public:
    CProjectorNameSet(); // knows the built-in names
    // Takes the name of own projector nIndex; the reason when it is taken already.
    std::optional<std::string> Claim(const std::string& szName, int nIndex);

private:
    struct SOwner
    {
        int nIndex; // -1 for a built-in model
        std::string szName;
    };
    std::unordered_map<std::string, SOwner> m_names; // by normalised name
};

// Every check a file's reading makes, on a list in memory (before it is written).
std::optional<SCatalogueError> CheckProjectorList(const std::vector<SOwnProjector>& projectors,
                                                  const std::string& szFile);

// The file's text for a list (two-space indents, keys in the order above).
std::string ProjectorCatalogueJson(const std::vector<SOwnProjector>& projectors);

// Writes the list whole or not at all: a temporary file in the same folder (created
// when missing), synced, then renamed over szPath; a file already there is kept as
// szPath + ".bak". A list that fails CheckProjectorList is not written. The error
// text, or nothing on success; never throws.
std::optional<std::string> WriteProjectorCatalogue(const std::string& szPath,
                                                   const std::vector<SOwnProjector>& projectors);

// $XDG_DATA_HOME/lenvara/projectors.json (an absolute XDG_DATA_HOME only), else
// $HOME/.local/share/lenvara/projectors.json; empty when neither variable helps.
std::string DefaultProjectorCataloguePath();

// The picture file of a projector: its "picture" relative to the catalogue file's
// folder (an absolute one as it is); empty for none.
std::string ProjectorPicturePath(const std::string& szCatalogueFile,
                                 const SOwnProjector& projector);
