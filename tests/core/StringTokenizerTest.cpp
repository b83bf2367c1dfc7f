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

std::vector<std::string> Tokens(const std::string& text)
{
    CStringTokenizer tokenizer(text);
    return Tokens(tokenizer);
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
};

void PrintTo(const STokenRow& row, std::ostream* pStream)
{
    *pStream << row.pszName;
}

class DefaultSyntaxTest : public ::testing::TestWithParam<STokenRow>
{
};

TEST_P(DefaultSyntaxTest, SplitsIntoTokens)
{
    EXPECT_EQ(Tokens(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Words, DefaultSyntaxTest,
    ::testing::Values(
        STokenRow{"CommaBetweenWords", "Hello, world", {"-4:Hello", Ordinary(','), "-4:world", "-1:EOF"}},
        STokenRow{"SlashBetweenWords", "a/b", {"-4:a", Ordinary('/'), "-4:b", "-1:EOF"}},
        STokenRow{"SlashAtEnd", "a/", {"-4:a", Ordinary('/'), "-1:EOF"}},
        STokenRow{"DigitsAndMinusContinueWord", "a-1b x-", {"-4:a-1b", "-4:x-", "-1:EOF"}},
        STokenRow{"HighLetters", "caf\xE9 \xC0x", {"-4:caf\xE9", "-4:\xC0x", "-1:EOF"}},
        STokenRow{"Empty", "", {"-1:EOF"}},
        STokenRow{"OnlyWhiteSpace", " \t\r\n\v", {"-1:EOF"}},
        STokenRow{"NulIsWhiteSpace", std::string("a\0b", 3), {"-4:a", "-4:b", "-1:EOF"}},
        STokenRow{"OrdinaryAfterWord", "end.", {"-4:end", Ordinary('.'), "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Numbers, DefaultSyntaxTest,
    ::testing::Values(
        STokenRow{"PointNumberThenWord", "12.50 m", {"-3:12.500000", "-4:m", "-1:EOF"}},
        STokenRow{"NegativeWhole", "-7", {"-2:-7.000000", "-1:EOF"}},
        STokenRow{"MinusBeforeBlank", "- 7", {Ordinary('-'), "-2:7.000000", "-1:EOF"}},
        STokenRow{"MinusBeforeWord", "-x", {Ordinary('-'), "-4:x", "-1:EOF"}},
        STokenRow{"MinusAtEnd", "-", {Ordinary('-'), "-1:EOF"}},
        STokenRow{"MinusPoint", "-.5", {"-3:-0.500000", "-1:EOF"}},
        STokenRow{"LeadingPointIsOrdinary", ".5", {Ordinary('.'), "-2:5.000000", "-1:EOF"}},
        STokenRow{"SecondPointEndsNumber", "1.2.3", {"-3:1.200000", Ordinary('.'), "-2:3.000000", "-1:EOF"}},
        STokenRow{"TrailingPoint", "5.", {"-3:5.000000", "-1:EOF"}},
        STokenRow{"NumberThenWord", "12abc", {"-2:12.000000", "-4:abc", "-1:EOF"}},
        STokenRow{"NoExponent", "1e5", {"-2:1.000000", "-4:e5", "-1:EOF"}},
        STokenRow{"ManyDecimals", "0.1234567", {"-3:0.123457", "-1:EOF"}},
        STokenRow{"LongDigitRun",
                  "1111111111." + std::string(390, '1'),
                  {"-3:1111111111.111111", "-1:EOF"}}),
    [](const auto& info) { return std::string(info.param.pszName); });

INSTANTIATE_TEST_SUITE_P(
    Comments, DefaultSyntaxTest,
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
    Quotes, DefaultSyntaxTest,
    ::testing::Values(
        STokenRow{"ApostropheInDoubleQuotes", "\"it's\" ok", {"-5:it's", "-4:ok", "-1:EOF"}},
        STokenRow{"SingleQuotes", "'a \"b\"'", {"-5:a \"b\"", "-1:EOF"}},
        STokenRow{"NamedEscapes", R"("\a\b\f\n\r\t\v\q\\\"")",
                  {"-5:\a\b\f\n\r\t\vq\\\"", "-1:EOF"}},
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

TEST(LineEndTest, SignificantLineEndsOfEveryKind)
{
    CStringTokenizer tokenizer("a\r\nb\rc\nd\n");
    tokenizer.SetEolSignificant(true);
    const std::vector<std::string> expected = {"-4:a", "10:EOL", "-4:b", "10:EOL", "-4:c",
                                               "10:EOL", "-4:d", "10:EOL", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
    EXPECT_EQ(tokenizer.GetLineNumber(), 5);
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

TEST(LineEndTest, SlashSlashCommentKeepsItsLineEnd)
{
    CStringTokenizer tokenizer("a // note\nb");
    tokenizer.SetEolSignificant(true);
    const std::vector<std::string> expected = {"-4:a", "10:EOL", "-4:b", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

TEST(LineEndTest, UnclosedQuoteKeepsItsLineEnd)
{
    CStringTokenizer tokenizer("\"open\nnext");
    tokenizer.SetEolSignificant(true);
    const std::vector<std::string> expected = {"-5:open", "10:EOL", "-4:next", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
    EXPECT_EQ(tokenizer.GetLineNumber(), 2);
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

TEST(SyntaxTest, SwitchesTurnCommentsOff)
{
    CStringTokenizer tokenizer("a /* b */ { c } // d");
    tokenizer.SetSlashStarComments(false);
    tokenizer.SetBraceComments(false);
    tokenizer.SetSlashSlashComments(false);
    const std::vector<std::string> expected = {
        "-4:a", Ordinary('/'), Ordinary('*'), "-4:b", Ordinary('*'), Ordinary('/'),
        Ordinary('{'), "-4:c", Ordinary('}'), Ordinary('/'), Ordinary('/'), "-4:d", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

TEST(SyntaxTest, OnlyOneSlashSwitchOn)
{
    CStringTokenizer onlyStar("a // b /* c */ d");
    onlyStar.SetSlashSlashComments(false);
    const std::vector<std::string> expectedStar = {"-4:a", Ordinary('/'), Ordinary('/'), "-4:b",
                                                   "-4:d", "-1:EOF"};
    EXPECT_EQ(Tokens(onlyStar), expectedStar);

    CStringTokenizer onlySlash("a /* b */ c // d");
    onlySlash.SetSlashStarComments(false);
    const std::vector<std::string> expectedSlash = {"-4:a", Ordinary('/'), Ordinary('*'), "-4:b",
                                                    Ordinary('*'), Ordinary('/'), "-4:c",
                                                    "-1:EOF"};
    EXPECT_EQ(Tokens(onlySlash), expectedSlash);
}

TEST(SyntaxTest, LowerCaseModeTouchesOnlyAsciiLetters)
{
    CStringTokenizer tokenizer("Hello WORLD \xC9t\xC9 \"Quoted\"");
    tokenizer.SetLowerCaseMode(true);
    const std::vector<std::string> expected = {"-4:hello", "-4:world", "-4:\xC9t\xC9",
                                               "-5:Quoted", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

TEST(SyntaxTest, SettersChangeCharacterClasses)
{
    CStringTokenizer tokenizer("#skip\n|a b|x-5 ;c;");
    tokenizer.SetCommentChar('#');
    tokenizer.SetQuoteChar('|');
    tokenizer.SetOrdinaryChar('-');
    tokenizer.AddWhitespaceChars(';', ';');
    const std::vector<std::string> expected = {"-5:a b", "-4:x", Ordinary('-'), "-2:5.000000",
                                               "-4:c", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

TEST(SyntaxTest, ResetSyntaxMakesEverythingOrdinary)
{
    CStringTokenizer tokenizer("a1 \n");
    tokenizer.ResetSyntax();
    tokenizer.SetBraceComments(false);
    const std::vector<std::string> expected = {Ordinary('a'), Ordinary('1'), Ordinary(' '),
                                               "10:EOL", "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);

    // Ranges are clamped to the table.
    CStringTokenizer rebuilt("ab-12 c\xFB\xFF" "d");
    rebuilt.ResetSyntax();
    rebuilt.AddWordChars(-50, 'z');
    rebuilt.AddWhitespaceChars(250, 1000);
    // Every code up to 'z' is a word character, the blank included.
    const std::vector<std::string> expectedRebuilt = {"-4:ab-12 c", "-4:d", "-1:EOF"};
    EXPECT_EQ(Tokens(rebuilt), expectedRebuilt);
}

TEST(SyntaxTest, HighCharactersPassedAsPlainChar)
{
    CStringTokenizer tokenizer("x\xA7y\xA7");
    const char chSection = '\xA7'; // negative where char is signed
    tokenizer.SetOrdinaryChar(chSection);
    const std::vector<std::string> expected = {"-4:x", "167:'\xA7'", "-4:y", "167:'\xA7'",
                                               "-1:EOF"};
    EXPECT_EQ(Tokens(tokenizer), expected);
}

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
