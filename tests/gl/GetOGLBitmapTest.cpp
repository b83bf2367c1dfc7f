// Frame capture: the bitmap block's header rules, the file written byte for byte,
// atomic replacement, captured pixels, and drawing onto a device context.
#include "TestGLWnd.h"
#include "common/RecordingDC.h"

#include "core/DibBlock.h"
#include "gl/GetOGLBitmap.h"

#include <GL/gl.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace
{
uint32_t U32(const QByteArray& bytes, int nAt)
{
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | static_cast<uint8_t>(bytes[nAt + i]);
    return n;
}

uint16_t U16(const QByteArray& bytes, int nAt)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[nAt]) |
                                 (static_cast<uint8_t>(bytes[nAt + 1]) << 8));
}

QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteText(const QString& strPath, const QByteArray& text)
{
    QFile file(strPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// ------------------------------------------------------------------ block layout

struct SLayoutCase
{
    const char* pszName;
    int nWidth, nHeight, nBitCount;
    size_t nRowBytes;
    size_t nBlockSize; // header + colour table + pixels
    uint32_t nPixelOffset;
};

void PrintTo(const SLayoutCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class DibLayoutTest : public ::testing::TestWithParam<SLayoutCase>
{
};

TEST_P(DibLayoutTest, SizesAndFileHeader)
{
    const SLayoutCase& c = GetParam();
    CDibBlock dib;
    ASSERT_TRUE(dib.Allocate(c.nWidth, c.nHeight, c.nBitCount));
    EXPECT_EQ(CDibBlock::RowBytes(c.nWidth, c.nBitCount), c.nRowBytes);
    EXPECT_EQ(dib.GetSize(), c.nBlockSize);
    EXPECT_EQ(dib.GetBMI()->biSizeImage, c.nRowBytes * c.nHeight);
    const std::vector<uint8_t> header = dib.FileHeader();
    const QByteArray bytes(reinterpret_cast<const char*>(header.data()),
                           static_cast<int>(header.size()));
    ASSERT_EQ(bytes.size(), 14);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(U32(bytes, 2), c.nBlockSize + 14);
    EXPECT_EQ(U32(bytes, 6), 0u);
    EXPECT_EQ(U32(bytes, 10), c.nPixelOffset);
}

INSTANTIATE_TEST_SUITE_P(Capture, DibLayoutTest,
                         ::testing::Values(
                             // 24 bits: no colour table, pixels at 54; 3 x 3 bytes padded to 12.
                             SLayoutCase{"TrueColourOddWidth", 3, 2, 24, 12, 40 + 24, 54},
                             SLayoutCase{"TrueColourNoPadding", 4, 1, 24, 12, 40 + 12, 54},
                             SLayoutCase{"PreviewSize", 226, 193, 24, 680, 40 + 680 * 193, 54},
                             // 8 bits: 256 entries of 4 bytes, pixels at 54 + 1024.
                             SLayoutCase{"Palette256", 5, 3, 8, 8, 40 + 1024 + 24, 1078},
                             SLayoutCase{"Monochrome", 33, 2, 1, 8, 40 + 8 + 16, 62},
                             SLayoutCase{"ThirtyTwoBits", 2, 2, 32, 8, 40 + 16, 54}),
                         [](const ::testing::TestParamInfo<SLayoutCase>& info)
                         { return info.param.pszName; });

TEST(DibBlock, RefusesImagesItCannotHold)
{
    CDibBlock dib;
    EXPECT_FALSE(dib.Allocate(0, 10, 24));
    EXPECT_FALSE(dib.Allocate(10, -1, 24));
    EXPECT_FALSE(dib.Allocate(10, 10, 16));
    EXPECT_FALSE(dib.Allocate(70000, 70000, 24)); // beyond the file's 32-bit sizes
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_EQ(dib.GetBMI(), nullptr);
    EXPECT_EQ(dib.GetBits(), nullptr);
}

// ------------------------------------------------------------------ file writing

TEST(DibBlock, WrittenFileReadsBackByteForByte)
{
    QTemporaryDir dir;
    CDibBlock dib;
    ASSERT_TRUE(dib.Allocate(3, 2, 24));
    // Bottom row blue, red, white; top row green, black, grey (B, G, R order).
    const uint8_t bottom[9] = {255, 0, 0, 0, 0, 255, 255, 255, 255};
    const uint8_t top[9] = {0, 255, 0, 0, 0, 0, 128, 128, 128};
    std::memcpy(dib.GetRow(0), bottom, 9);
    std::memcpy(dib.GetRow(1), top, 9);
    const QString strPath = dir.filePath("ogl.bmp");
    ASSERT_EQ(dib.WriteFile(strPath.toStdString()), 1);

    const QByteArray bytes = ReadAll(strPath);
    ASSERT_EQ(bytes.size(), 14 + 40 + 24);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(U32(bytes, 2), 78u);
    EXPECT_EQ(U16(bytes, 6), 0u);
    EXPECT_EQ(U16(bytes, 8), 0u);
    EXPECT_EQ(U32(bytes, 10), 54u);
    EXPECT_EQ(U32(bytes, 14), 40u);        // header size
    EXPECT_EQ(U32(bytes, 18), 3u);         // width
    EXPECT_EQ(U32(bytes, 22), 2u);         // height (bottom-up)
    EXPECT_EQ(U16(bytes, 26), 1u);         // planes
    EXPECT_EQ(U16(bytes, 28), 24u);        // bits per pixel
    EXPECT_EQ(U32(bytes, 30), 0u);         // uncompressed
    EXPECT_EQ(U32(bytes, 34), 24u);        // image size
    for (int nAt = 38; nAt < 54; nAt += 4) // resolution and colour counts
        EXPECT_EQ(U32(bytes, nAt), 0u) << nAt;
    const QByteArray rows = bytes.mid(54);
    EXPECT_EQ(rows.left(9), QByteArray(reinterpret_cast<const char*>(bottom), 9));
    EXPECT_EQ(rows.mid(9, 3), QByteArray(3, '\0')); // padding to 12
    EXPECT_EQ(rows.mid(12, 9), QByteArray(reinterpret_cast<const char*>(top), 9));
    EXPECT_EQ(rows.mid(21, 3), QByteArray(3, '\0'));
    // A .bmp reader agrees on the pixels.
    const QImage image(strPath);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, 0x0000FFu); // bottom-left blue
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xFF0000u); // red
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x00FF00u); // top-left green
}

