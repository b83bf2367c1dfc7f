// A .bmp file is untrusted input: every malformed field ends in its own trace text,
// and none makes the reader look outside the bytes or take more than they hold.
#include "core/BitmapFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{
void PutU16(std::vector<uint8_t>& v, size_t at, uint16_t n)
{
    v[at] = uint8_t(n);
    v[at + 1] = uint8_t(n >> 8);
}

void PutU32(std::vector<uint8_t>& v, size_t at, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        v[at + i] = uint8_t(n >> (8 * i));
}

// A 3 x 2 image at 8 bits per pixel (256-entry table, rows of 4 bytes): 54 + 1024 + 8.
std::vector<uint8_t> GoodFile()
{
    std::vector<uint8_t> v(54 + 1024 + 8, 0);
    v[0] = 'B';
    v[1] = 'M';
    PutU32(v, 2, uint32_t(v.size()));
    PutU32(v, 10, 54 + 1024);
    PutU32(v, 14, 40);
    PutU32(v, 18, 3);
    PutU32(v, 22, 2);
    PutU16(v, 26, 1);
    PutU16(v, 28, 8);
    for (int i = 0; i < 8; ++i)
        v[54 + 1024 + i] = uint8_t(i + 1);
    return v;
}

struct SMalformed
{
    const char* pszName;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* pszTrace; // nullptr: accepted
};

class BitmapFileMalformed : public ::testing::TestWithParam<SMalformed>
{
};
} // namespace

TEST_P(BitmapFileMalformed, EndsInItsTrace)
{
    std::vector<uint8_t> file = GoodFile();
    GetParam().damage(file);
    SBitmapFileContent content;
    const char* pszTrace = ParseBitmapFile(file, content);
    if (!GetParam().pszTrace)
    {
        EXPECT_EQ(pszTrace, nullptr) << pszTrace;
        return;
    }
    ASSERT_NE(pszTrace, nullptr);
    EXPECT_STREQ(pszTrace, GetParam().pszTrace);
    // Whatever was taken lies inside the file.
    EXPECT_LE(content.bits.size(), file.size());
}

INSTANTIATE_TEST_SUITE_P(
    BitmapFile, BitmapFileMalformed,
    ::testing::Values(
        SMalformed{"ShortFileHeader", [](auto& v) { v.resize(13); }, "Failed to read file header\n"},
        SMalformed{"NotBM", [](auto& v) { v[1] = 'A'; }, "Not a bitmap file\n"},
        SMalformed{"ShortInfoHeader", [](auto& v) { v.resize(53); },
                   "Failed to read BITMAPINFOHEADER\n"},
        SMalformed{"CoreHeader", [](auto& v) { PutU32(v, 14, 12); }, " File is not a Windows DIB\n"},
        SMalformed{"V5Header", [](auto& v) { PutU32(v, 14, 124); }, " File is not a Windows DIB\n"},
        SMalformed{"ShortColorTable", [](auto& v) { v.resize(54 + 1023); },
                   "Failed to read color table\n"},
        SMalformed{"SizeBeforeOffset", [](auto& v) { PutU32(v, 2, 100); }, "Failed to read bits\n"},
        SMalformed{"SizeBeyondFile", [](auto& v) { PutU32(v, 2, 0xFFFFFFF0u); },
                   "Failed to read bits\n"},
        SMalformed{"OffsetBeyondFile",
                   [](auto& v)
                   {
                       PutU32(v, 10, 0xFFFFFF00u);
                       PutU32(v, 2, 0xFFFFFFFFu);
                   },
                   "Failed to read bits\n"},
        SMalformed{"FewerBytesThanRows", [](auto& v) { PutU32(v, 2, uint32_t(v.size() - 1)); },
                   "Failed to read bits\n"},
        // Rows of 2^31 - 1 pixels at 32 bits would need 8 GiB x height: never allocated.
        SMalformed{"HugeWidth",
                   [](auto& v)
                   {
                       PutU32(v, 18, 0x7FFFFFFFu);
                       PutU32(v, 22, 0x80000000u);
                       PutU16(v, 28, 32);
                   },
                   "Failed to set bitmap info\n"},
        SMalformed{"HugeTopDown",
                   [](auto& v)
                   {
                       PutU32(v, 18, 0x7FFFFFFFu);
                       PutU32(v, 22, uint32_t(-0x7FFFFFFF));
                       PutU16(v, 28, 32);
                   },
                   "Failed to read bits\n"},
        SMalformed{"RunLengthCompressed", [](auto& v) { PutU32(v, 30, 1); },
                   "Failed to set bitmap info\n"},
        SMalformed{"TwoBitsPerPixel", [](auto& v) { PutU16(v, 28, 2); },
                   "Failed to set bitmap info\n"},
        SMalformed{"ZeroWidth", [](auto& v) { PutU32(v, 18, 0); }, "Failed to set bitmap info\n"},
        SMalformed{"GapAfterColorTable",
                   [](auto& v)
                   {
                       v.insert(v.begin() + 54 + 1024, 6, uint8_t{0xEE});
                       PutU32(v, 2, uint32_t(v.size()));
                       PutU32(v, 10, 54 + 1024 + 6);
                   },
                   nullptr}),
    [](const ::testing::TestParamInfo<SMalformed>& info) { return std::string(info.param.pszName); });

TEST(BitmapFile, TakesTheBytesFromTheOffsetToTheStatedSize)
{
    std::vector<uint8_t> file = GoodFile();
    file.resize(file.size() + 10, 0x55); // bytes past the stated size are not pixels
    SBitmapFileContent content;
    ASSERT_EQ(ParseBitmapFile(file, content), nullptr);
    EXPECT_EQ(content.nColors, 256);
    EXPECT_EQ(content.info.bmiHeader.biSizeImage, 8u);
    EXPECT_EQ(content.bits, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6, 7, 8}));
}
