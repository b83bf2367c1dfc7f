// Control ids of the "Room Check" window (template 180), named by role. The check
// lines are numbered in the order of ERoomLine (ui/RoomCheckDialog.h): line i has its
// mark at kIdFirstMark + i, its name at kIdFirstName + i and its text at
// kIdFirstLine + i.
#pragma once

namespace RoomCheckDlgIds
{
inline constexpr int kIdClose = 2;

inline constexpr int kIdLux = 1200;
inline constexpr int kIdNearest = 1201;
inline constexpr int kIdFarthest = 1202;
inline constexpr int kIdTolerance = 1203;
inline constexpr int kIdGain = 1204; // read-only: the main window's gain
inline constexpr int kIdNearestLabel = 1205;
inline constexpr int kIdFarthestLabel = 1206;
inline constexpr int kIdStatus = 1207; // what is checked, or why nothing is
inline constexpr int kIdLuxLabel = 1208;
inline constexpr int kIdToleranceLabel = 1209;

inline constexpr int kIdFirstMark = 1210; // 1210-1214
inline constexpr int kIdFirstName = 1220; // 1220-1224
inline constexpr int kIdFirstLine = 1230; // 1230-1234
} // namespace RoomCheckDlgIds
