// Control ids of the About box (template 100), named by role.
#pragma once

namespace AboutDlgIds
{
inline constexpr int kIdOk = 1;
inline constexpr int kIdLogoPlace = 1017; // hidden
inline constexpr int kIdVersion = 1059;
inline constexpr int kIdLine2 = 1060;
} // namespace AboutDlgIds
