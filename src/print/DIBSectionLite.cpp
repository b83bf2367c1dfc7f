#include "print/DIBSectionLite.h"

#include "platform/DC.h"
#include "platform/DebugTrace.h"
#include "platform/Resources.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace
{
QRgb ColorOf(const SRgbQuad& quad)
{
    return qRgb(quad.rgbRed, quad.rgbGreen, quad.rgbBlue);
}

SRgbQuad QuadOf(QRgb rgb)
{
    return SRgbQuad{static_cast<uint8_t>(qBlue(rgb)), static_cast<uint8_t>(qGreen(rgb)),
                    static_cast<uint8_t>(qRed(rgb)), 0};
}

// The picture for drawing of a supported header and its rows; null when it cannot
// be allocated.
QImage ImageOf(const SBitmapInfo& info, int nColors, const std::vector<uint8_t>& vBits)
{
    const SBitmapInfoHeader& header = info.bmiHeader;
    const int nWidth = header.biWidth;
    const bool bTopDown = header.biHeight < 0;
    const int nHeight = bTopDown ? -header.biHeight : header.biHeight;
    const size_t nRowBytes = CDibBlock::RowBytes(nWidth, header.biBitCount);
    QImage::Format eFormat = QImage::Format_RGB32;
    switch (header.biBitCount)
    {
    case 1:
        eFormat = QImage::Format_Mono;
        break;
    case 4:
    case 8:
        eFormat = QImage::Format_Indexed8;
        break;
    case 16:
        eFormat = QImage::Format_RGB555;
        break;
    case 24:
        eFormat = QImage::Format_BGR888;
        break;
    default:
        break;
    }
    QImage image(nWidth, nHeight, eFormat);
    if (image.isNull())
        return {};
    if (nColors > 0)
    {
        QList<QRgb> table(nColors);
        for (int i = 0; i < nColors; ++i)
            table[i] = ColorOf(info.bmiColors[i]);
        image.setColorTable(table);
    }
    for (int y = 0; y < nHeight; ++y)
    {
        const uint8_t* pRow = vBits.data() + nRowBytes * size_t(bTopDown ? y : nHeight - 1 - y);
        uchar* pOut = image.scanLine(y);
        switch (header.biBitCount)
        {
        case 4:
            for (int x = 0; x < nWidth; ++x)
                pOut[x] = (x % 2 == 0) ? pRow[x / 2] >> 4 : pRow[x / 2] & 0x0F;
            break;
        case 32:
            for (int x = 0; x < nWidth; ++x)
            {
                uint32_t n = 0;
                std::memcpy(&n, pRow + 4 * size_t(x), 4);
                reinterpret_cast<QRgb*>(pOut)[x] = n | 0xFF000000u;
            }
            break;
        default:
            std::memcpy(pOut, pRow,
                        std::min<size_t>(nRowBytes, static_cast<size_t>(image.bytesPerLine())));
            break;
        }
    }
    return image;
}

// The picture in the format of its bit count for a DIB (see SetBitmap), or null.
QImage DibFormOf(const QImage& bitmap, int& nBitCount)
{
    switch (bitmap.depth())
    {
    case 1:
        nBitCount = 1;
        return bitmap.convertToFormat(QImage::Format_Mono);
    case 8:
        nBitCount = 8;
        return bitmap.format() == QImage::Format_Indexed8
                   ? bitmap
                   : bitmap.convertToFormat(QImage::Format_Indexed8);
    case 16:
        nBitCount = 16;
        return bitmap.convertToFormat(QImage::Format_RGB555);
    case 24:
        nBitCount = 24;
        return bitmap.convertToFormat(QImage::Format_BGR888);
    default:
        nBitCount = 32;
        return bitmap.convertToFormat(QImage::Format_RGB32);
    }
}
} // namespace

void CDIBSectionLite::DeleteObject()
{
    m_image = QImage();
    std::vector<uint8_t>().swap(m_vBits);
    m_palette.clear();
    m_info = SBitmapInfo{};
    m_nColorUsage = 0;
    m_nColorTableSize = 0;
}

bool CDIBSectionLite::Fail(const char* pszTrace, const char* pszReason)
{
    DebugTrace("%s", pszTrace);
    DebugTrace("Last error: %s\n", pszReason);
    DeleteObject();
    return false;
}

