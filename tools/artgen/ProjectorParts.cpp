#include "ArtCommon.h"
#include "Projector.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace artgen
{
namespace
{
// The dark socket the lens sits in, on the front face.
void DrawLensSocket(QPainter& p, QPointF c, double r, const SFinish& f)
{
    QRadialGradient g(c + QPointF(r * 0.15, r * 0.2), r * 1.45);
    g.setColorAt(0.0, Mix(f.frontBottom, Qt::black, 0.55));
    g.setColorAt(0.75, Mix(f.frontBottom, Qt::black, 0.35));
    g.setColorAt(1.0, Mix(f.frontTop, Qt::black, 0.12));
    p.setPen(QPen(WithAlpha(Qt::white, 110), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, r * 1.28, r * 1.28);
}

// The barrel: the hull of the rear and front rims, shaded across its axis, with the grooves
// of the focus and zoom rings.
void DrawLensBarrel(QPainter& p, QPointF c, QPointF front, QPointF dir, double r, double barrel)
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

void DrawLensBezel(QPainter& p, QPointF front, double r)
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

// The glass of radius gr, its inner element rim and the coating reflections.
void DrawLensGlass(QPainter& p, QPointF front, double r, double gr)
{
    QRadialGradient g(front + QPointF(-gr * 0.2, -gr * 0.25), gr * 1.1);
    g.setColorAt(0.0, QColor(70, 96, 150));
    g.setColorAt(0.35, QColor(28, 44, 86));
    g.setColorAt(0.8, QColor(10, 14, 30));
    g.setColorAt(1.0, QColor(4, 5, 10));
    p.setBrush(g);
    p.drawEllipse(front, gr, gr);
    // inner element rim
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 140, 190, 70), std::max(0.7, r * 0.025)));
    p.drawEllipse(front + QPointF(gr * 0.05, gr * 0.06), gr * 0.48, gr * 0.48);
    // coating reflections
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

void DrawLensHighlights(QPainter& p, QPointF front, double gr, bool bConvex)
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
} // namespace

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
        const QPointF shift =
            bVertical ? QPointF((u1 - u0) * 0.012, 0) : QPointF(0, (v1 - v0) * 0.03);
        p.drawLine(line.translated(shift));
    }
    p.restore();
}

void DrawLens(QPainter& p, QPointF c, double r, QPointF toViewer, double barrel, bool bConvex,
              const SFinish& f)
{
    DrawLensSocket(p, c, r, f);
    const double len = std::hypot(toViewer.x(), toViewer.y());
    const QPointF dir = len > 0 ? toViewer / len : QPointF(0, 1);
    const QPointF front = c + dir * barrel;
    if (barrel > 0.5)
        DrawLensBarrel(p, c, front, dir, r, barrel);
    DrawLensBezel(p, front, r);
    const double gr = r * (bConvex ? 0.84 : 0.78);
    DrawLensGlass(p, front, r, gr);
    DrawLensHighlights(p, front, gr, bConvex);
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
} // namespace artgen
