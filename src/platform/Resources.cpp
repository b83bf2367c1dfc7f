#include "platform/Resources.h"

#include "platform/BitmapDecoder.h"

#include <QFile>
#include <QPixmap>

#include <map>

namespace
{
struct SCursorSpot
{
    int nId;
    int nHotX;
    int nHotY;
};
// Hot spots of the GL views' mouse-mode cursors (images are 32 x 32): all centred.
constexpr SCursorSpot kCursorSpots[] = {{143, 16, 16}, {145, 16, 16}, {146, 16, 16}};
} // namespace

QString BitmapResourcePath(int nId)
{
    return QStringLiteral(":/bitmaps/%1.bmp").arg(nId);
}

namespace
{
// Decoded bitmaps by id. The resources never change, and the dialogs draw the same
// few pictures on every paint; QImage's sharing hands out copies for free.
std::map<int, QImage>& BitmapCache()
{
    static std::map<int, QImage> images;
    return images;
}
} // namespace

QImage LoadBitmapResource(int nId)
{
    if (nId <= 0)
        return {};
    std::map<int, QImage>& cache = BitmapCache();
    if (const auto it = cache.find(nId); it != cache.end())
        return it->second;
    QFile file(BitmapResourcePath(nId));
    QImage image;
    if (file.open(QIODevice::ReadOnly))
        image = DecodeBitmapFile(file.readAll());
    if (!image.isNull())
        cache.emplace(nId, image);
    return image;
}

QIcon LoadIconResource(int nId)
{
    return QIcon(QStringLiteral(":/icons/%1.png").arg(nId));
}

QCursor LoadCursorResource(int nId)
{
    const QString path = QStringLiteral(":/cursors/%1.png").arg(nId);
    QPixmap pixmap(path);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    int nHotX = -1;
    int nHotY = -1;
    for (const SCursorSpot& spot : kCursorSpots)
        if (spot.nId == nId)
        {
            nHotX = spot.nHotX * pixmap.width() / 32;
            nHotY = spot.nHotY * pixmap.height() / 32;
        }
    return QCursor(pixmap, nHotX, nHotY);
}
