// Build and run: g++ -std=c++20 -O2 -fPIC artgen.cpp $(pkg-config --cflags --libs Qt6Gui) -o artgen && QT_QPA_PLATFORM=offscreen ./artgen /work/main/res [/tmp/art_sheet.png]
//
// Artwork generator: draws every picture the program carries (projector pictures, the
// maker's logo for dialogs and for the report, the program icon and the three mouse-mode
// cursors of the 3D views) with anti-aliased vector drawing and writes them into res/.
// Inputs: the output directory (res/), optionally a path for a contact sheet PNG.
// The generated files are committed; the program's build never runs this tool.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace
{
// ------------------------------------------------------------------ files

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
    auto put16 = [&](size_t at, uint16_t v) {
        bytes[at] = uint8_t(v);
        bytes[at + 1] = uint8_t(v >> 8);
    };
    auto put32 = [&](size_t at, uint32_t v) {
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

// ------------------------------------------------------------------ helpers

QPolygonF ConvexHull(std::vector<QPointF> pts)
{
    std::sort(pts.begin(), pts.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
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

// ------------------------------------------------------------------ projector pictures

struct SFinish
{
    QColor frontTop, frontBottom, top, topBack, side, sideBack, trim, print;
};

const SFinish kWhite{QColor(253, 253, 253), QColor(226, 229, 233), QColor(246, 247, 249),
                     QColor(232, 234, 238), QColor(212, 216, 221), QColor(192, 197, 203),
                     QColor(170, 176, 184), QColor(150, 156, 166)};
const SFinish kGraphite{QColor(104, 109, 116), QColor(62, 66, 72), QColor(120, 125, 132),
                        QColor(96, 101, 108), QColor(56, 60, 65), QColor(44, 47, 52),
                        QColor(36, 38, 42), QColor(170, 175, 182)};
const SFinish kSilver{QColor(232, 235, 239), QColor(176, 182, 190), QColor(238, 240, 243),
                      QColor(214, 218, 223), QColor(164, 170, 178), QColor(140, 146, 155),
                      QColor(120, 126, 135), QColor(110, 116, 126)};
const SFinish kBlack{QColor(58, 60, 64), QColor(22, 23, 25), QColor(70, 73, 78),
                     QColor(48, 50, 54), QColor(24, 25, 27), QColor(16, 17, 18),
                     QColor(8, 8, 9), QColor(150, 154, 160)};

enum EVents
{
    VentNone = 0,
    VentFrontLeft = 1,
    VentFrontRight = 2,
    VentSide = 4,
    VentTop = 8,
    VentFrontDots = 16
};

struct SDesign
{
    int nId;
    int nWidth; // 283 or 284; height is always 283
    const SFinish* pFinish;
    double fBodyW, fBodyH;   // front face size in pixels
    double fDepthX, fDepthY; // receding depth vector (x < 0 shows the left side)
    double fRadius;          // corner radius of the front face
    double fLensU, fLensV;   // lens centre as a fraction of the front face
    double fLensR;           // lens radius
    double fBarrel;          // how far the barrel stands out of the front face
    int nVents;              // EVents flags
    bool bHandles;           // carrying bars on top (large venue)
    bool bShortThrow;        // lens window in a recess of the top face
    bool bConvex;            // large domed front element
    QColor accent;           // stripe colour (alpha 0: none)
    QColor led;              // status light
    double fCentreY;         // vertical position of the body in the picture
};

void DrawBackground(QPainter& p, int w, int h)
{
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0.0, QColor(250, 250, 251));
    bg.setColorAt(0.62, QColor(240, 241, 243));
    bg.setColorAt(1.0, QColor(226, 228, 232));
    p.fillRect(QRectF(0, 0, w, h), bg);
    QRadialGradient glow(QPointF(w * 0.5, h * 0.42), w * 0.62);
    glow.setColorAt(0.0, QColor(255, 255, 255, 200));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, w, h), glow);
}

void DrawVentSlits(QPainter& p, const QTransform& face, double u0, double u1, double v0, double v1,
                   int nSlits, bool bVertical, const QColor& dark, const QColor& light)
{
    p.save();
    p.setTransform(face, true);
    for (int i = 0; i < nSlits; ++i)
    {
        const double t = (i + 0.5) / nSlits;
        QLineF line;
        if (bVertical)
        {
            const double u = u0 + (u1 - u0) * t;
            line = QLineF(u, v0, u, v1);
        }
        else
        {
            const double v = v0 + (v1 - v0) * t;
            line = QLineF(u0, v, u1, v);
        }
        QPen pen(dark, 1.0);
        pen.setCosmetic(true);
        pen.setWidthF(1.6);
        pen.setCapStyle(Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(line);
        QPen hi(light, 0.8);
        hi.setCosmetic(true);
        p.setPen(hi);
        const QPointF shift = bVertical ? QPointF((u1 - u0) * 0.012, 0) : QPointF(0, (v1 - v0) * 0.03);
        p.drawLine(line.translated(shift));
    }
    p.restore();
}

void DrawLens(QPainter& p, QPointF c, double r, QPointF toViewer, double barrel, bool bConvex,
              const SFinish& f)
{
    // socket around the lens
    {
        QRadialGradient g(c + QPointF(r * 0.15, r * 0.2), r * 1.45);
        g.setColorAt(0.0, Mix(f.frontBottom, Qt::black, 0.55));
        g.setColorAt(0.75, Mix(f.frontBottom, Qt::black, 0.35));
        g.setColorAt(1.0, Mix(f.frontTop, Qt::black, 0.12));
        p.setPen(QPen(WithAlpha(Qt::white, 110), 1.0));
        p.setBrush(g);
        p.drawEllipse(c, r * 1.28, r * 1.28);
    }
    const double len = std::hypot(toViewer.x(), toViewer.y());
    const QPointF dir = len > 0 ? toViewer / len : QPointF(0, 1);
    const QPointF front = c + dir * barrel;
    // barrel: the hull of the rear and front rims, shaded across its axis
    if (barrel > 0.5)
    {
        std::vector<QPointF> pts = Samples(Circle(c, r * 1.1));
        const std::vector<QPointF> more = Samples(Circle(front, r * 1.04));
        pts.insert(pts.end(), more.begin(), more.end());
        const QPolygonF hull = ConvexHull(pts);
        const QPointF n(-dir.y(), dir.x());
        QLinearGradient g(c - n * r * 1.1, c + n * r * 1.1);
        g.setColorAt(0.0, QColor(18, 19, 21));
        g.setColorAt(0.3, QColor(70, 73, 79));
        g.setColorAt(0.45, QColor(120, 124, 131));
        g.setColorAt(0.6, QColor(52, 54, 58));
        g.setColorAt(1.0, QColor(14, 15, 16));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(hull);
        // focus and zoom ring grooves
        p.save();
        QPainterPath clip;
        clip.addPolygon(hull);
        p.setClipPath(clip);
        for (int i = 1; i <= 4; ++i)
        {
            const double t = 0.18 + 0.16 * i;
            if (t > 0.92)
                break;
            const QPointF cc = c + dir * barrel * t;
            p.setPen(QPen(QColor(0, 0, 0, 120), std::max(0.8, r * 0.03)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(cc, r * 1.07, r * 1.07);
            p.setPen(QPen(QColor(255, 255, 255, 40), std::max(0.6, r * 0.02)));
            p.drawEllipse(cc + dir * 1.2, r * 1.07, r * 1.07);
        }
        p.restore();
    }
    // bezel
    {
        QLinearGradient g(front - QPointF(r, r), front + QPointF(r, r));
        g.setColorAt(0.0, QColor(150, 154, 160));
        g.setColorAt(0.35, QColor(64, 67, 72));
        g.setColorAt(1.0, QColor(20, 21, 23));
        p.setPen(QPen(QColor(10, 10, 12), 0.8));
        p.setBrush(g);
        p.drawEllipse(front, r * 1.04, r * 1.04);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(8, 9, 11));
        p.drawEllipse(front, r * 0.88, r * 0.88);
    }
    // glass
    const double gr = r * (bConvex ? 0.84 : 0.78);
    {
        QRadialGradient g(front + QPointF(-gr * 0.2, -gr * 0.25), gr * 1.1);
        g.setColorAt(0.0, QColor(70, 96, 150));
        g.setColorAt(0.35, QColor(28, 44, 86));
        g.setColorAt(0.8, QColor(10, 14, 30));
        g.setColorAt(1.0, QColor(4, 5, 10));
        p.setBrush(g);
        p.drawEllipse(front, gr, gr);
    }
    // inner element rim
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 140, 190, 70), std::max(0.7, r * 0.025)));
    p.drawEllipse(front + QPointF(gr * 0.05, gr * 0.06), gr * 0.48, gr * 0.48);
    // coating reflections
    {
        const QRectF box(front.x() - gr * 0.72, front.y() - gr * 0.72, gr * 1.44, gr * 1.44);
        QPen violet(QColor(170, 110, 230, 150), std::max(1.0, gr * 0.07));
        violet.setCapStyle(Qt::RoundCap);
        p.setPen(violet);
        p.drawArc(box, 200 * 16, 50 * 16);
        QPen teal(QColor(80, 220, 190, 120), std::max(0.9, gr * 0.05));
        teal.setCapStyle(Qt::RoundCap);
        p.setPen(teal);
        p.drawArc(box.adjusted(gr * 0.2, gr * 0.2, -gr * 0.2, -gr * 0.2), 20 * 16, 45 * 16);
    }
    // highlights
    {
        p.setPen(Qt::NoPen);
        QRadialGradient hl(front + QPointF(-gr * 0.38, -gr * 0.42), gr * 0.42);
        hl.setColorAt(0.0, QColor(255, 255, 255, 235));
        hl.setColorAt(0.35, QColor(255, 255, 255, 110));
        hl.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(hl);
        p.drawEllipse(front + QPointF(-gr * 0.38, -gr * 0.42), gr * 0.42, gr * 0.42);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(front + QPointF(gr * 0.38, gr * 0.36), gr * 0.07, gr * 0.07);
        if (bConvex)
        {
            QPen arc(QColor(255, 255, 255, 90), gr * 0.08);
            arc.setCapStyle(Qt::RoundCap);
            p.setPen(arc);
            p.setBrush(Qt::NoBrush);
            const QRectF box(front.x() - gr * 0.82, front.y() - gr * 0.82, gr * 1.64, gr * 1.64);
            p.drawArc(box, 95 * 16, 70 * 16);
        }
    }
}

