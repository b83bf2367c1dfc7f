// Fuzz target: the string tokenizer. The first bytes choose the syntax (five
// switches, then up to eight table changes), the rest is the text; every token is
// read until the end. A text of n bytes can give at most n + 1 tokens: more is a
// hang, reported as a crash.
#include "core/StringTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (nSize < 2)
        return 0;
    const std::uint8_t nSwitches = pData[0];
    const std::size_t nChanges = pData[1] % 9;
    std::size_t nPos = 2;
    if (nSize < nPos + 3 * nChanges)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(pData) + nPos + 3 * nChanges,
                                nSize - nPos - 3 * nChanges);
    CStringTokenizer tokenizer(text);
    tokenizer.SetSlashSlashComments(nSwitches & 1);
    tokenizer.SetSlashStarComments(nSwitches & 2);
    tokenizer.SetBraceComments(nSwitches & 4);
    tokenizer.SetEolSignificant(nSwitches & 8);
    tokenizer.SetLowerCaseMode(nSwitches & 16);
    if (nSwitches & 32)
        tokenizer.ResetSyntax();
    if (nSwitches & 64)
        tokenizer.ParseNumbers();
    for (std::size_t i = 0; i < nChanges; ++i, nPos += 3)
    {
        // Signed, so the sign-extended char form and out-of-range codes are reached too.
        const int nLow = static_cast<std::int8_t>(pData[nPos + 1]) * 2;
        const int nHigh = static_cast<std::int8_t>(pData[nPos + 2]) * 2;
        switch (pData[nPos] % 5)
        {
        case 0:
            tokenizer.AddWordChars(nLow, nHigh);
            break;
        case 1:
            tokenizer.AddWhitespaceChars(nLow, nHigh);
            break;
        case 2:
            tokenizer.SetOrdinaryChar(nLow);
            break;
        case 3:
            tokenizer.SetCommentChar(nLow);
            break;
        default:
            tokenizer.SetQuoteChar(nLow);
            break;
        }
    }
    const std::size_t nCap = text.size() + 1;
    std::size_t nTokens = 0;
    bool bPushBack = (nSwitches & 128) != 0;
    while (tokenizer.NextToken() != CStringTokenizer::kTokenEnd)
    {
        (void)tokenizer.GetTokenText();
        if (bPushBack)
        {
            tokenizer.PushBack(); // the next call returns the same token once
            bPushBack = false;
            continue;
        }
        if (++nTokens > nCap)
            std::abort(); // a token without progress: the reader hangs
    }
    return 0;
}
