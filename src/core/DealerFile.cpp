#include "core/DealerFile.h"

namespace
{
// One line without its end, cut to kDealerLineMax bytes; the rest of a long line is
// skipped without being kept. Nothing when the stream is at its end.
std::optional<std::string> ReadLine(std::istream& in)
{
    std::string line;
    bool bAny = false;
    bool bCutCr = false; // a carriage return held back in case a line feed follows
    for (std::istream::int_type c = in.get(); c != std::istream::traits_type::eof(); c = in.get())
    {
        bAny = true;
        if (c == '\n')
            return line;
        if (bCutCr && line.size() < kDealerLineMax)
            line.push_back('\r');
        bCutCr = c == '\r';
        if (!bCutCr && line.size() < kDealerLineMax)
            line.push_back(static_cast<char>(c));
    }
    // A last line without a line feed also loses a carriage return at its end.
    if (!bAny)
        return std::nullopt;
    return line;
}
} // namespace

SDealerLines ReadDealerLines(std::istream& in)
{
    SDealerLines lines;
    lines.line1 = ReadLine(in);
    if (lines.line1)
        lines.line2 = ReadLine(in);
    return lines;
}
