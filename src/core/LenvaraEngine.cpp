// The calculation engine: the four entry points that load the chosen model, apply
// the radio-button options and run one calculation on the record, the unit state
// with its length conversion, the report's date line and the text forms of the
// record's fields.
//
// Lengths are in the unit the options select; gain is a plain factor. Used by the
// desktop application object (which derives from it) and the command-line tool.
#include "core/LenvaraEngine.h"

#include "core/Calculation.h"
#include "core/TextFormat.h"

#include <cmath>

CLenvaraEngine::CLenvaraEngine() : m_nPrevUnit(-1), m_nCurUnit(-1) {}

int CLenvaraEngine::PrepareModel(const char* pszName, int nAspectCode,
                                 const TarsioDisplayOptions& options)
{
    if (!m_model.LoadModel(pszName, nAspectCode))
        return 0;

    // Each set flag overwrites what an earlier one set.
    if (options.bMeters)
        m_model.SetUnit(kUnitMeters);
    if (options.bInches)
        m_model.SetUnit(kUnitInches);
    if (options.bAspect4x3)
        m_model.SetAspect(kAspect4x3);
    if (options.bAspect16x9)
        m_model.SetAspect(kAspect16x9);
    if (options.bFeet)
        m_model.SetUnit(kUnitFeet);
    if (options.bAspect235)
        m_model.SetAspect(kAspect235);

    if (options.bMeters)
        m_model.SetLumUnit("Nits");
    if (options.bInches)
        m_model.SetLumUnit("FtL");
    if (options.bFeet)
        m_model.SetLumUnit("FtL");
    return 1;
}

SCalculation CLenvaraEngine::Calculate(const SCalculationRequest& request)
{
    SCalculation result;
    const int nMode =
        request.nMode == kModeDistanceToSize ? kModeDistanceToSize : kModeSizeToDistance;
    result.nMode = nMode;
    // A gain that is not a number would poison every luminance; refuse it before
    // the record is touched.
    if (!std::isfinite(request.fGain))
    {
        result.eFailure = kCalcGainRefused;
        return result;
    }
    if (!PrepareModel(request.strName.c_str(), request.nAspectCode, request.options))
    {
        result.eFailure = kCalcUnknownModel;
        return result;
    }
    m_model.SetGain(request.fGain);
    float fWidth = request.fWidth, fHeight = request.fHeight, fDiagonal = request.fDiagonal;
    float afOut[8] = {};
    const bool bEntered = nMode == kModeSizeToDistance
                              ? fWidth != 0.0f || fHeight != 0.0f || fDiagonal != 0.0f
                              : request.fDistance != 0.0f;
    const int nDone =
        nMode == kModeSizeToDistance
            ? m_model.SizeToDistance(fWidth, fHeight, fDiagonal, afOut[0], afOut[1], afOut[2],
                                     afOut[3])
            : m_model.DistanceToSize(request.fDistance, afOut[0], afOut[1], afOut[2], afOut[3],
                                     afOut[4], afOut[5], afOut[6], afOut[7]);
    if (!nDone)
    {
        result.eFailure = bEntered ? kCalcNoResult : kCalcNothingEntered;
        return result;
    }
    // Every output is also in the record, which the result is read from.
    result = RecordedCalculation(nMode);
    result.nInput = request.fWidth != 0.0f    ? kInputWidth
                    : request.fHeight != 0.0f ? kInputHeight
                                              : kInputDiagonal;
    return result;
}

