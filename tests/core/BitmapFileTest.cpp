// A .bmp file is untrusted input, for both readers: the report's (every malformed
// field ends in its own trace text) and the decoder of the artwork and the user's
// files. No field makes either look outside the bytes or take more than they hold;
// each row says what each of them accepts.
#include "core/BitmapFile.h"
#include "core/BitmapPixels.h"

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

// A w x h image at the bit count with a full colour table and an info header of
// nInfo bytes; pixel bytes 1, 2, 3, ...
std::vector<uint8_t> File(int nBits, int32_t nWidth, int32_t nHeight, uint32_t nInfo = 40)
{
    const size_t nTable = nBits <= 8 ? (size_t(1) << nBits) * 4 : 0;
    const size_t nRow = (size_t(nWidth) * nBits + 31) / 32 * 4;
    const size_t nOffset = 14 + nInfo + nTable;
    std::vector<uint8_t> v(nOffset + nRow * size_t(nHeight < 0 ? -nHeight : nHeight), 0);
    v[0] = 'B';
    v[1] = 'M';
    PutU32(v, 2, uint32_t(v.size()));
    PutU32(v, 10, uint32_t(nOffset));
    PutU32(v, 14, nInfo);
    PutU32(v, 18, uint32_t(nWidth));
    PutU32(v, 22, uint32_t(nHeight));
    PutU16(v, 26, 1);
    PutU16(v, 28, uint16_t(nBits));
    for (size_t i = nOffset; i < v.size(); ++i)
        v[i] = uint8_t(i - nOffset + 1);
    return v;
}

// A 3 x 2 image at 8 bits per pixel (256-entry table, rows of 4 bytes): 54 + 1024 + 8.
std::vector<uint8_t> GoodFile()
{
    return File(8, 3, 2);
}

struct SMalformed
{
    const char* pszName;
    std::function<void(std::vector<uint8_t>&)> damage;
    const char* pszTrace; // the report's reader: nullptr when it accepts
    bool bDecoded;        // the decoder of the artwork and the user's files accepts
};

void PrintTo(const SMalformed& row, std::ostream* pOut)
{
    *pOut << row.pszName;
}

class BitmapFileMalformed : public ::testing::TestWithParam<SMalformed>
{
};
} // namespace

