// Decodes Windows bitmap files (.bmp) held in memory into images, with the program's
// own decoder of untrusted bitmap bytes (core/BitmapPixels.h): uncompressed 1 to 32
// bits per pixel; anything else, and any file whose pixel rows it does not hold, is
// refused. Used by the resource loader and CMaskedBitmap.
#pragma once

#include <QByteArray>
#include <QImage>

// A null image when the data is no bitmap file the decoder takes.
QImage DecodeBitmapFile(const QByteArray& data);
