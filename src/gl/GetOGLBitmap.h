// Capture of the preview's rendered frame into a device-independent bitmap (24-bit,
// bottom-up, held as one block), drawing it onto a device context (the printed
// report) and saving it as a .bmp file. Inputs: a CGLWnd and the size to capture
// in its device-independent pixels, from its top-left corner. Owned by the main
// dialog; the print command saves the snapshot through SaveSnapshot.
#pragma once

#include "core/DibBlock.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QString>

class CDC;
class CGLWnd;

class CGetOGLBitmap
{
public:
    CGetOGLBitmap() = default;
    CGetOGLBitmap(const CGetOGLBitmap&) = delete;
    CGetOGLBitmap& operator=(const CGetOGLBitmap&) = delete;

    // Renders the window's scene afresh and captures rect's width and height from
    // its top-left corner (parts beyond the view are white). 1 on success; 0 on
    // failure (also for a view never shown, which has no GL context), with nothing
    // held.
    int Capture(CGLWnd& wnd, const QRect& rect);
    // Converts an image into the held block (24-bit, BGR, bottom-up). 1 or 0.
    int ConvertToDIB(const QImage& image);
    // Draws srcRect of the held bitmap (top-down pixel coordinates) onto dstRect:
    // 1:1 when both have the same size, else stretched to the nearest pixel. A given
    // palette replaces the colour table of a palette bitmap. Returns the number of
    // scan lines drawn, 0 if nothing is held.
    int DrawWithPalette(CDC& dc, const QList<QRgb>* pPalette, const QRect& dstRect,
                        const QRect& srcRect) const;
    int Draw(CDC& dc, const QRect& dstRect, const QRect& srcRect) const;
    // Writes the held bitmap as a .bmp file, replacing the file atomically.
    // 1 on success; 0 if nothing is held or the file cannot be written.
    int WriteBitmapFile(const QString& strPath) const;
    // Captures the window and writes the file. When either step fails, any existing
    // file at that path is removed, so an older picture never stands in for this one.
    int SaveSnapshot(CGLWnd& wnd, const QRect& rect, const QString& strPath);
    int SaveSnapshot(CGLWnd& wnd, const QString& strPath);
    // Frees the block.
    void Reset();

    // The held bitmap as a top-down image (null when nothing is held).
    QImage ToImage(const QList<QRgb>* pPalette = nullptr) const;
    const CDibBlock& GetBlock() const { return m_dib; }

private:
    CDibBlock m_dib;
    // A palette for palette bitmaps; captures are always true colour, so it stays empty.
    QList<QRgb> m_palette;
};
