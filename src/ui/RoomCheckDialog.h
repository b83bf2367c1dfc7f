// The "Room Check" window (template 180): whether the main dialog's latest screen
// holds up in its room. The room is typed here: ambient light in lux (0, a dark room,
// by default), the nearest and the farthest seat in the main dialog's unit (empty: not
// checked) and the makers' throw tolerance in percent (5 by default); the gain is the
// main dialog's. One line per check (ERoomLine), each with a painted mark and its word
// ("met", "partly", "not met", "not checked") and the figures of core/RoomCheck.h,
// the whole breakdown in its tooltip. After a distance-to-size calculation each line
// shows both screens, "WA … / TP …", and its mark is met or not met only when both
// ends agree, else partly.
//
// Non-modal: the main dialog hands it every calculation, successful or not, and the
// room's figures are checked again at every keystroke. A figure that is no number or
// out of range is named in the window, its field marked, and the lines emptied;
// without a successful calculation the lines ask for one. When the main dialog's unit
// changes, the seat distances are converted into it, so they keep their meaning.
#pragma once

#include "core/RoomCheck.h"
#include "platform/Dialog.h"

#include <QLabel>

#include <optional>

enum ERoomLine
{
    kRoomContrast,
    kRoomViewingAngle,
    kRoomSeatDistance,
    kRoomPixels,
    kRoomTolerance,
    kRoomLineCount
};

enum class ERoomMark
{
    None, // nothing to check: no mark at all
    NotChecked,
    Met,
    Partly,
    NotMet
};

// A check's mark: a painted circle (a tick, a half and a cross besides the colour)
// and its word, which is the label's text.
class CRoomMark : public QLabel
{
    Q_OBJECT

public:
    explicit CRoomMark(QWidget* pParent);
    void SetMark(ERoomMark eMark);

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    ERoomMark m_eMark = ERoomMark::None;
};

class CRoomCheckDialog : public CDialog
{
    Q_OBJECT

public:
    explicit CRoomCheckDialog(QWidget* pParent);

    // The main dialog's latest calculation, with the loaded record's facts (used only
    // after a success), the gain in its box and its unit now.
    void SetCalculation(const SCalculation& calc, const SProjectorFacts& facts, float fGain,
                        int nUnit);
    // The first time beside pMain (right of it when the screen has room, else left,
    // else as far right as fits); after that, where the user left it. Shown, raised
    // and activated.
    void ShowBeside(const QWidget* pMain);

protected:
    bool OnInitDialog() override;
    QWidget* CreateControl(const SControlTemplate& ctl, QWidget* pParent) override;
    // Enter changes nothing: every keystroke has checked the room already.
    bool OnReturnKey() override;

private:
    // Reads the room and fills the lines.
    void Recheck();
    // The room's figures, or the message of the first that cannot be used (its field
    // marked in the warning colour).
    std::optional<SRoomInputs> ReadRoom();
    // The seats' numbers from one unit into the other, and their labels.
    void ConvertSeats(int nFromUnit, int nToUnit);
    void ShowStatus(const QString& strText, bool bWarning);

    SCalculation m_calc;
    SProjectorFacts m_facts;
    int m_nUnit = kUnitMeters;
    bool m_bPlaced = false;
    bool m_bConverting = false;
};
