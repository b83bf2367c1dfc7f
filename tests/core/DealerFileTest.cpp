// The dealer data file: lines as UTF-8 from UTF-8 or Windows-1252 files, at most 255
// characters, and only regular files, read without waiting and within a bound.
#include "core/DealerFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace
{
struct SDealerBytes
{
    const char* pszName;
    std::string bytes;
    std::optional<std::string> line1, line2;
};

void PrintTo(const SDealerBytes& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class DealerBytes : public ::testing::TestWithParam<SDealerBytes>
{
};

std::string Repeat(const std::string& str, std::size_t n)
{
    std::string out;
    for (std::size_t i = 0; i < n; ++i)
        out += str;
    return out;
}
} // namespace

TEST_P(DealerBytes, LinesAsUtf8)
{
    const SDealerLines lines = DealerLinesFromBytes(GetParam().bytes, true);
    EXPECT_EQ(lines.line1, GetParam().line1);
    EXPECT_EQ(lines.line2, GetParam().line2);
}

INSTANTIATE_TEST_SUITE_P(
    DealerFile, DealerBytes,
    ::testing::Values(SDealerBytes{"Windows1252",
                                   "M\xFCller & S\xF6hne\r\n\x80 1.200 \x96 Stra\xDF"
                                   "e 5\r\n",
                                   "M\xC3\xBCller & S\xC3\xB6hne",
                                   "\xE2\x82\xAC 1.200 \xE2\x80\x93 Stra\xC3\x9F"
                                   "e 5"},
                      // One byte that is not UTF-8 makes both lines Windows-1252.
                      SDealerBytes{"Utf8FirstLineWindowsSecond", "\xC3\xA9\n\xE9",
                                   "\xC3\x83\xC2\xA9", "\xC3\xA9"},
                      SDealerBytes{"Utf8WithByteOrderMark",
                                   "\xEF\xBB\xBFM\xC3\xBCller\nZ\xC3\xBCrich", "M\xC3\xBCller",
                                   "Z\xC3\xBCrich"},
                      // 300 two-byte characters keep 255 whole ones.
                      SDealerBytes{"LongUtf8LineKeeps255Characters",
                                   Repeat("\xC3\xA4", 300) + "\nb", Repeat("\xC3\xA4", 255), "b"},
                      // The second line starts beyond the bytes read: it is not guessed.
                      SDealerBytes{"LineBeyondTheReadLimit", Repeat("a", 5000) + "\nb",
                                   Repeat("a", 255), std::nullopt}),
    [](const ::testing::TestParamInfo<SDealerBytes>& info)
    { return std::string(info.param.pszName); });

TEST(DealerFile, OnlyARegularFileIsReadAndNeverWaitedFor)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("dealer-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string strFifo = (dir / "fifo").string();
    ASSERT_EQ(::mkfifo(strFifo.c_str(), 0600), 0);
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
