#include "gl/GetOGLBitmap.h"

#include "gl/GLWnd.h"
#include "platform/DC.h"
#include "platform/DebugTrace.h"

#include <QFile>

#include <cstring>

int CGetOGLBitmap::Capture(CGLWnd& wnd, const QRect& rect)
{
    Reset();
    if (rect.width() <= 0 || rect.height() <= 0)
        return 0;
    // A fresh frame of the scene, rendered offscreen in the view's own context: what
    // the window shows, whether or not other windows cover it.
    const QImage frame = wnd.RenderFrame(rect.size());
    if (frame.isNull())
    {
        DebugTrace("Frame capture failed\n");
        return 0;
    }
    return ConvertToDIB(frame);
}

int CGetOGLBitmap::ConvertToDIB(const QImage& image)
{
    Reset();
    if (image.isNull())
        return 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (!m_dib.Allocate(rgb.width(), rgb.height(), 24))
        return 0;
    for (int y = 0; y < rgb.height(); ++y)
    {
        const uchar* pSrc = rgb.constScanLine(rgb.height() - 1 - y);
        uint8_t* pDst = m_dib.GetRow(y);
        for (int x = 0; x < rgb.width(); ++x)
        {
            pDst[3 * x] = pSrc[3 * x + 2];
            pDst[3 * x + 1] = pSrc[3 * x + 1];
            pDst[3 * x + 2] = pSrc[3 * x];
        }
    }
    return 1;
}

QImage CGetOGLBitmap::ToImage(const QList<QRgb>* pPalette) const
{
    const SBitmapInfoHeader* pBMI = m_dib.GetBMI();
    if (!pBMI)
        return {};
    const int nWidth = pBMI->biWidth;
    const int nHeight = pBMI->biHeight;
    if (pBMI->biBitCount == 24)
    {
        QImage image(nWidth, nHeight, QImage::Format_RGB888);
        for (int y = 0; y < nHeight; ++y)
        {
            const uint8_t* pSrc = m_dib.GetRow(nHeight - 1 - y);
            uchar* pDst = image.scanLine(y);
            for (int x = 0; x < nWidth; ++x)
            {
                pDst[3 * x] = pSrc[3 * x + 2];
                pDst[3 * x + 1] = pSrc[3 * x + 1];
                pDst[3 * x + 2] = pSrc[3 * x];
            }
        }
        return image;
    }
    if (pBMI->biBitCount == 8)
    {
        QList<QRgb> table;
        if (pPalette && !pPalette->isEmpty())
            table = *pPalette;
        else
        {
            const uint8_t* pTable = m_dib.GetColorTable();
            for (int i = 0; i < CDibBlock::ColorCount(8); ++i)
                table.append(qRgb(pTable[4 * i + 2], pTable[4 * i + 1], pTable[4 * i]));
        }
        while (table.size() < 256)
            table.append(qRgb(0, 0, 0));
        QImage image(nWidth, nHeight, QImage::Format_Indexed8);
        image.setColorTable(table);
        for (int y = 0; y < nHeight; ++y)
            std::memcpy(image.scanLine(y), m_dib.GetRow(nHeight - 1 - y),
                        static_cast<size_t>(nWidth));
        return image;
    }
    return {};
}

int CGetOGLBitmap::DrawWithPalette(CDC& dc, const QList<QRgb>* pPalette, const QRect& dstRect,
                                   const QRect& srcRect) const
{
    const QImage image = ToImage(pPalette);
    if (image.isNull())
        return 0;
    dc.SetStretchMode(EStretchMode::ColorOnColor);
    if (dstRect.size() == srcRect.size())
    {
        // Same size: a plain copy of the source area at the destination.
        dc.StretchBlt(QRect(dstRect.topLeft(), srcRect.size()), image, srcRect, ERasterOp::SrcCopy);
        return image.height();
    }
    dc.StretchBlt(dstRect, image, srcRect, ERasterOp::SrcCopy);
    return srcRect.height();
}

int CGetOGLBitmap::Draw(CDC& dc, const QRect& dstRect, const QRect& srcRect) const
{
    return DrawWithPalette(dc, m_palette.isEmpty() ? nullptr : &m_palette, dstRect, srcRect);
}

int CGetOGLBitmap::WriteBitmapFile(const QString& strPath) const
{
    return m_dib.WriteFile(QFile::encodeName(strPath).toStdString());
}

int CGetOGLBitmap::SaveSnapshot(CGLWnd& wnd, const QRect& rect, const QString& strPath)
{
    if (Capture(wnd, rect) && WriteBitmapFile(strPath))
        return 1;
    QFile::remove(strPath);
    return 0;
}

int CGetOGLBitmap::SaveSnapshot(CGLWnd& wnd, const QString& strPath)
{
    return SaveSnapshot(wnd, wnd.rect(), strPath);
}

void CGetOGLBitmap::Reset()
{
    m_dib.Reset();
}