TEST_P(BitmapFileMalformed, BothReadersAcceptOrRefuse)
{
    std::vector<uint8_t> file = GoodFile();
    GetParam().damage(file);
    SBitmapFileContent content;
    const char* pszTrace = ParseBitmapFile(file, content);
    if (!GetParam().pszTrace)
        EXPECT_EQ(pszTrace, nullptr) << pszTrace;
    else
    {
        ASSERT_NE(pszTrace, nullptr);
        EXPECT_STREQ(pszTrace, GetParam().pszTrace);
    }
    // Whatever was taken lies inside the file.
    EXPECT_LE(content.bits.size(), file.size());

    SBitmapPixelsInfo info;
    const char* pszWhy = ProbeBitmapPixels(file, info);
    EXPECT_EQ(pszWhy == nullptr, GetParam().bDecoded) << (pszWhy ? pszWhy : "accepted");
    if (pszWhy)
        return;
    // Every pixel written (decoded pixels are opaque), from the file's own bytes.
    std::vector<uint32_t> pixels(size_t(info.nWidth) * size_t(info.nHeight), 0);
    ASSERT_TRUE(DecodeBitmapPixels(file, pixels.data(), size_t(info.nWidth)));
    for (uint32_t n : pixels)
        ASSERT_EQ(n >> 24, 0xFFu);
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

auto Whole(int nBits, int32_t nWidth, int32_t nHeight, uint32_t nInfo = 40)
{
    return [=](auto& v) { v = File(nBits, nWidth, nHeight, nInfo); };
}

INSTANTIATE_TEST_SUITE_P(
    BitmapFile, BitmapFileMalformed,
    ::testing::Values(
        SMalformed{"ShortFileHeader", Size(13), "Failed to read file header\n", false},
        SMalformed{"NotBM", [](auto& v) { v[1] = 'A'; }, "Not a bitmap file\n", false},
        SMalformed{"ShortInfoHeader", Size(53), "Failed to read BITMAPINFOHEADER\n", false},
        SMalformed{"CoreHeader", U32(14, 12), kNotDib, false},
        // The table then lies at 138, and the pixels would start inside it.
        SMalformed{"V5HeaderOverOldLayout", U32(14, 124), kNotDib, false},
        SMalformed{"V5Header", Whole(24, 3, 2, 124), kNotDib, true},
        SMalformed{"ShortColorTable", Size(54 + 1023), "Failed to read color table\n", false},
        // The report's reader takes the pixels up to the stated size; the decoder to the end.
        SMalformed{"SizeBeforeOffset", U32(2, 100), kBits, true},
        SMalformed{"SizeBeyondFile", U32(2, 0xFFFFFFF0u), kBits, true},
        SMalformed{"FewerBytesThanRows", U32(2, 54 + 1024 + 7), kBits, true},
        SMalformed{"SizeBelowFile", [](auto& v) { v.resize(v.size() + 9, 0); }, nullptr, true},
        SMalformed{"OffsetBeyondFile", Both(U32(10, 0xFFFFFF00u), U32(2, 0xFFFFFFFFu)), kBits,
                   false},
        // Pixels inside the headers: inside the file for the report, refused by the decoder.
        SMalformed{"OffsetBelowHeaders", U32(10, 40), nullptr, false},
        // 2^31 - 1 pixels a row at 32 bits: 8 GiB a row, never allocated.
        SMalformed{"HugeTopDown",
                   Both(Both(U32(18, 0x7FFFFFFFu), U32(22, uint32_t(-0x7FFFFFFF))), U16(28, 32)),
                   kBits, false},
        SMalformed{"PixelsBeyond32Bits", Both(U32(18, 65537), U32(22, 65537)), kBits, false},
        SMalformed{"RowBytesBeyond64Bits",
                   Both(Both(U32(18, 0x7FFFFFFFu), U32(22, 0x7FFFFFFFu)), U16(28, 32)), kBits,
                   false},
        SMalformed{"Declared65536SquareTinyFile", Both(U32(18, 65536), U32(22, 65536)), kBits,
                   false},
        SMalformed{"HeightOfInt32Min", U32(22, 0x80000000u), kInfo, false},
        SMalformed{"TopDown", U32(22, uint32_t(-2)), nullptr, true},
        SMalformed{"RunLengthCompressed", U32(30, 1), kInfo, false},
        SMalformed{"BitFields", Both(Whole(32, 2, 2), U32(30, 3)), kInfo, false},
        SMalformed{"TwoBitsPerPixel", U16(28, 2), kInfo, false},
        SMalformed{"ZeroWidth", U32(18, 0), kInfo, false},
        SMalformed{"NegativeWidth", U32(18, uint32_t(-3)), kInfo, false},
        // The stated count of table entries counts for the decoder only.
        SMalformed{"ColorCountOver256", U32(46, 300), nullptr, false},
        SMalformed{"Bits1", Whole(1, 10, 3), nullptr, true},
        SMalformed{"Bits4", Whole(4, 5, 3), nullptr, true},
        SMalformed{"Bits16", Whole(16, 3, 3), nullptr, true},
        SMalformed{"Bits24", Whole(24, 10, 2), nullptr, true},
        SMalformed{"Bits32", Whole(32, 2, 2), nullptr, true},
        SMalformed{"GapAfterColorTable",
                   [](auto& v)
                   {
                       v.insert(v.begin() + 54 + 1024, 6, uint8_t{0xEE});
                       PutU32(v, 2, uint32_t(v.size()));
                       PutU32(v, 10, 54 + 1024 + 6);
                   },
                   nullptr, true}),
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
