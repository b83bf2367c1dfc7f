// Counting and cutting UTF-8 text by characters; see TextField.h.
#include "model/TextField.h"

namespace
{
bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::size_t Utf8Length(std::string_view text)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == 0 || !IsContinuation(text[i]))
            ++n;
    return n;
}

std::size_t Utf8PrefixBytes(std::string_view text, std::size_t nMaxChars, std::size_t nMaxBytes)
{
    std::size_t nChars = 0;
    std::size_t nEnd = 0; // the end of the last whole character within the limits
    for (std::size_t i = 0; i <= text.size(); ++i)
    {
        if (i > 0 && i < text.size() && IsContinuation(text[i]))
            continue;
        // i is where a character starts (or the text ends): the one before is whole.
        if (i > nMaxBytes)
            break;
        nEnd = i;
        if (i == text.size() || nChars == nMaxChars)
            break;
        ++nChars;
    }
    return nEnd;
}