bool CDIBSectionLite::SetBitmap(int nResourceId)
{
    // A bitmap file resource keeps its own bit depth, as a DIB section loaded from it
    // does; anything else goes through the general resource loader.
    QFile file(BitmapResourcePath(nResourceId));
    if (file.open(QIODevice::ReadOnly))
    {
        const QByteArray data = file.readAll();
        SBitmapFileContent content;
        if (!ParseBitmapFile({reinterpret_cast<const uint8_t*>(data.constData()),
                              static_cast<size_t>(data.size())},
                             content))
        {
            const QImage native = ImageOf(content.info, content.nColors, content.bits);
            if (!native.isNull())
                return SetBitmap(native, nullptr);
        }
    }
    const QImage bitmap = LoadBitmapResource(nResourceId);
    if (bitmap.isNull())
        return false;
    return SetBitmap(bitmap, nullptr);
}

bool CDIBSectionLite::SetBitmap(const QImage& bitmap, const QList<QRgb>* pPalette)
{
    DeleteObject();
    if (bitmap.isNull())
        return false;
    int nBitCount = 32;
    const QImage image = DibFormOf(bitmap, nBitCount);
    if (image.isNull())
        return Fail("Unable to GetDIBits\n", "the picture could not be converted");

    SBitmapInfoHeader& header = m_info.bmiHeader;
    header.biSize = sizeof(SBitmapInfoHeader);
    header.biWidth = image.width();
    header.biHeight = image.height();
    header.biPlanes = 1;
    header.biBitCount = static_cast<uint16_t>(nBitCount);
    header.biCompression = CDibBlock::kBiRgb;
    m_nColorTableSize = DibColorTableSize(nBitCount);
    if (!IsSupportedDib(header))
        return Fail("Unable to CreateDIBSection\n", "the picture is too large");
    header.biSizeImage = static_cast<uint32_t>(DibImageBytes(header));
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < m_nColorTableSize; ++i)
        m_info.bmiColors[i] = QuadOf(i < table.size() ? table[i] : qRgb(0, 0, 0));

    if (pPalette && pPalette->size() >= 1 && pPalette->size() <= 256)
        m_palette = *pPalette;
    else
        BuildHalftonePalette(m_palette, m_nColorTableSize);

    // The pixel bytes in file order: bottom row first.
    const size_t nRowBytes = CDibBlock::RowBytes(header.biWidth, nBitCount);
    m_vBits.assign(header.biSizeImage, 0);
    for (int y = 0; y < image.height(); ++y)
    {
        const uchar* pIn = image.constScanLine(image.height() - 1 - y);
        uint8_t* pOut = m_vBits.data() + nRowBytes * size_t(y);
        if (nBitCount == 32)
            for (int x = 0; x < image.width(); ++x)
            {
                const QRgb rgb = reinterpret_cast<const QRgb*>(pIn)[x] & 0x00FFFFFFu;
                std::memcpy(pOut + 4 * size_t(x), &rgb, 4);
            }
        else
            std::memcpy(pOut, pIn, std::min<size_t>(nRowBytes, size_t(image.bytesPerLine())));
    }
    m_image = ImageOf(m_info, m_nColorTableSize, m_vBits);
    if (m_image.isNull())
        return Fail("Unable to CreateDIBSection\n", "out of memory");
    return true;
}

bool CDIBSectionLite::SetBitmap(const SBitmapInfo* pInfo, std::span<const uint8_t> bits)
{
    DeleteObject();
    if (!pInfo || bits.empty())
        return false;
    m_nColorTableSize = DibColorTableSize(pInfo->bmiHeader.biBitCount);
    m_info.bmiHeader = pInfo->bmiHeader;
    std::copy_n(pInfo->bmiColors.begin(), m_nColorTableSize, m_info.bmiColors.begin());
    if (!IsSupportedDib(m_info.bmiHeader))
        return Fail("CreateDIBSection failed\n", "unsupported or oversized bitmap header");

    // The section holds exactly its rows; the bytes copied never exceed them, nor
    // what the caller handed over.
    const size_t nSection = static_cast<size_t>(DibImageBytes(m_info.bmiHeader));
    size_t nCopy = m_info.bmiHeader.biSizeImage != 0 ? m_info.bmiHeader.biSizeImage : nSection;
    nCopy = std::min({nCopy, nSection, bits.size()});
    try
    {
        m_vBits.assign(nSection, 0);
    }
    catch (const std::bad_alloc&)
    {
        return Fail("CreateDIBSection failed\n", "out of memory");
    }
    std::copy_n(bits.begin(), nCopy, m_vBits.begin());
    m_image = ImageOf(m_info, m_nColorTableSize, m_vBits);
    if (m_image.isNull())
        return Fail("CreateDIBSection failed\n", "out of memory");
    if (!CreatePalette())
        return Fail("Unable to create palette\n", "no colour table");
    return true;
}

