// The current-model record: loading from the catalogue tables, the screen
// geometry and throw distances, the screen luminance and the lens-shift limits.
//
// Inputs are lengths in the record's unit, the gain, and the catalogue fields
// loaded by LoadModel (throw ratios, panel pixels and pitch in micrometres, lens
// radius and offsets in millimetres). Results are stored back into the record
// and handed to the caller. Used by CLenvaraEngine and, through it, by the
// pages, the shift calculator and the report.
#include "model/TarsioModel.h"

#include "model/CatalogueRows.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <string_view>

namespace
{

// Luminance unit factors by exact bit pattern: 144 pi for inches, pi for feet.
constexpr float kInchLumFactor = std::bit_cast<float>(0x43E231D7u); // 452.38937
constexpr float kFeetLumFactor = std::bit_cast<float>(0x40490FDBu); // 3.1415927
constexpr std::uint32_t kPanelBits848x480 = 0x3FE22222u;            // 53/30
constexpr double kPi = 3.141592653589793;
constexpr double kDegreesPerRadian = 57.29577951308232;

// Copies at most 255 characters, whole ones, and always terminates; a null text
// empties the field.
template <std::size_t N> void CopyText(char (&szField)[N], const char* pszText)
{
    if (pszText == nullptr)
    {
        szField[0] = '\0';
        return;
    }
    const std::string_view text(pszText, strnlen(pszText, N));
    const std::size_t n = Utf8PrefixBytes(text, kRecordTextChars, N - 1);
    std::memcpy(szField, pszText, n);
    szField[n] = '\0';
}

// Whole names, byte for byte: no prefix match, case and blanks significant.
bool NameMatches(const char (&szRowName)[kCatalogueTextSize], const char* pszName)
{
    return std::strcmp(szRowName, pszName) == 0;
}

float SquareRoot(float fValue)
{
    return static_cast<float>(std::pow(static_cast<double>(fValue), 0.5));
}

bool AllFinite(std::initializer_list<float> values)
{
    for (float f : values)
    {
        if (!std::isfinite(f))
            return false;
    }
    return true;
}

float DegreesOf(float fRoom, float fFocal)
{
    return static_cast<float>(std::atan(static_cast<double>(fRoom / fFocal)) * kDegreesPerRadian);
}

} // namespace

CTarsioModel::CTarsioModel()
{
    // A plain record: zero every field, which also empties every text.
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
}

int CTarsioModel::LoadCatalogueRow(const char* pszName, int nAspectCode)
{
    if (pszName == nullptr)
        return 0;
    for (const SCatalogueRow& row : GetCatalogueRows().main)
    {
        if (!NameMatches(row.szName, pszName) || row.nAspectCode != nAspectCode)
            continue;
        CopyCatalogueRow(row);
        return 1;
    }
    return 0;
}

void CTarsioModel::CopyCatalogueRow(const SCatalogueRow& row)
{
    std::memcpy(m_szName, row.szName, sizeof(m_szName));
    m_szName[kCatalogueTextSize - 1] = '\0';
    std::memcpy(m_szClass, row.szClass, sizeof(m_szClass));
    m_szClass[kCatalogueTextSize - 1] = '\0';
    m_fThrowWide = row.fThrowWide;
    m_fThrowTele = row.fThrowTele;
    m_fMinDistance = row.fMinDistance;
    m_fMaxDistance = row.fMaxDistance;
    m_fAspect = row.fAspect;
    m_nUnit = row.nUnit;
    m_nNativeWidth = row.nNativeWidth;
    m_nNativeHeight = row.nNativeHeight;
    m_fPixelPitch = row.fPixelPitch;
    m_nShiftCaps = row.nShiftCaps;
    m_fLumens = row.fLumens;
}

int CTarsioModel::LoadLensRow(const char* pszName, int nAspectCode)
{
    if (pszName == nullptr)
        return 0;
    for (const SLensRow& row : GetCatalogueRows().lens)
    {
        if (!NameMatches(row.szName, pszName) || row.nAspectCode != nAspectCode)
            continue;
        CopyLensRow(row);
        return 1;
    }
    return 0;
}

void CTarsioModel::CopyLensRow(const SLensRow& row)
{
    m_fLensRadius = row.fLensRadius;
    m_fLensReserved1 = row.fReserved1;
    m_fLensReserved2 = row.fReserved2;
    m_fHOffset1 = row.fHOffset1;
    m_fHOffset2 = row.fHOffset2;
    m_fVOffset1 = row.fVOffset1;
    m_fVOffset2 = row.fVOffset2;
}

