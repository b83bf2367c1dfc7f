#include "platform/Resources.h"

#include "core/OwnCatalogue.h"
#include "model/CatalogueRows.h"
#include "platform/BitmapDecoder.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <map>
#include <string>

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

namespace
{
// A picture file larger than this is refused unread.
constexpr qint64 kOwnPictureFileMax = qint64{64} << 20;
// Pictures kept decoded; all are dropped when one more comes.
constexpr std::size_t kOwnPictureCacheMax = 32;

struct SOwnPicture
{
    QDateTime modified;
    qint64 nSize = 0;
    QImage image;
};

QImage DecodeOwnPicture(const QByteArray& data)
{
    QImage image;
    if (data.startsWith("BM"))
        image = DecodeBitmapFile(data); // the program's own reader of bitmap files
    else
    {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QByteArray format = reader.format();
        if (format != "png" && format != "jpeg")
            return {};
        const QSize size = reader.size();
        if (size.isValid() &&
            (size.width() > kOwnPictureSideMax || size.height() > kOwnPictureSideMax))
            reader.setScaledSize(
                size.scaled(kOwnPictureSideMax, kOwnPictureSideMax, Qt::KeepAspectRatio));
        image = reader.read();
    }
    if (image.isNull())
        return {};
    if (image.width() > kOwnPictureSideMax || image.height() > kOwnPictureSideMax)
        image = image.scaled(kOwnPictureSideMax, kOwnPictureSideMax, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}
} // namespace

QImage LoadOwnPicture(int nId)
{
    const std::string szPath = OwnPicturePath(nId);
    if (szPath.empty())
        return {};
    static std::map<std::string, SOwnPicture> cache;
    const QFileInfo info(QFile::decodeName(QByteArray::fromStdString(szPath)));
    if (!info.isFile() || info.size() > kOwnPictureFileMax)
        return {};
    const QDateTime modified = info.lastModified();
    if (const auto it = cache.find(szPath);
        it != cache.end() && it->second.modified == modified && it->second.nSize == info.size())
        return it->second.image;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.read(kOwnPictureFileMax);
    SOwnPicture picture{modified, info.size(), DecodeOwnPicture(data)};
    if (cache.size() >= kOwnPictureCacheMax)
        cache.clear();
    cache[szPath] = picture;
    return picture.image;
}

QImage LoadBitmapResource(int nId)
{
    if (nId >= kOwnPictureBase)
        return LoadOwnPicture(nId);
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
