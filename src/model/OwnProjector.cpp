// Catalogue rows of an own projector; see OwnProjector.h.
#include "model/OwnProjector.h"

#include <cmath>
#include <cstring>

namespace
{

// The screen aspects of codes 0, 1, 2; the 2.35:1 screen is computed as 64/27, as
// everywhere in the program.
constexpr double kAspectOf[kOwnAspectCount] = {4.0 / 3.0, 16.0 / 9.0, 64.0 / 27.0};
constexpr float kAspectValueOf[kOwnAspectCount] = {kAspect4x3, kAspect16x9, kAspect235};

// The ratio of an image that fills the panel (aspect p) from the ratio of an image of
// aspect a: a narrower image is pillar-boxed and its ratio is the panel-filling one
// times p / a; a wider one is letter-boxed and keeps the panel-filling ratio.
double PanelFillingRatio(double dRatio, double a, double p)
{
    return a < p ? dRatio * a / p : dRatio;
}

double RatioAtAspect(double dPanelFilling, double a, double p)
{
    return a < p ? dPanelFilling * p / a : dPanelFilling;
}

template <std::size_t N> void CopyName(char (&szField)[N], const std::string& szText)
{
    const std::size_t n = szText.size() < N ? szText.size() : N - 1;
    std::memset(szField, 0, N);
    std::memcpy(szField, szText.data(), n);
}

// The record's panel side in millimetres, computed exactly as the record does.
float PanelMillimetres(int nPixels, float fPitch)
{
    return static_cast<float>(nPixels * fPitch * 0.001);
}

// The record's geometric shift room for a panel side across the shift and the other
// side along the chord, in the record's own single-precision steps.
float GeometricRoom(float fRadius, float fAcross, float fAlong)
{
    const float fSquare = 4.0f * fRadius * fRadius - fAlong * fAlong;
    const float fChord = static_cast<float>(std::pow(static_cast<double>(fSquare), 0.5));
    return (fChord - fAcross) * 0.5f;
}

struct SLensValues
{
    float fRadius = 0.0f;
    float fH1 = 0.0f, fH2 = 0.0f, fV1 = 0.0f, fV2 = 0.0f;
    int nCaps = 0;
};

// Lens fields for shift percentages. The image circle is the panel's circumscribed
// circle, so both chords equal the panel sides and the geometric room is (nearly) 0;
// each offset is that room less the stated travel, so the record's room on each side
// is the travel: up and down in parts of the panel height, left and right of its width.
// Room A of the record is the minus side (left, down), room B the plus side; vertically
// room A is bounded by the second offset.
SLensValues LensForPercent(const SShiftPercent& shift, float fPanelW, float fPanelH)
{
    SLensValues v;
    const double dHalfDiagonal = 0.5 * std::sqrt(static_cast<double>(fPanelW) * fPanelW +
                                                 static_cast<double>(fPanelH) * fPanelH);
    v.fRadius = static_cast<float>(dHalfDiagonal);
    const double dScale = shift.eOf == EShiftOf::HalfImage ? 0.005 : 0.01;
    auto room = [dScale](double dPercent, float fSide)
    { return static_cast<float>(dPercent * dScale * static_cast<double>(fSide)); };
    const float fRoomV = GeometricRoom(v.fRadius, fPanelH, fPanelW);
    const float fRoomH = GeometricRoom(v.fRadius, fPanelW, fPanelH);
    v.fV1 = fRoomV - room(shift.dUp, fPanelH);
    v.fV2 = fRoomV - room(shift.dDown, fPanelH);
    v.fH1 = fRoomH - room(shift.dLeft, fPanelW);
    v.fH2 = fRoomH - room(shift.dRight, fPanelW);
    if (shift.dUp != 0.0 || shift.dDown != 0.0)
        v.nCaps |= 1;
    if (shift.dLeft != 0.0 || shift.dRight != 0.0)
        v.nCaps |= 2;
    return v;
}

SLensValues LensValuesOf(const SOwnProjector& projector, float fPanelW, float fPanelH)
{
    if (projector.lens)
    {
        // The lens table's fields describe both directions.
        const SLensFields& lens = *projector.lens;
        return {static_cast<float>(lens.dRadius),     static_cast<float>(lens.hOffsets[0]),
                static_cast<float>(lens.hOffsets[1]), static_cast<float>(lens.vOffsets[0]),
                static_cast<float>(lens.vOffsets[1]), 3};
    }
    // No shift data: a neutral lens whose rows are never asked for shift limits.
    return LensForPercent(projector.shift.value_or(SShiftPercent{}), fPanelW, fPanelH);
}

} // namespace

