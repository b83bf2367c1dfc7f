// Resources by numeric id: bitmaps, icons and cursors, served from
// the Qt resource system (res/bitmaps/<id>.bmp, res/icons/<id>.png,
// res/cursors/<id>.png). Used by the dialogs, the model list and the GL views.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

// The bitmap with that id, or a null image when the program has none (such as -1).
// Decoded once per process; GUI thread only. The ids of the user's own projectors
// (kOwnPictureBase on) give the picture file of the projector, see LoadOwnPicture.
QImage LoadBitmapResource(int nId);
// The picture file of an own projector's picture id: a PNG, JPEG or BMP file, opaque
// (transparency laid on white), at most kOwnPictureSideMax pixels on its longer side.
// A null image when the projector has none or the file cannot be read as one of
// those. Decoded again only when the file changes; GUI thread only.
inline constexpr int kOwnPictureSideMax = 2048;
QImage LoadOwnPicture(int nId);
// Resource path of a bitmap id (":/bitmaps/<id>.bmp").
QString BitmapResourcePath(int nId);
QIcon LoadIconResource(int nId);
// The cursor with that id; the arrow cursor when the program has none.
QCursor LoadCursorResource(int nId);
