#include "DialogTemplates.h"

#include "HVShiftDlgIds.h"

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
    {Hv::kIdWaVertCenterLabel, K::Static, "WA vertical center distance", 195, 207, 112, 8,
     kCsNone},
    {Hv::kIdWaVertCenter, K::Edit, "", 308, 203, 40, 12, kValue},
    {Hv::kIdTpVertCenterLabel, K::Static, "TP vertical center distance", 195, 219, 112, 8,
     kCsNone},
    {Hv::kIdTpVertCenter, K::Edit, "", 308, 215, 40, 12, kValue},
    {Hv::kIdOk, K::PushButton, "OK", 294, 241, 51, 12, kCsDefault | kCsTabStop},
    {Hv::kIdOkOneGroup, K::PushButton, "OK", 118, 240, 51, 12, kCsTabStop},
};

constexpr SMenuItem kMainMenu[] = {
    {0, "&File", 0},
    {1, "&Save Current Page", kCmdSavePage, "Ctrl+S"},
    {1, "&Print Current Page", kCmdPrintPage, "Ctrl+P"},
    {1, "Print Pre&view…", kCmdPrintPreview},
    {1, "&Export Report as PDF…", kCmdExportPdf},
    {1, nullptr, 0},
    {1, "E&xit", kCmdExit, "Ctrl+Q"},
    {0, "&Help", 0},
    {1, "&About Lenvara Calculator", kCmdAbout},
};

constexpr SMenuItem kGLMenu[] = {
    {0, "OpenGL Menu", 0},
    {1, "Move", kCmdGLMove},
    {1, "Spin", kCmdGLSpin},
    {1, "Zoom", kCmdGLZoom},
    {1, "Resize", kCmdGLResize},
};

template <std::size_t N>
constexpr int Count(const SControlTemplate (&)[N])
{
    return static_cast<int>(N);
}

constexpr SDialogTemplate kAboutTemplate{100, "About Lenvara Calculator", 294, 54, kAbout,
                                         Count(kAbout), 0};
constexpr SDialogTemplate kMainTemplate{102, "Tarsio Lenvara Calculator", 414, 286, kMain,
                                        Count(kMain), 132};
constexpr SDialogTemplate kImagePageTemplate{129, "Projection Distance", 230, 125, kImagePage,
                                             Count(kImagePage), 0};
constexpr SDialogTemplate kLenvaraPageTemplate{130, "Screen Dimensions", 230, 125, kLenvaraPage,
                                               Count(kLenvaraPage), 0};
constexpr SDialogTemplate kPrintInfoTemplate{136, "Print Information", 234, 231, kPrintInfo,
                                             Count(kPrintInfo), 0};
constexpr SDialogTemplate kHVShiftTemplate{161, "Shift Calculator", 361, 259, kHVShift,
                                           Count(kHVShift), 0};
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

const SMenuTemplate& MainMenuTemplate()
{
    return kMainMenuTemplate;
}

const SMenuTemplate& GLMenuTemplate()
{
    return kGLMenuTemplate;
}
