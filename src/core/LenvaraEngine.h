// The calculation engine behind the application object: the current-model record,
// the previous/current unit state, the four calculation entry points and the text
// services between the controls and the record.
//
// The desktop application object derives from it; the command-line calculator uses
// it directly, so both compute exactly the same numbers. Lengths are in the unit the
// options select (meters, inches, feet); luminance in Nits or FtL.
#pragma once

#include "model/TarsioModel.h"

#include <cstdint>
#include <ctime>
#include <string>

// The six radio-button flags of the main dialog, in this order (nonzero = set).
struct TarsioDisplayOptions
{
    std::int32_t bMeters;
    std::int32_t bInches;
    std::int32_t bAspect4x3;
    std::int32_t bAspect16x9;
    std::int32_t bFeet;
    std::int32_t bAspect235;
};

enum ELengthUnit
{
    kUnitMeters = 0,
    kUnitInches = 1,
    kUnitFeet = 2
};

enum EAspectCode
{
    kAspectCode4x3 = 0,
    kAspectCode16x9 = 1,
    kAspectCode235 = 2
};

// Millimetres in one unit; 0 for an invalid code.
double UnitMillimetres(int nUnit);
// "Meters", "Inches", "Feet"; empty for any other code.
const char* UnitName(int nUnit);
// "in", "ft", and "m" for any other code.
const char* UnitSymbol(int nUnit);
// "4:3", "16:9", "2.35:1" by exact bit pattern; empty for any other value.
const char* AspectName(float fAspect);
// Length conversion between two unit codes; unchanged when equal or either is invalid.
float ConvertLengthBetween(float fValue, int nFromUnit, int nToUnit);
// "%d/%d/%d   %02d:%02d:%02d": month/day/year, three blanks, hour:minute:second.
std::string FormatDateLine(const std::tm& tmLocal);

struct SCalculationRequest;
struct SCalculation;

class CLenvaraEngine
{
public:
    CLenvaraEngine();
    virtual ~CLenvaraEngine() = default;

    // One calculation (core/Calculation.h): loads the model, applies the flags,
    // stores the gain and computes in the record, exactly as the entry points below.
    // On failure the result says why and holds nothing else.
    SCalculation Calculate(const SCalculationRequest& request);
    // The record's last calculation of that mode as a result (its input counted as
    // the width); meaningful after a successful calculation of that mode.
    SCalculation RecordedCalculation(int nMode) const;

    // Entry points over Calculate: 1 on success, 0 on failure (unknown name, nothing
    // entered, or an input or result that is not finite); on failure no output is
    // written.
    int CalcDistance(const char* pszName, int nAspectCode, const TarsioDisplayOptions& options,
                     float& fWidth, float& fHeight, float& fDiagonal, float& fDistWide,
                     float& fDistTele, float& fLumWide, float& fLumTele, float fGain);
    int CalcScreenSize(const char* pszName, int nAspectCode, const TarsioDisplayOptions& options,
                       float fDistance, float& fWidthWide, float& fWidthTele, float& fHeightWide,
                       float& fHeightTele, float& fDiagWide, float& fDiagTele, float& fLumWide,
                       float& fLumTele, float fGain);
    int CalcHorizontalShift(const char* pszName, int nAspectCode,
                            const TarsioDisplayOptions& options, float& fA1, float& fA2, float& fA3,
                            float& fA4);
    int CalcVerticalShift(const char* pszName, int nAspectCode, const TarsioDisplayOptions& options,
                          float& fA1, float& fA2, float& fA3, float& fA4);

    // From m_nPrevUnit to m_nCurUnit.
    float ConvertLength(float fValue) const;

    // Whether a projection distance in the record's unit lies within the loaded
    // model's throw-distance range (whose limits the catalogue gives in metres);
    // the limits themselves are in range.
    bool IsInLensRange(float fDistance) const;
    // That range in the record's unit: "2.00–8.00 m", "6.56–26.25 ft", "78.74–314.96 in".
    std::string GetLensRangeText() const;
    std::string GetDateText() const;

    // Text forms of the record's fields.
    std::string GetModelNameText() const;
    std::string GetUnitText() const;
    std::string GetAspectText() const;
    std::string GetWidthText() const;
    std::string GetHeightText() const;
    std::string GetDiagonalText() const;
    std::string GetDistWideText() const;
    std::string GetDistTeleText() const;
    std::string GetDistanceText() const;
    std::string GetWidthWideText() const;
    std::string GetWidthTeleText() const;
    std::string GetHeightWideText() const;
    std::string GetHeightTeleText() const;
    std::string GetDiagWideText() const;
    std::string GetDiagTeleText() const;
    std::string GetQuotationText() const;
    std::string GetDealer1Text() const;
    std::string GetDealer2Text() const;
    std::string GetCustomer1Text() const;
    std::string GetCustomer2Text() const;
    std::string GetNotesText() const;

    // Print Information setters, forwarded to the record.
    void SetDealer1(const char* psz) { m_model.SetDealer1(psz); }
    void SetDealer2(const char* psz) { m_model.SetDealer2(psz); }
    void SetCustomer1(const char* psz) { m_model.SetCustomer1(psz); }
    void SetCustomer2(const char* psz) { m_model.SetCustomer2(psz); }
    void SetQuotation(const char* psz) { m_model.SetQuotation(psz); }
    void SetNotes(const char* psz) { m_model.SetNotes(psz); }

    int FindPictureId(const char* pszName) const { return m_model.FindPictureId(pszName); }

    CTarsioModel m_model;
    std::int32_t m_nPrevUnit; // -1 until the main dialog sets the units
    std::int32_t m_nCurUnit;

protected:
    // Steps common to every entry point: load, apply options, set the luminance label.
    int PrepareModel(const char* pszName, int nAspectCode, const TarsioDisplayOptions& options);
};
