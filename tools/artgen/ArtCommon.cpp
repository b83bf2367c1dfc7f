#include "ArtCommon.h"

#include <QRadialGradient>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace artgen
{

// Writes a 24-bit uncompressed bottom-up bitmap file (file header, 40-byte info header,
// pixel rows padded to four bytes). Qt's own writer picks the bit depth itself, so the
// bytes are laid out here.
bool WriteBmp24(const QImage& src, const QString& path)
{
    const QImage img = src.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int row = (w * 3 + 3) & ~3;
    const uint32_t imageSize = uint32_t(row) * uint32_t(h);
    const uint32_t fileSize = 54 + imageSize;
    std::vector<uint8_t> bytes(fileSize, 0);
    auto put16 = [&](size_t at, uint16_t v)
    {
        bytes[at] = uint8_t(v);
        bytes[at + 1] = uint8_t(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = uint8_t(v >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    put16(26, 1);
    put16(28, 24);
    put32(30, 0);
    put32(34, imageSize);
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < h; ++y)
    {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(h - 1 - y));
        uint8_t* out = bytes.data() + 54 + size_t(y) * size_t(row);
        for (int x = 0; x < w; ++x)
        {
            out[x * 3 + 0] = uint8_t(qBlue(line[x]));
            out[x * 3 + 1] = uint8_t(qGreen(line[x]));
            out[x * 3 + 2] = uint8_t(qRed(line[x]));
        }
    }
    FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool WriteText(const QString& path, const char* text)
{
    FILE* f = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!f)
        return false;
    const size_t n = std::strlen(text);
    const bool ok = std::fwrite(text, 1, n, f) == n;
    return std::fclose(f) == 0 && ok;
}

QPolygonF ConvexHull(std::vector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(),
              [](const QPointF& a, const QPointF& b)
              { return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()); });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b)
    { return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x()); };
    std::vector<QPointF> hull(2 * pts.size());
    size_t k = 0;
    for (size_t i = 0; i < pts.size(); ++i)
    {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], pts[i]) <= 0)
            --k;
        hull[k++] = pts[i];
    }
    for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i)
    {
        while (k >= t && cross(hull[k - 2], hull[k - 1], pts[i - 1]) <= 0)
            --k;
        hull[k++] = pts[i - 1];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

std::vector<QPointF> Samples(const QPainterPath& path)
{
    std::vector<QPointF> out;
    for (const QPolygonF& poly : path.toFillPolygons())
        for (const QPointF& p : poly)
            out.push_back(p);
    return out;
}

QPainterPath Circle(QPointF c, double r)
{
    QPainterPath p;
    p.addEllipse(c, r, r);
    return p;
}

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor WithAlpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// Soft elliptical shadow: a radial gradient squeezed into an ellipse.
void SoftShadow(QPainter& p, QPointF c, double rx, double ry, int alpha)
{
    p.save();
    p.translate(c);
    p.scale(1.0, ry / rx);
    QRadialGradient g(QPointF(0, 0), rx);
    g.setColorAt(0.0, QColor(20, 24, 30, alpha));
    g.setColorAt(0.55, QColor(20, 24, 30, alpha * 45 / 100));
    g.setColorAt(1.0, QColor(20, 24, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}
} // namespace artgen
