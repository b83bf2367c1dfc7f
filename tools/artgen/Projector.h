// The projector pictures: what a design is made of, the table of designs and the drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QTransform>

#include <vector>

namespace artgen
{
struct SFinish
{
    QColor frontTop, frontBottom, top, topBack, side, sideBack, trim, print;
};

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

// Every projector picture the program carries, by bitmap id.
std::vector<SDesign> Designs();
// Draws one design onto its light studio background.
QImage DrawProjector(const SDesign& design);

// Parts of a projector picture.
void DrawBackground(QPainter& p, int w, int h);
// Parallel slits across the part [u0, u1] x [v0, v1] of a face given as the unit square's image.
void DrawVentSlits(QPainter& p, const QTransform& face, double u0, double u1, double v0, double v1,
                   int nSlits, bool bVertical, const QColor& dark, const QColor& light);
// A lens of radius r in its socket at c; the barrel stands out by `barrel` towards the viewer.
void DrawLens(QPainter& p, QPointF c, double r, QPointF toViewer, double barrel, bool bConvex,
              const SFinish& f);
void DrawLed(QPainter& p, QPointF c, double r, const QColor& colour);
} // namespace artgen
