// Token sequences of the string tokenizer: default syntax, comments, quoted
// strings with escapes, line ends and line numbers, and the syntax setters.
#include "core/StringTokenizer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace
{

// Every token up to and including the end, as "type:text".
std::vector<std::string> Tokens(CStringTokenizer& tokenizer)
{
    std::vector<std::string> tokens;
    for (int i = 0; i < 10000; ++i)
    {
        const int nType = tokenizer.NextToken();
        tokens.push_back(std::to_string(nType) + ":" + tokenizer.GetTokenText());
        if (nType == CStringTokenizer::kTokenEnd)
            break;
    }
    return tokens;
}

std::string Ordinary(char c)
{
    return std::to_string(static_cast<unsigned char>(c)) + ":'" + c + "'";
}

struct STokenRow
{
    const char* pszName;
    std::string text;
    std::vector<std::string> expected;
    void (*pSetup)(CStringTokenizer&) = nullptr; // syntax changes before the first token
    int nLastLine = 0;                           // line number at the end, when nonzero
};

void PrintTo(const STokenRow& row, std::ostream* pStream)
{
    *pStream << row.pszName;
}

class TokenSplitTest : public ::testing::TestWithParam<STokenRow>
{
};

TEST_P(TokenSplitTest, SplitsIntoTokens)
{
    const STokenRow& row = GetParam();
    CStringTokenizer tokenizer(row.text);
    if (row.pSetup)
        row.pSetup(tokenizer);
    EXPECT_EQ(Tokens(tokenizer), row.expected);
    if (row.nLastLine)
    {
        EXPECT_EQ(tokenizer.GetLineNumber(), row.nLastLine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Words, TokenSplitTest,
    ::testing::Values(
        STokenRow{
            "CommaBetweenWords", "Hello, world", {"-4:Hello", Ordinary(','), "-4:world", "-1:EOF"}},
        STokenRow{"SlashBetweenWords", "a/b", {"-4:a", Ordinary('/'), "-4:b", "-1:EOF"}},
        STokenRow{"SlashAtEnd", "a/", {"-4:a", Ordinary('/'), "-1:EOF"}},
        STokenRow{"DigitsAndMinusContinueWord", "a-1b x-", {"-4:a-1b", "-4:x-", "-1:EOF"}},
        STokenRow{"HighLetters", "caf\xE9 \xC0x", {"-4:caf\xE9", "-4:\xC0x", "-1:EOF"}},
        STokenRow{"Empty", "", {"-1:EOF"}}, STokenRow{"OnlyWhiteSpace", " \t\r\n\v", {"-1:EOF"}},
        STokenRow{"NulIsWhiteSpace", std::string("a\0b", 3), {"-4:a", "-4:b", "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Numbers, TokenSplitTest,
    ::testing::Values(
        STokenRow{"PointNumberThenWord", "12.50 m", {"-3:12.500000", "-4:m", "-1:EOF"}},
        STokenRow{"NegativeWhole", "-7", {"-2:-7.000000", "-1:EOF"}},
        STokenRow{"MinusBeforeBlank", "- 7", {Ordinary('-'), "-2:7.000000", "-1:EOF"}},
        STokenRow{"MinusBeforeWord", "-x", {Ordinary('-'), "-4:x", "-1:EOF"}},
        STokenRow{"MinusAtEnd", "-", {Ordinary('-'), "-1:EOF"}},
        STokenRow{"MinusPoint", "-.5", {"-3:-0.500000", "-1:EOF"}},
        STokenRow{"LeadingPointIsOrdinary", ".5", {Ordinary('.'), "-2:5.000000", "-1:EOF"}},
        STokenRow{"SecondPointEndsNumber",
                  "1.2.3",
                  {"-3:1.200000", Ordinary('.'), "-2:3.000000", "-1:EOF"}},
        STokenRow{"TrailingPoint", "5.", {"-3:5.000000", "-1:EOF"}},
        STokenRow{"NoExponent", "1e5", {"-2:1.000000", "-4:e5", "-1:EOF"}},
        STokenRow{"ManyDecimals", "0.1234567", {"-3:0.123457", "-1:EOF"}},
        STokenRow{"LongDigitRun",
                  "1111111111." + std::string(390, '1'),
                  {"-3:1111111111.111111", "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Comments, TokenSplitTest,
    ::testing::Values(
        STokenRow{"SlashStar", "one /* two */ three", {"-4:one", "-4:three", "-1:EOF"}},
        STokenRow{"SlashStarNoGap", "one/**/three", {"-4:one", "-4:three", "-1:EOF"}},
        STokenRow{"SlashStarNeedsOwnStar", "a /*/ b */ c", {"-4:a", "-4:c", "-1:EOF"}},
        STokenRow{"Brace", "one { two } three", {"-4:one", "-4:three", "-1:EOF"}},
        STokenRow{"SlashSlash", "one // two\nthree", {"-4:one", "-4:three", "-1:EOF"}},
        STokenRow{"UnclosedSlashStar", "a /* b", {"-4:a", "-1:EOF"}},
        STokenRow{"UnclosedBrace", "a { b", {"-4:a", "-1:EOF"}},
        STokenRow{"CloseBraceIsOrdinary", "a } b", {"-4:a", Ordinary('}'), "-4:b", "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Quotes, TokenSplitTest,
    ::testing::Values(
        STokenRow{"ApostropheInDoubleQuotes", "\"it's\" ok", {"-5:it's", "-4:ok", "-1:EOF"}},
        STokenRow{"SingleQuotes", "'a \"b\"'", {"-5:a \"b\"", "-1:EOF"}},
        STokenRow{
            "NamedEscapes", R"("\a\b\f\n\r\t\v\q\\\"")", {"-5:\a\b\f\n\r\t\vq\\\"", "-1:EOF"}},
        STokenRow{"OctalEscapes", R"("\101\7x\0618")", {"-5:A\ax18", "-1:EOF"}},
        STokenRow{"OctalStopsAtThreeDigits", R"("\1011")", {"-5:A1", "-1:EOF"}},
        STokenRow{"OctalKeepsLowByte", R"("\777")", {"-5:\xFF", "-1:EOF"}},
        STokenRow{"EightIsNotOctal", R"("\8")", {"-5:8", "-1:EOF"}},
        STokenRow{"BackslashAtEnd", "\"ab\\", {"-5:ab", "-1:EOF"}},
        STokenRow{"UnclosedAtEnd", "\"ab", {"-5:ab", "-1:EOF"}},
        STokenRow{"UnclosedAtLineEnd", "\"ab\ncd", {"-5:ab", "-4:cd", "-1:EOF"}},
        STokenRow{"EmptyQuote", "\"\"x", {"-5:", "-4:x", "-1:EOF"}},
        STokenRow{"ClosingQuoteThenWord", "\"a\"b", {"-5:a", "-4:b", "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(DefaultSyntaxTest, EndInsideACommentStaysAtTheEnd)
{
    for (const char* pszText : {"a { b", "a /* b", "a // b", "a \"b"})
    {
        CStringTokenizer tokenizer(pszText);
        tokenizer.NextToken();
        tokenizer.NextToken();
        EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenEnd) << pszText;
        EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenEnd) << pszText;
    }
}

TEST(LineEndTest, LineNumbersWithoutSignificantLineEnds)
{
    CStringTokenizer tokenizer("a\r\nb\rc\n\nd");
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenWord);
    EXPECT_EQ(tokenizer.GetLineNumber(), 1);
    tokenizer.NextToken(); // b
    EXPECT_EQ(tokenizer.GetLineNumber(), 2);
    tokenizer.NextToken(); // c
    EXPECT_EQ(tokenizer.GetLineNumber(), 3);
    tokenizer.NextToken(); // d
    EXPECT_EQ(tokenizer.GetWord(), "d");
    EXPECT_EQ(tokenizer.GetLineNumber(), 5);
}

TEST(LineEndTest, CommentsCountTheirLines)
{
    CStringTokenizer tokenizer("{ one\ntwo\n} a /* x\n\n */ b // c\nd");
    tokenizer.NextToken();
    EXPECT_EQ(tokenizer.GetWord(), "a");
    EXPECT_EQ(tokenizer.GetLineNumber(), 3);
    tokenizer.NextToken();
    EXPECT_EQ(tokenizer.GetWord(), "b");
    EXPECT_EQ(tokenizer.GetLineNumber(), 5);
    tokenizer.NextToken();
    EXPECT_EQ(tokenizer.GetWord(), "d");
    EXPECT_EQ(tokenizer.GetLineNumber(), 6);
}

TEST(LineEndTest, ManyCommentsInARow)
{
    // Thousands of consecutive comments are skipped one after another.
    std::string text;
    for (int i = 0; i < 200000; ++i)
        text += "{c}/*d*/";
    text += "// last\nword";
    CStringTokenizer tokenizer(text);
    const std::vector<std::string> expected = {"-4:word", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

void EolSignificant(CStringTokenizer& t)
{
    t.SetEolSignificant(true);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, TokenSplitTest,
                         ::testing::Values(STokenRow{"EveryKind",
                                                     "a\r\nb\rc\nd\n",
                                                     {"-4:a", "10:EOL", "-4:b", "10:EOL", "-4:c",
                                                      "10:EOL", "-4:d", "10:EOL", "-1:EOF"},
                                                     EolSignificant,
                                                     5},
                                           STokenRow{"SlashSlashCommentKeepsIt",
                                                     "a // note\nb",
                                                     {"-4:a", "10:EOL", "-4:b", "-1:EOF"},
                                                     EolSignificant},
                                           STokenRow{"UnclosedQuoteKeepsIt",
                                                     "\"open\nnext",
                                                     {"-5:open", "10:EOL", "-4:next", "-1:EOF"},
                                                     EolSignificant,
                                                     2}),
                         [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Setters, TokenSplitTest,
    ::testing::Values(
        STokenRow{"CommentsOff",
                  "a /* b */ { c } // d",
                  {"-4:a", Ordinary('/'), Ordinary('*'), "-4:b", Ordinary('*'), Ordinary('/'),
                   Ordinary('{'), "-4:c", Ordinary('}'), Ordinary('/'), Ordinary('/'), "-4:d",
                   "-1:EOF"},
                  [](CStringTokenizer& t)
                  {
                      t.SetSlashStarComments(false);
                      t.SetBraceComments(false);
                      t.SetSlashSlashComments(false);
                  }},
        STokenRow{"OnlySlashStar",
                  "a // b /* c */ d",
                  {"-4:a", Ordinary('/'), Ordinary('/'), "-4:b", "-4:d", "-1:EOF"},
                  [](CStringTokenizer& t) { t.SetSlashSlashComments(false); }},
        STokenRow{"OnlySlashSlash",
                  "a /* b */ c // d",
                  {"-4:a", Ordinary('/'), Ordinary('*'), "-4:b", Ordinary('*'), Ordinary('/'),
                   "-4:c", "-1:EOF"},
                  [](CStringTokenizer& t) { t.SetSlashStarComments(false); }},
        // Only ASCII letters of words are lowered; quoted text stays as written.
        STokenRow{"LowerCaseMode",
                  "Hello WORLD \xC9t\xC9 \"Quoted\"",
                  {"-4:hello", "-4:world", "-4:\xC9t\xC9", "-5:Quoted", "-1:EOF"},
                  [](CStringTokenizer& t) { t.SetLowerCaseMode(true); }},
        STokenRow{"CharacterClasses",
                  "#skip\n|a b|x-5 ;c;",
                  {"-5:a b", "-4:x", Ordinary('-'), "-2:5.000000", "-4:c", "-1:EOF"},
                  [](CStringTokenizer& t)
                  {
                      t.SetCommentChar('#');
                      t.SetQuoteChar('|');
                      t.SetOrdinaryChar('-');
                      t.AddWhitespaceChars(';', ';');
                  }},
        STokenRow{"ResetMakesEverythingOrdinary",
                  "a1 \n",
                  {Ordinary('a'), Ordinary('1'), Ordinary(' '), "10:EOL", "-1:EOF"},
                  [](CStringTokenizer& t)
                  {
                      t.ResetSyntax();
                      t.SetBraceComments(false);
                  }},
        // Ranges are clamped to the table; every code up to 'z' (the blank too) joins words.
        STokenRow{"RangesClamped",
                  "ab-12 c\xFB\xFF"
                  "d",
                  {"-4:ab-12 c", "-4:d", "-1:EOF"},
                  [](CStringTokenizer& t)
                  {
                      t.ResetSyntax();
                      t.AddWordChars(-50, 'z');
                      t.AddWhitespaceChars(250, 1000);
                  }},
        // '\xA7' is negative where char is signed.
        STokenRow{"HighCharAsPlainChar",
                  "x\xA7y\xA7",
                  {"-4:x", "167:'\xA7'", "-4:y", "167:'\xA7'", "-1:EOF"},
                  [](CStringTokenizer& t) { t.SetOrdinaryChar('\xA7'); }}),
    [](const auto& info) { return std::string(info.param.pszName); });

TEST(PushBackTest, ReturnsTheSameTokenOnce)
{
    CStringTokenizer tokenizer("alpha 2.5 beta");
    tokenizer.PushBack(); // nothing read yet: ignored
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenWord);
    EXPECT_EQ(tokenizer.GetTokenText(), "alpha");
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenPointNumber);
    tokenizer.PushBack();
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenPointNumber);
    EXPECT_EQ(tokenizer.GetNumber(), 2.5);
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenWord);
    EXPECT_EQ(tokenizer.GetTokenText(), "beta");
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenEnd);
    tokenizer.PushBack();
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenEnd);
    EXPECT_EQ(tokenizer.NextToken(), CStringTokenizer::kTokenEnd);
}

} // namespace
