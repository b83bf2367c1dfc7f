// The lens-shift arithmetic of the shift calculator, for one direction (horizontal
// or vertical) of an installation given by its wide (WA) and tele (TP) ends: where
// the picture's centre and edge land for a shift ratio, how far its edges reach at
// full shift to either side, and the dialog's row labels.
//
// Inputs: shift angles in degrees (the record's shift limits), picture sizes
// (widths for horizontal, heights for vertical) and throw distances in the user's
// unit, a shift ratio from -1 (full left or down) to 1 (full right or up). Tangents
// are taken in double precision; results are single precision. Used by the shift
// calculator dialog, its two views and lenvara-calc shift, so all of them show the
// same numbers.
#pragma once

#include <string>

// The four shift angles of one direction, in degrees: the minus side (left or
// down) and the plus side (right or up), at the wide and at the tele end.
struct SShiftAngles
{
    float fWideMinus = 0.0f;
    float fWidePlus = 0.0f;
    float fTeleMinus = 0.0f;
    float fTelePlus = 0.0f;
};

// The angles in the record's output order (WA room A, WA room B, TP room A, TP
// room B): room A is the minus side, room B the plus side.
SShiftAngles ShiftAnglesFromLimits(float fA1, float fA2, float fA3, float fA4);

// tan(degrees x pi / 180) in double precision.
double ShiftTangent(float fDegrees);

// The picture centre's offset from the lens axis at the ratio r for a picture at
// fDistance: the plus-side angle for r >= 0, the minus-side angle below.
float ShiftCenterOffset(float fMinusAngle, float fPlusAngle, float r, float fDistance);
// The picture edge on the side it moves to: the centre plus half the size for
// r >= 0, minus half the size below.
float ShiftEdgeOffset(float fCenter, float r, float fSize);
// How far the far edge of a picture of fSize reaches at full shift to one side:
// half the size plus tan(angle) x fDistance (negative angles shrink it).
float ShiftReach(float fSize, float fAngle, float fDistance);

// The shift calculator's limits of one direction: the maximum is the reach to the
// plus side, the minimum the reach to the minus side as a negative number.
struct SShiftLimits
{
    float fWideMax = 0.0f;
    float fWideMin = 0.0f;
    float fTeleMax = 0.0f;
    float fTeleMin = 0.0f;
};

SShiftLimits ComputeShiftLimits(const SShiftAngles& angles, float fSizeWide, float fDistWide,
                                float fSizeTele, float fDistTele);

// The rows of one direction's values, top to bottom as the dialog lists them.
enum EShiftRow
{
    kShiftRowWideMax,
    kShiftRowWideMin,
    kShiftRowTeleMax,
    kShiftRowTeleMin,
    kShiftRowWideCenter,
    kShiftRowTeleCenter
};

// The dialog's label of a row. After a size-to-distance calculation (mode 0) both
// ends show one screen, so the WA rows speak for both ("WA/TP maximum half width")
// and the TP rows are not shown; after distance to size (mode 1) each end has its
// own rows.
std::string ShiftRowLabel(bool bHorizontal, int nMode, EShiftRow eRow);
