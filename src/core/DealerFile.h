// The dealer data file ("DealerData.txt"): its first two lines are the dealer's two
// report lines. Read as text: a line ends at a line feed, a carriage return right
// before it (or at the end of the file) is not part of the line, a line keeps at
// most 255 bytes (taken as they are, in no particular character set), and nothing
// after the second line is read.
// A file of any size and content costs at most two lines' worth of memory. Used by
// the main dialog at start-up; Qt-free so it can be tested and fuzzed on its own.
#pragma once

#include <istream>
#include <optional>
#include <string>

struct SDealerLines
{
    std::optional<std::string> line1; // empty when the file has no first line
    std::optional<std::string> line2;
};

// At most this many bytes of a line are kept.
inline constexpr std::size_t kDealerLineMax = 255;

SDealerLines ReadDealerLines(std::istream& in);
