// How far the lens can shift the panel in both directions at once: the outline of
// every possible shift (dx, dy) in panel millimetres, right and up positive.
//
// With a lens image circle the panel's four corners must stay inside the circle of
// radius R; that gives the geometric room on each side. The lens table's offsets take
// travel away on their own side (horizontal: HOffset1 on the left, HOffset2 on the
// right; vertical: VOffset2 below, VOffset1 above, as the one-direction shift limits
// pair them). The outline is the geometric one with each half-axis scaled from its
// geometric room to that side's room, so it meets each axis exactly at the
// one-direction room and keeps the circle's shape in between. A side whose room is
// negative (an offset beyond the geometric room) has no travel.
//
// An own projector described by shift percentages has no image circle. When the
// catalogue gives the maker's outline (points of one quadrant), that outline is the
// envelope, mirrored, each half-axis scaled from the outline's end to that side's room
// as above (the outline ends at the larger room of each direction, so that side keeps
// it as given). Without an outline it is the diamond |h| / Hmax + |v| / Vmax <= 1 over
// the four one-direction rooms, marked approximate. Used by lenvara-calc shift
// --envelope and the room check.
#pragma once

#include "model/TarsioModel.h"

#include <optional>
#include <string>
#include <vector>

// The record's lens fields in millimetres.
struct SPanelLens
{
    double dPanelWidth = 0.0; // native width x pixel pitch
    double dPanelHeight = 0.0;
    double dRadius = 0.0;
    double dHOffset1 = 0.0; // left
    double dHOffset2 = 0.0; // right
    double dVOffset1 = 0.0; // up
    double dVOffset2 = 0.0; // down
};

// The loaded record's lens fields.
SPanelLens PanelLensOf(const CTarsioModel& model);

struct SShiftPoint
{
    double dX = 0.0;
    double dY = 0.0;
};

struct SShiftEnvelope
{
    bool bApproximate = false; // the diamond of an own projector's percentages
    // The one-direction rooms, millimetres, each at least 0.
    double dLeft = 0.0, dRight = 0.0, dDown = 0.0, dUp = 0.0;
    // The image circle (used only when there is neither diamond nor maker's outline).
    SPanelLens lens;
    // The maker's outline of one quadrant in millimetres, from the vertical axis to the
    // horizontal one; empty for the circle and the diamond.
    std::vector<SShiftPoint> quadrant;
};

struct SShiftRange
{
    double dMin = 0.0; // left or down, 0 or negative
    double dMax = 0.0; // right or up, 0 or positive
};

// The outline of a lens with an image circle; all rooms 0 when the panel does not fit.
SShiftEnvelope CircleShiftEnvelope(const SPanelLens& lens);
// The approximate diamond over four rooms (negative ones count as 0).
SShiftEnvelope DiamondShiftEnvelope(double dLeft, double dRight, double dDown, double dUp);

// The maker's outline over four rooms: quadrant from (0, its height) to (its width,
// 0), x never falling and y never rising, as a checked catalogue gives it.
SShiftEnvelope OutlineShiftEnvelope(double dLeft, double dRight, double dDown, double dUp,
                                    std::vector<SShiftPoint> quadrant);

// The envelope of a catalogue model at an aspect: for an own projector given by shift
// percentages the maker's outline when the catalogue has one, else the diamond; for
// every other model the image circle of its lens row. Empty when the model has no row
// of that name and aspect.
std::optional<SShiftEnvelope> ModelShiftEnvelope(const std::string& szName, int nAspectCode);

// The vertical shift that remains at a horizontal shift dx, and the other way round;
// none when dx (dy) itself is out of reach.
std::optional<SShiftRange> VerticalRangeAt(const SShiftEnvelope& envelope, double dX);
std::optional<SShiftRange> HorizontalRangeAt(const SShiftEnvelope& envelope, double dY);

// The Shift Calculator's sliders give each shift as a share of its one-direction limit,
// -1 (full left, full down) to 1 (full right, full up). The share of the room up (or
// down) that remains at a horizontal share, 0 to 1; whether the lens reaches both
// shares at once.
double VerticalShareAt(const SShiftEnvelope& envelope, double dShareX, bool bUp);
bool ReachesShares(const SShiftEnvelope& envelope, double dShareX, double dShareY);

// The closed outline, counter-clockwise from the leftmost point, its last point equal
// to its first; nSamples points (made odd, at least 3) along each of the upper and
// lower edges, one of them on the vertical axis. A maker's outline gives its own
// points instead, in each quadrant.
std::vector<SShiftPoint> ShiftEnvelopeOutline(const SShiftEnvelope& envelope, int nSamples = 91);
