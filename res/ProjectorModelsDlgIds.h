// Control ids of the "Projector Models" dialog (template 170), named by role. The
// field edits are numbered in the order of EProjectorField (ui/ProjectorFields.h):
// field i is kIdFirstField + i, and its label kIdFirstField + kLabelOffset + i. The
// derived values are read-only edits: the throw pair in use of aspect code a at
// kIdFirstUsedThrow + 2a (wide) and + 2a + 1 (tele); the shift angle of direction d
// (up, down, left, right) at kIdFirstAngle + 2d (wide end) and + 2d + 1 (tele end).
#pragma once

namespace ProjectorModelsDlgIds
{
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

inline constexpr int kIdList = 1100; // the own projectors, in file order
inline constexpr int kIdAdd = 1101;
inline constexpr int kIdDuplicate = 1102;
inline constexpr int kIdRemove = 1103;
inline constexpr int kIdImport = 1104;

inline constexpr int kIdFirstField = 1110;
inline constexpr int kIdName = 1110;
inline constexpr int kIdClass = 1111;
inline constexpr int kIdWidth = 1112;
inline constexpr int kIdHeight = 1113;
inline constexpr int kIdPitch = 1114;
inline constexpr int kIdLumens = 1115;
inline constexpr int kIdThrow43Wide = 1116;
inline constexpr int kIdThrow43Tele = 1117;
inline constexpr int kIdThrow169Wide = 1118;
inline constexpr int kIdThrow169Tele = 1119;
inline constexpr int kIdThrow235Wide = 1120;
inline constexpr int kIdThrow235Tele = 1121;
inline constexpr int kIdShiftUp = 1122;
inline constexpr int kIdShiftDown = 1123;
inline constexpr int kIdShiftLeft = 1124;
inline constexpr int kIdShiftRight = 1125;
inline constexpr int kIdDistanceMin = 1126;
inline constexpr int kIdDistanceMax = 1127;
inline constexpr int kIdPicture = 1128;
inline constexpr int kLabelOffset = 100;

inline constexpr int kIdChoosePicture = 1129;
inline constexpr int kIdOfImage = 1130;     // shift percent of the whole image
inline constexpr int kIdOfHalfImage = 1131; // of half the image
inline constexpr int kIdShiftNote = 1132;   // what 100 % means, or that the file's lens is kept

inline constexpr int kIdFirstUsedThrow = 1140; // 1140-1145, read-only
inline constexpr int kIdFirstAngle = 1146;     // 1146-1153, read-only, degrees at 16:9

inline constexpr int kIdStatus = 1160; // why OK is refused, what an import did
inline constexpr int kIdFile = 1161;   // the catalogue file
} // namespace ProjectorModelsDlgIds
