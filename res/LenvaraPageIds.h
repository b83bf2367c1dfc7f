// Control ids of the "Screen Dimensions" page (template 130), named by role. The
// numbers 1009-1013 mean other controls here than on the "Projection Distance"
// page. Used by CPage_Lenvara, the page saver and the tests.
#pragma once

namespace LenvaraPageIds
{
inline constexpr int kIdEnter = 1; // default button: calculate
inline constexpr int kIdWidthWide = 1009;
inline constexpr int kIdHeightWide = 1010;
inline constexpr int kIdDiagWide = 1011;
inline constexpr int kIdDistance = 1012; // the only input
inline constexpr int kIdDiagTele = 1013;
inline constexpr int kIdWidthTele = 1014;
inline constexpr int kIdHeightTele = 1015;
inline constexpr int kIdShift = 1045;
} // namespace LenvaraPageIds
