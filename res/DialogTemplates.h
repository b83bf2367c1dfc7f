// The program's dialog templates and its menu, as tables (positions in dialog
// units): 100 the About box, 102 the main dialog, 129 the "Projection Distance"
// page, 130 the "Screen Dimensions" page, 136 the Print Information dialog, 161 the
// Shift Calculator, 170 "Projector Models", 180 "Room Check"; menu 132 of the main
// dialog and menu 139, the context menu of the GL views.
#pragma once

#include "platform/DialogTemplate.h"

const SDialogTemplate& AboutDialogTemplate();
const SDialogTemplate& MainDialogTemplate();
const SDialogTemplate& ImagePageTemplate();
const SDialogTemplate& LenvaraPageTemplate();
const SDialogTemplate& PrintInfoDialogTemplate();
const SDialogTemplate& HVShiftDialogTemplate();
const SDialogTemplate& ProjectorModelsDialogTemplate();
const SDialogTemplate& RoomCheckDialogTemplate();
const SMenuTemplate& MainMenuTemplate();
const SMenuTemplate& GLMenuTemplate();

// Menu command ids of menu 132.
inline constexpr int kCmdSavePage = 32773;
inline constexpr int kCmdPrintPage = 57607;
// Beside "Print Current Page": the same page in a preview window, or into a PDF file.
inline constexpr int kCmdPrintPreview = 32779;
inline constexpr int kCmdExportPdf = 32780;
// The own projector catalogue's dialog.
inline constexpr int kCmdProjectorModels = 32781;
// The room check window beside the main dialog.
inline constexpr int kCmdRoomCheck = 32782;
inline constexpr int kCmdExit = 32774;
inline constexpr int kCmdAbout = 32772;

// Menu command ids of menu 139 (its one drop-down, "OpenGL Menu").
inline constexpr int kCmdGLMove = 32775;
inline constexpr int kCmdGLSpin = 32776;
inline constexpr int kCmdGLZoom = 32777;
inline constexpr int kCmdGLResize = 32778;
