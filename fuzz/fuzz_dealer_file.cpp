// Fuzz target: the dealer data file reader. Any bytes give at most two lines of at
// most 255 characters each, in UTF-8 whose every character is whole, without line
// feeds, and a second line only after a first.
#include "core/DealerFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
// Every lead byte has all its continuation bytes, and no other byte is one.
bool HasWholeCharacters(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();)
    {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t nMore = 0;
        if (c >= 0xF0 && c < 0xF5)
            nMore = 3;
        else if (c >= 0xE0 && c < 0xF0)
            nMore = 2;
        else if (c >= 0xC2 && c < 0xE0)
            nMore = 1;
        else if (c >= 0x80)
            return false;
        if (i + nMore >= text.size() && nMore > 0)
            return false;
        for (std::size_t k = 1; k <= nMore; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += nMore + 1;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string bytes(reinterpret_cast<const char*>(pData), nSize);
    std::istringstream in(bytes);
    const SDealerLines lines = ReadDealerLines(in);
    for (const auto& line : {lines.line1, lines.line2})
        if (line && (Utf8Length(*line) > kDealerLineMax || line->find('\n') != std::string::npos ||
                     !HasWholeCharacters(*line)))
            std::abort();
    if (lines.line2 && !lines.line1)
        std::abort();
    // Only a byte order mark alone makes a file without a first line.
    if (nSize > 0 && !lines.line1 && bytes != "\xEF\xBB\xBF")
        std::abort();
    return 0;
}
