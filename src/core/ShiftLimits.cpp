// The lens-shift arithmetic of the shift calculator. See ShiftLimits.h.
#include "core/ShiftLimits.h"

#include <cmath>

namespace
{
constexpr double kPi = 3.141592653589793;
} // namespace

SShiftAngles ShiftAnglesFromLimits(float fA1, float fA2, float fA3, float fA4)
{
    return SShiftAngles{fA1, fA2, fA3, fA4};
}

double ShiftTangent(float fDegrees)
{
    return std::tan(fDegrees * kPi / 180.0);
}

float ShiftCenterOffset(float fMinusAngle, float fPlusAngle, float r, float fDistance)
{
    const double dTangent = ShiftTangent(r >= 0.0f ? fPlusAngle : fMinusAngle);
    return static_cast<float>(dTangent * r * fDistance);
}

float ShiftEdgeOffset(float fCenter, float r, float fSize)
{
    return static_cast<float>(r >= 0.0f ? fCenter + fSize * 0.5 : fCenter - fSize * 0.5);
}

float ShiftReach(float fSize, float fAngle, float fDistance)
{
    return static_cast<float>(fSize / 2.0f + ShiftTangent(fAngle) * 1.0 * fDistance);
}

SShiftLimits ComputeShiftLimits(const SShiftAngles& angles, float fSizeWide, float fDistWide,
                                float fSizeTele, float fDistTele)
{
    SShiftLimits limits;
    limits.fWideMax = ShiftReach(fSizeWide, angles.fWidePlus, fDistWide);
    limits.fWideMin = -ShiftReach(fSizeWide, angles.fWideMinus, fDistWide);
    limits.fTeleMax = ShiftReach(fSizeTele, angles.fTelePlus, fDistTele);
    limits.fTeleMin = -ShiftReach(fSizeTele, angles.fTeleMinus, fDistTele);
    return limits;
}

std::string ShiftRowLabel(bool bHorizontal, int nMode, EShiftRow eRow)
{
    const bool bTele =
        eRow == kShiftRowTeleMax || eRow == kShiftRowTeleMin || eRow == kShiftRowTeleCenter;
    std::string strLabel = bTele ? "TP " : nMode == 0 ? "WA/TP " : "WA ";
    switch (eRow)
    {
    case kShiftRowWideMax:
    case kShiftRowTeleMax:
        strLabel += bHorizontal ? "maximum half width" : "maximum half height";
        break;
    case kShiftRowWideMin:
    case kShiftRowTeleMin:
        strLabel += bHorizontal ? "minimum half width" : "minimum half height";
        break;
    case kShiftRowWideCenter:
    case kShiftRowTeleCenter:
        strLabel += bHorizontal ? "horizontal center distance" : "vertical center distance";
        break;
    }
    return strLabel;
}
