// Fuzz target: the dealer data file reader. Any bytes give at most two lines of at
// most 255 bytes each, without line feeds, and a second line only after a first.
#include "core/DealerFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(pData), nSize));
    const SDealerLines lines = ReadDealerLines(in);
    for (const auto& line : {lines.line1, lines.line2})
        if (line && (line->size() > kDealerLineMax || line->find('\n') != std::string::npos))
            std::abort();
    if (lines.line2 && !lines.line1)
        std::abort();
    if (nSize > 0 && !lines.line1)
        std::abort();
    return 0;
}
