// Resources by numeric id: bitmaps, icons and cursors, served from
// the Qt resource system (res/bitmaps/<id>.bmp, res/icons/<id>.png,
// res/cursors/<id>.png). Used by the dialogs, the model list and the GL views.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

// The bitmap with that id, or a null image when the program has none (such as -1).
// Decoded once per process; GUI thread only.
QImage LoadBitmapResource(int nId);
// Resource path of a bitmap id (":/bitmaps/<id>.bmp").
QString BitmapResourcePath(int nId);
QIcon LoadIconResource(int nId);
// The cursor with that id; the arrow cursor when the program has none.
QCursor LoadCursorResource(int nId);
