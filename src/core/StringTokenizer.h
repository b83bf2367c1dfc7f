// Splits a text held in memory into tokens: words, numbers, quoted strings,
// end-of-line marks and single ordinary characters, skipping white space and
// comments. A 256-entry table of character classes drives it; the syntax setters
// change that table and five switches.
//
// Input: any byte text (codes 0-255, no terminator needed). Numbers are plain
// decimals with an optional leading '-' and at most one point, no exponent.
// Used by the report to break the user's free texts into words for line wrapping;
// it rebuilds each line from GetTokenText, so that text form is what gets printed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CStringTokenizer
{
public:
    // Token types returned by NextToken; any other value is an ordinary character.
    enum ETokenType
    {
        kTokenEnd = -1,
        kTokenWholeNumber = -2, // number written without a decimal point
        kTokenPointNumber = -3, // number written with a decimal point
        kTokenWord = -4,
        kTokenQuoted = -5,
        kTokenEndOfLine = 10 // only when end of line is significant
    };

    // Character class bits; 0 is an ordinary character.
    enum ECharClass : std::uint8_t
    {
        kClassWhitespace = 1,
        kClassNumeric = 2,
        kClassWord = 4,
        kClassQuote = 8,
        kClassComment = 16
    };

    explicit CStringTokenizer(std::string_view text);

    // Syntax table. Characters are codes 0-255; a negative value from -128 to -1 is
    // taken as a plain char that was sign-extended. Codes outside are ignored.
    void ResetSyntax();
    void AddWordChars(int nLow, int nHigh);       // range clamped to 0-255
    void AddWhitespaceChars(int nLow, int nHigh); // range clamped to 0-255
    void SetOrdinaryChar(int nChar);
    void SetCommentChar(int nChar);
    void SetQuoteChar(int nChar);
    void ParseNumbers(); // '0'-'9' and '-' start numbers

    void SetSlashSlashComments(bool bOn) { m_bSlashSlashComments = bOn ? 1 : 0; }
    void SetSlashStarComments(bool bOn) { m_bSlashStarComments = bOn ? 1 : 0; }
    void SetBraceComments(bool bOn) { m_bBraceComments = bOn ? 1 : 0; }
    void SetEolSignificant(bool bOn) { m_bEolSignificant = bOn ? 1 : 0; }
    void SetLowerCaseMode(bool bOn) { m_bLowerCaseMode = bOn ? 1 : 0; }

    // Reads the next token and returns its type (also kept as the current type).
    int NextToken();
    // The next NextToken returns the current token again without reading.
    // Does nothing before the first token has been read.
    void PushBack();

    int GetLineNumber() const { return m_nLineNumber; }
    int GetTokenType() const { return m_nTokenType; }
    const std::string& GetWord() const { return m_szWord; }
    double GetNumber() const { return m_dNumber; }

    // "EOL", "EOF", the word or quoted text, a number as "%f" (six decimals), or an
    // ordinary character between single quotes.
    std::string GetTokenText() const;

private:
    static constexpr int kNoToken = -6; // before the first NextToken

    int ReadChar();
    // Steps of NextToken. Each returns the token it ends on, or nothing when the
    // token is still to come (after blanks, or after a comment).
    int EndOfText();
    std::optional<int> SkipWhitespace(int& c);
    std::optional<int> ReadToken(int c);
    std::optional<int> ReadCommentOrChar(int c);
    int ClassOf(int c) const { return c < 0 ? 0 : m_classes[static_cast<std::size_t>(c)]; }
    void ReadNumber(int c, bool bNegative);
    void ReadWord(int c);
    void ReadQuoted(int nQuote);
    void SkipToLineEnd();
    // Skip a comment; false when the text ends inside it.
    bool SkipBraceComment();
    bool SkipSlashStarComment();

    std::string m_szText;
    std::int32_t m_bSlashSlashComments;
    std::int32_t m_bSlashStarComments;
    std::int32_t m_bBraceComments;
    std::int32_t m_bEolSignificant;
    std::int32_t m_bLowerCaseMode;
    std::int32_t m_bPushedBack;
    std::int32_t m_nLookAhead; // -1 at the end, -2 when none is held
    std::uint8_t m_classes[256];
    std::int32_t m_nLineNumber;
    std::int32_t m_nTokenType;
    std::size_t m_nReadPos;
    std::string m_szWord;
    double m_dNumber;
};
