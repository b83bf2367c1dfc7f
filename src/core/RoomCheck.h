// The room check of a calculation: whether the picture holds up in the room it is
// meant for. For each end of the zoom (one screen after size to distance, two after
// distance to size): the contrast against the room's light, the viewing angles and
// distances of the nearest and farthest seat, and the pixel size against the
// distance where an eye stops resolving it; and the distance (or screen width) range
// that every unit of the lens reaches within the makers' throw tolerance. The
// combined lens shift is in core/ShiftEnvelope.h.
//
// Lengths are in the calculation's unit; luminances in cd/m² whatever the unit. All
// figures are double precision. Used by lenvara-calc check and the room check window.
#pragma once

#include "core/Calculation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the room adds to a calculation.
struct SRoomInputs
{
    double dAmbientLux = 0.0;       // light falling on the screen; 0 is a dark room
    std::optional<double> dNearest; // seat distances from the screen, the calculation's unit
    std::optional<double> dFarthest;
    double dTolerancePercent = 5.0; // the makers' throw tolerance, 0 to below 100
};

// What the record's catalogue fields add.
struct SProjectorFacts
{
    int nNativeWidth = 0;
    double dLumens = 0.0;
    double dFillFactor = 1.0; // share of the panel the image uses, as in the luminance
};

// The loaded record's facts (after a calculation, so its aspect is the screen's).
SProjectorFacts ProjectorFactsOf(const CTarsioModel& model);

// One screen of the calculation.
struct SScreenEnd
{
    double dWidth = 0.0;
    double dHeight = 0.0;
    double dLuminance = 0.0; // cd/m²
};

// The wide-end and the tele-end screen (the same screen after size to distance).
std::array<SScreenEnd, 2> ScreenEnds(const SCalculation& calc);

// A luminance in "Nits" or "FtL" in cd/m² (1 fL = 3.4263 cd/m²).
double LuminanceCdm2(double dLuminance, const std::string& strLumUnit);

// A level to reach: a contrast ratio, or in a dark room a luminance in cd/m².
struct SRoomTarget
{
    const char* pszName;
    double dLevel;
    bool bMet;
    double dLumensNeeded; // contrast ratios only: the light output that reaches it
};

struct SContrastCheck
{
    bool bDarkRoom = true;
    double dImage = 0.0;    // Li, cd/m²
    double dAmbient = 0.0;  // La = lux x gain / pi, cd/m²
    double dContrast = 0.0; // (Li + La) / La; 0 in a dark room
    // Lit room: passive viewing 7, basic decision making 15, analytical decision
    // making 50, full-motion video 80 (ANSI/INFOCOMM 3M-2011). Dark room: cinema 48
    // cd/m² (SMPTE RP 431-2) and home cinema 55 cd/m².
    std::vector<SRoomTarget> targets;
};

// lumens needed = (C - 1) x lux x screen area (m²) / k: the gain cancels, since the
// screen returns the room's light with the same gain.
SContrastCheck CheckContrast(const SScreenEnd& screen, double dGain, double dLux,
                             double dMetresPerUnit, const SProjectorFacts& facts);

struct SSeat
{
    double dDistance = 0.0;
    double dAngle = 0.0;   // horizontal viewing angle 2 x atan(W / 2d), degrees
    bool bMeets30 = false; // SMPTE EG 18's minimum viewing angle
};

struct SSeatingCheck
{
    std::optional<SSeat> nearest;
    std::optional<SSeat> farthest;
    bool bFarthestMeets36 = false; // the cinema's farthest-seat angle
    double dFarthestHeights = 0.0; // farthest seat / image height
    bool bBasic = false;           // within 8 image heights
    bool bAnalytical = false;      // within 6
    bool bInspection = false;      // within 4
};

SSeatingCheck CheckSeating(const SScreenEnd& screen, std::optional<double> dNearest,
                           std::optional<double> dFarthest);

struct SPixelCheck
{
    double dPixelSize = 0.0;       // image width / panel pixels
    double dResolveDistance = 0.0; // pixel size / tan(1 arc-minute): beyond it 20/20 eyes
                                   // see no pixels
    std::optional<bool> bNearestBeyond;
};

SPixelCheck CheckPixels(const SScreenEnd& screen, int nNativeWidth, std::optional<double> dNearest);

// The range that every unit reaches when the throw ratios hold only within the
// tolerance t: after size to distance the distances WA x (1 + t) to TP x (1 - t);
// after distance to size the screen widths TP / (1 - t) to WA / (1 + t).
struct SToleranceCheck
{
    double dTolerancePercent = 0.0;
    bool bDistances = true; // else screen widths
    double dFrom = 0.0;
    double dTo = 0.0;
    bool bEmpty = false; // only the exact unit in hand reaches the screen
};

SToleranceCheck CheckLensTolerance(const SCalculation& calc, double dTolerancePercent);

struct SEndCheck
{
    SScreenEnd screen;
    SContrastCheck contrast;
    SSeatingCheck seating;
    SPixelCheck pixels;
};

struct SRoomCheck
{
    std::array<SEndCheck, 2> ends; // wide, tele
    SToleranceCheck tolerance;
};

// Every check of a successful calculation.
SRoomCheck CheckRoom(const SCalculation& calc, const SProjectorFacts& facts,
                     const SRoomInputs& room);