bool CDIBSectionLite::Load(const QString& strPath)
{
    DeleteObject();
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    file.close();
    SBitmapFileContent content;
    const char* pszFailure = ParseBitmapFile(
        {reinterpret_cast<const uint8_t*>(data.constData()), static_cast<size_t>(data.size())},
        content);
    if (pszFailure)
    {
        DebugTrace("%s", pszFailure);
        return false;
    }
    if (!SetBitmap(&content.info, content.bits))
    {
        DebugTrace("Failed to set bitmap info\n");
        return false;
    }
    return true;
}

int CDIBSectionLite::Stretch(CDC& dc, const QPoint& ptDest, const QSize& size,
                             bool /*bForceBackground*/) const
{
    if (IsEmpty())
        return 0;
    dc.SetStretchMode(EStretchMode::ColorOnColor);
    const QRect rcDest(ptDest, size);
    if (rcDest.isEmpty())
        return 0;
    dc.StretchBlt(rcDest, m_image, m_image.rect(), ERasterOp::SrcCopy);
    return m_image.height();
}

bool CDIBSectionLite::CreatePalette()
{
    m_palette.clear();
    if (IsEmpty())
        return false;
    if (m_nColorTableSize == 0)
        return BuildHalftonePalette(m_palette, 256);
    m_palette.resize(m_nColorTableSize);
    for (int i = 0; i < m_nColorTableSize; ++i)
        m_palette[i] = ColorOf(m_info.bmiColors[i]);
    return true;
}

bool CDIBSectionLite::SetPalette(const QList<QRgb>* pPalette)
{
    if (!pPalette || pPalette->isEmpty() || pPalette->size() > 256)
        return false;
    m_palette = *pPalette;
    if (m_nColorTableSize == 0)
        return true;
    if (IsEmpty())
        return false;
    const int nSet = std::min<int>(m_nColorTableSize, static_cast<int>(pPalette->size()));
    for (int i = 0; i < nSet; ++i)
    {
        m_info.bmiColors[i] = QuadOf((*pPalette)[i]);
        m_image.setColor(i,
                         qRgb(qRed((*pPalette)[i]), qGreen((*pPalette)[i]), qBlue((*pPalette)[i])));
    }
    return nSet > 0;
}

bool CDIBSectionLite::BuildHalftonePalette(QList<QRgb>& palette, int nColors)
{
    if (nColors < 1 || nColors > 256)
        nColors = 256;
    static constexpr QRgb kFixed[16] = {
        qRgb(0, 0, 0),     qRgb(255, 255, 255), qRgb(0, 0, 255),     qRgb(0, 255, 0),
        qRgb(0, 255, 255), qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),
        qRgb(0, 0, 128),   qRgb(0, 128, 0),     qRgb(0, 128, 128),   qRgb(128, 0, 0),
        qRgb(128, 0, 128), qRgb(128, 128, 0),   qRgb(128, 128, 128), qRgb(192, 192, 192)};
    palette.clear();
    palette.reserve(nColors);
    auto add = [&](QRgb rgb)
    {
        if (palette.size() < nColors)
            palette.append(rgb);
    };
    for (QRgb rgb : kFixed)
        add(rgb);
    for (int b = 0; b < 6; ++b)
        for (int g = 0; g < 6; ++g)
            for (int r = 0; r < 6; ++r)
                add(qRgb(r * 255 / 5, g * 255 / 5, b * 255 / 5));
    for (int v = 0; v < 24; ++v)
        add(qRgb(v * 255 / 23, v * 255 / 23, v * 255 / 23));
    return true;
}