void DrawLed(QPainter& p, QPointF c, double r, const QColor& colour)
{
    QRadialGradient glow(c, r * 3.2);
    glow.setColorAt(0.0, WithAlpha(colour, 150));
    glow.setColorAt(1.0, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, r * 3.2, r * 3.2);
    QRadialGradient dot(c - QPointF(r * 0.3, r * 0.3), r);
    dot.setColorAt(0.0, Mix(colour, Qt::white, 0.7));
    dot.setColorAt(1.0, colour);
    p.setBrush(dot);
    p.drawEllipse(c, r, r);
}

QImage DrawProjector(const SDesign& design)
{
    // enlarge every body to fill most of the picture's width; proportions stay as designed
    SDesign d = design;
    const double sc = std::min(1.25, 248.0 / (d.fBodyW + std::abs(d.fDepthX)));
    for (double* pf : {&d.fBodyW, &d.fBodyH, &d.fDepthX, &d.fDepthY, &d.fRadius, &d.fLensR, &d.fBarrel})
        *pf *= sc;
    const int w = d.nWidth;
    const int h = 283;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(p, w, h);
    const SFinish& f = *d.pFinish;

    const QPointF depth(d.fDepthX, d.fDepthY);
    // the body as a whole (front face plus depth) is centred in the picture
    const double totalW = d.fBodyW + std::abs(d.fDepthX);
    const double left = (w - totalW) * 0.5 + (d.fDepthX < 0 ? -d.fDepthX : 0.0);
    const double top = d.fCentreY + 10.0 - (d.fBodyH + d.fDepthY) * 0.5;
    const QRectF front(left, top, d.fBodyW, d.fBodyH);
    const double r = d.fRadius;

    // shadow and feet
    SoftShadow(p, QPointF(front.center().x() + depth.x() * 0.5, front.bottom() + depth.y() * 0.5 + 4),
               totalW * 0.62, std::abs(d.fDepthY) * 0.5 + 14, 95);
    SoftShadow(p, QPointF(front.center().x() + depth.x() * 0.5, front.bottom() + depth.y() * 0.5 + 2),
               totalW * 0.48, std::abs(d.fDepthY) * 0.35 + 5, 90);
    {
        const double fh = std::max(3.0, d.fBodyH * 0.06);
        const double fw = std::max(7.0, d.fBodyW * 0.07);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 31, 34));
        const double inset = r * 0.6 + fw * 0.3;
        for (QPointF base : {QPointF(front.left() + inset, front.bottom()),
                             QPointF(front.right() - inset - fw, front.bottom()),
                             QPointF(front.right() - inset - fw, front.bottom()) + depth * 0.8,
                             QPointF(front.left() + inset, front.bottom()) + depth * 0.8})
            p.drawRoundedRect(QRectF(base.x(), base.y() - 2, fw, fh + 2), 2.0, 2.0);
    }

    // body hull (front and back faces joined), then the top face, then the front face
    QPainterPath frontPath;
    frontPath.addRoundedRect(front, r, r);
    std::vector<QPointF> pts = Samples(frontPath);
    const std::vector<QPointF> back = Samples(frontPath.translated(depth));
    pts.insert(pts.end(), back.begin(), back.end());
    QPainterPath hull;
    hull.addPolygon(ConvexHull(pts));
    hull.closeSubpath();

    const bool bRightSide = d.fDepthX > 0.5;
    const bool bLeftSide = d.fDepthX < -0.5;
    const double k = r * 0.29;
    {
        const QPointF sideA = bRightSide ? front.topRight() : front.topLeft();
        QLinearGradient g(sideA, sideA + depth);
        g.setColorAt(0.0, f.side);
        g.setColorAt(1.0, f.sideBack);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(hull);
    }
    QPainterPath topRegion;
    {
        const double yT = front.top() + k;
        const double big = 2000;
        QPolygonF poly;
        if (bRightSide || bLeftSide)
        {
            const double xc = bRightSide ? front.right() - k : front.left() + k;
            const double far = bRightSide ? -big : big;
            poly << QPointF(far, yT) << QPointF(xc, yT) << QPointF(xc, yT) + depth * 50.0
                 << QPointF(far, yT + d.fDepthY * 50.0);
        }
        else
            poly << QPointF(-big, yT) << QPointF(big, yT) << QPointF(big, -big) << QPointF(-big, -big);
        QPainterPath half;
        half.addPolygon(poly);
        half.closeSubpath();
        topRegion = hull.intersected(half);
        QLinearGradient g(front.topLeft(), front.topLeft() + depth);
        g.setColorAt(0.0, f.top);
        g.setColorAt(1.0, f.topBack);
        p.setBrush(g);
        p.drawPath(topRegion);
    }
    // face transforms: unit square onto the top face and onto the visible side face
    const QTransform topFace(d.fBodyW, 0, d.fDepthX, d.fDepthY, front.left(), front.top());
    const QPointF sideOrigin = bRightSide ? front.topRight() : front.topLeft();
    const QTransform sideFace(d.fDepthX, d.fDepthY, 0, d.fBodyH, sideOrigin.x(), sideOrigin.y());

    // crease highlight between top and side
    if (bRightSide || bLeftSide)
    {
        const QPointF a(bRightSide ? front.right() - k : front.left() + k, front.top() + k);
        QPen pen(WithAlpha(Qt::white, 120), 1.0);
        p.setPen(pen);
        p.drawLine(a, a + depth);
    }
    // hull outline for crispness
    p.setPen(QPen(WithAlpha(f.trim, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hull);

    // side vents
    if ((d.nVents & VentSide) && (bRightSide || bLeftSide))
        DrawVentSlits(p, sideFace, 0.2, 0.8, 0.3, 0.72, std::max(6, int(std::abs(d.fDepthX) / 4.5)),
                      true, WithAlpha(Mix(f.sideBack, Qt::black, 0.6), 220),
                      WithAlpha(Mix(f.side, Qt::white, 0.35), 120));
    // top details
    // (on the side away from the key pad and the status light)
    const bool bPadRight = d.fLensU < 0.5;
    if (d.nVents & VentTop)
        DrawVentSlits(p, topFace, bPadRight ? 0.1 : 0.55, bPadRight ? 0.45 : 0.9, 0.25, 0.8, 7, false,
                      WithAlpha(Mix(f.topBack, Qt::black, 0.45), 200),
                      WithAlpha(Qt::white, 110));
    if (d.bShortThrow)
    {
        p.save();
        p.setTransform(topFace, true);
        QRadialGradient rec(QPointF(0.5, 0.45), 0.45);
        rec.setColorAt(0.0, QColor(20, 22, 26));
        rec.setColorAt(0.8, QColor(46, 49, 54));
        rec.setColorAt(1.0, Mix(f.topBack, Qt::black, 0.35));
        p.setPen(Qt::NoPen);
        p.setBrush(rec);
        p.drawRoundedRect(QRectF(0.22, 0.1, 0.56, 0.62), 0.08, 0.14);
        QRadialGradient glass(QPointF(0.45, 0.35), 0.3);
        glass.setColorAt(0.0, QColor(90, 120, 180));
        glass.setColorAt(0.5, QColor(30, 46, 92));
        glass.setColorAt(1.0, QColor(8, 10, 20));
        p.setBrush(glass);
        p.drawEllipse(QRectF(0.3, 0.16, 0.4, 0.48));
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QRectF(0.36, 0.22, 0.12, 0.1));
        p.restore();
    }
    // front face
    {
        QLinearGradient g(front.topLeft(), front.bottomLeft());
        g.setColorAt(0.0, f.frontTop);
        g.setColorAt(1.0, f.frontBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(frontPath);
        // soft sheen across the upper half
        QLinearGradient sheen(front.topLeft(), QPointF(front.left(), front.top() + front.height() * 0.55));
        sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
        sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setBrush(sheen);
        p.drawPath(frontPath);
        QPen edge(WithAlpha(f.trim, 170), 0.9);
        p.setPen(edge);
        p.setBrush(Qt::NoBrush);
        p.drawPath(frontPath);
        p.setPen(QPen(QColor(255, 255, 255, 130), 0.9));
        p.drawLine(QPointF(front.left() + r, front.top() + 1.2), QPointF(front.right() - r, front.top() + 1.2));
    }
    const QTransform frontFace(d.fBodyW, 0, 0, d.fBodyH, front.left(), front.top());
    // accent stripe along the lower front
    if (d.accent.alpha() > 0)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(d.accent);
        const double y = front.bottom() - d.fBodyH * 0.16;
        p.drawRect(QRectF(front.left() + 0.6, y, d.fBodyW - 1.2, std::max(2.0, d.fBodyH * 0.035)));
    }
    // front grilles
    const QColor slitDark = WithAlpha(Mix(f.frontBottom, Qt::black, 0.55), 210);
    const QColor slitLight = WithAlpha(Qt::white, 90);
    const double lensU0 = d.fLensU - (d.fLensR * 1.35) / d.fBodyW;
    const double lensU1 = d.fLensU + (d.fLensR * 1.35) / d.fBodyW;
    if (d.nVents & VentFrontLeft)
        DrawVentSlits(p, frontFace, 0.06, std::min(0.42, lensU0 - 0.05), 0.24, 0.74, 9, false, slitDark,
                      slitLight);
    if (d.nVents & VentFrontRight)
        DrawVentSlits(p, frontFace, std::max(0.58, lensU1 + 0.05), 0.94, 0.24, 0.74, 9, false, slitDark,
                      slitLight);
    if (d.nVents & VentFrontDots)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(slitDark);
        const double u0 = std::max(0.58, lensU1 + 0.06);
        const double step = std::max(3.2, d.fBodyH * 0.07);
        for (double y = front.top() + d.fBodyH * 0.25; y < front.top() + d.fBodyH * 0.72; y += step)
            for (double x = front.left() + d.fBodyW * u0; x < front.right() - d.fBodyW * 0.06; x += step)
                p.drawEllipse(QPointF(x, y), step * 0.26, step * 0.26);
    }
    // lens
    const QPointF lensC(front.left() + d.fBodyW * d.fLensU, front.top() + d.fBodyH * d.fLensV);
    if (!d.bShortThrow || d.bConvex)
    {
        const QPointF toViewer = (bRightSide || bLeftSide) ? -depth : QPointF(0, 0.001);
        DrawLens(p, lensC, d.fLensR, toViewer, d.fBarrel, d.bConvex, f);
    }
    else
    {
        // short-throw bodies show a small sensor window in front instead
        p.setPen(QPen(WithAlpha(f.trim, 200), 0.8));
        p.setBrush(QColor(20, 22, 28));
        p.drawRoundedRect(QRectF(lensC.x() - d.fLensR, lensC.y() - d.fLensR * 0.35, d.fLensR * 2,
                                 d.fLensR * 0.7),
                          d.fLensR * 0.3, d.fLensR * 0.3);
    }
    // carrying handles
    if (d.bHandles)
    {
        for (double u : {0.12, 0.88})
        {
            // seen from the front a bar runs across the face; from the side it runs front to back
            const bool bAcross = !(bRightSide || bLeftSide);
            const QPointF a = topFace.map(bAcross ? QPointF(u - 0.07, 0.5) : QPointF(u, 0.14));
            const QPointF b = topFace.map(bAcross ? QPointF(u + 0.07, 0.5) : QPointF(u, 0.86));
            const QPointF lift(0, -std::max(7.0, d.fBodyH * 0.11));
            QPainterPath bar;
            bar.moveTo(a);
            bar.lineTo(a + lift);
            bar.lineTo(b + lift);
            bar.lineTo(b);
            QPen pen(QColor(22, 23, 26), 4.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawPath(bar);
            p.setPen(QPen(QColor(150, 154, 162, 200), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(bar.translated(-0.8, -1.0));
        }
    }
    // brand print and status light
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(std::max(6, int(d.fBodyH * 0.085)));
        font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
        p.setFont(font);
        p.setPen(WithAlpha(f.print, 220));
        const bool bLensLeft = d.fLensU < 0.5;
        const double tw = d.fBodyW * 0.3;
        // the print sits just above the accent stripe, or near the lower edge without one
        const double th = d.fBodyH * 0.11;
        const double textBottom = d.accent.alpha() > 0 ? front.bottom() - d.fBodyH * 0.16 - 1.5
                                                        : front.bottom() - d.fBodyH * 0.05;
        const QRectF textBox(bLensLeft ? front.right() - d.fBodyW * 0.06 - tw : front.left() + d.fBodyW * 0.06,
                             textBottom - th, tw, th);
        if (d.nVents & (VentFrontLeft | VentFrontRight | VentFrontDots) || std::abs(d.fLensU - 0.5) > 0.1)
            p.drawText(textBox, (bLensLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       QStringLiteral("TARSIO"));
        const double ledU = d.bHandles ? 0.24 : 0.14; // clear of the handle posts
        const QPointF ledAt = topFace.map(QPointF(bLensLeft ? 1.0 - ledU : ledU, 0.3));
        DrawLed(p, ledAt, std::max(1.6, d.fBodyH * 0.022), d.led);
        // a small key pad beside the light
        p.save();
        p.setTransform(topFace, true);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i)
        {
            const double u = (bLensLeft ? 0.62 : (d.bHandles ? 0.32 : 0.26)) + i * 0.06;
            p.setBrush(WithAlpha(Mix(f.topBack, Qt::black, 0.3), 200));
            p.drawEllipse(QPointF(u, 0.55), 0.018, 0.12);
        }
        p.restore();
    }
    p.end();
    return img;
}

// Front views have a shallow straight-up depth: only a thin strip of the top shows.
const QColor kNoAccent(0, 0, 0, 0);
const QColor kLedBlue(40, 140, 255);
const QColor kLedGreen(40, 200, 120);
const QColor kLedAmber(255, 160, 30);
const QColor kLedWhite(235, 245, 255);

std::vector<SDesign> Designs()
{
    std::vector<SDesign> v;
    // compact, white, lens on the left, 3/4
    v.push_back({149, 284, &kWhite, 150, 60, 52, -30, 14, 0.27, 0.52, 19, 8, VentFrontRight | VentSide, false,
                 false, false, kNoAccent, kLedBlue, 150});
    // installation, graphite, centred lens with long barrel, 3/4
    v.push_back({151, 283, &kGraphite, 176, 82, 58, -36, 10, 0.5, 0.52, 27, 16,
                 VentFrontLeft | VentFrontRight | VentSide, false, false, false, kNoAccent, kLedGreen, 150});
    // compact, silver, front view
    v.push_back({152, 284, &kSilver, 180, 74, 0, -14, 16, 0.36, 0.54, 24, 4, VentFrontDots, false, false,
                 false, kNoAccent, kLedBlue, 146});
    // large venue, black, handles, big central lens, 3/4
    v.push_back({153, 283, &kBlack, 196, 96, 52, -30, 8, 0.5, 0.52, 32, 14,
                 VentFrontLeft | VentFrontRight | VentSide, true, false, false, QColor(220, 120, 30), kLedAmber,
                 156});
    // short-throw, white, recessed top window, 3/4 from the left
    v.push_back({154, 284, &kWhite, 168, 58, -62, -42, 18, 0.5, 0.55, 20, 0, VentFrontLeft | VentFrontRight,
                 false, true, false, kNoAccent, kLedBlue, 148});
    // compact, graphite, lens on the right, 3/4 from the left
    v.push_back({155, 283, &kGraphite, 148, 64, -50, -30, 16, 0.72, 0.52, 20, 9, VentFrontLeft | VentSide,
                 false, false, false, kNoAccent, kLedBlue, 150});
    // installation, silver, front view, centred lens
    v.push_back({156, 284, &kSilver, 206, 90, 0, -16, 10, 0.5, 0.53, 30, 4, VentFrontLeft | VentFrontRight,
                 false, false, false, QColor(40, 110, 200), kLedGreen, 146});
    // home cinema, gloss black, wide and low, centred lens, 3/4
    v.push_back({160, 283, &kBlack, 190, 66, 50, -30, 20, 0.5, 0.5, 24, 7, VentSide | VentTop, false, false,
                 false, kNoAccent, kLedWhite, 150});
    // installation, white, lens left, blue stripe, 3/4
    v.push_back({168, 284, &kWhite, 180, 80, 56, -34, 9, 0.3, 0.5, 26, 12, VentFrontRight | VentSide | VentTop,
                 false, false, false, QColor(30, 110, 210), kLedBlue, 150});
    // large venue, graphite, front view with handles
    v.push_back({169, 283, &kGraphite, 214, 100, 0, -18, 7, 0.5, 0.53, 34, 4, VentFrontLeft | VentFrontRight,
                 true, false, false, QColor(220, 120, 30), kLedAmber, 158});
    // short-throw, silver, domed wide-angle front element, 3/4
    v.push_back({173, 284, &kSilver, 150, 74, 60, -36, 20, 0.5, 0.52, 27, 5, VentSide | VentTop, false, false,
                 true, kNoAccent, kLedBlue, 150});
    // compact, white, front view, lens right
    v.push_back({176, 283, &kWhite, 166, 66, 0, -12, 18, 0.68, 0.53, 22, 4, VentFrontLeft, false, false, false,
                 kNoAccent, kLedGreen, 146});
    // installation, black, centred lens, 3/4 from the left
    v.push_back({182, 284, &kBlack, 178, 84, -56, -34, 10, 0.5, 0.52, 28, 15,
                 VentFrontLeft | VentFrontRight | VentSide, false, false, false, kNoAccent, kLedAmber, 150});
    // large venue, white, handles, 3/4 from the left
    v.push_back({193, 283, &kWhite, 196, 96, -52, -30, 8, 0.5, 0.52, 33, 14,
                 VentFrontLeft | VentFrontRight | VentSide, true, false, false, QColor(30, 110, 210), kLedBlue,
                 156});
    return v;
}

// ------------------------------------------------------------------ logo and icon

const QColor kNavy(22, 38, 74);
const QColor kBlueA(24, 104, 206);
const QColor kBlueB(26, 168, 196);

// The emblem: a lens ring with a beam fanning out to the right, inside a box of side s.
void DrawEmblem(QPainter& p, QPointF c, double s)
{
    const double R = s * 0.5;
    QLinearGradient g(c - QPointF(R, R), c + QPointF(R, R));
    g.setColorAt(0.0, kBlueA);
    g.setColorAt(1.0, kBlueB);
    // outer ring
    QPainterPath ring;
    ring.addEllipse(c, R, R);
    QPainterPath hole;
    hole.addEllipse(c, R * 0.74, R * 0.74);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ring.subtracted(hole));
    // pupil
    QRadialGradient pg(c - QPointF(R * 0.15, R * 0.18), R * 0.6);
    pg.setColorAt(0.0, QColor(52, 86, 150));
    pg.setColorAt(1.0, kNavy);
    p.setBrush(pg);
    p.drawEllipse(c, R * 0.5, R * 0.5);
    // iris: a lighter crescent along the lower right of the pupil
    QPainterPath iris;
    iris.addEllipse(c, R * 0.5, R * 0.5);
    QPainterPath cut;
    cut.addEllipse(c - QPointF(R * 0.1, R * 0.1), R * 0.42, R * 0.42);
    QLinearGradient ig(c - QPointF(R * 0.5, R * 0.5), c + QPointF(R * 0.5, R * 0.5));
    ig.setColorAt(0.0, QColor(40, 120, 210, 0));
    ig.setColorAt(1.0, QColor(60, 170, 230));
    p.setBrush(ig);
    p.drawPath(iris.subtracted(cut));
    // glint
    p.setBrush(QColor(255, 255, 255, 240));
    p.drawEllipse(c + QPointF(-R * 0.18, -R * 0.2), R * 0.13, R * 0.13);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(c + QPointF(R * 0.16, R * 0.12), R * 0.05, R * 0.05);
}

