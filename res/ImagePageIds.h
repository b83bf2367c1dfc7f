// Control ids of the "Projection Distance" page (template 129), named by role.
// Used by CPage_Image, the page saver and the tests.
#pragma once

namespace ImagePageIds
{
inline constexpr int kIdEnter = 1; // default button: calculate
inline constexpr int kIdWidth = 1009;
inline constexpr int kIdHeight = 1010;
inline constexpr int kIdDiagonal = 1011;
inline constexpr int kIdDistWide = 1012;
inline constexpr int kIdDistTele = 1013;
inline constexpr int kIdShift = 1046;
} // namespace ImagePageIds
