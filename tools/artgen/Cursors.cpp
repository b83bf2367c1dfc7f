#include "Cursors.h"

#include "ArtCommon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>

namespace artgen
{
namespace
{
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
} // namespace

std::vector<QImage> DrawCursors()
{
    std::vector<QImage> cursors;
    cursors.push_back(DrawCursor(MoveShape()));
    {
        QPainterPath shape, glass;
        ZoomShapes(shape, glass);
        cursors.push_back(DrawCursor(shape, glass));
    }
    cursors.push_back(DrawCursor(SpinShape()));
    return cursors;
}
} // namespace artgen