// Renders the logo onto a transparent canvas of the given size.
QImage DrawLogoArgb(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = h * 0.62;
    const double margin = h * 0.12;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(int(h * 0.5));
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("Tarsio"));
    const QRectF tb = text.boundingRect();
    const double gap = h * 0.12;
    const double totalW = s + gap + tb.width();
    const double scale = std::min(1.0, (w - 2 * margin) / totalW);
    p.translate((w - totalW * scale) * 0.5, h * 0.5);
    p.scale(scale, scale);
    DrawEmblem(p, QPointF(s * 0.5, 0), s);
    // wordmark, vertically centred on the emblem's axis by its cap height
    const double textX = s + gap - tb.left();
    const double textY = -(tb.top() + tb.bottom()) * 0.5;
    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawPath(text.translated(textX, textY));
    // the thin rule under the wordmark, in the emblem's colours
    QLinearGradient rule(QPointF(textX, 0), QPointF(textX + tb.width(), 0));
    rule.setColorAt(0.0, kBlueA);
    rule.setColorAt(1.0, kBlueB);
    p.setBrush(rule);
    p.drawRoundedRect(QRectF(s + gap, tb.height() * 0.5 + h * 0.05, tb.width(), h * 0.035), h * 0.017,
                      h * 0.017);
    p.end();
    return img;
}

