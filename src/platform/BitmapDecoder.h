// Decodes Windows bitmap files (.bmp) held in memory into images. Uncompressed
// 24-bit files, the form of all of the program's artwork and of the preview
// snapshot, are decoded directly; any other form goes to Qt's general image reader.
// Used by the resource loader and CMaskedBitmap.
#pragma once

#include <QByteArray>
#include <QImage>

// A null image when the data is no bitmap file.
QImage DecodeBitmapFile(const QByteArray& data);
