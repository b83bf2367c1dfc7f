// Locale-independent number text. Formatting goes through std::to_chars, which
// rounds exactly like the C library's printf in the "C" locale; reading scans the
// number by hand and converts it with std::from_chars. Neither looks at the
// process locale, so a decimal-comma locale set by the desktop toolkit changes
// nothing here.
#include "core/TextFormat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace
{

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Where the number in text begins (after white space) and how long it is, with its
// value. nLength is 0 when the text does not begin with a decimal number.
struct SScannedNumber
{
    std::size_t nStart = 0;
    std::size_t nLength = 0;
    double dValue = 0.0;
};

// The magnitude class of a number that std::from_chars found out of range: true
// when it is too large, false when it is too small. Works on the decimal exponent
// of the first significant digit, which is far from zero in either case.
bool IsOverflow(std::string_view number)
{
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-'))
        ++i;
    long long nExponent = 0; // position of the first significant digit
    bool bSignificant = false;
    bool bFraction = false;
    for (; i < number.size(); ++i)
    {
        const char c = number[i];
        if (c == '.')
        {
            bFraction = true;
            continue;
        }
        if (!IsDigit(c))
            break;
        if (!bSignificant && c != '0')
            bSignificant = true;
        if (bFraction)
        {
            if (!bSignificant)
                --nExponent;
        }
        else if (bSignificant)
        {
            ++nExponent;
        }
        if (bSignificant && bFraction)
            break;
    }
    // Skip the rest of the mantissa up to the exponent.
    while (i < number.size() && number[i] != 'e' && number[i] != 'E')
        ++i;
    if (i < number.size())
    {
        ++i;
        bool bNegative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            bNegative = number[i++] == '-';
        long long nValue = 0;
        for (; i < number.size() && IsDigit(number[i]); ++i)
        {
            if (nValue < 1000000000LL)
                nValue = nValue * 10 + (number[i] - '0');
        }
        nExponent += bNegative ? -nValue : nValue;
    }
    return nExponent > 0;
}

SScannedNumber ScanNumber(std::string_view text)
{
    SScannedNumber result;
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    result.nStart = i;

    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        bNegative = text[i++] == '-';
    const std::size_t nMantissa = i;
    std::size_t nDigits = 0;
    while (i < text.size() && IsDigit(text[i]))
    {
        ++i;
        ++nDigits;
    }
    if (i < text.size() && text[i] == '.')
    {
        ++i;
        while (i < text.size() && IsDigit(text[i]))
        {
            ++i;
            ++nDigits;
        }
    }
    if (nDigits == 0)
        return result;

    // An exponent counts only with at least one digit after e and its sign.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
    {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j]))
        {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            i = j;
        }
    }
    result.nLength = i - result.nStart;

    // std::from_chars takes no leading '+', so convert the unsigned part.
    const std::string_view unsignedPart = text.substr(nMantissa, i - nMantissa);
    double dValue = 0.0;
    const auto conv =
        std::from_chars(unsignedPart.data(), unsignedPart.data() + unsignedPart.size(), dValue,
                        std::chars_format::general);
    if (conv.ec == std::errc::result_out_of_range)
        dValue = IsOverflow(unsignedPart) ? std::numeric_limits<double>::infinity() : 0.0;
    result.dValue = bNegative ? -dValue : dValue;
    return result;
}

} // namespace

std::string FormatFixed(double dValue, int nWidth, int nPrecision)
{
    if (nPrecision < 0)
        nPrecision = 6; // as printf treats a negative precision
    if (nPrecision > kMaxFixedPrecision)
        nPrecision = kMaxFixedPrecision;
    nWidth = nWidth < -kMaxFixedWidth ? -kMaxFixedWidth : nWidth;
    nWidth = nWidth > kMaxFixedWidth ? kMaxFixedWidth : nWidth;
    // Largest double: 309 integer digits, plus sign, point and the decimals.
    std::string text(static_cast<std::size_t>(nPrecision) + 320, '\0');
    const auto conv = std::to_chars(text.data(), text.data() + text.size(), dValue,
                                    std::chars_format::fixed, nPrecision);
    text.resize(static_cast<std::size_t>(conv.ptr - text.data()));

    // Blanks on the left up to the width; a negative width pads on the right.
    const bool bLeft = nWidth < 0;
    const std::size_t nMinWidth = bLeft ? static_cast<std::size_t>(-static_cast<long long>(nWidth))
                                        : static_cast<std::size_t>(nWidth);
    if (text.size() < nMinWidth)
    {
        if (bLeft)
            text.append(nMinWidth - text.size(), ' ');
        else
            text.insert(0, nMinWidth - text.size(), ' ');
    }
    return text;
}

std::string FormatLength(double dValue)
{
    return FormatFixed(dValue, 2, 2);
}

std::string FormatLuminance(double dValue)
{
    return FormatFixed(dValue, 3, 2);
}

std::string FormatRoundTrip(float fValue)
{
    char buffer[64];
    const auto conv = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(fValue),
                                    std::chars_format::general, 9);
    return std::string(buffer, conv.ptr);
}

std::string FormatShortest(double dValue)
{
    char buffer[64];
    const auto conv = std::to_chars(buffer, buffer + sizeof buffer, dValue);
    return conv.ec == std::errc() ? std::string(buffer, conv.ptr) : std::string();
}

double ReadLeadingNumber(std::string_view text)
{
    return ScanNumber(text).dValue;
}

bool ParseWholeNumber(std::string_view text, double& dValue)
{
    const SScannedNumber number = ScanNumber(text);
    if (number.nLength == 0 || !std::isfinite(number.dValue))
        return false;
    for (std::size_t i = number.nStart + number.nLength; i < text.size(); ++i)
    {
        if (!IsCSpace(text[i]))
            return false;
    }
    dValue = number.dValue;
    return true;
}

float NarrowToFloat(double dValue)
{
    constexpr double dMax = std::numeric_limits<float>::max();
    // Half a unit in the last place above the largest float: from here on a value
    // rounds to infinity (the halfway value itself rounds to the even 2^128).
    constexpr double dOverflow = 0x1.ffffffp127;
    if (dValue >= dOverflow)
        return std::numeric_limits<float>::infinity();
    if (dValue <= -dOverflow)
        return -std::numeric_limits<float>::infinity();
    if (dValue > dMax)
        return std::numeric_limits<float>::max();
    if (dValue < -dMax)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(dValue); // also NaN
}

float ReadLeadingFloat(std::string_view text)
{
    return NarrowToFloat(ReadLeadingNumber(text));
}