// Flattens the logo onto a matte; with bKeyGreen the fully transparent pixels become pure
// green (the colour the dialogs draw as see-through) while edge pixels stay blended with
// the matte, so no green fringe can appear.
QImage FlattenLogo(const QImage& argb, QColor matte, bool bKeyGreen)
{
    QImage out(argb.size(), QImage::Format_RGB32);
    out.fill(matte);
    QPainter p(&out);
    p.drawImage(0, 0, argb);
    p.end();
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
    {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        const QRgb* a = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < out.width(); ++x)
        {
            if (bKeyGreen && qAlpha(a[x]) == 0)
                line[x] = qRgb(0, 255, 0);
            else if (bKeyGreen && qRed(line[x]) == 0 && qGreen(line[x]) == 255 && qBlue(line[x]) == 0)
                line[x] = qRgb(0, 254, 0);
        }
    }
    return out;
}

// The program icon: a rounded tile with a small projector and its light cone.
QImage DrawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    // tile
    QLinearGradient tile(0, 16, 0, 240);
    tile.setColorAt(0.0, QColor(36, 62, 116));
    tile.setColorAt(1.0, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 48, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 2));
    p.drawRoundedRect(QRectF(17, 17, 222, 222), 47, 47);
    // light cone from the lens towards the upper right
    const QPointF lens(98, 148);
    QPainterPath cone;
    cone.moveTo(lens + QPointF(0, -20));
    cone.lineTo(QPointF(222, 46));
    cone.lineTo(QPointF(222, 150));
    cone.lineTo(lens + QPointF(0, 20));
    cone.closeSubpath();
    QLinearGradient cg(lens, QPointF(222, 100));
    cg.setColorAt(0.0, QColor(150, 230, 255, 210));
    cg.setColorAt(1.0, QColor(80, 190, 240, 30));
    p.save();
    QPainterPath clipTile;
    clipTile.addRoundedRect(QRectF(16, 16, 224, 224), 48, 48);
    p.setClipPath(clipTile);
    p.setPen(Qt::NoPen);
    p.setBrush(cg);
    p.drawPath(cone);
    // a screen the cone lands on
    QLinearGradient sg(0, 46, 0, 150);
    sg.setColorAt(0.0, QColor(230, 246, 255, 230));
    sg.setColorAt(1.0, QColor(170, 220, 245, 200));
    p.setBrush(sg);
    p.drawRoundedRect(QRectF(206, 42, 16, 112), 4, 4);
    p.restore();
    // projector body (3/4, white)
    const QRectF body(44, 124, 96, 52);
    const QPointF depth(34, -22);
    QPainterPath fp;
    fp.addRoundedRect(body, 12, 12);
    std::vector<QPointF> pts = Samples(fp);
    const std::vector<QPointF> back = Samples(fp.translated(depth));
    pts.insert(pts.end(), back.begin(), back.end());
    QLinearGradient side(body.topRight(), body.topRight() + depth);
    side.setColorAt(0.0, QColor(196, 206, 220));
    side.setColorAt(1.0, QColor(160, 172, 190));
    p.setBrush(side);
    p.drawPolygon(ConvexHull(pts));
    QPainterPath topHalf;
    {
        QPolygonF poly;
        const double yT = body.top() + 3.5;
        const double xc = body.right() - 3.5;
        poly << QPointF(-500, yT) << QPointF(xc, yT) << QPointF(xc, yT) + depth * 20 << QPointF(-500, yT - 440);
        topHalf.addPolygon(poly);
        QPainterPath hullPath;
        hullPath.addPolygon(ConvexHull(pts));
        topHalf = hullPath.intersected(topHalf);
    }
    p.setBrush(QColor(240, 244, 250));
    p.drawPath(topHalf);
    QLinearGradient fg(body.topLeft(), body.bottomLeft());
    fg.setColorAt(0.0, QColor(255, 255, 255));
    fg.setColorAt(1.0, QColor(214, 222, 232));
    p.setBrush(fg);
    p.drawPath(fp);
    // vents
    p.setPen(QPen(QColor(140, 152, 170), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(body.left() + 14, body.top() + 16 + i * 10), QPointF(body.left() + 34, body.top() + 16 + i * 10));
    // lens
    p.setPen(Qt::NoPen);
    QLinearGradient ring(lens - QPointF(24, 24), lens + QPointF(24, 24));
    ring.setColorAt(0.0, kBlueB);
    ring.setColorAt(1.0, kBlueA);
    p.setBrush(ring);
    p.drawEllipse(lens, 24, 24);
    QRadialGradient glass(lens - QPointF(5, 6), 20);
    glass.setColorAt(0.0, QColor(70, 110, 180));
    glass.setColorAt(1.0, QColor(10, 18, 40));
    p.setBrush(glass);
    p.drawEllipse(lens, 16, 16);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(lens + QPointF(-6, -6), 4.5, 4.5);
    // status light
    p.setBrush(QColor(90, 210, 255));
    p.drawEllipse(QPointF(body.right() - 14, body.top() - 6), 3.5, 2.2);
    p.end();
    return img;
}

