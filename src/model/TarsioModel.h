// model/: the projector catalogue (compiled-in tables, the own projectors' rows after
// them) and the current-model record with its arithmetic. No Qt, nothing below it.
//
// The current-model record: catalogue data of the chosen model and aspect, the
// user's unit, aspect value and gain, the results of the last calculation in each
// direction, and the six Print Information texts (UTF-8, up to 255 characters each).
//
// Lengths are in the record's unit (0 meters, 1 inches, 2 feet); throw ratios are
// distance / image width; luminance in cd/m2 (meters) or foot-lamberts (inches,
// feet); lens data in millimetres; angles in degrees. All of it single precision,
// square roots taken as pow(x, 0.5) in double. Owned by the calculation engine
// (and through it the application object); read by the pages, the shift
// calculator and the report.
#pragma once

#include "model/CatalogueTable.h"
#include "model/TextField.h"

#include <cstdint>

// The share of the panel an image of the screen aspect uses (the luminance's fill
// factor): 0.75 where a 4:3 image sits on a 16:9 panel and the other way round, where a
// 2.35:1 image sits on a 4:3 panel and a 4:3 image on the 848 x 480 panel; else 1.
float PanelFillFactor(int nNativeWidth, int nNativeHeight, float fAspect);

class CTarsioModel
{
public:
    CTarsioModel();

    // Catalogue searches. Names match whole, byte for byte, blanks included.
    int LoadCatalogueRow(const char* pszName, int nAspectCode);
    int LoadLensRow(const char* pszName, int nAspectCode);
    int LoadModel(const char* pszName, int nAspectCode);
    // Rows that no table holds (an own projector being edited), copied as the searches
    // copy the rows they find.
    void LoadRows(const SCatalogueRow& row, const SLensRow& lens);
    // Picture id of the first row with that name; -1 if none, 0 for no name.
    int FindPictureId(const char* pszName) const;

    bool IsLoaded() const { return m_szName[0] != '\0'; }
    bool IsInDistanceRange(float fDistance) const;

    // Size to distance: any of width, height, diagonal may be 0 (not entered).
    int SizeToDistance(float& fWidth, float& fHeight, float& fDiagonal, float& fDistWide,
                       float& fDistTele, float& fLumWide, float& fLumTele);
    // Distance to size.
    int DistanceToSize(float fDistance, float& fWidthWide, float& fWidthTele, float& fHeightWide,
                       float& fHeightTele, float& fDiagWide, float& fDiagTele, float& fLumWide,
                       float& fLumTele);
    // Luminance of a w x h image for the record's lumens, gain, unit, panel, aspect.
    float ScreenLuminance(float fWidth, float fHeight) const;
    // Shift angle limits in degrees: WA room A, WA room B, TP room A, TP room B.
    int HorizontalShiftLimits(float& fA1, float& fA2, float& fA3, float& fA4) const;
    int VerticalShiftLimits(float& fA1, float& fA2, float& fA3, float& fA4) const;