void CTarsioModel::LoadRows(const SCatalogueRow& row, const SLensRow& lens)
{
    CopyCatalogueRow(row);
    CopyLensRow(lens);
}

int CTarsioModel::LoadModel(const char* pszName, int nAspectCode)
{
    if (!LoadCatalogueRow(pszName, nAspectCode))
        return 0;
    return LoadLensRow(pszName, nAspectCode) ? 1 : 0;
}

int CTarsioModel::FindPictureId(const char* pszName) const
{
    if (pszName == nullptr || pszName[0] == '\0')
        return 0;
    for (const SCatalogueRow& row : GetCatalogueRows().main)
    {
        if (NameMatches(row.szName, pszName))
            return row.nBitmapId;
    }
    return -1;
}

bool CTarsioModel::IsInDistanceRange(float fDistance) const
{
    // Both limits 0: a model (of the user's own) without a distance range.
    if (m_fMinDistance == 0.0f && m_fMaxDistance == 0.0f)
        return true;
    return m_fMinDistance <= fDistance && fDistance <= m_fMaxDistance;
}

int CTarsioModel::SizeToDistance(float& fWidth, float& fHeight, float& fDiagonal, float& fDistWide,
                                 float& fDistTele, float& fLumWide, float& fLumTele)
{
    const float a = m_fAspect;
    float w = 0.0f;
    float fEntered = 0.0f;
    if (fWidth != 0.0f)
    {
        w = fWidth;
        fEntered = fWidth;
    }
    else if (fHeight != 0.0f)
    {
        w = a * fHeight;
        fEntered = fHeight;
    }
    else if (fDiagonal != 0.0f)
    {
        w = fDiagonal / SquareRoot(1.0f / (a * a) + 1.0f);
        fEntered = fDiagonal;
    }
    else
    {
        return 0;
    }
    const float h = w / a;
    const float d = SquareRoot(w * w + h * h);
    const float distWide = m_fThrowWide * w;
    const float distTele = m_fThrowTele * w;
    const float lum = ScreenLuminance(w, h);
    // An entry such as 1e999, or a size whose square overflows, fails as a whole.
    if (!AllFinite({fEntered, w, h, d, distWide, distTele, lum}))
        return 0;

    fWidth = w;
    fHeight = h;
    fDiagonal = d;
    fDistWide = distWide;
    fDistTele = distTele;
    m_fWidth = w;
    m_fHeight = h;
    m_fDiagonal = d;
    m_fDistWide = distWide;
    m_fDistTele = distTele;
    m_nMode = 0;
    m_fLumWide = lum;
    m_fLumTele = lum;
    fLumWide = m_fLumWide;
    fLumTele = m_fLumTele;
    return 1;
}

int CTarsioModel::DistanceToSize(float fDistance, float& fWidthWide, float& fWidthTele,
                                 float& fHeightWide, float& fHeightTele, float& fDiagWide,
                                 float& fDiagTele, float& fLumWide, float& fLumTele)
{
    if (fDistance == 0.0f)
        return 0;
    const float a = m_fAspect;
    const float wWide = fDistance / m_fThrowWide;
    const float wTele = fDistance / m_fThrowTele;
    const float hWide = wWide / a;
    const float hTele = wTele / a;
    const float dWide = SquareRoot(wWide * wWide + hWide * hWide);
    const float dTele = SquareRoot(wTele * wTele + hTele * hTele);
    const float lumTele = ScreenLuminance(wTele, hTele);
    const float lumWide = ScreenLuminance(wWide, hWide);
    if (!AllFinite({fDistance, wWide, wTele, hWide, hTele, dWide, dTele, lumWide, lumTele}))
        return 0;

    fWidthWide = wWide;
    fWidthTele = wTele;
    fHeightWide = hWide;
    fHeightTele = hTele;
    fDiagWide = dWide;
    fDiagTele = dTele;
    m_fDistance = fDistance;
    m_fWidthWide = wWide;
    m_fWidthTele = wTele;
    m_fHeightWide = hWide;
    m_fHeightTele = hTele;
    m_fDiagWide = dWide;
    m_fDiagTele = dTele;
    m_nMode = 1;
    m_fLumTele = lumTele;
    m_fLumWide = lumWide;
    fLumWide = m_fLumWide;
    fLumTele = m_fLumTele;
    return 1;
}

