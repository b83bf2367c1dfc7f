// Dialog controls addressed by numeric id, as the dialogs and the application
// object use them: text with a character limit, check state, read-only flag,
// enable, show/hide, placement and window placement, track bar range and position,
// and child windows laid over placeholder controls. A control is a direct child of its dialog or
// page whose objectName is its id. Texts are UTF-8; a missing control reads as empty/0 and ignores
// writes.
#pragma once

#include <QRect>
#include <QString>

#include <string>

class QLineEdit;
class QWidget;

// objectName of a control id ("1009"; "-1" for id-less controls).
QString ControlName(int nId);
QWidget* FindControl(const QWidget* pWnd, int nId);

// At most nMaxCount - 1 characters of the control's text (a buffer of nMaxCount
// characters with its terminator), as UTF-8 without cutting a character in two.
std::string GetControlText(const QWidget* pWnd, int nId, int nMaxCount);
// An edit too narrow for the text gets it as its tooltip; a read-only one shows the
// text's start.
bool SetControlText(QWidget* pWnd, int nId, const std::string& text);
// At most 79 characters of the control's text as a decimal number; 0 when the
// window or the control does not exist or the text is no number.
float ReadControlNumber(const QWidget* pWnd, int nId);
// Writes the value with "%2.2f"; false when the control does not exist.
bool WriteControlNumber(QWidget* pWnd, int nId, float fValue);

// 0 unchecked, 1 checked; 0 for a missing control or one that has no check.
int GetCheck(const QWidget* pWnd, int nId);
void SetCheck(QWidget* pWnd, int nId, int nCheck);

bool IsReadOnly(const QWidget* pWnd, int nId);
void SetReadOnly(QWidget* pWnd, int nId, bool bReadOnly);
// Read-only edits take the window colour, as a greyed read-only edit should look.
void SetReadOnlyLook(QLineEdit* pEdit, bool bReadOnly);
// An edit marked in the warning colour with the tip as its tooltip, or the mark taken
// away (its read-only look back; the tooltip is left to the text).
void SetWarningLook(QLineEdit* pEdit, bool bWarning, const QString& strTip);
void SetWarning(QWidget* pWnd, int nId, bool bWarning, const QString& strTip);

void EnableControl(QWidget* pWnd, int nId, bool bEnable);
void ShowControl(QWidget* pWnd, int nId, bool bShow);
// Place in the parent's coordinates; an empty rectangle for a missing control.
QRect GetControlRect(const QWidget* pWnd, int nId);
void MoveControl(QWidget* pWnd, int nId, const QRect& rect);
// Places pChild (a child window of pDialog) on the rectangle of the placeholder
// control nPlaceholderId grown by nGrow pixels on every side (a negative nGrow
// shrinks it), shows it and returns that rectangle in pDialog's coordinates. A
// bordered window grown by 1 keeps the placeholder's area inside its border; one
// shrunk by 1 draws its border just inside the placeholder. A missing placeholder
// leaves the child as it was and returns an empty rectangle.
QRect PlaceOverControl(QWidget* pChild, const QWidget* pDialog, int nPlaceholderId, int nGrow);

// Window placements. A child window's placement is its rectangle in its parent's
// coordinates; a top-level window's is its frame rectangle on the screen (before it
// was first shown and unless it was placed: where it will come up, centred on its
// parent's window or else on its screen). Setting a placement moves and sizes the
// window and shows it in its normal state; a top-level window that is not shown yet
// comes up there when its owner shows it. A missing control reads as an empty
// rectangle and ignores the placement.
QRect GetWindowPlacement(const QWidget* pWindow);
void SetWindowPlacement(QWidget* pWindow, const QRect& rect);
QRect GetControlPlacement(const QWidget* pWnd, int nId);
void SetControlPlacement(QWidget* pWnd, int nId, const QRect& rect);
// Gives control nId the placement of control nFromId (which shows nId), then hides
// nFromId; nothing when nFromId is missing.
void MoveControlTo(QWidget* pWnd, int nId, int nFromId);

// Track bars: range, position (kept inside the range). A missing control or one
// that is no track bar reads as 0 and ignores writes.
void SetTrackBarRange(QWidget* pWnd, int nId, int nMin, int nMax);
int GetTrackBarMax(const QWidget* pWnd, int nId);
int GetTrackBarPos(const QWidget* pWnd, int nId);
void SetTrackBarPos(QWidget* pWnd, int nId, int nPos);
