// A .bmp file is untrusted input: every malformed field ends in its own trace text,
// and none makes the reader look outside the bytes or take more than they hold.
#include "core/BitmapFile.h"

#include <gtest/gtest.h>

#include <ostream>

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

void PrintTo(const SMalformed& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

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

namespace
{
// Helpers of the rows: fields written over the good file.
auto Size(size_t n)
{
    return [n](auto& v) { v.resize(n); };
}
auto U16(size_t at, uint16_t n)
{
    return [=](auto& v) { PutU16(v, at, n); };
}
auto U32(size_t at, uint32_t n)
{
    return [=](auto& v) { PutU32(v, at, n); };
}
auto Both(std::function<void(std::vector<uint8_t>&)> a,
          std::function<void(std::vector<uint8_t>&)> b)
{
    return [=](auto& v)
    {
        a(v);
        b(v);
    };
}
constexpr const char* kBits = "Failed to read bits\n";
constexpr const char* kInfo = "Failed to set bitmap info\n";
constexpr const char* kNotDib = " File is not a Windows DIB\n";
} // namespace

INSTANTIATE_TEST_SUITE_P(
    BitmapFile, BitmapFileMalformed,
    ::testing::Values(
        SMalformed{"ShortFileHeader", Size(13), "Failed to read file header\n"},
        SMalformed{"NotBM", [](auto& v) { v[1] = 'A'; }, "Not a bitmap file\n"},
        SMalformed{"ShortInfoHeader", Size(53), "Failed to read BITMAPINFOHEADER\n"},
        SMalformed{"CoreHeader", U32(14, 12), kNotDib},
        SMalformed{"V5Header", U32(14, 124), kNotDib},
        SMalformed{"ShortColorTable", Size(54 + 1023), "Failed to read color table\n"},
        SMalformed{"SizeBeforeOffset", U32(2, 100), kBits},
        SMalformed{"SizeBeyondFile", U32(2, 0xFFFFFFF0u), kBits},
        SMalformed{"OffsetBeyondFile", Both(U32(10, 0xFFFFFF00u), U32(2, 0xFFFFFFFFu)), kBits},
        SMalformed{"FewerBytesThanRows", U32(2, 54 + 1024 + 7), kBits},
        // 2^31 - 1 pixels a row at 32 bits: 8 GiB a row, never allocated.
        SMalformed{"HugeTopDown",
                   Both(Both(U32(18, 0x7FFFFFFFu), U32(22, uint32_t(-0x7FFFFFFF))), U16(28, 32)),
                   kBits},
        SMalformed{"HeightOfInt32Min", U32(22, 0x80000000u), kInfo},
        SMalformed{"RunLengthCompressed", U32(30, 1), kInfo},
        SMalformed{"TwoBitsPerPixel", U16(28, 2), kInfo},
        SMalformed{"ZeroWidth", U32(18, 0), kInfo},
        SMalformed{"GapAfterColorTable",
                   [](auto& v)
                   {
                       v.insert(v.begin() + 54 + 1024, 6, uint8_t{0xEE});
                       PutU32(v, 2, uint32_t(v.size()));
                       PutU32(v, 10, 54 + 1024 + 6);
                   },
                   nullptr}),
    [](const ::testing::TestParamInfo<SMalformed>& info)
    { return std::string(info.param.pszName); });

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
