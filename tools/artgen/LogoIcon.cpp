#include "LogoIcon.h"

#include "ArtCommon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <vector>

namespace artgen
{
namespace
{
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

// The rounded tile behind the icon, with a faint light rim.
void DrawIconTile(QPainter& p)
{
    QLinearGradient tile(0, 16, 0, 240);
    tile.setColorAt(0.0, QColor(36, 62, 116));
    tile.setColorAt(1.0, kNavy);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 48, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 2));
    p.drawRoundedRect(QRectF(17, 17, 222, 222), 47, 47);
}

// The light cone from the lens towards the upper right and the screen it lands on, both
// clipped to the tile.
void DrawIconBeam(QPainter& p, QPointF lens)
{
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
}

// The projector body (3/4, white) with its vents.
void DrawIconBody(QPainter& p, const QRectF& body, QPointF depth)
{
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
        poly << QPointF(-500, yT) << QPointF(xc, yT) << QPointF(xc, yT) + depth * 20
             << QPointF(-500, yT - 440);
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
        p.drawLine(QPointF(body.left() + 14, body.top() + 16 + i * 10),
                   QPointF(body.left() + 34, body.top() + 16 + i * 10));
}

void DrawIconLens(QPainter& p, QPointF lens)
{
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
}
} // namespace

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
    p.drawRoundedRect(QRectF(s + gap, tb.height() * 0.5 + h * 0.05, tb.width(), h * 0.035),
                      h * 0.017, h * 0.017);
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
            else if (bKeyGreen && qRed(line[x]) == 0 && qGreen(line[x]) == 255 &&
                     qBlue(line[x]) == 0)
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
    DrawIconTile(p);
    const QPointF lens(98, 148);
    DrawIconBeam(p, lens);
    // projector body (3/4, white)
    const QRectF body(44, 124, 96, 52);
    const QPointF depth(34, -22);
    // the tile's rim pen is still set here, so the body gets the same faint light edge
    DrawIconBody(p, body, depth);
    DrawIconLens(p, lens);
    // status light
    p.setBrush(QColor(90, 210, 255));
    p.drawEllipse(QPointF(body.right() - 14, body.top() - 6), 3.5, 2.2);
    p.end();
    return img;
}
} // namespace artgen

namespace artgen
{
// Written by hand after DrawIcon: the tile, the light cone and its screen, the
// projector's side, top and front with three vents, the lens and the status light.
const char* IconSvg()
{
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="tile" x1="0" y1="16" x2="0" y2="240" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#243e74"/>
      <stop offset="1" stop-color="#16264a"/>
    </linearGradient>
    <linearGradient id="cone" x1="98" y1="148" x2="222" y2="100" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#96e6ff" stop-opacity="0.82"/>
      <stop offset="1" stop-color="#50bef0" stop-opacity="0.12"/>
    </linearGradient>
    <linearGradient id="screen" x1="0" y1="46" x2="0" y2="150" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#e6f6ff" stop-opacity="0.9"/>
      <stop offset="1" stop-color="#aadcf5" stop-opacity="0.78"/>
    </linearGradient>
    <linearGradient id="side" x1="140" y1="124" x2="174" y2="102" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#c4cedc"/>
      <stop offset="1" stop-color="#a0acbe"/>
    </linearGradient>
    <linearGradient id="front" x1="0" y1="124" x2="0" y2="176" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="1" stop-color="#d6dee8"/>
    </linearGradient>
    <linearGradient id="ring" x1="74" y1="124" x2="122" y2="172" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#1aa8c4"/>
      <stop offset="1" stop-color="#1868ce"/>
    </linearGradient>
    <radialGradient id="glass" cx="93" cy="142" r="20" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#466eb4"/>
      <stop offset="1" stop-color="#0a1228"/>
    </radialGradient>
    <clipPath id="clip"><rect x="16" y="16" width="224" height="224" rx="48"/></clipPath>
  </defs>
  <rect x="16" y="16" width="224" height="224" rx="48" fill="url(#tile)"/>
  <rect x="17" y="17" width="222" height="222" rx="47" fill="none" stroke="#ffffff" stroke-opacity="0.16" stroke-width="2"/>
  <g clip-path="url(#clip)">
    <path d="M98 128 L222 46 L222 150 L98 168 Z" fill="url(#cone)"/>
    <rect x="206" y="42" width="16" height="112" rx="4" fill="url(#screen)"/>
  </g>
  <path d="M56 124 L90 102 L162 102 Q174 102 174 114 L174 142 L140 164 L140 136 Q140 124 128 124 Z" fill="url(#side)"/>
  <path d="M56 124 L90 102 L162 102 Q174 102 172 106 L138 128 Q136 124 128 124 Z" fill="#f0f4fa"/>
  <rect x="44" y="124" width="96" height="52" rx="12" fill="url(#front)"/>
  <g stroke="#8c98aa" stroke-width="3" stroke-linecap="round">
    <path d="M58 140 H78 M58 150 H78 M58 160 H78"/>
  </g>
  <circle cx="98" cy="148" r="24" fill="url(#ring)"/>
  <circle cx="98" cy="148" r="16" fill="url(#glass)"/>
  <circle cx="92" cy="142" r="4.5" fill="#ffffff" fill-opacity="0.9"/>
  <ellipse cx="126" cy="118" rx="3.5" ry="2.2" fill="#5ad2ff"/>
</svg>
)svg";
}
} // namespace artgen
