#include "Projector.h"
#include "ArtCommon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace artgen
{
namespace
{
// A design enlarged to its picture, with the geometry every step of the drawing shares.
struct SBody
{
    SDesign d;
    QPointF depth;
    double totalW; // front face plus depth
    QRectF front;
    double r;
    double k;                   // how far the crease between top and side sits inside the corner
    bool bRightSide, bLeftSide; // which side face shows, if any
    QPainterPath frontPath;
    QPainterPath hull; // front and back faces joined
    // unit square onto the top face, the visible side face and the front face
    QTransform topFace, sideFace, frontFace;
};

SBody MakeBody(const SDesign& design)
{
    SBody body;
    // enlarge every body to fill most of the picture's width; proportions stay as designed
    SDesign& d = body.d;
    d = design;
    const double sc = std::min(1.25, 248.0 / (d.fBodyW + std::abs(d.fDepthX)));
    for (double* pf :
         {&d.fBodyW, &d.fBodyH, &d.fDepthX, &d.fDepthY, &d.fRadius, &d.fLensR, &d.fBarrel})
        *pf *= sc;
    const int w = d.nWidth;
    body.depth = QPointF(d.fDepthX, d.fDepthY);
    // the body as a whole (front face plus depth) is centred in the picture
    body.totalW = d.fBodyW + std::abs(d.fDepthX);
    const double left = (w - body.totalW) * 0.5 + (d.fDepthX < 0 ? -d.fDepthX : 0.0);
    const double top = d.fCentreY + 10.0 - (d.fBodyH + d.fDepthY) * 0.5;
    const QRectF front(left, top, d.fBodyW, d.fBodyH);
    body.front = front;
    body.r = d.fRadius;
    body.k = body.r * 0.29;
    body.bRightSide = d.fDepthX > 0.5;
    body.bLeftSide = d.fDepthX < -0.5;

    body.frontPath.addRoundedRect(front, body.r, body.r);
    std::vector<QPointF> pts = Samples(body.frontPath);
    const std::vector<QPointF> back = Samples(body.frontPath.translated(body.depth));
    pts.insert(pts.end(), back.begin(), back.end());
    body.hull.addPolygon(ConvexHull(pts));
    body.hull.closeSubpath();

    body.topFace = QTransform(d.fBodyW, 0, d.fDepthX, d.fDepthY, front.left(), front.top());
    const QPointF sideOrigin = body.bRightSide ? front.topRight() : front.topLeft();
    body.sideFace = QTransform(d.fDepthX, d.fDepthY, 0, d.fBodyH, sideOrigin.x(), sideOrigin.y());
    body.frontFace = QTransform(d.fBodyW, 0, 0, d.fBodyH, front.left(), front.top());
    return body;
}

void DrawShadowAndFeet(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const QRectF& front = body.front;
    const QPointF& depth = body.depth;
    const double r = body.r;
    const double totalW = body.totalW;
    SoftShadow(p,
               QPointF(front.center().x() + depth.x() * 0.5, front.bottom() + depth.y() * 0.5 + 4),
               totalW * 0.62, std::abs(d.fDepthY) * 0.5 + 14, 95);
    SoftShadow(p,
               QPointF(front.center().x() + depth.x() * 0.5, front.bottom() + depth.y() * 0.5 + 2),
               totalW * 0.48, std::abs(d.fDepthY) * 0.35 + 5, 90);
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

// The body hull in the side colour, the top face over it, the crease and the outline.
void DrawShell(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const QRectF& front = body.front;
    const QPointF& depth = body.depth;
    const double k = body.k;
    const bool bRightSide = body.bRightSide;
    const bool bLeftSide = body.bLeftSide;
    const QPainterPath& hull = body.hull;
    const QPointF sideA = bRightSide ? front.topRight() : front.topLeft();
    QLinearGradient sideGrad(sideA, sideA + depth);
    sideGrad.setColorAt(0.0, f.side);
    sideGrad.setColorAt(1.0, f.sideBack);
    p.setPen(Qt::NoPen);
    p.setBrush(sideGrad);
    p.drawPath(hull);
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
    const QPainterPath topRegion = hull.intersected(half);
    QLinearGradient topGrad(front.topLeft(), front.topLeft() + depth);
    topGrad.setColorAt(0.0, f.top);
    topGrad.setColorAt(1.0, f.topBack);
    p.setBrush(topGrad);
    p.drawPath(topRegion);
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
}

// Vents on the side and the top, and the recessed window of a short-throw body.
void DrawTopDetails(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const bool bRightSide = body.bRightSide;
    const bool bLeftSide = body.bLeftSide;
    const QTransform& topFace = body.topFace;
    const QTransform& sideFace = body.sideFace;
    if ((d.nVents & VentSide) && (bRightSide || bLeftSide))
        DrawVentSlits(p, sideFace, 0.2, 0.8, 0.3, 0.72, std::max(6, int(std::abs(d.fDepthX) / 4.5)),
                      true, WithAlpha(Mix(f.sideBack, Qt::black, 0.6), 220),
                      WithAlpha(Mix(f.side, Qt::white, 0.35), 120));
    // top vents, on the side away from the key pad and the status light
    const bool bPadRight = d.fLensU < 0.5;
    if (d.nVents & VentTop)
        DrawVentSlits(p, topFace, bPadRight ? 0.1 : 0.55, bPadRight ? 0.45 : 0.9, 0.25, 0.8, 7,
                      false, WithAlpha(Mix(f.topBack, Qt::black, 0.45), 200),
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
}

// The front face with its sheen, edge and top highlight, and the accent stripe.
void DrawFrontFace(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const QRectF& front = body.front;
    const double r = body.r;
    const QPainterPath& frontPath = body.frontPath;
    QLinearGradient g(front.topLeft(), front.bottomLeft());
    g.setColorAt(0.0, f.frontTop);
    g.setColorAt(1.0, f.frontBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(frontPath);
    // soft sheen across the upper half
    QLinearGradient sheen(front.topLeft(),
                          QPointF(front.left(), front.top() + front.height() * 0.55));
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(frontPath);
    QPen edge(WithAlpha(f.trim, 170), 0.9);
    p.setPen(edge);
    p.setBrush(Qt::NoBrush);
    p.drawPath(frontPath);
    p.setPen(QPen(QColor(255, 255, 255, 130), 0.9));
    p.drawLine(QPointF(front.left() + r, front.top() + 1.2),
               QPointF(front.right() - r, front.top() + 1.2));
    // accent stripe along the lower front
    if (d.accent.alpha() > 0)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(d.accent);
        const double y = front.bottom() - d.fBodyH * 0.16;
        p.drawRect(QRectF(front.left() + 0.6, y, d.fBodyW - 1.2, std::max(2.0, d.fBodyH * 0.035)));
    }
}

void DrawFrontGrilles(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const QRectF& front = body.front;
    const QTransform& frontFace = body.frontFace;
    const QColor slitDark = WithAlpha(Mix(f.frontBottom, Qt::black, 0.55), 210);
    const QColor slitLight = WithAlpha(Qt::white, 90);
    const double lensU0 = d.fLensU - (d.fLensR * 1.35) / d.fBodyW;
    const double lensU1 = d.fLensU + (d.fLensR * 1.35) / d.fBodyW;
    if (d.nVents & VentFrontLeft)
        DrawVentSlits(p, frontFace, 0.06, std::min(0.42, lensU0 - 0.05), 0.24, 0.74, 9, false,
                      slitDark, slitLight);
    if (d.nVents & VentFrontRight)
        DrawVentSlits(p, frontFace, std::max(0.58, lensU1 + 0.05), 0.94, 0.24, 0.74, 9, false,
                      slitDark, slitLight);
    if (d.nVents & VentFrontDots)
    {
        p.setPen(Qt::NoPen);
        p.setBrush(slitDark);
        const double u0 = std::max(0.58, lensU1 + 0.06);
        const double step = std::max(3.2, d.fBodyH * 0.07);
        for (double y = front.top() + d.fBodyH * 0.25; y < front.top() + d.fBodyH * 0.72; y += step)
            for (double x = front.left() + d.fBodyW * u0; x < front.right() - d.fBodyW * 0.06;
                 x += step)
                p.drawEllipse(QPointF(x, y), step * 0.26, step * 0.26);
    }
}

// The lens, or the sensor window of a short-throw body whose lens looks out of the top.
void DrawLensOrWindow(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const QRectF& front = body.front;
    const QPointF& depth = body.depth;
    const bool bRightSide = body.bRightSide;
    const bool bLeftSide = body.bLeftSide;
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
        p.drawRoundedRect(
            QRectF(lensC.x() - d.fLensR, lensC.y() - d.fLensR * 0.35, d.fLensR * 2, d.fLensR * 0.7),
            d.fLensR * 0.3, d.fLensR * 0.3);
    }
}

void DrawHandles(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const bool bRightSide = body.bRightSide;
    const bool bLeftSide = body.bLeftSide;
    const QTransform& topFace = body.topFace;
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

// The maker's print on the front, the status light and the key pad on top.
void DrawPrintAndLight(QPainter& p, const SBody& body)
{
    const SDesign& d = body.d;
    const SFinish& f = *d.pFinish;
    const QRectF& front = body.front;
    const QTransform& topFace = body.topFace;
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
    const QRectF textBox(bLensLeft ? front.right() - d.fBodyW * 0.06 - tw
                                   : front.left() + d.fBodyW * 0.06,
                         textBottom - th, tw, th);
    if (d.nVents & (VentFrontLeft | VentFrontRight | VentFrontDots) ||
        std::abs(d.fLensU - 0.5) > 0.1)
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
} // namespace

QImage DrawProjector(const SDesign& design)
{
    const SBody body = MakeBody(design);
    const int w = body.d.nWidth;
    const int h = 283;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(p, w, h);
    DrawShadowAndFeet(p, body);
    // body hull (front and back faces joined), then the top face, then the front face
    DrawShell(p, body);
    DrawTopDetails(p, body);
    DrawFrontFace(p, body);
    DrawFrontGrilles(p, body);
    DrawLensOrWindow(p, body);
    if (body.d.bHandles)
        DrawHandles(p, body);
    DrawPrintAndLight(p, body);
    p.end();
    return img;
}
} // namespace artgen
