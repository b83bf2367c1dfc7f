#include "DialogTemplates.h"

#include "HVShiftDlgIds.h"
#include "ProjectorModelsDlgIds.h"
#include "RoomCheckDlgIds.h"

#include <cstddef>

namespace
{
using K = EControlKind;
constexpr unsigned kHidden = kCsHidden;
constexpr unsigned kRoRight = kCsReadOnly | kCsRight;

constexpr SControlTemplate kAbout[] = {
    {1017, K::Static, "", 10, 10, 73, 29, kHidden},
    {1059, K::Static, "", 97, 10, 190, 8, kCsNone},
    {1060, K::Static, "", 97, 31, 119, 8, kCsNone},
    {1, K::PushButton, "OK", 252, 26, 32, 14, kCsDefault | kCsTabStop},
};

constexpr SControlTemplate kMain[] = {
    {kIdStatic, K::GroupBox, "Model", 5, 10, 145, 35, kCsNone},
    {1000, K::ComboDropDown, "", 10, 24, 135, 75, kCsTabStop},
    {kIdStatic, K::GroupBox, "Units", 5, 55, 145, 35, kCsNone},
    {1002, K::RadioButton, "Meters", 10, 70, 0, 0, kCsTabStop},
    {1003, K::RadioButton, "Inches", 60, 70, 0, 0, kCsTabStop},
    {1006, K::RadioButton, "Feet", 110, 70, 0, 0, kCsTabStop},
    {kIdStatic, K::GroupBox, "Aspect Ratio", 5, 95, 145, 35, kCsNone},
    {1007, K::RadioButton, "2.35:1", 10, 110, 0, 0, kCsTabStop},
    {1004, K::RadioButton, "4:3", 60, 110, 0, 0, kCsTabStop},
    {1005, K::RadioButton, "16:9", 110, 110, 0, 0, kCsTabStop},
    {1031, K::GroupBox, "", 5, 135, 145, 140, kCsNone},
    {1018, K::Static, "", 8, 142, 139, 130, kHidden},
    {1030, K::GroupBox, "", 165, 10, 135, 120, kCsNone},
    {1026, K::Static, "", 168, 17, 129, 110, kHidden},
    {1029, K::Static, "", 305, 15, 100, 40, kHidden},
    {kIdStatic, K::GroupBox, "Expected Screen Luminance", 307, 63, 100, 63, kCsNone},
    {1073, K::Static, "Gain", 313, 79, 0, 0, kCsNone},
    {1072, K::Edit, "", 338, 77, 42, 12, kCsTabStop},
    {1066, K::Static, "Wide", 313, 95, 0, 0, kCsNone},
    {1070, K::Edit, "", 338, 93, 42, 12, kCsReadOnly | kCsTabStop},
    {1067, K::Static, "", 385, 95, 20, 8, kCsNone},
    {1068, K::Static, "Tele", 313, 111, 0, 0, kCsNone},
    {1071, K::Edit, "", 338, 109, 42, 12, kCsReadOnly | kCsTabStop},
    {1069, K::Static, "", 385, 111, 20, 8, kCsNone},
    {1008, K::Frame, "", 160, 130, 250, 149, kCsNone},
    {1, K::PushButton, "Exit", 357, 134, 50, 14, kCsDefault | kHidden},
};

constexpr SControlTemplate kImagePage[] = {
    {1, K::PushButton, "Enter", 165, 5, 50, 12, kCsDefault | kCsTabStop},
    {1046, K::PushButton, "Shift", 165, 20, 50, 12, kCsTabStop},
    {kIdStatic, K::GroupBox, "Screen Size", 5, 15, 130, 75, kCsNone},
    {kIdStatic, K::Static, "Width", 15, 32, 0, 0, kCsNone},
    {1009, K::Edit, "", 80, 30, 50, 12, kCsTabStop},
    {kIdStatic, K::Static, "Height", 15, 52, 0, 0, kCsNone},
    {1010, K::Edit, "", 80, 50, 50, 12, kCsTabStop},
    {kIdStatic, K::Static, "Diagonal", 15, 72, 0, 0, kCsNone},
    {1011, K::Edit, "", 80, 70, 50, 12, kCsTabStop},
    {kIdStatic, K::Static, "Wide", 80, 95, 0, 0, kCsNone},
    {kIdStatic, K::Static, "Tele", 165, 95, 0, 0, kCsNone},
    {kIdStatic, K::Static, "Projection Distance", 5, 107, 0, 0, kCsNone},
    {1012, K::Edit, "", 80, 105, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "To", 141, 107, 0, 0, kCsNone},
    {1013, K::Edit, "", 165, 105, 50, 12, kRoRight | kCsTabStop},
};

constexpr SControlTemplate kLenvaraPage[] = {
    {1, K::PushButton, "Enter", 165, 5, 50, 12, kCsDefault | kCsTabStop},
    {1045, K::PushButton, "Shift", 165, 20, 50, 12, kCsTabStop},
    {kIdStatic, K::Static, "Projection Distance", 5, 14, 0, 0, kCsNone},
    {1012, K::Edit, "", 80, 12, 50, 12, kCsTabStop},
    {kIdStatic, K::GroupBox, "Screen Size", 5, 35, 220, 85, kCsNone},
    {kIdStatic, K::Static, "Tele", 80, 48, 0, 0, kCsNone},
    {kIdStatic, K::Static, "Wide", 165, 48, 0, 0, kCsNone},
    {kIdStatic, K::Static, "Width", 12, 62, 0, 0, kCsNone},
    {1014, K::Edit, "", 80, 60, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "To", 141, 62, 0, 0, kCsNone},
    {1009, K::Edit, "", 165, 60, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "Height", 12, 82, 0, 0, kCsNone},
    {1015, K::Edit, "", 80, 80, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "To", 141, 82, 0, 0, kCsNone},
    {1010, K::Edit, "", 165, 80, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "Diagonal", 12, 102, 0, 0, kCsNone},
    {1013, K::Edit, "", 80, 100, 50, 12, kRoRight | kCsTabStop},
    {kIdStatic, K::Static, "To", 141, 102, 0, 0, kCsNone},
    {1011, K::Edit, "", 165, 100, 50, 12, kRoRight | kCsTabStop},
};

constexpr SControlTemplate kPrintInfo[] = {
    {kIdStatic, K::GroupBox, "Dealer", 10, 5, 130, 55, kCsNone},
    {1021, K::Edit, "", 40, 19, 95, 14, kCsDisabled},
    {1022, K::Edit, "", 40, 37, 95, 14, kCsDisabled},
    {1017, K::Static, "", 145, 30, 75, 30, kHidden},
    {kIdStatic, K::GroupBox, "Customer", 10, 65, 210, 55, kCsNone},
    {1023, K::Edit, "", 40, 81, 175, 14, kCsTabStop},
    {1024, K::Edit, "", 40, 97, 175, 14, kCsTabStop},
    {kIdStatic, K::GroupBox, "Quotation", 10, 125, 210, 35, kCsNone},
    {1025, K::Edit, "", 40, 137, 175, 14, kCsTabStop},
    {kIdStatic, K::GroupBox, "Notes", 10, 164, 210, 35, kCsNone},
    {1026, K::Edit, "", 40, 176, 175, 14, kCsTabStop},
    {1, K::PushButton, "OK", 110, 210, 50, 14, kCsDefault | kCsTabStop},
    {2, K::PushButton, "Cancel", 165, 210, 50, 14, kCsTabStop},
};

// The Shift Calculator. Its values are read-only edits of 40 x 12 units, one row
// every 12 units, each with a label wide enough for the longer "WA/TP ..." texts in
// the dialog font.
namespace Hv = HVShiftDlgIds;
constexpr unsigned kValue = kCsReadOnly | kCsRight | kCsTabStop;
constexpr SControlTemplate kHVShift[] = {
    {Hv::kIdHorzGroup, K::GroupBox, "Horizontal Shift", 5, 7, 172, 133, kCsNone},
    {Hv::kIdHorzFrame, K::Frame, "", 10, 15, 135, 120, kCsNone},
    {Hv::kIdHorzPlace, K::Static, "", 13, 22, 129, 110, kHidden},
    {Hv::kIdHorzSlider, K::TrackBar, "", 149, 20, 20, 115, kCsTabStop},
    {Hv::kIdVertGroup, K::GroupBox, "Vertical Shift", 183, 7, 172, 133, kCsNone},
    {Hv::kIdVertFrame, K::Frame, "", 193, 15, 135, 120, kCsNone},
    {Hv::kIdVertPlace, K::Static, "", 196, 22, 129, 110, kHidden},
    {Hv::kIdVertSlider, K::TrackBar, "", 330, 20, 20, 115, kCsTabStop},
    {Hv::kIdHorzValues, K::GroupBox, "", 5, 140, 172, 95, kCsNone},
    {Hv::kIdVertValues, K::GroupBox, "", 183, 140, 172, 95, kCsNone},
    {Hv::kIdHorzValuesShort, K::GroupBox, "", 5, 140, 172, 56, kCsNone},
    {Hv::kIdVertValuesShort, K::GroupBox, "", 183, 140, 172, 56, kCsNone},
    {Hv::kIdWaMaxWidthLabel, K::Static, "WA maximum half width", 12, 155, 115, 8, kCsNone},
    {Hv::kIdWaMaxWidth, K::Edit, "", 128, 155, 40, 12, kValue},
    {Hv::kIdWaMinWidthLabel, K::Static, "WA minimum half width", 12, 168, 115, 8, kCsNone},
    {Hv::kIdWaMinWidth, K::Edit, "", 128, 167, 40, 12, kValue},
    {Hv::kIdTpMaxWidthLabel, K::Static, "TP maximum half width", 12, 181, 115, 8, kCsNone},
    {Hv::kIdTpMaxWidth, K::Edit, "", 128, 179, 40, 12, kValue},
    {Hv::kIdTpMinWidthLabel, K::Static, "TP minimum half width", 12, 194, 115, 8, kCsNone},
    {Hv::kIdTpMinWidth, K::Edit, "", 128, 191, 40, 12, kValue},
    {Hv::kIdWaHorzCenterLabel, K::Static, "WA horizontal center distance", 12, 207, 115, 8,
     kCsNone},
    {Hv::kIdWaHorzCenter, K::Edit, "", 128, 203, 40, 12, kValue},
    {Hv::kIdTpHorzCenterLabel, K::Static, "TP horizontal center distance", 12, 219, 115, 8,
     kCsNone},
    {Hv::kIdTpHorzCenter, K::Edit, "", 128, 215, 40, 12, kValue},
    {Hv::kIdWaMaxHeightLabel, K::Static, "WA maximum half height", 195, 155, 112, 8, kCsNone},
    {Hv::kIdWaMaxHeight, K::Edit, "", 308, 155, 40, 12, kValue},
    {Hv::kIdWaMinHeightLabel, K::Static, "WA minimum half height", 195, 168, 112, 8, kCsNone},
    {Hv::kIdWaMinHeight, K::Edit, "", 308, 167, 40, 12, kValue},
    {Hv::kIdTpMaxHeightLabel, K::Static, "TP maximum half height", 195, 181, 112, 8, kCsNone},
    {Hv::kIdTpMaxHeight, K::Edit, "", 308, 179, 40, 12, kValue},
    {Hv::kIdTpMinHeightLabel, K::Static, "TP minimum half height", 195, 194, 112, 8, kCsNone},
    {Hv::kIdTpMinHeight, K::Edit, "", 308, 191, 40, 12, kValue},
    {Hv::kIdWaVertCenterLabel, K::Static, "WA vertical center distance", 195, 207, 112, 8, kCsNone},
    {Hv::kIdWaVertCenter, K::Edit, "", 308, 203, 40, 12, kValue},
    {Hv::kIdTpVertCenterLabel, K::Static, "TP vertical center distance", 195, 219, 112, 8, kCsNone},
    {Hv::kIdTpVertCenter, K::Edit, "", 308, 215, 40, 12, kValue},
    {Hv::kIdOk, K::PushButton, "OK", 294, 241, 51, 12, kCsDefault | kCsTabStop},
    {Hv::kIdOkOneGroup, K::PushButton, "OK", 118, 240, 51, 12, kCsTabStop},
};

// "Projector Models": the list of own projectors on the left, the fields of the
// selected one on the right, each label with its unit and range. The table order is
// the tab order: list, its buttons, the fields top to bottom, OK, Cancel. The
// derived values (read-only, no tab stop) stand right of the fields they follow from.
namespace Pm = ProjectorModelsDlgIds;
constexpr unsigned kEdit = kCsTabStop;
constexpr unsigned kDerived = kCsReadOnly | kCsRight;
constexpr int kLbl = Pm::kLabelOffset;
constexpr SControlTemplate kProjectorModels[] = {
    {Pm::kIdList, K::Static, "", 7, 7, 130, 243, kCsTabStop},
    {Pm::kIdAdd, K::PushButton, "&Add", 7, 254, 63, 14, kCsTabStop},
    {Pm::kIdDuplicate, K::PushButton, "&Duplicate", 74, 254, 63, 14, kCsTabStop},
    {Pm::kIdRemove, K::PushButton, "Re&move", 7, 271, 63, 14, kCsTabStop},
    {Pm::kIdImport, K::PushButton, "&Import…", 74, 271, 63, 14, kCsTabStop},

    {Pm::kIdName + kLbl, K::Static, "&Name", 147, 9, 40, 8, kCsNone},
    {Pm::kIdName, K::Edit, "", 190, 7, 150, 12, kEdit},
    {Pm::kIdClass + kLbl, K::Static, "Cla&ss", 350, 9, 28, 8, kCsNone},
    {Pm::kIdClass, K::Edit, "", 380, 7, 90, 12, kEdit},
    {Pm::kIdWidth + kLbl, K::Static, "Panel &width (px, 1–16384)", 147, 25, 105, 8, kCsNone},
    {Pm::kIdWidth, K::Edit, "", 255, 23, 45, 12, kEdit},
    {Pm::kIdHeight + kLbl, K::Static, "Panel h&eight (px, 1–16384)", 310, 25, 110, 8, kCsNone},
    {Pm::kIdHeight, K::Edit, "", 425, 23, 45, 12, kEdit},
    {Pm::kIdPitch + kLbl, K::Static, "Pi&xel pitch (µm, 1–100)", 147, 41, 105, 8, kCsNone},
    {Pm::kIdPitch, K::Edit, "", 255, 39, 45, 12, kEdit},
    {Pm::kIdLumens + kLbl, K::Static, "&Lumens (1–100000)", 310, 41, 110, 8, kCsNone},
    {Pm::kIdLumens, K::Edit, "", 425, 39, 45, 12, kEdit},

    {kIdStatic, K::GroupBox, "Throw ratio: distance ÷ image width (0.05–20; empty = derived)", 143,
     55, 330, 76, kCsNone},
    {kIdStatic, K::Static, "Wide", 190, 68, 40, 8, kCsNone},
    {kIdStatic, K::Static, "Tele", 235, 68, 40, 8, kCsNone},
    {kIdStatic, K::Static, "In use: wide", 325, 68, 55, 8, kCsNone},
    {kIdStatic, K::Static, "tele", 385, 68, 40, 8, kCsNone},
    {Pm::kIdThrow43Wide + kLbl, K::Static, "&4:3", 152, 80, 35, 8, kCsNone},
    {Pm::kIdThrow43Wide, K::Edit, "", 190, 78, 40, 12, kEdit},
    {Pm::kIdThrow43Tele, K::Edit, "", 235, 78, 40, 12, kEdit},
    {Pm::kIdFirstUsedThrow + 0, K::Edit, "", 325, 78, 40, 12, kDerived},
    {Pm::kIdFirstUsedThrow + 1, K::Edit, "", 370, 78, 40, 12, kDerived},
    {Pm::kIdThrow169Wide + kLbl, K::Static, "1&6:9", 152, 96, 35, 8, kCsNone},
    {Pm::kIdThrow169Wide, K::Edit, "", 190, 94, 40, 12, kEdit},
    {Pm::kIdThrow169Tele, K::Edit, "", 235, 94, 40, 12, kEdit},
    {Pm::kIdFirstUsedThrow + 2, K::Edit, "", 325, 94, 40, 12, kDerived},
    {Pm::kIdFirstUsedThrow + 3, K::Edit, "", 370, 94, 40, 12, kDerived},
    {Pm::kIdThrow235Wide + kLbl, K::Static, "&2.35:1", 152, 112, 35, 8, kCsNone},
    {Pm::kIdThrow235Wide, K::Edit, "", 190, 110, 40, 12, kEdit},
    {Pm::kIdThrow235Tele, K::Edit, "", 235, 110, 40, 12, kEdit},
    {Pm::kIdFirstUsedThrow + 4, K::Edit, "", 325, 110, 40, 12, kDerived},
    {Pm::kIdFirstUsedThrow + 5, K::Edit, "", 370, 110, 40, 12, kDerived},

    {kIdStatic, K::GroupBox, "Lens shift: % of the image height (up, down) or width (0–200)", 143,
     135, 330, 98, kCsNone},
    {Pm::kIdOfImage, K::RadioButton, "of ima&ge", 152, 148, 0, 0, kCsTabStop},
    {Pm::kIdOfHalfImage, K::RadioButton, "of &half image", 200, 148, 0, 0, kCsTabStop},
    {Pm::kIdShiftNote, K::Static, "", 265, 145, 203, 16, kCsNone},
    {kIdStatic, K::Static, "%", 190, 164, 40, 8, kCsNone},
    {kIdStatic, K::Static, "At 16:9: WA (°)", 325, 164, 55, 8, kCsNone},
    {kIdStatic, K::Static, "TP (°)", 385, 164, 40, 8, kCsNone},
    {Pm::kIdShiftUp + kLbl, K::Static, "&Up", 152, 176, 35, 8, kCsNone},
    {Pm::kIdShiftUp, K::Edit, "", 190, 174, 40, 12, kEdit},
    {Pm::kIdFirstAngle + 0, K::Edit, "", 325, 174, 40, 12, kDerived},
    {Pm::kIdFirstAngle + 1, K::Edit, "", 370, 174, 40, 12, kDerived},
    {Pm::kIdShiftDown + kLbl, K::Static, "D&own", 152, 190, 35, 8, kCsNone},
    {Pm::kIdShiftDown, K::Edit, "", 190, 188, 40, 12, kEdit},
    {Pm::kIdFirstAngle + 2, K::Edit, "", 325, 188, 40, 12, kDerived},
    {Pm::kIdFirstAngle + 3, K::Edit, "", 370, 188, 40, 12, kDerived},
    {Pm::kIdShiftLeft + kLbl, K::Static, "Le&ft", 152, 204, 35, 8, kCsNone},
    {Pm::kIdShiftLeft, K::Edit, "", 190, 202, 40, 12, kEdit},
    {Pm::kIdFirstAngle + 4, K::Edit, "", 325, 202, 40, 12, kDerived},
    {Pm::kIdFirstAngle + 5, K::Edit, "", 370, 202, 40, 12, kDerived},
    {Pm::kIdShiftRight + kLbl, K::Static, "&Right", 152, 218, 35, 8, kCsNone},
    {Pm::kIdShiftRight, K::Edit, "", 190, 216, 40, 12, kEdit},
    {Pm::kIdFirstAngle + 6, K::Edit, "", 325, 216, 40, 12, kDerived},
    {Pm::kIdFirstAngle + 7, K::Edit, "", 370, 216, 40, 12, kDerived},

    {Pm::kIdDistanceMin + kLbl, K::Static, "Dis&tance (m, 0.01–1000; empty = none)", 147, 241, 140,
     8, kCsNone},
    {Pm::kIdDistanceMin, K::Edit, "", 290, 239, 45, 12, kEdit},
    {kIdStatic, K::Static, "to", 341, 241, 12, 8, kCsNone},
    {Pm::kIdDistanceMax, K::Edit, "", 355, 239, 45, 12, kEdit},
    {Pm::kIdPicture + kLbl, K::Static, "&Picture", 147, 257, 40, 8, kCsNone},
    {Pm::kIdPicture, K::Edit, "", 190, 255, 225, 12, kEdit},
    {Pm::kIdChoosePicture, K::PushButton, "&Choose…", 420, 254, 50, 14, kCsTabStop},

    {Pm::kIdFile, K::Static, "", 147, 273, 323, 8, kCsNone},
    {Pm::kIdStatus, K::Static, "", 7, 290, 350, 16, kCsNone},
    {Pm::kIdOk, K::PushButton, "OK", 365, 291, 50, 14, kCsDefault | kCsTabStop},
    {Pm::kIdCancel, K::PushButton, "Cancel", 420, 291, 50, 14, kCsTabStop},
};

// "Room Check": the room's figures at the top (the table order is the tab order:
// ambient light, nearest seat, farthest seat, tolerance, then Close), the gain of the
// main window beside them, what is checked, then one line per check: its name with its
// mark below, and its text, which wraps onto up to four lines.
namespace Rc = RoomCheckDlgIds;
constexpr int kRow = 34; // dialog units from one check line to the next
constexpr int kRow0 = 92;
constexpr int kRoomWidth = 340;
constexpr int kLineWidth = kRoomWidth - 75;
constexpr SControlTemplate kRoomCheck[] = {
    {kIdStatic, K::GroupBox, "Room", 5, 4, kRoomWidth - 10, 62, kCsNone},
    {Rc::kIdLuxLabel, K::Static, "&Ambient light (lux)", 12, 18, 80, 8, kCsNone},
    {Rc::kIdLux, K::Edit, "0", 92, 16, 45, 12, kCsTabStop},
    {Rc::kIdNearestLabel, K::Static, "&Nearest seat (m)", 12, 34, 80, 8, kCsNone},
    {Rc::kIdNearest, K::Edit, "", 92, 32, 45, 12, kCsTabStop},
    {Rc::kIdFarthestLabel, K::Static, "&Farthest seat (m)", 12, 50, 80, 8, kCsNone},
    {Rc::kIdFarthest, K::Edit, "", 92, 48, 45, 12, kCsTabStop},
    {Rc::kIdToleranceLabel, K::Static, "&Tolerance (%)", 160, 18, 75, 8, kCsNone},
    {Rc::kIdTolerance, K::Edit, "5", 238, 16, 45, 12, kCsTabStop},
    {kIdStatic, K::Static, "Gain (main window)", 160, 34, 75, 8, kCsNone},
    {Rc::kIdGain, K::Edit, "", 238, 32, 45, 12, kCsReadOnly | kCsRight},
    {kIdStatic, K::Static, "Empty seats are not checked.", 160, 50, 170, 8, kCsNone},
    {Rc::kIdStatus, K::Static, "", 7, 70, kRoomWidth - 14, 18, kCsNone},
    {Rc::kIdFirstName + 0, K::Static, "Contrast", 8, kRow0, 62, 8, kCsNone},
    {Rc::kIdFirstMark + 0, K::Static, "", 8, kRow0 + 10, 62, 10, kCsNone},
    {Rc::kIdFirstLine + 0, K::Static, "", 72, kRow0, kLineWidth, 32, kCsNone},
    {Rc::kIdFirstName + 1, K::Static, "Viewing angle", 8, kRow0 + kRow, 62, 8, kCsNone},
    {Rc::kIdFirstMark + 1, K::Static, "", 8, kRow0 + kRow + 10, 62, 10, kCsNone},
    {Rc::kIdFirstLine + 1, K::Static, "", 72, kRow0 + kRow, kLineWidth, 32, kCsNone},
    {Rc::kIdFirstName + 2, K::Static, "Seat distance", 8, kRow0 + 2 * kRow, 62, 8, kCsNone},
    {Rc::kIdFirstMark + 2, K::Static, "", 8, kRow0 + 2 * kRow + 10, 62, 10, kCsNone},
    {Rc::kIdFirstLine + 2, K::Static, "", 72, kRow0 + 2 * kRow, kLineWidth, 32, kCsNone},
    {Rc::kIdFirstName + 3, K::Static, "Pixels", 8, kRow0 + 3 * kRow, 62, 8, kCsNone},
    {Rc::kIdFirstMark + 3, K::Static, "", 8, kRow0 + 3 * kRow + 10, 62, 10, kCsNone},
    {Rc::kIdFirstLine + 3, K::Static, "", 72, kRow0 + 3 * kRow, kLineWidth, 32, kCsNone},
    {Rc::kIdFirstName + 4, K::Static, "Lens tolerance", 8, kRow0 + 4 * kRow, 62, 8, kCsNone},
    {Rc::kIdFirstMark + 4, K::Static, "", 8, kRow0 + 4 * kRow + 10, 62, 10, kCsNone},
    {Rc::kIdFirstLine + 4, K::Static, "", 72, kRow0 + 4 * kRow, kLineWidth, 32, kCsNone},
    {Rc::kIdClose, K::PushButton, "Close", kRoomWidth - 55, kRow0 + 5 * kRow, 50, 14, kCsTabStop},
};

constexpr SMenuItem kMainMenu[] = {
    {0, "&File", 0},
    {1, "&Save Current Page", kCmdSavePage, "Ctrl+S"},
    {1, "&Print Current Page", kCmdPrintPage, "Ctrl+P"},
    {1, "Print Pre&view…", kCmdPrintPreview},
    {1, "&Export Report as PDF…", kCmdExportPdf},
    {1, "Projector &Models…", kCmdProjectorModels},
    {1, "&Room Check…", kCmdRoomCheck, "Ctrl+R"},
    {1, nullptr, 0},
    {1, "E&xit", kCmdExit, "Ctrl+Q"},
    {0, "&Help", 0},
    {1, "&About Lenvara Calculator", kCmdAbout},
};

// clang-format off
constexpr SMenuItem kGLMenu[] = {
    {0, "OpenGL Menu", 0},
    {1, "Move", kCmdGLMove},
    {1, "Spin", kCmdGLSpin},
    {1, "Zoom", kCmdGLZoom},
    {1, "Resize", kCmdGLResize},
};
// clang-format on

template <std::size_t N> constexpr int Count(const SControlTemplate (&)[N])
{
    return static_cast<int>(N);
}

constexpr SDialogTemplate kAboutTemplate{
    100, "About Lenvara Calculator", 294, 54, kAbout, Count(kAbout), 0};
constexpr SDialogTemplate kMainTemplate{
    102, "Tarsio Lenvara Calculator", 414, 286, kMain, Count(kMain), 132};
constexpr SDialogTemplate kImagePageTemplate{129,        "Projection Distance", 230, 125,
                                             kImagePage, Count(kImagePage),     0};
constexpr SDialogTemplate kLenvaraPageTemplate{130,          "Screen Dimensions", 230, 125,
                                               kLenvaraPage, Count(kLenvaraPage), 0};
constexpr SDialogTemplate kPrintInfoTemplate{136,        "Print Information", 234, 231,
                                             kPrintInfo, Count(kPrintInfo),   0};
constexpr SDialogTemplate kHVShiftTemplate{161,      "Shift Calculator", 361, 259,
                                           kHVShift, Count(kHVShift),    0};
constexpr SDialogTemplate kProjectorModelsTemplate{
    170, "Projector Models", 477, 312, kProjectorModels, Count(kProjectorModels), 0};
constexpr SDialogTemplate kRoomCheckTemplate{
    180, "Room Check", kRoomWidth, kRow0 + 5 * kRow + 20, kRoomCheck, Count(kRoomCheck), 0};
constexpr SMenuTemplate kMainMenuTemplate{132, kMainMenu,
                                          static_cast<int>(sizeof kMainMenu / sizeof kMainMenu[0])};
constexpr SMenuTemplate kGLMenuTemplate{139, kGLMenu,
                                        static_cast<int>(sizeof kGLMenu / sizeof kGLMenu[0])};
} // namespace

const SDialogTemplate& AboutDialogTemplate()
{
    return kAboutTemplate;
}

const SDialogTemplate& MainDialogTemplate()
{
    return kMainTemplate;
}

const SDialogTemplate& ImagePageTemplate()
{
    return kImagePageTemplate;
}

const SDialogTemplate& LenvaraPageTemplate()
{
    return kLenvaraPageTemplate;
}

const SDialogTemplate& PrintInfoDialogTemplate()
{
    return kPrintInfoTemplate;
}

const SDialogTemplate& HVShiftDialogTemplate()
{
    return kHVShiftTemplate;
}

const SDialogTemplate& ProjectorModelsDialogTemplate()
{
    return kProjectorModelsTemplate;
}

const SDialogTemplate& RoomCheckDialogTemplate()
{
    return kRoomCheckTemplate;
}

const SMenuTemplate& MainMenuTemplate()
{
    return kMainMenuTemplate;
}

const SMenuTemplate& GLMenuTemplate()
{
    return kGLMenuTemplate;
}