float PanelFillFactor(int nNativeWidth, int nNativeHeight, float fAspect)
{
    const float p = nNativeHeight != 0
                        ? static_cast<float>(static_cast<double>(nNativeWidth) / nNativeHeight)
                        : 0.0f;
    const std::uint32_t pBits = std::bit_cast<std::uint32_t>(p);
    const std::uint32_t sBits = std::bit_cast<std::uint32_t>(fAspect);

    // First match wins.
    if (pBits == sBits)
        return 1.0f;
    if (pBits == kAspectBits16x9 && sBits == kAspectBits235)
        return 1.0f;
    if (pBits == kAspectBits4x3 && sBits == kAspectBits235)
        return 0.75f;
    if (pBits == kAspectBits16x9 && sBits == kAspectBits4x3)
        return 0.75f;
    if (pBits == kAspectBits4x3 && sBits == kAspectBits16x9)
        return 0.75f;
    if (pBits == kPanelBits848x480 && sBits == kAspectBits4x3)
        return 0.75f;
    return 1.0f;
}

float CTarsioModel::ScreenLuminance(float fWidth, float fHeight) const
{
    const float k = PanelFillFactor(m_nNativeWidth, m_nNativeHeight, m_fAspect);

    float u = 1.0f;
    if (m_nUnit == 1)
        u = kInchLumFactor;
    else if (m_nUnit == 2)
        u = kFeetLumFactor;
    const float ku = k * u;

    const double dLum = static_cast<double>(ku) * static_cast<double>(m_fGain) *
                        static_cast<double>(m_fLumens) /
                        (static_cast<double>(fWidth) * static_cast<double>(fHeight) * kPi);
    return static_cast<float>(dLum);
}

// The panel sits in the lens image circle; the room between the panel's edge and the
// circle, less the mechanical offset on each side, is the shift travel, seen as an
// angle from a lens whose focal length is the panel width times the throw ratio.
// fAcross is the panel side along the shift, fAlong the other side (millimetres).
int CTarsioModel::ShiftAngles(float fAcross, float fAlong, float fOffsetA, float fOffsetB,
                              float& fA1, float& fA2, float& fA3, float& fA4) const
{
    const float fPanelWidth = PanelMillimetres(m_nNativeWidth);
    const float fFocalWide = fPanelWidth * m_fThrowWide;
    const float fFocalTele = fPanelWidth * m_fThrowTele;
    const float fChord = SquareRoot(4.0f * m_fLensRadius * m_fLensRadius - fAlong * fAlong);
    const float fRoomA = (fChord - fAcross) * 0.5f - fOffsetA;
    const float fRoomB = (fChord - fAcross) * 0.5f - fOffsetB;
    const float a1 = DegreesOf(fRoomA, fFocalWide);
    const float a2 = DegreesOf(fRoomB, fFocalWide);
    const float a3 = DegreesOf(fRoomA, fFocalTele);
    const float a4 = DegreesOf(fRoomB, fFocalTele);
    if (!AllFinite({a1, a2, a3, a4}))
        return 0;
    fA1 = a1;
    fA2 = a2;
    fA3 = a3;
    fA4 = a4;
    return 1;
}

float CTarsioModel::PanelMillimetres(int nPixels) const
{
    return static_cast<float>(nPixels * m_fPixelPitch * 0.001);
}

int CTarsioModel::HorizontalShiftLimits(float& fA1, float& fA2, float& fA3, float& fA4) const
{
    return ShiftAngles(PanelMillimetres(m_nNativeWidth), PanelMillimetres(m_nNativeHeight),
                       m_fHOffset1, m_fHOffset2, fA1, fA2, fA3, fA4);
}

int CTarsioModel::VerticalShiftLimits(float& fA1, float& fA2, float& fA3, float& fA4) const
{
    // Vertically, room A is bounded by the second offset and room B by the first.
    return ShiftAngles(PanelMillimetres(m_nNativeHeight), PanelMillimetres(m_nNativeWidth),
                       m_fVOffset2, m_fVOffset1, fA1, fA2, fA3, fA4);
}

void CTarsioModel::SetLumUnit(const char* pszText)
{
    CopyText(m_szLumUnit, pszText);
}
void CTarsioModel::SetDealer1(const char* pszText)
{
    CopyText(m_szDealer1, pszText);
}
void CTarsioModel::SetDealer2(const char* pszText)
{
    CopyText(m_szDealer2, pszText);
}
void CTarsioModel::SetCustomer1(const char* pszText)
{
    CopyText(m_szCustomer1, pszText);
}
void CTarsioModel::SetCustomer2(const char* pszText)
{
    CopyText(m_szCustomer2, pszText);
}
void CTarsioModel::SetQuotation(const char* pszText)
{
    CopyText(m_szQuotation, pszText);
}
void CTarsioModel::SetNotes(const char* pszText)
{
    CopyText(m_szNotes, pszText);
}
