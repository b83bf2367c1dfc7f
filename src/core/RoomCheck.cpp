// The room check. See RoomCheck.h.
#include "core/RoomCheck.h"

#include <cmath>
#include <numbers>

namespace
{

constexpr double kCdm2PerFootLambert = 3.4263;
constexpr double kDegrees = 180.0 / std::numbers::pi;

} // namespace

SProjectorFacts ProjectorFactsOf(const CTarsioModel& model)
{
    return {model.GetNativeWidth(), model.GetLumens(),
            PanelFillFactor(model.GetNativeWidth(), model.GetNativeHeight(), model.GetAspect())};
}

double LuminanceCdm2(double dLuminance, const std::string& strLumUnit)
{
    return strLumUnit == "FtL" ? dLuminance * kCdm2PerFootLambert : dLuminance;
}

std::array<SScreenEnd, 2> ScreenEnds(const SCalculation& calc)
{
    const double dWide = LuminanceCdm2(calc.fLumWide, calc.strLumUnit);
    const double dTele = LuminanceCdm2(calc.fLumTele, calc.strLumUnit);
    if (calc.nMode == kModeSizeToDistance)
        return {SScreenEnd{calc.fWidth, calc.fHeight, dWide},
                SScreenEnd{calc.fWidth, calc.fHeight, dTele}};
    return {SScreenEnd{calc.fWidthWide, calc.fHeightWide, dWide},
            SScreenEnd{calc.fWidthTele, calc.fHeightTele, dTele}};
}

SContrastCheck CheckContrast(const SScreenEnd& screen, double dGain, double dLux,
                             double dMetresPerUnit, const SProjectorFacts& facts)
{
    SContrastCheck check;
    check.dImage = screen.dLuminance;
    check.dAmbient = dLux * dGain / std::numbers::pi;
    check.bDarkRoom = !(check.dAmbient > 0.0);
    if (check.bDarkRoom)
    {
        check.targets = {{"cinema", 48.0, check.dImage >= 48.0, 0.0},
                         {"home cinema", 55.0, check.dImage >= 55.0, 0.0}};
        return check;
    }
    check.dContrast = (check.dImage + check.dAmbient) / check.dAmbient;
    const double dArea = screen.dWidth * screen.dHeight * dMetresPerUnit * dMetresPerUnit;
    const struct
    {
        const char* pszName;
        double dRatio;
    } categories[] = {{"passive viewing", 7.0},
                      {"basic decision making", 15.0},
                      {"analytical decision making", 50.0},
                      {"full-motion video", 80.0}};
    for (const auto& category : categories)
        check.targets.push_back({category.pszName, category.dRatio,
                                 check.dContrast >= category.dRatio,
                                 (category.dRatio - 1.0) * dLux * dArea / facts.dFillFactor});
    return check;
}

SSeatingCheck CheckSeating(const SScreenEnd& screen, std::optional<double> dNearest,
                           std::optional<double> dFarthest)
{
    const auto seat = [&](double dDistance)
    {
        const double dAngle = 2.0 * std::atan(screen.dWidth / (2.0 * dDistance)) * kDegrees;
        return SSeat{dDistance, dAngle, dAngle >= 30.0};
    };
    SSeatingCheck check;
    if (dNearest)
        check.nearest = seat(*dNearest);
    if (dFarthest)
    {
        check.farthest = seat(*dFarthest);
        check.bFarthestMeets36 = check.farthest->dAngle >= 36.0;
        check.dFarthestHeights = *dFarthest / screen.dHeight;
        check.bBasic = check.dFarthestHeights <= 8.0;
        check.bAnalytical = check.dFarthestHeights <= 6.0;
        check.bInspection = check.dFarthestHeights <= 4.0;
    }
    return check;
}

SPixelCheck CheckPixels(const SScreenEnd& screen, int nNativeWidth, std::optional<double> dNearest)
{
    SPixelCheck check;
    if (nNativeWidth <= 0)
        return check;
    check.dPixelSize = screen.dWidth / nNativeWidth;
    check.dResolveDistance = check.dPixelSize / std::tan(1.0 / 60.0 / kDegrees);
    if (dNearest)
        check.bNearestBeyond = *dNearest >= check.dResolveDistance;
    return check;
}

SToleranceCheck CheckLensTolerance(const SCalculation& calc, double dTolerancePercent)
{
    SToleranceCheck check;
    check.dTolerancePercent = dTolerancePercent;
    const double t = dTolerancePercent / 100.0;
    check.bDistances = calc.nMode == kModeSizeToDistance;
    if (check.bDistances)
    {
        check.dFrom = calc.fDistWide * (1.0 + t);
        check.dTo = calc.fDistTele * (1.0 - t);
    }
    else
    {
        check.dFrom = calc.fWidthTele / (1.0 - t);
        check.dTo = calc.fWidthWide / (1.0 + t);
    }
    check.bEmpty = check.dFrom > check.dTo;
    return check;
}

SRoomCheck CheckRoom(const SCalculation& calc, const SProjectorFacts& facts,
                     const SRoomInputs& room)
{
    SRoomCheck check;
    const std::array<SScreenEnd, 2> screens = ScreenEnds(calc);
    const double dMetres = UnitMillimetres(calc.nUnit) / 1000.0;
    for (std::size_t i = 0; i < screens.size(); ++i)
    {
        SEndCheck& end = check.ends[i];
        end.screen = screens[i];
        end.contrast = CheckContrast(end.screen, calc.fGain, room.dAmbientLux, dMetres, facts);
        end.seating = CheckSeating(end.screen, room.dNearest, room.dFarthest);
        end.pixels = CheckPixels(end.screen, facts.nNativeWidth, room.dNearest);
    }
    check.tolerance = CheckLensTolerance(calc, room.dTolerancePercent);
    return check;
}
