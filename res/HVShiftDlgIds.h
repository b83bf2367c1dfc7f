// Control ids of the Shift Calculator (template 161), named by role. Several
// numbers (1016-1019, 1027, 1031) mean other controls on the main dialog and the
// other templates. "Wa"/"Tp" are the wide and tele ends of the zoom, "Plus"/"Minus"
// the right or upper and the left or lower side.
#pragma once

namespace HVShiftDlgIds
{
inline constexpr int kIdOk = 1;         // closes; the two-group layout's button
inline constexpr int kIdOkOneGroup = 2; // closes; the one-group layout's button

inline constexpr int kIdHorzGroup = 1061;
inline constexpr int kIdHorzFrame = 1035;
inline constexpr int kIdHorzPlace = 1034; // hidden
inline constexpr int kIdHorzSlider = 1032;
inline constexpr int kIdVertGroup = 1063;
inline constexpr int kIdVertFrame = 1031;
inline constexpr int kIdVertPlace = 1027; // hidden
inline constexpr int kIdVertSlider = 1033;
inline constexpr int kIdView = 1036; // both shift views
inline constexpr int kIdHorzValues = 1062;
inline constexpr int kIdVertValues = 1064;
inline constexpr int kIdHorzValuesShort = 1065;
inline constexpr int kIdVertValuesShort = 1066;

// Labels and their read-only edits, horizontal group.
inline constexpr int kIdWaMaxWidthLabel = 1047;
inline constexpr int kIdWaMaxWidth = 1038;
inline constexpr int kIdWaMinWidthLabel = 1048;
inline constexpr int kIdWaMinWidth = 1039;
inline constexpr int kIdTpMaxWidthLabel = 1049;
inline constexpr int kIdTpMaxWidth = 1040;
inline constexpr int kIdTpMinWidthLabel = 1050;
inline constexpr int kIdTpMinWidth = 1041;
inline constexpr int kIdWaHorzCenterLabel = 1057;
inline constexpr int kIdWaHorzCenter = 1042;
inline constexpr int kIdTpHorzCenterLabel = 1056;
inline constexpr int kIdTpHorzCenter = 1045;

// Vertical group.
inline constexpr int kIdWaMaxHeightLabel = 1051;
inline constexpr int kIdWaMaxHeight = 1043;
inline constexpr int kIdWaMinHeightLabel = 1052;
inline constexpr int kIdWaMinHeight = 1044;
inline constexpr int kIdTpMaxHeightLabel = 1053;
inline constexpr int kIdTpMaxHeight = 1016;
inline constexpr int kIdTpMinHeightLabel = 1054;
inline constexpr int kIdTpMinHeight = 1017;
inline constexpr int kIdWaVertCenterLabel = 1058;
inline constexpr int kIdWaVertCenter = 1018;
inline constexpr int kIdTpVertCenterLabel = 1055;
inline constexpr int kIdTpVertCenter = 1019;
} // namespace HVShiftDlgIds
