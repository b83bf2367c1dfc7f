#include "cli/CalcOutput.h"

#include "core/TextFormat.h"

#include <algorithm>

namespace
{

// The length of the well-formed UTF-8 sequence at the start of text, 0 when it is
// none (a stray continuation byte, a cut or overlong sequence, a surrogate).
std::size_t Utf8SequenceLength(std::string_view text, char32_t& cCode)
{
    const auto b0 = static_cast<unsigned char>(text[0]);
    std::size_t nLength = 0;
    char32_t cMin = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        nLength = 2, cCode = b0 & 0x1F, cMin = 0x80;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        nLength = 3, cCode = b0 & 0x0F, cMin = 0x800;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        nLength = 4, cCode = b0 & 0x07, cMin = 0x10000;
    if (nLength == 0 || text.size() < nLength)
        return 0;
    for (std::size_t i = 1; i < nLength; ++i)
    {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cCode = cCode << 6 | (b & 0x3F);
    }
    if (cCode < cMin || cCode > 0x10FFFF || (cCode >= 0xD800 && cCode <= 0xDFFF))
        return 0;
    return nLength;
}

void AppendHexEscape(std::string& szOut, unsigned char b)
{
    static const char kHex[] = "0123456789abcdef";
    szOut += "\\x";
    szOut += kHex[b >> 4];
    szOut += kHex[b & 15];
}

// Characters shown of a user's text in an error line.
constexpr std::size_t kShownLength = 80;

void AppendJson(std::string& szOut, const nlohmann::ordered_json& value)
{
    switch (value.type())
    {
    case nlohmann::ordered_json::value_t::object:
    {
        szOut += '{';
        for (auto it = value.begin(); it != value.end(); ++it)
        {
            if (it != value.begin())
                szOut += ',';
            szOut += JsonQuote(it.key()) + ':';
            AppendJson(szOut, it.value());
        }
        szOut += '}';
        break;
    }
    case nlohmann::ordered_json::value_t::array:
        szOut += '[';
        for (std::size_t i = 0; i < value.size(); ++i)
        {
            if (i > 0)
                szOut += ',';
            AppendJson(szOut, value[i]);
        }
        szOut += ']';
        break;
    case nlohmann::ordered_json::value_t::number_float:
        // Every float the commands store is a float widened exactly to a double.
        szOut += FormatRoundTrip(static_cast<float>(value.get<double>()));
        break;
    default:
        szOut += value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
}

} // namespace

std::string ShowText(std::string_view text)
{
    std::string szOut = "\"";
    std::size_t nShown = 0;
    for (std::size_t i = 0; i < text.size(); ++nShown)
    {
        if (nShown == kShownLength)
            return szOut + "\"\xe2\x80\xa6"; // …
        const char c = text[i];
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
        {
            szOut += '\\';
            szOut += c;
            ++i;
            continue;
        }
        if (b < 0x80)
        {
            if (b < 0x20 || b == 0x7F)
                AppendHexEscape(szOut, b);
            else
                szOut += c;
            ++i;
            continue;
        }
        char32_t cCode = 0;
        const std::size_t nLength = Utf8SequenceLength(text.substr(i), cCode);
        if (nLength == 0 || cCode <= 0x9F)
        {
            for (std::size_t j = 0; j < std::max<std::size_t>(nLength, 1); ++j)
                AppendHexEscape(szOut, static_cast<unsigned char>(text[i + j]));
            i += std::max<std::size_t>(nLength, 1);
            continue;
        }
        szOut.append(text.substr(i, nLength));
        i += nLength;
    }
    szOut += '"';
    return szOut;
}

std::string JsonQuote(std::string_view text)
{
    return nlohmann::ordered_json(std::string(text))
        .dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

std::string WriteJson(const nlohmann::ordered_json& value)
{
    std::string szOut;
    AppendJson(szOut, value);
    return szOut;
}

void CCalcOutput::Member(const char* pszKey, nlohmann::ordered_json value)
{
    if (m_bJson)
        m_json[pszKey] = std::move(value);
}

void CCalcOutput::Line(const std::string& szLabel, const std::string& szValue)
{
    if (!m_bJson)
        m_szText += szLabel + ": " + szValue + "\n";
}

std::string CCalcOutput::Finish() const
{
    return m_bJson ? WriteJson(m_json) + "\n" : m_szText;
}
