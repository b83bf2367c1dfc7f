// The dealer data file ("DealerData.txt"): its first two lines are the dealer's two
// report lines. Read as text: a line ends at a line feed, a carriage return right
// before it (or at the end of the file) is not part of the line, a line keeps at
// most 255 characters, and nothing after the second line is read. The file is
// UTF-8 when its two lines are valid UTF-8 (a byte order mark before the first is
// dropped), else Windows-1252 (files carried over from Windows are), and the lines
// come back as UTF-8 either way.
// Only a regular file is read, opened without waiting (a FIFO or a device under the
// name never blocks or spins), and at most kDealerReadMax bytes of it: a file of any
// size and content costs at most two lines' worth of memory and time. Used by the
// main dialog at start-up; Qt-free so it can be tested and fuzzed on its own.
#pragma once

#include "model/TextField.h"

#include <istream>
#include <optional>
#include <string>
#include <string_view>

struct SDealerLines
{
    std::optional<std::string> line1; // empty when the file has no first line
    std::optional<std::string> line2;
};

// At most this many characters of a line are kept.
inline constexpr std::size_t kDealerLineMax = kRecordTextChars;
// At most this many bytes are read: two lines of 255 characters of up to four bytes,
// each with a carriage return and a line feed. When a file is longer, a line whose
// end lies beyond them counts only if it already holds its 255 characters.
inline constexpr std::size_t kDealerReadMax = 2 * (4 * kDealerLineMax + 2);

// The lines of a file whose first bytes are these (at most kDealerReadMax of them
// count); bComplete tells whether they are the whole file.
SDealerLines DealerLinesFromBytes(std::string_view bytes, bool bComplete);

// The lines of a stream, of which at most kDealerReadMax bytes are read.
SDealerLines ReadDealerLines(std::istream& in);

// The lines of the file at pszPath; nothing, with an errno value in rnError, when it
// cannot be opened or read or is not a regular file.
std::optional<SDealerLines> ReadDealerFile(const char* pszPath, int& rnError);
