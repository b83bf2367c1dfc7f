// Locale-independent number text: the "%2.2f" / "%3.2f" formats the program shows
// everywhere, and the reading of a typed number (leading white space, then the
// longest leading decimal number; 0 when the text does not begin with one).
// The desktop program runs with the user's locale set (Qt calls setlocale), so
// nothing here may use printf/strtod. Used by the engine, the pages, the
// command-line calculator and the report.
#pragma once

#include <string>
#include <string_view>

// "%2.2f": fixed point, two decimals, at least two characters wide.
std::string FormatLength(double dValue);
// "%3.2f": the luminance and gain format (same text as FormatLength in practice).
std::string FormatLuminance(double dValue);
// Fixed point with the given decimals and minimum width, as printf "%W.Pf" in the C locale.
// The precision is at most kMaxFixedPrecision (enough for the exact value of every
// double) and the width at most kMaxFixedWidth characters either way; larger values
// are taken as those limits, so no call asks for more than a few kilobytes.
inline constexpr int kMaxFixedPrecision = 1074;
inline constexpr int kMaxFixedWidth = 4096;
std::string FormatFixed(double dValue, int nWidth, int nPrecision);
// "%.9g" in the C locale: enough digits for a float to round-trip.
std::string FormatRoundTrip(float fValue);
// The shortest text that reads back as the same double: 55, 27.5, 0.1.
std::string FormatShortest(double dValue);

// Leading white space skipped, then the longest leading decimal number
// ([+-] digits [. digits] [e[+-]digits]); 0 if there is none. No hex, inf or nan.
// An exponent beyond double range gives +-infinity (or 0 on underflow), as a
// C library would; callers treat a non-finite result as a failed calculation.
double ReadLeadingNumber(std::string_view text);

// A double narrowed to single precision as a correctly rounding conversion does: a
// value that rounds to the largest float gives it, one beyond gives +-infinity (a
// plain conversion of a value outside the float range is undefined).
float NarrowToFloat(double dValue);

// ReadLeadingNumber narrowed to single precision with NarrowToFloat.
float ReadLeadingFloat(std::string_view text);

// True when the whole text (after leading and trailing white space) is one finite
// decimal number in the form above; stores it in dValue.
bool ParseWholeNumber(std::string_view text, double& dValue);