SCalculation CLenvaraEngine::RecordedCalculation(int nMode) const
{
    const CTarsioModel& m = m_model;
    SCalculation r;
    r.eFailure = kCalcOk;
    r.nMode = nMode == kModeDistanceToSize ? kModeDistanceToSize : kModeSizeToDistance;
    r.strName = m.GetName();
    r.nUnit = m.GetUnit();
    r.fAspect = m.GetAspect();
    r.fGain = m.GetGain();
    r.strLumUnit = m.GetLumUnit();
    r.fWidth = m.GetWidth();
    r.fHeight = m.GetHeight();
    r.fDiagonal = m.GetDiagonal();
    r.fDistWide = m.GetDistWide();
    r.fDistTele = m.GetDistTele();
    r.fDistance = m.GetDistance();
    r.fWidthWide = m.GetWidthWide();
    r.fWidthTele = m.GetWidthTele();
    r.fHeightWide = m.GetHeightWide();
    r.fHeightTele = m.GetHeightTele();
    r.fDiagWide = m.GetDiagWide();
    r.fDiagTele = m.GetDiagTele();
    r.fLumWide = m.GetLumWide();
    r.fLumTele = m.GetLumTele();
    r.bDistWideInRange = IsInLensRange(r.fDistWide);
    r.bDistTeleInRange = IsInLensRange(r.fDistTele);
    r.bDistanceInRange = IsInLensRange(r.fDistance);
    r.strLensRange = GetLensRangeText();
    const SViewTriple wide = r.nMode == kModeSizeToDistance
                                 ? SViewTriple{r.fWidth, r.fHeight, r.fDistWide}
                                 : SViewTriple{r.fWidthWide, r.fHeightWide, r.fDistance};
    const SViewTriple tele = r.nMode == kModeSizeToDistance
                                 ? SViewTriple{r.fWidth, r.fHeight, r.fDistTele}
                                 : SViewTriple{r.fWidthTele, r.fHeightTele, r.fDistance};
    // The preview shows the tele screen first after distance to size; the Shift
    // Calculator always takes the wide-angle end first.
    r.shift = {r.nMode, wide, tele};
    r.preview = r.nMode == kModeSizeToDistance ? r.shift : SInstallation{r.nMode, tele, wide};
    return r;
}

namespace
{
// The request of an entry point's arguments.
SCalculationRequest EntryRequest(const char* pszName, int nAspectCode,
                                 const TarsioDisplayOptions& options, float fGain, int nMode)
{
    SCalculationRequest request;
    request.strName = pszName ? pszName : "";
    request.nAspectCode = nAspectCode;
    request.options = options;
    request.fGain = fGain;
    request.nMode = nMode;
    return request;
}
} // namespace

int CLenvaraEngine::CalcDistance(const char* pszName, int nAspectCode,
                                 const TarsioDisplayOptions& options, float& fWidth, float& fHeight,
                                 float& fDiagonal, float& fDistWide, float& fDistTele,
                                 float& fLumWide, float& fLumTele, float fGain)
{
    SCalculationRequest request =
        EntryRequest(pszName, nAspectCode, options, fGain, kModeSizeToDistance);
    request.fWidth = fWidth;
    request.fHeight = fHeight;
    request.fDiagonal = fDiagonal;
    const SCalculation r = Calculate(request);
    if (!r.Succeeded())
        return 0;
    fWidth = r.fWidth;
    fHeight = r.fHeight;
    fDiagonal = r.fDiagonal;
    fDistWide = r.fDistWide;
    fDistTele = r.fDistTele;
    fLumWide = r.fLumWide;
    fLumTele = r.fLumTele;
    return 1;
}

int CLenvaraEngine::CalcScreenSize(const char* pszName, int nAspectCode,
                                   const TarsioDisplayOptions& options, float fDistance,
                                   float& fWidthWide, float& fWidthTele, float& fHeightWide,
                                   float& fHeightTele, float& fDiagWide, float& fDiagTele,
                                   float& fLumWide, float& fLumTele, float fGain)
{
    SCalculationRequest request =
        EntryRequest(pszName, nAspectCode, options, fGain, kModeDistanceToSize);
    request.fDistance = fDistance;
    const SCalculation r = Calculate(request);
    if (!r.Succeeded())
        return 0;
    fWidthWide = r.fWidthWide;
    fWidthTele = r.fWidthTele;
    fHeightWide = r.fHeightWide;
    fHeightTele = r.fHeightTele;
    fDiagWide = r.fDiagWide;
    fDiagTele = r.fDiagTele;
    fLumWide = r.fLumWide;
    fLumTele = r.fLumTele;
    return 1;
}

int CLenvaraEngine::CalcHorizontalShift(const char* pszName, int nAspectCode,
                                        const TarsioDisplayOptions& options, float& fA1, float& fA2,
                                        float& fA3, float& fA4)
{
    if (!PrepareModel(pszName, nAspectCode, options))
        return 0;
    return m_model.HorizontalShiftLimits(fA1, fA2, fA3, fA4);
}