TEST(DibBlock, NothingHeldWritesNothing)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("ogl.bmp");
    WriteText(strPath, "older picture");
    CGetOGLBitmap capture;
    EXPECT_EQ(capture.WriteBitmapFile(strPath), 0);
    EXPECT_EQ(ReadAll(strPath), "older picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"ogl.bmp"});
}

TEST(DibBlock, FailedWriteLeavesTargetAndNoLitter)
{
    QTemporaryDir dir;
    CDibBlock dib;
    ASSERT_TRUE(dib.Allocate(2, 2, 24));
    // The folder does not exist: nothing is created.
    EXPECT_EQ(dib.WriteFile(dir.filePath("missing/ogl.bmp").toStdString()), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
    // The target cannot be replaced (a folder stands there): it stays, and the
    // temporary file is gone.
    ASSERT_TRUE(QDir(dir.path()).mkdir("ogl.bmp"));
    EXPECT_EQ(dib.WriteFile(dir.filePath("ogl.bmp").toStdString()), 0);
    EXPECT_TRUE(QFileInfo(dir.filePath("ogl.bmp")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST(DibBlock, RewriteReplacesTheWholeFile)
{
    QTemporaryDir dir;
    const QString strPath = dir.filePath("ogl.bmp");
    WriteText(strPath, QByteArray(5000, 'x')); // longer than the new file
    CDibBlock dib;
    ASSERT_TRUE(dib.Allocate(2, 2, 24));
    ASSERT_EQ(dib.WriteFile(strPath.toStdString()), 1);
    EXPECT_EQ(ReadAll(strPath).size(), 14 + 40 + 16);
}

// ------------------------------------------------------------------ capture

// Clears white and draws a red line 10 pixels above the bottom and a blue one 5
// pixels below the top, in window pixels.
class CKnownFrameWnd : public CTestGLWnd
{
protected:
    void RenderScene() override
    {
        const int w = width(), h = height();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0, w, 0, h, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glBegin(GL_LINES);
        glColor4f(1, 0, 0, 1);
        glVertex2f(0, 10.5f);
        glVertex2f(w, 10.5f);
        glColor4f(0, 0, 1, 1);
        glVertex2f(0, h - 5.5f);
        glVertex2f(w, h - 5.5f);
        glEnd();
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glFlush();
    }
};

// Blue, green, red of pixel x in row y counted from the bottom.
std::array<int, 3> Pixel(const CDibBlock& dib, int x, int y)
{
    const uint8_t* p = dib.GetRow(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

TEST(Capture, KnownFrameHasItsPixels)
{
    CKnownFrameWnd wnd;
    wnd.ShowAt(40, 40, 225, 193); // odd width: rows of 675 bytes padded to 676
    CGetOGLBitmap capture;
    ASSERT_EQ(capture.Capture(wnd, wnd.rect()), 1);
    const CDibBlock& dib = capture.GetBlock();
    ASSERT_EQ(dib.GetBMI()->biWidth, 225);
    ASSERT_EQ(dib.GetBMI()->biHeight, 193);
    EXPECT_EQ(dib.GetBMI()->biBitCount, 24);
    EXPECT_EQ(dib.GetSize(), 40u + 676u * 193u);
    using P = std::array<int, 3>;
    for (int x : {1, 112, 223})
    {
        EXPECT_EQ(Pixel(dib, x, 10), (P{0, 0, 255})) << x;     // red line
        EXPECT_EQ(Pixel(dib, x, 11), (P{255, 255, 255})) << x; // clear colour
        EXPECT_EQ(Pixel(dib, x, 9), (P{255, 255, 255})) << x;
        EXPECT_EQ(Pixel(dib, x, 187), (P{255, 0, 0})) << x; // blue line, 5 below the top
    }
    EXPECT_EQ(Pixel(dib, 50, 100), (P{255, 255, 255}));
    for (int y = 0; y < 193; ++y)
        ASSERT_EQ(dib.GetRow(y)[675], 0) << y; // padding byte
}

TEST(Capture, PartialRectangleStartsAtTheTopLeft)
{
    CKnownFrameWnd wnd;
    wnd.ShowAt(40, 40, 226, 193);
    CGetOGLBitmap capture;
    ASSERT_EQ(capture.Capture(wnd, QRect(0, 0, 100, 50)), 1);
    const CDibBlock& dib = capture.GetBlock();
    ASSERT_EQ(dib.GetBMI()->biWidth, 100);
    ASSERT_EQ(dib.GetBMI()->biHeight, 50);
    using P = std::array<int, 3>;
    // The blue line is row 5 from the top of the window: row 44 from the bottom here.
    EXPECT_EQ(Pixel(dib, 50, 44), (P{255, 0, 0}));
    EXPECT_EQ(Pixel(dib, 50, 10), (P{255, 255, 255})); // the red line is not in it
}

TEST(Capture, SnapshotOfThePreviewIsWrittenAsBmp)
{
    QTemporaryDir dir;
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    wnd.SetViewData(4, 2.25f, 6, 4, 2.25f, 7.5f);
    CGetOGLBitmap capture;
    const QString strPath = dir.filePath("ogl.bmp");
    ASSERT_EQ(capture.SaveSnapshot(wnd, strPath), 1);
    const QByteArray bytes = ReadAll(strPath);
    ASSERT_EQ(bytes.size(), 54 + 680 * 193);
    EXPECT_EQ(U32(bytes, 2), static_cast<uint32_t>(bytes.size()));
    // The file shows what the window shows.
    const QImage shown = wnd.grabFramebuffer().convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(QImage(strPath).convertToFormat(QImage::Format_RGB888), shown);
}

TEST(Capture, FailedSnapshotRemovesTheOlderFile)
{
    QTemporaryDir dir;
    CTestGLWnd wnd;
    wnd.ShowAt(40, 40);
    CGetOGLBitmap capture;
    const QString strPath = dir.filePath("ogl.bmp");
    ASSERT_EQ(capture.SaveSnapshot(wnd, strPath), 1);
    ASSERT_TRUE(QFile::exists(strPath));
    // An empty rectangle captures nothing: the old picture must not stay behind.
    EXPECT_EQ(capture.SaveSnapshot(wnd, QRect(0, 0, 0, 0), strPath), 0);
    EXPECT_FALSE(QFile::exists(strPath));
    EXPECT_TRUE(capture.GetBlock().IsEmpty());
}

// ------------------------------------------------------------------ drawing

TEST(CaptureDraw, CopiesOrStretchesTheHeldBitmap)
{
    CGetOGLBitmap capture;
    CRecordingDC dc;
    EXPECT_EQ(capture.Draw(dc, QRect(0, 0, 10, 10), QRect(0, 0, 10, 10)), 0);
    EXPECT_TRUE(dc.m_vBlts.empty());

    QImage image(4, 3, QImage::Format_RGB888);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0)); // top-left red
    image.setPixel(3, 2, qRgb(0, 0, 255)); // bottom-right blue
    ASSERT_EQ(capture.ConvertToDIB(image), 1);
    // Bottom-up block: the blue pixel is in the first row, the red one in the last.
    const CDibBlock& dib = capture.GetBlock();
    EXPECT_EQ(dib.GetRow(0)[9], 255);
    EXPECT_EQ(dib.GetRow(2)[2], 255);

    EXPECT_EQ(capture.Draw(dc, QRect(20, 30, 4, 3), QRect(0, 0, 4, 3)), 3);
    EXPECT_EQ(capture.Draw(dc, QRect(0, 0, 40, 30), QRect(0, 0, 4, 3)), 3);
    ASSERT_EQ(dc.m_vBlts.size(), 2u);
    EXPECT_EQ(dc.m_eStretch, EStretchMode::ColorOnColor);
    EXPECT_EQ(dc.m_vBlts[0].dst, QRect(20, 30, 4, 3));
    EXPECT_EQ(dc.m_vBlts[1].dst, QRect(0, 0, 40, 30));
    for (const auto& blt : dc.m_vBlts)
    {
        EXPECT_EQ(blt.src, QRect(0, 0, 4, 3));
        EXPECT_EQ(blt.eRop, ERasterOp::SrcCopy);
        EXPECT_EQ(blt.image.convertToFormat(QImage::Format_RGB888), image);
    }
}

} // namespace
