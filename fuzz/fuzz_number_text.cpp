// Fuzz target: number reading and formatting. Any bytes go through the three
// readers; a finite float read back from its own "%2.2f" text must be within half a
// hundredth (plus the float's own rounding) of it, and formatting with widths and
// precisions from the input must stay small.
#include "core/TextFormat.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view text(reinterpret_cast<const char*>(pData), nSize);
    const double dLeading = ReadLeadingNumber(text);
    double dWhole = 0.0;
    if (ParseWholeNumber(text, dWhole) && !std::isfinite(dWhole))
        std::abort(); // a whole number is always finite
    const float fValue = ReadLeadingFloat(text);
    if (std::isfinite(dLeading) && !std::isnan(fValue) &&
        std::isinf(fValue) != (std::fabs(dLeading) >= 0x1.ffffffp127))
        std::abort(); // infinite exactly when the value rounds beyond the float range

    // Round trip of a finite float through its two-decimal text.
    if (std::isfinite(fValue))
    {
        const std::string shown = FormatLength(fValue);
        const float fBack = ReadLeadingFloat(shown);
        const double dError = std::fabs(static_cast<double>(fBack) - fValue);
        const double dAllowed = 0.005 + std::fabs(static_cast<double>(fValue)) * 1e-7;
        if (!(dError <= dAllowed))
            std::abort();
    }

    // Formatting with any width and precision: bounded, and only the digits of a number.
    if (nSize >= 16)
    {
        double dNumber = 0.0;
        int nWidth = 0;
        int nPrecision = 0;
        std::memcpy(&dNumber, pData, sizeof dNumber);
        std::memcpy(&nWidth, pData + 8, sizeof nWidth);
        std::memcpy(&nPrecision, pData + 12, sizeof nPrecision);
        if (std::isfinite(dNumber))
        {
            const std::string formatted = FormatFixed(dNumber, nWidth, nPrecision);
            if (formatted.size() > 310 + 2 + kMaxFixedPrecision + kMaxFixedWidth)
                std::abort();
        }
    }
    return 0;
}
