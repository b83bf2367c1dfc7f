// Unit and aspect names, length conversion between unit codes and the report's
// date line. Unit codes: 0 meters, 1 inches, 2 feet. Used by the engine, the
// pages and the report through the declarations in LenvaraEngine.h.
#include "core/LenvaraEngine.h"
#include "core/TextFormat.h"
#include "model/CatalogueTable.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

double UnitMillimetres(int nUnit)
{
    switch (nUnit)
    {
    case kUnitMeters:
        return 1000.0;
    case kUnitInches:
        return 25.4;
    case kUnitFeet:
        return 304.8;
    default:
        return 0.0;
    }
}

const char* UnitName(int nUnit)
{
    switch (nUnit)
    {
    case kUnitMeters:
        return "Meters";
    case kUnitInches:
        return "Inches";
    case kUnitFeet:
        return "Feet";
    default:
        return "";
    }
}

const char* UnitSymbol(int nUnit)
{
    return nUnit == kUnitInches ? "in" : nUnit == kUnitFeet ? "ft" : "m";
}

const char* AspectName(float fAspect)
{
    switch (std::bit_cast<std::uint32_t>(fAspect))
    {
    case kAspectBits4x3:
        return "4:3";
    case kAspectBits16x9:
        return "16:9";
    case kAspectBits235:
        return "2.35:1";
    default:
        return "";
    }
}

float ConvertLengthBetween(float fValue, int nFromUnit, int nToUnit)
{
    const double dFrom = UnitMillimetres(nFromUnit);
    const double dTo = UnitMillimetres(nToUnit);
    if (nFromUnit == nToUnit || dFrom == 0.0 || dTo == 0.0)
        return fValue;
    // Meters to inches multiplies by 39.37: a length near the float limit goes beyond it.
    return NarrowToFloat(static_cast<double>(fValue) * dFrom / dTo);
}

namespace
{

// "%d" for the date fields, and "%02d" when nWidth is 2 (zeros after the sign).
void AppendInt(std::string& text, long long nValue, int nWidth)
{
    char buffer[24];
    const auto conv = std::to_chars(buffer, buffer + sizeof buffer, nValue);
    std::string_view digits(buffer, static_cast<std::size_t>(conv.ptr - buffer));
    int nPad = nWidth - static_cast<int>(digits.size());
    if (!digits.empty() && digits.front() == '-')
    {
        text += '-';
        digits.remove_prefix(1);
    }
    for (; nPad > 0; --nPad)
        text += '0';
    text += digits;
}

} // namespace

std::string FormatDateLine(const std::tm& tmLocal)
{
    std::string text;
    AppendInt(text, tmLocal.tm_mon + 1LL, 1);
    text += '/';
    AppendInt(text, tmLocal.tm_mday, 1);
    text += '/';
    AppendInt(text, tmLocal.tm_year + 1900LL, 1);
    text += "   ";
    AppendInt(text, tmLocal.tm_hour, 2);
    text += ':';
    AppendInt(text, tmLocal.tm_min, 2);
    text += ':';
    AppendInt(text, tmLocal.tm_sec, 2);
    return text;
}
