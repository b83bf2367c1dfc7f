// The three mouse-mode cursors of the 3D views.
#pragma once

#include <QImage>

#include <vector>

namespace artgen
{
// 32 x 32 cursors, black with a white outline, hot spot in the middle: move, zoom, spin.
std::vector<QImage> DrawCursors();
} // namespace artgen