    // Getters.
    const char* GetName() const { return m_szName; }
    const char* GetClass() const { return m_szClass; }
    float GetThrowWide() const { return m_fThrowWide; }
    float GetThrowTele() const { return m_fThrowTele; }
    float GetMinDistance() const { return m_fMinDistance; }
    float GetMaxDistance() const { return m_fMaxDistance; }
    float GetAspect() const { return m_fAspect; }
    int GetUnit() const { return m_nUnit; }
    float GetLumWide() const { return m_fLumWide; }
    float GetLumTele() const { return m_fLumTele; }
    float GetLumens() const { return m_fLumens; }
    const char* GetLumUnit() const { return m_szLumUnit; }
    float GetWidth() const { return m_fWidth; }
    float GetHeight() const { return m_fHeight; }
    float GetDiagonal() const { return m_fDiagonal; }
    float GetDistWide() const { return m_fDistWide; }
    float GetDistTele() const { return m_fDistTele; }
    float GetDistance() const { return m_fDistance; }
    float GetWidthWide() const { return m_fWidthWide; }
    float GetWidthTele() const { return m_fWidthTele; }
    float GetHeightWide() const { return m_fHeightWide; }
    float GetHeightTele() const { return m_fHeightTele; }
    float GetDiagWide() const { return m_fDiagWide; }
    float GetDiagTele() const { return m_fDiagTele; }
    int GetNativeWidth() const { return m_nNativeWidth; }
    int GetNativeHeight() const { return m_nNativeHeight; }
    float GetPixelPitch() const { return m_fPixelPitch; }
    float GetLensRadius() const { return m_fLensRadius; }
    float GetLensReserved1() const { return m_fLensReserved1; }
    float GetLensReserved2() const { return m_fLensReserved2; }
    float GetHOffset1() const { return m_fHOffset1; }
    float GetHOffset2() const { return m_fHOffset2; }
    float GetVOffset1() const { return m_fVOffset1; }
    float GetVOffset2() const { return m_fVOffset2; }
    int GetShiftCaps() const { return m_nShiftCaps; }
    float GetGain() const { return m_fGain; }
    const char* GetDealer1() const { return m_szDealer1; }
    const char* GetDealer2() const { return m_szDealer2; }
    const char* GetCustomer1() const { return m_szCustomer1; }
    const char* GetCustomer2() const { return m_szCustomer2; }
    const char* GetQuotation() const { return m_szQuotation; }
    const char* GetNotes() const { return m_szNotes; }
    int GetMode() const { return m_nMode; }

    // Setters store the value unchanged; texts are cut to the 255 characters a field holds
    // (UTF-8 characters, never bytes: the six Print Information texts have room for any
    // 255 characters).
    void SetAspect(float fAspect) { m_fAspect = fAspect; }
    void SetUnit(int nUnit) { m_nUnit = nUnit; }
    void SetGain(float fGain) { m_fGain = fGain; }
    void SetLumUnit(const char* pszText);
    void SetDealer1(const char* pszText);
    void SetDealer2(const char* pszText);
    void SetCustomer1(const char* pszText);
    void SetCustomer2(const char* pszText);
    void SetQuotation(const char* pszText);
    void SetNotes(const char* pszText);

private:
    void CopyCatalogueRow(const SCatalogueRow& row);
    void CopyLensRow(const SLensRow& row);
    float PanelMillimetres(int nPixels) const;
    int ShiftAngles(float fAcross, float fAlong, float fOffsetA, float fOffsetB, float& fA1,
                    float& fA2, float& fA3, float& fA4) const;

    char m_szName[kCatalogueTextSize];
    char m_szClass[kCatalogueTextSize];
    float m_fThrowWide;
    float m_fThrowTele;
    float m_fMinDistance;
    float m_fMaxDistance;
    float m_fAspect;
    std::int32_t m_nUnit;
    float m_fLumWide;
    float m_fLumTele;
    float m_fLumens;
    char m_szLumUnit[kCatalogueTextSize];
    float m_fWidth;
    float m_fHeight;
    float m_fDiagonal;
    float m_fDistWide;
    float m_fDistTele;
    float m_fDistance;
    float m_fWidthWide;
    float m_fWidthTele;
    float m_fHeightWide;
    float m_fHeightTele;
    float m_fDiagWide;
    float m_fDiagTele;
    std::int32_t m_nNativeWidth;
    std::int32_t m_nNativeHeight;
    float m_fPixelPitch;
    float m_fLensRadius;
    float m_fLensReserved1;
    float m_fLensReserved2;
    float m_fHOffset1;
    float m_fHOffset2;
    float m_fVOffset1;
    float m_fVOffset2;
    std::int32_t m_nShiftCaps;
    float m_fGain;
    char m_szDealer2[kRecordTextSize];
    char m_szDealer1[kRecordTextSize];
    char m_szCustomer1[kRecordTextSize];
    char m_szCustomer2[kRecordTextSize];
    char m_szQuotation[kRecordTextSize];
    char m_szNotes[kRecordTextSize];
    std::int32_t m_nMode;
};
