// Dialog and menu templates as plain tables: every control with its numeric id,
// kind, text, place and size in dialog units (x, y, cx, cy; 0 x 0 = the control's
// natural size) and style flags. The tables themselves live in res/DialogTemplates;
// CDialogBuilder turns them into widgets, CMenuBuilder turns menu tables into menu
// bars. Used by every dialog and page of the program.
#pragma once

enum class EControlKind
{
    GroupBox,
    Static,
    Frame, // static drawn as a sunken frame
    Edit,
    PushButton,
    RadioButton,   // plain: never checks itself, only handlers do
    ComboDropDown, // editable combo box with a drop-down list
    TrackBar       // vertical slider whose top end is its minimum
};

enum EControlStyle : unsigned
{
    kCsNone = 0x0,
    kCsHidden = 0x1,
    kCsReadOnly = 0x2,
    kCsRight = 0x4,
    kCsDisabled = 0x8,
    kCsDefault = 0x10,
    kCsGroup = 0x20,
    kCsTabStop = 0x40,
};

// Id of controls that nobody addresses (labels, unnamed group boxes).
inline constexpr int kIdStatic = -1;

struct SControlTemplate
{
    int nId;
    EControlKind eKind;
    const char* pszText;
    int x;
    int y;
    int cx;
    int cy;
    unsigned nStyle;
};

struct SDialogTemplate
{
    int nId;
    const char* pszCaption;
    int cx; // dialog units
    int cy;
    const SControlTemplate* pControls;
    int nControls;
    int nMenuId; // 0: no menu
};

// One menu entry: level 0 opens a drop-down menu on the bar, level 1 is an item of
// the last opened drop-down; a null text is a separator.
struct SMenuItem
{
    int nLevel;
    const char* pszText;
    int nCommand;
    // The item's shortcut in portable form ("Ctrl+S"); none by default.
    const char* pszShortcut = nullptr;
};

struct SMenuTemplate
{
    int nId;
    const SMenuItem* pItems;
    int nItems;
};
