// Token reader over an in-memory text; see StringTokenizer.h.
#include "core/StringTokenizer.h"

#include "core/TextFormat.h"

#include <algorithm>
#include <cstring>

namespace
{

// Look-ahead value meaning "nothing held: read the next character". It behaves
// like a held blank under the default syntax, and stays right when a blank is
// made ordinary or part of words.
constexpr int kNeedChar = -2;

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

// A character argument as a table index, or -1 when it is not a character.
int CharIndex(int nChar)
{
    if (nChar >= -128 && nChar < 0)
        return nChar + 256; // a plain char with the top bit set
    if (nChar >= 0 && nChar <= 255)
        return nChar;
    return -1;
}

} // namespace

CStringTokenizer::CStringTokenizer(std::string_view text)
    : m_szText(text), m_bSlashSlashComments(1), m_bSlashStarComments(1), m_bBraceComments(1),
      m_bEolSignificant(0), m_bLowerCaseMode(0), m_bPushedBack(0),
      m_nLookAhead(kNeedChar), m_classes{}, m_nLineNumber(1), m_nTokenType(kNoToken), m_nReadPos(0),
      m_dNumber(0.0)
{
    AddWordChars('a', 'z');
    AddWordChars('A', 'Z');
    AddWordChars(160, 255);
    SetQuoteChar('"');
    SetQuoteChar('\'');
    AddWhitespaceChars(0, ' ');
    ParseNumbers();
}

void CStringTokenizer::ResetSyntax()
{
    std::memset(m_classes, 0, sizeof m_classes);
}

void CStringTokenizer::AddWordChars(int nLow, int nHigh)
{
    for (int c = std::max(nLow, 0); c <= std::min(nHigh, 255); ++c)
        m_classes[c] |= kClassWord;
}

void CStringTokenizer::AddWhitespaceChars(int nLow, int nHigh)
{
    for (int c = std::max(nLow, 0); c <= std::min(nHigh, 255); ++c)
        m_classes[c] |= kClassWhitespace;
}

void CStringTokenizer::SetOrdinaryChar(int nChar)
{
    const int c = CharIndex(nChar);
    if (c >= 0)
        m_classes[c] = 0;
}

void CStringTokenizer::SetCommentChar(int nChar)
{
    const int c = CharIndex(nChar);
    if (c >= 0)
        m_classes[c] = kClassComment;
}

void CStringTokenizer::SetQuoteChar(int nChar)
{
    const int c = CharIndex(nChar);
    if (c >= 0)
        m_classes[c] = kClassQuote;
}

void CStringTokenizer::ParseNumbers()
{
    for (int c = '0'; c <= '9'; ++c)
        m_classes[c] |= kClassNumeric;
    m_classes[static_cast<unsigned char>('-')] |= kClassNumeric;
}

int CStringTokenizer::ReadChar()
{
    if (m_nReadPos >= m_szText.size())
        return -1;
    return static_cast<unsigned char>(m_szText[m_nReadPos++]);
}

void CStringTokenizer::PushBack()
{
    if (m_nTokenType != kNoToken)
        m_bPushedBack = 1;
}

int CStringTokenizer::NextToken()
{
    if (m_bPushedBack)
    {
        m_bPushedBack = 0;
        return m_nTokenType;
    }
    m_szWord.clear();

    // Comments loop back here for the token after them.
    for (;;)
    {
        int c = m_nLookAhead == kNeedChar ? ReadChar() : m_nLookAhead;
        if (const std::optional<int> nBreak = SkipWhitespace(c))
            return *nBreak;
        if (const std::optional<int> nToken = ReadToken(c))
            return *nToken;
    }
}

int CStringTokenizer::EndOfText()
{
    m_nLookAhead = -1;
    return m_nTokenType = kTokenEnd;
}

std::optional<int> CStringTokenizer::SkipWhitespace(int& c)
{
    if (c < 0)
        return EndOfText();
    while (ClassOf(c) & kClassWhitespace)
    {
        if (c == '\r')
        {
            ++m_nLineNumber;
            c = ReadChar();
            if (c == '\n')
                c = ReadChar();
            if (m_bEolSignificant)
            {
                m_nLookAhead = c;
                return m_nTokenType = kTokenEndOfLine;
            }
        }
        else
        {
            if (c == '\n')
            {
                ++m_nLineNumber;
                if (m_bEolSignificant)
                {
                    m_nLookAhead = kNeedChar;
                    return m_nTokenType = kTokenEndOfLine;
                }
            }
            c = ReadChar();
        }
        if (c < 0)
            return EndOfText();
    }
    return std::nullopt;
}

std::optional<int> CStringTokenizer::ReadToken(int c)
{
    const int nClass = ClassOf(c);
    if (nClass & kClassNumeric)
    {
        if (c == '-')
        {
            const int nNext = ReadChar();
            if (nNext != '.' && !IsDigit(nNext))
            {
                m_nLookAhead = nNext;
                return m_nTokenType = '-';
            }
            ReadNumber(nNext, true);
            return m_nTokenType;
        }
        ReadNumber(c, false);
        return m_nTokenType;
    }
    if (nClass & kClassWord)
    {
        ReadWord(c);
        return m_nTokenType = kTokenWord;
    }
    if (nClass & kClassComment)
    {
        SkipToLineEnd();
        return std::nullopt;
    }
    if (nClass & kClassQuote)
    {
        ReadQuoted(c);
        return m_nTokenType = kTokenQuoted;
    }
    return ReadCommentOrChar(c);
}

