// Helpers shared by every picture of the artwork generator: the file writers and a few
// small drawing tools.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>

#include <vector>

namespace artgen
{
// Writes a 24-bit uncompressed bottom-up bitmap file.
bool WriteBmp24(const QImage& src, const QString& path);
// Writes the text as it is, without a trailing newline of its own.
bool WriteText(const QString& path, const char* text);

// The convex hull of the points (monotone chain), without a repeated first point.
QPolygonF ConvexHull(std::vector<QPointF> pts);
// The corner points of the path's fill polygons.
std::vector<QPointF> Samples(const QPainterPath& path);
QPainterPath Circle(QPointF c, double r);
// Linear blend from a (t = 0) to b (t = 1), alpha included.
QColor Mix(const QColor& a, const QColor& b, double t);
QColor WithAlpha(QColor c, int a);
// Soft elliptical shadow: a radial gradient squeezed into an ellipse.
void SoftShadow(QPainter& p, QPointF c, double rx, double ry, int alpha);
} // namespace artgen