// ------------------------------------------------------------------ cursors

QImage DrawCursor(const QPainterPath& shape, const QPainterPath& whiteInside = QPainterPath())
{
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPen outline(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(shape);
    if (!whiteInside.isEmpty())
    {
        p.setBrush(Qt::white);
        p.drawPath(whiteInside);
    }
    p.end();
    return img;
}

QPainterPath MoveShape()
{
    // four arrows about (16, 16)
    // centred on the middle of pixel (16, 16) so the shafts fall on whole pixels
    QPainterPath arm;
    arm.setFillRule(Qt::WindingFill);
    arm.addRect(QRectF(15, 7, 3, 19));
    arm.addRect(QRectF(7, 15, 19, 3));
    QPainterPath heads;
    const QPointF c(16.5, 16.5);
    for (int i = 0; i < 4; ++i)
    {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(90.0 * i);
        QPolygonF tri;
        tri << QPointF(0, -14) << QPointF(5.5, -8) << QPointF(-5.5, -8);
        QPainterPath h;
        h.addPolygon(t.map(tri));
        h.closeSubpath();
        heads = heads.united(h);
    }
    return arm.united(heads).simplified();
}

void ZoomShapes(QPainterPath& shape, QPainterPath& glass)
{
    // magnifier whose lens is centred on the hot spot; handle to the lower right
    const QPointF c(16, 16);
    QPainterPath ring = Circle(c, 10.5);
    glass = Circle(c, 8.3);
    QPainterPath handle;
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(45);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(9.5, -2.3, 7.0, 4.6), 1.5, 1.5);
    handle = t.map(bar);
    shape = ring.united(handle).simplified();
    // plus above, minus below, both black on the white glass
    QPainterPath signs;
    signs.setFillRule(Qt::WindingFill);
    signs.addRect(QRectF(12, 12, 8, 2));
    signs.addRect(QRectF(15, 9, 2, 8));
    signs.addRect(QRectF(12, 19, 8, 2));
    glass = glass.subtracted(signs);
}

