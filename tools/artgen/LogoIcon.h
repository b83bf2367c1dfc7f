// The maker's logo (for the dialogs and for the report) and the program icon.
#pragma once

#include <QColor>
#include <QImage>

namespace artgen
{
// Renders the logo onto a transparent canvas of the given size.
QImage DrawLogoArgb(int w, int h);
// Flattens the logo onto a matte; with bKeyGreen the fully transparent pixels become pure
// green, the colour the dialogs draw as see-through.
QImage FlattenLogo(const QImage& argb, QColor matte, bool bKeyGreen);
// The program icon, size x size pixels with a transparent surround.
QImage DrawIcon(int size);
// The same icon as SVG text, drawn with the same shapes and colours on a 256 grid.
const char* IconSvg();
} // namespace artgen
