// The dealer data file: lines as UTF-8 from UTF-8 or Windows-1252 files, at most 255
// characters, and only regular files, read without waiting and within a bound.
#include "core/DealerFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

TEST(DealerFile, LinesAsUtf8)
{
    std::string strUmlauts;
    for (int i = 0; i < 300; ++i)
        strUmlauts += "\xC3\xA4";
    struct SCase
    {
        const char* pszName;
        std::string bytes;
        std::optional<std::string> line1, line2;
    };
    const std::vector<SCase> cases{
        {"Windows-1252",
         "M\xFCller & S\xF6hne\r\n\x80 1.200 \x96 Stra\xDF"
         "e 5\r\n",
         "M\xC3\xBCller & S\xC3\xB6hne",
         "\xE2\x82\xAC 1.200 \xE2\x80\x93 Stra\xC3\x9F"
         "e 5"},
        // One byte that is not UTF-8 makes both lines Windows-1252.
        {"UTF-8 first line, Windows second", "\xC3\xA9\n\xE9", "\xC3\x83\xC2\xA9", "\xC3\xA9"},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBFM\xC3\xBCller\nb", "M\xC3\xBCller", "b"},
        {"300 umlauts keep 255 whole", strUmlauts + "\nb", strUmlauts.substr(0, 510), "b"},
        // The second line starts beyond the bytes read: it is not guessed.
        {"line beyond the read limit", std::string(5000, 'a') + "\nb", std::string(255, 'a'),
         std::nullopt}};
    for (const SCase& c : cases)
    {
        const SDealerLines lines = DealerLinesFromBytes(c.bytes, true);
        EXPECT_EQ(lines.line1, c.line1) << c.pszName;
        EXPECT_EQ(lines.line2, c.line2) << c.pszName;
    }
}

TEST(DealerFile, OnlyARegularFileIsReadAndNeverWaitedFor)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("dealer-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero");
    std::ofstream(dir / "plain") << "Dealer\nStreet\n";

    const auto start = std::chrono::steady_clock::now();
    for (const char* pszName : {"fifo", "zero", "."})
    {
        int nError = 0;
        EXPECT_FALSE(ReadDealerFile((dir / pszName).c_str(), nError)) << pszName;
        EXPECT_NE(nError, 0) << pszName;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    int nError = 0;
    const std::optional<SDealerLines> lines = ReadDealerFile((dir / "plain").c_str(), nError);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->line2, "Street");
    std::filesystem::remove_all(dir);
}
