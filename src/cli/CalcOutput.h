// What lenvara-calc prints: user text shown safely in error lines, and a command's
// results as "Label: value" lines or as one JSON object on one line.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

// A user's text for an error line: quoted, with quotes and backslashes escaped, and
// every byte that could steer the terminal written as \xNN (C0 and C1 controls, DEL,
// bytes that are no well-formed UTF-8). Only the first 80 characters are shown; a
// longer text ends in "…".
std::string ShowText(std::string_view text);

// A JSON string literal (quotes included) for UTF-8 text: quotes, backslashes and
// control characters escaped, other characters unchanged (a byte that is no UTF-8
// becomes U+FFFD).
std::string JsonQuote(std::string_view text);

// The JSON text of a value on one line, as nlohmann::json writes it, except that a
// number with a fraction is a float's "%.9g": enough digits to give back the exact
// single-precision value.
std::string WriteJson(const nlohmann::ordered_json& value);

// One command's results in both forms: JSON members in order, and text lines.
class CCalcOutput
{
public:
    explicit CCalcOutput(bool bJson) : m_bJson(bJson) {}

    // A JSON member; a float is stored exactly (as a double) and written as a float.
    void Member(const char* pszKey, nlohmann::ordered_json value);
    // A text line "Label: value".
    void Line(const std::string& szLabel, const std::string& szValue);
    // The whole output: the object and a line end, or the lines.
    std::string Finish() const;

private:
    bool m_bJson;
    nlohmann::ordered_json m_json = nlohmann::ordered_json::object();
    std::string m_szText;
};