int CLenvaraEngine::CalcVerticalShift(const char* pszName, int nAspectCode,
                                      const TarsioDisplayOptions& options, float& fA1, float& fA2,
                                      float& fA3, float& fA4)
{
    if (!PrepareModel(pszName, nAspectCode, options))
        return 0;
    return m_model.VerticalShiftLimits(fA1, fA2, fA3, fA4);
}

float CLenvaraEngine::ConvertLength(float fValue) const
{
    return ConvertLengthBetween(fValue, m_nPrevUnit, m_nCurUnit);
}

bool CLenvaraEngine::IsInLensRange(float fDistance) const
{
    const double dMillimetres = UnitMillimetres(m_model.GetUnit());
    if (dMillimetres == 0.0)
        return false;
    const double dMetres = static_cast<double>(fDistance) * dMillimetres / 1000.0;
    return static_cast<double>(m_model.GetMinDistance()) <= dMetres &&
           dMetres <= static_cast<double>(m_model.GetMaxDistance());
}

std::string CLenvaraEngine::GetLensRangeText() const
{
    const int nUnit = m_model.GetUnit();
    const char* pszUnit = UnitSymbol(nUnit);
    return FormatLength(ConvertLengthBetween(m_model.GetMinDistance(), kUnitMeters, nUnit)) +
           "\u2013" +
           FormatLength(ConvertLengthBetween(m_model.GetMaxDistance(), kUnitMeters, nUnit)) + " " +
           pszUnit;
}

std::string CLenvaraEngine::GetDateText() const
{
    const std::time_t now = std::time(nullptr);
    std::tm tmLocal{};
    localtime_r(&now, &tmLocal);
    return FormatDateLine(tmLocal);
}

std::string CLenvaraEngine::GetModelNameText() const
{
    return m_model.GetName();
}
std::string CLenvaraEngine::GetUnitText() const
{
    return UnitName(m_model.GetUnit());
}
std::string CLenvaraEngine::GetAspectText() const
{
    return AspectName(m_model.GetAspect());
}
std::string CLenvaraEngine::GetWidthText() const
{
    return FormatLength(m_model.GetWidth());
}
std::string CLenvaraEngine::GetHeightText() const
{
    return FormatLength(m_model.GetHeight());
}
std::string CLenvaraEngine::GetDiagonalText() const
{
    return FormatLength(m_model.GetDiagonal());
}
std::string CLenvaraEngine::GetDistWideText() const
{
    return FormatLength(m_model.GetDistWide());
}
std::string CLenvaraEngine::GetDistTeleText() const
{
    return FormatLength(m_model.GetDistTele());
}
std::string CLenvaraEngine::GetDistanceText() const
{
    return FormatLength(m_model.GetDistance());
}
std::string CLenvaraEngine::GetWidthWideText() const
{
    return FormatLength(m_model.GetWidthWide());
}
std::string CLenvaraEngine::GetWidthTeleText() const
{
    return FormatLength(m_model.GetWidthTele());
}
std::string CLenvaraEngine::GetHeightWideText() const
{
    return FormatLength(m_model.GetHeightWide());
}
std::string CLenvaraEngine::GetHeightTeleText() const
{
    return FormatLength(m_model.GetHeightTele());
}
std::string CLenvaraEngine::GetDiagWideText() const
{
    return FormatLength(m_model.GetDiagWide());
}
std::string CLenvaraEngine::GetDiagTeleText() const
{
    return FormatLength(m_model.GetDiagTele());
}
std::string CLenvaraEngine::GetQuotationText() const
{
    return m_model.GetQuotation();
}
std::string CLenvaraEngine::GetDealer1Text() const
{
    return m_model.GetDealer1();
}
std::string CLenvaraEngine::GetDealer2Text() const
{
    return m_model.GetDealer2();
}
std::string CLenvaraEngine::GetCustomer1Text() const
{
    return m_model.GetCustomer1();
}
std::string CLenvaraEngine::GetCustomer2Text() const
{
    return m_model.GetCustomer2();
}
std::string CLenvaraEngine::GetNotesText() const
{
    return m_model.GetNotes();
}