std::vector<SShiftEnvelopePoint> ShiftEnvelopeMillimetres(const SOwnProjector& projector)
{
    std::vector<SShiftEnvelopePoint> points;
    if (!projector.shiftEnvelope)
        return points;
    const float fPitch = static_cast<float>(projector.dPitchUm);
    const double dPanelW = PanelMillimetres(projector.nWidthPx, fPitch);
    const double dPanelH = PanelMillimetres(projector.nHeightPx, fPitch);
    for (const SShiftEnvelopePoint& point : *projector.shiftEnvelope)
        points.push_back({point.dH * 0.01 * dPanelW, point.dV * 0.01 * dPanelH});
    return points;
}

// When several aspects are given, the missing ones come from the given aspect whose
// value is nearest the panel's own aspect (the smallest |a - p|; on a tie the lower
// aspect code), since that image uses the most of the panel.
std::array<SThrowPair, kOwnAspectCount> CompleteThrowPairs(const SOwnProjector& projector)
{
    const double p = static_cast<double>(projector.nWidthPx) / projector.nHeightPx;
    int nSource = -1;
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        if (projector.throws[i] &&
            (nSource < 0 || std::fabs(kAspectOf[i] - p) < std::fabs(kAspectOf[nSource] - p)))
            nSource = i;
    }
    std::array<SThrowPair, kOwnAspectCount> pairs{};
    if (nSource < 0)
        return pairs;
    const SThrowPair& source = *projector.throws[nSource];
    const double a = kAspectOf[nSource];
    const double dFillWide = PanelFillingRatio(source.dWide, a, p);
    const double dFillTele = PanelFillingRatio(source.dTele, a, p);
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        if (projector.throws[i])
            pairs[i] = *projector.throws[i];
        else
            pairs[i] = {RatioAtAspect(dFillWide, kAspectOf[i], p),
                        RatioAtAspect(dFillTele, kAspectOf[i], p)};
    }
    return pairs;
}

SOwnProjectorRows DeriveProjectorRows(const SOwnProjector& projector)
{
    SOwnProjectorRows rows{};
    const std::array<SThrowPair, kOwnAspectCount> pairs = CompleteThrowPairs(projector);
    const float fPitch = static_cast<float>(projector.dPitchUm);
    const float fPanelW = PanelMillimetres(projector.nWidthPx, fPitch);
    const float fPanelH = PanelMillimetres(projector.nHeightPx, fPitch);
    const SLensValues lens = LensValuesOf(projector, fPanelW, fPanelH);
    for (int i = 0; i < kOwnAspectCount; ++i)
    {
        SCatalogueRow& row = rows.main[i];
        CopyName(row.szName, projector.szName);
        row.bListed = i == 1 ? 1 : 0;
        row.nAspectCode = i;
        CopyName(row.szClass, projector.szClass);
        row.fThrowWide = static_cast<float>(pairs[i].dWide);
        row.fThrowTele = static_cast<float>(pairs[i].dTele);
        row.fMinDistance = projector.distance ? static_cast<float>(projector.distance->dMin) : 0.0f;
        row.fMaxDistance = projector.distance ? static_cast<float>(projector.distance->dMax) : 0.0f;
        row.fAspect = kAspectValueOf[i];
        row.nUnit = 0;
        row.nBitmapId = kOwnPictureNone;
        row.nNativeWidth = projector.nWidthPx;
        row.nNativeHeight = projector.nHeightPx;
        row.fPixelPitch = fPitch;
        row.nShiftCaps = lens.nCaps;
        row.fLumens = static_cast<float>(projector.dLumens);

        SLensRow& lensRow = rows.lens[i];
        CopyName(lensRow.szName, projector.szName);
        lensRow.nAspectCode = i;
        CopyName(lensRow.szLensKind, std::string("PJFrontStdLens"));
        lensRow.fLensRadius = lens.fRadius;
        lensRow.fHOffset1 = lens.fH1;
        lensRow.fHOffset2 = lens.fH2;
        lensRow.fVOffset1 = lens.fV1;
        lensRow.fVOffset2 = lens.fV2;
    }
    return rows;
}
