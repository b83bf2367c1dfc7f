// Control ids of the main dialog (template 102), named by role; its menu's command
// ids are in DialogTemplates.h. Ids are reused with other roles on other templates:
// use the names of the template a control belongs to. Used by the main dialog, the
// pages and the tests.
#pragma once

namespace LenvaraDlgIds
{
inline constexpr int kIdExit = 1; // hidden default button, never shown
inline constexpr int kIdModel = 1000;
inline constexpr int kIdMeters = 1002;
inline constexpr int kIdInches = 1003;
inline constexpr int kIdAspect4x3 = 1004;
inline constexpr int kIdAspect16x9 = 1005;
inline constexpr int kIdFeet = 1006;
inline constexpr int kIdAspect235 = 1007;
inline constexpr int kIdSheetPlace = 1008;   // the area the calculation sheet covers
inline constexpr int kIdPicturePlace = 1018; // hidden; also the id of the picture frame window
inline constexpr int kIdPreview = 1019;      // the preview window
inline constexpr int kIdPreviewPlace = 1026; // hidden
inline constexpr int kIdLogoPlace = 1029;    // hidden
inline constexpr int kIdPreviewFrame = 1030;
inline constexpr int kIdPictureFrame = 1031;
inline constexpr int kIdLumWideLabel = 1066;
inline constexpr int kIdLumUnitWide = 1067;
inline constexpr int kIdLumTeleLabel = 1068;
inline constexpr int kIdLumUnitTele = 1069;
inline constexpr int kIdLumWide = 1070;
inline constexpr int kIdLumTele = 1071;
inline constexpr int kIdGain = 1072;
inline constexpr int kIdGainLabel = 1073;
} // namespace LenvaraDlgIds