std::optional<int> CStringTokenizer::ReadCommentOrChar(int c)
{
    if (c == '{' && m_bBraceComments)
    {
        if (!SkipBraceComment())
            return EndOfText();
        m_nLookAhead = kNeedChar;
        return std::nullopt;
    }
    if (c == '/' && (m_bSlashSlashComments || m_bSlashStarComments))
    {
        const int nNext = ReadChar();
        if (nNext == '*' && m_bSlashStarComments)
        {
            if (!SkipSlashStarComment())
                return EndOfText();
            m_nLookAhead = kNeedChar;
            return std::nullopt;
        }
        if (nNext == '/' && m_bSlashSlashComments)
        {
            SkipToLineEnd();
            return std::nullopt;
        }
        m_nLookAhead = nNext;
        return m_nTokenType = '/';
    }
    m_nLookAhead = kNeedChar;
    return m_nTokenType = c;
}

// c is the first digit or point, after the '-' when bNegative. The digits are
// collected and converted in one go, so long digit runs stay correctly rounded.
void CStringTokenizer::ReadNumber(int c, bool bNegative)
{
    bool bPoint = false;
    std::string digits;
    for (;; c = ReadChar())
    {
        if (c == '.' && !bPoint)
            bPoint = true;
        else if (!IsDigit(c))
            break;
        digits += static_cast<char>(c);
    }
    m_nLookAhead = c;
    const double dValue = ReadLeadingNumber(digits); // 0 for a lone point
    m_dNumber = bNegative ? -dValue : dValue;
    m_nTokenType = bPoint ? kTokenPointNumber : kTokenWholeNumber;
}

void CStringTokenizer::ReadWord(int c)
{
    do
    {
        m_szWord += static_cast<char>(c);
        c = ReadChar();
    } while (ClassOf(c) & (kClassWord | kClassNumeric));
    m_nLookAhead = c;
    if (m_bLowerCaseMode)
    {
        for (char& ch : m_szWord)
        {
            if (ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
}

void CStringTokenizer::ReadQuoted(int nQuote)
{
    int d = ReadChar();
    while (d >= 0 && d != nQuote && d != '\n' && d != '\r')
    {
        if (d != '\\')
        {
            m_szWord += static_cast<char>(d);
            d = ReadChar();
            continue;
        }
        int c = ReadChar();
        if (c < 0)
        {
            d = c; // a backslash at the very end escapes nothing
            break;
        }
        if (c >= '0' && c <= '7')
        {
            int nCode = c - '0';
            d = ReadChar();
            for (int nDigits = 1; nDigits < 3 && d >= '0' && d <= '7'; ++nDigits)
            {
                nCode = nCode * 8 + (d - '0');
                d = ReadChar();
            }
            m_szWord += static_cast<char>(nCode & 0xFF);
            continue;
        }
        switch (c)
        {
        case 'a':
            c = 7;
            break;
        case 'b':
            c = 8;
            break;
        case 'f':
            c = 12;
            break;
        case 'n':
            c = 10;
            break;
        case 'r':
            c = 13;
            break;
        case 't':
            c = 9;
            break;
        case 'v':
            c = 11;
            break;
        default:
            break;
        }
        m_szWord += static_cast<char>(c);
        d = ReadChar();
    }
    // After the closing quote reading goes on with the next character. A line end
    // that cuts the string short stays to be read, so it is counted and can come
    // back as EOL.
    m_nLookAhead = (d == nQuote) ? kNeedChar : d;
}

void CStringTokenizer::SkipToLineEnd()
{
    int c;
    do
        c = ReadChar();
    while (c >= 0 && c != '\n' && c != '\r');
    m_nLookAhead = c;
}

bool CStringTokenizer::SkipBraceComment()
{
    for (;;)
    {
        const int c = ReadChar();
        if (c < 0)
            return false;
        if (c == '}')
            return true;
        if (c == '\n')
            ++m_nLineNumber;
    }
}

bool CStringTokenizer::SkipSlashStarComment()
{
    int nPrev = 0;
    for (;;)
    {
        const int c = ReadChar();
        if (c < 0)
            return false;
        if (c == '/' && nPrev == '*')
            return true;
        if (c == '\n')
            ++m_nLineNumber;
        nPrev = c;
    }
}

std::string CStringTokenizer::GetTokenText() const
{
    switch (m_nTokenType)
    {
    case kTokenEndOfLine:
        return "EOL";
    case kTokenQuoted:
    case kTokenWord:
        return m_szWord;
    case kTokenPointNumber:
    case kTokenWholeNumber:
        return FormatFixed(m_dNumber, 0, 6);
    case kTokenEnd:
        return "EOF";
    case kNoToken:
        return std::string();
    default:
        return std::string{'\'', static_cast<char>(m_nTokenType), '\''};
    }
}