QPainterPath SpinShape()
{
    // a ring around the centre, open at the top right, ending in an arrow head
    const QPointF c(16, 16);
    QPainterPath outer;
    outer.moveTo(c);
    outer.arcTo(QRectF(c.x() - 11, c.y() - 11, 22, 22), 70, 290);
    outer.closeSubpath();
    QPainterPath inner = Circle(c, 7.6);
    QPainterPath band = outer.subtracted(inner);
    // arrow head at the arc's start (70 degrees), pointing along the direction of travel
    const double a = 70.0 * M_PI / 180.0;
    const QPointF onArc(c.x() + 9.3 * std::cos(a), c.y() - 9.3 * std::sin(a));
    const QPointF tangent(-std::sin(a), -std::cos(a)); // clockwise travel on screen
    const QPointF normal(std::cos(a), -std::sin(a));
    QPolygonF head;
    head << onArc + normal * 6.0 << onArc - normal * 6.0 << onArc - tangent * 7.0;
    QPainterPath hp;
    hp.addPolygon(head);
    hp.closeSubpath();
    return band.united(hp).simplified();
}

// ------------------------------------------------------------------ contact sheet

QImage ContactSheet(const std::vector<QImage>& pictures, const QImage& logo135, const QImage& logo138,
                    const QImage& icon, const QImage& icon48, const std::vector<QImage>& cursors)
{
    const int cols = 5;
    const int cellW = 250, cellH = 240;
    const int rows = int((pictures.size() + cols - 1) / cols);
    QImage sheet(cols * cellW + 20, rows * cellH + 520, QImage::Format_RGB32);
    sheet.fill(QColor(239, 239, 239));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (size_t i = 0; i < pictures.size(); ++i)
    {
        const int x = 10 + int(i % cols) * cellW;
        const int y = 10 + int(i / cols) * cellH;
        p.drawImage(QRect(x, y, 240, 230), pictures[i]);
    }
    int y = 20 + rows * cellH;
    // logo as the dialogs draw it: green keyed out over the dialog grey
    auto keyed = [](const QImage& src) {
        QImage out = src.convertToFormat(QImage::Format_ARGB32);
        for (int yy = 0; yy < out.height(); ++yy)
        {
            QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(yy));
            for (int x = 0; x < out.width(); ++x)
                if ((line[x] & 0xFFFFFF) == 0x00FF00)
                    line[x] = 0;
        }
        return out;
    };
    const QImage k = keyed(logo135);
    p.drawImage(QRect(10, y, 175, 70), k);
    p.drawImage(QRect(200, y, 130, 50), k);
    p.drawImage(QRect(350, y, 400, 160), logo135);
    p.drawImage(QRect(770, y, 385, 162), logo138);
    y += 180;
    QImage checker(256, 256, QImage::Format_RGB32);
    {
        QPainter c(&checker);
        for (int yy = 0; yy < 256; yy += 16)
            for (int xx = 0; xx < 256; xx += 16)
                c.fillRect(xx, yy, 16, 16, ((xx + yy) / 16) % 2 ? QColor(200, 200, 200) : QColor(255, 255, 255));
    }
    p.drawImage(10, y, checker);
    p.drawImage(10, y, icon);
    p.fillRect(280, y, 64, 64, QColor(60, 60, 60));
    p.drawImage(288, y + 8, icon48);
    p.fillRect(280, y + 80, 64, 64, QColor(250, 250, 250));
    p.drawImage(288, y + 88, icon48);
    int x = 380;
    for (const QImage& c : cursors)
    {
        p.fillRect(x, y, 128, 128, QColor(120, 160, 200));
        p.drawImage(QRect(x, y, 128, 128), c);
        p.fillRect(x, y + 140, 40, 40, QColor(250, 250, 250));
        p.drawImage(x + 4, y + 144, c);
        p.fillRect(x + 50, y + 140, 40, 40, QColor(30, 30, 30));
        p.drawImage(x + 54, y + 144, c);
        x += 150;
    }
    p.end();
    return sheet;
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
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: artgen <res-dir> [contact-sheet.png]\n");
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    std::vector<QImage> pictures;
    for (const SDesign& d : Designs())
    {
        pictures.push_back(DrawProjector(d));
        ok &= WriteBmp24(pictures.back(), QStringLiteral("%1/bitmaps/%2.bmp").arg(res).arg(d.nId));
    }

    const QImage logoDialog = FlattenLogo(DrawLogoArgb(400, 160), QColor(239, 239, 239), true);
    ok &= WriteBmp24(logoDialog, res + QStringLiteral("/bitmaps/135.bmp"));
    const QImage logoReport = FlattenLogo(DrawLogoArgb(385, 162), Qt::white, false);
    ok &= WriteBmp24(logoReport, res + QStringLiteral("/bitmaps/138.bmp"));

    const QImage icon = DrawIcon(256);
    const QImage icon48 = DrawIcon(48);
    ok &= icon.convertToFormat(QImage::Format_ARGB32).save(res + QStringLiteral("/icons/128.png"), "PNG");
    ok &= icon48.convertToFormat(QImage::Format_ARGB32).save(res + QStringLiteral("/icons/128-48.png"), "PNG");

    std::vector<QImage> cursors;
    cursors.push_back(DrawCursor(MoveShape()));
    {
        QPainterPath shape, glass;
        ZoomShapes(shape, glass);
        cursors.push_back(DrawCursor(shape, glass));
    }
    cursors.push_back(DrawCursor(SpinShape()));
    const int cursorIds[] = {143, 145, 146};
    for (int i = 0; i < 3; ++i)
        ok &= cursors[size_t(i)].convertToFormat(QImage::Format_ARGB32).save(
            QStringLiteral("%1/cursors/%2.png").arg(res).arg(cursorIds[i]), "PNG");

    ok &= WriteText(res + QStringLiteral("/lenvara.desktop"),
                    "[Desktop Entry]\n"
                    "Type=Application\n"
                    "Name=Lenvara Calculator\n"
                    "GenericName=Projection Calculator\n"
                    "Comment=Plan a video projector installation: screen size, throw distance, "
                    "brightness and lens shift\n"
                    "Exec=lenvara\n"
                    "Icon=lenvara\n"
                    "Terminal=false\n"
                    "Categories=Utility;Calculator;\n");

    if (argc > 2)
        ok &= ContactSheet(pictures, logoDialog, logoReport, icon, icon48, cursors)
                  .save(QString::fromLocal8Bit(argv[2]), "PNG");
    if (!ok)
        std::fprintf(stderr, "artgen: could not write every file\n");
    return ok ? 0 : 1;
}
