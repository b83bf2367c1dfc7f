// The room check window: opened with Ctrl+R beside the main dialog, its lines and
// marks on hand-worked numbers, following the main dialog's calculations and unit,
// and refusing figures it cannot use.
//
// Kelda W1, 16:9, width 3 m: a screen 3 x 1.6875 m at 4.11 to 4.98 m, 125.75 cd/m² at
// gain 1, 1920 pixels of 1.5625 mm, unresolved beyond 1.5625 mm / tan(1') = 5.37 m.
#include "MainDialogFixture.h"
#include "RoomCheckDlgIds.h"

#include "ui/RoomCheckDialog.h"

#include <QScreen>

namespace Rc = RoomCheckDlgIds;

namespace
{

class RoomCheckDialogTest : public MainDialogTest
{
protected:
    CRoomCheckDialog* OpenRoomCheck()
    {
        m_pDlg->activateWindow();
        (void)QTest::qWaitForWindowActive(m_pDlg, 2000);
        QTest::keyClick(m_pDlg, Qt::Key_R, Qt::ControlModifier);
        QApplication::processEvents();
        CRoomCheckDialog* pRoom = m_pDlg->GetRoomCheck();
        EXPECT_TRUE(pRoom && pRoom->isVisible());
        return pRoom;
    }

    // The room's four figures, typed as a person does.
    void TypeRoom(CRoomCheckDialog* pRoom, const QStringList& figures)
    {
        const int ids[] = {Rc::kIdLux, Rc::kIdNearest, Rc::kIdFarthest, Rc::kIdTolerance};
        for (int i = 0; i < figures.size(); ++i)
            D::Type(pRoom, ids[i], figures[i]);
    }

    // Each line as "mark | text".
    QStringList Lines(const CRoomCheckDialog* pRoom)
    {
        QStringList lines;
        for (int i = 0; i < kRoomLineCount; ++i)
            lines << D::Text(pRoom, Rc::kIdFirstMark + i) + " | " +
                         qobject_cast<QLabel*>(D::Control(pRoom, Rc::kIdFirstLine + i))->text();
        return lines;
    }
};

TEST_F(RoomCheckDialogTest, LinesAndMarksOfAWidthCalculation)
{
    CalculateWidth3();
    CRoomCheckDialog* pRoom = OpenRoomCheck();
    ASSERT_TRUE(pRoom);
    EXPECT_EQ(D::Text(pRoom, Rc::kIdGain), "1.00");
    const QString strTolerance = "distance safe within ±5.00 %: 4.32 to 4.73 m";
    const struct
    {
        QStringList room; // lux, nearest, farthest, tolerance
        QStringList lines;
    } cases[] = {
        // A dark room: 125.75 cd/m² reaches cinema's 48 and home cinema's 55.
        {{"0", "", "", "5"},
         {"met | 125.75 cd/m², home cinema 55 cd/m² met", "not checked | enter a seat to check",
          "not checked | enter the farthest seat to check",
          "not checked | 1.56 mm, not resolved beyond 5.37 m", "met | " + strTolerance}},
        // 50 lux: 15.92 cd/m² of room light, (125.75 + 15.92) / 15.92 = 8.90:1; 15:1 needs
        // 14 x 50 x 5.0625 = 3544 lm. Seats at 3 and 7: 2 atan(1.5 / 3) = 53.13°,
        // 2 atan(1.5 / 7) = 24.19°, 7 / 1.6875 = 4.15 heights; pixels seen from 3 m.
        {{"50", "3", "7", "5"},
         {"partly | 8.90:1, passive viewing 7:1 met, basic decision making 15:1 needs 3544 lm",
          "partly | nearest 53.13°, farthest 24.19° (30° minimum)",
          "partly | farthest seat 4.15 image heights, within 8 and 6; rule of thumb: basic "
          "decision making 8, analytical 6, inspection 4",
          "partly | 1.56 mm, not resolved beyond 5.37 m; the nearest seat sees them",
          "met | " + strTolerance}},
        // 1000 lux: 318.31 cd/m², 1.40:1, and 7:1 needs 6 x 1000 x 5.0625 = 30375 lm.
        // Seats at 6 and 15: 28.07° and 11.42°, 8.89 heights, both beyond 5.37 m. At
        // ±20 % no distance is safe: 4.11 x 1.2 = 4.93 lies beyond 4.98 x 0.8 = 3.98.
        {{"1000", "6", "15", "20"},
         {"not met | 1.40:1, passive viewing 7:1 needs 30375 lm",
          "not met | nearest 28.07°, farthest 11.42° (30° minimum)",
          "not met | farthest seat 8.89 image heights, within none; rule of thumb: basic "
          "decision making 8, analytical 6, inspection 4",
          "met | 1.56 mm, not resolved beyond 5.37 m; no seat sees them",
          "not met | distance safe within ±20.00 %: none (only the exact unit in hand reaches "
          "this screen)"}},
    };
    for (const auto& c : cases)
    {
        TypeRoom(pRoom, c.room);
        EXPECT_EQ(Lines(pRoom), c.lines) << c.room.join(' ').toStdString();
    }
}

TEST_F(RoomCheckDialogTest, FollowsTheMainDialogsCalculationsAndUnit)
{
    CRoomCheckDialog* pRoom = OpenRoomCheck();
    ASSERT_TRUE(pRoom);
    // Beside the main dialog, whole on its screen.
    EXPECT_TRUE(m_pDlg->screen()->availableGeometry().contains(pRoom->frameGeometry()));
    EXPECT_FALSE(pRoom->frameGeometry().intersects(m_pDlg->frameGeometry()) &&
                 m_pDlg->screen()->availableGeometry().width() >=
                     m_pDlg->frameGeometry().width() + pRoom->frameGeometry().width() + 16);
    EXPECT_EQ(Lines(pRoom)[kRoomContrast], " | Calculate a screen first");
    TypeRoom(pRoom, {"50", "3", "7"});

    // Distance 3: WA 2.19 x 1.23 at 236.02 cd/m², 15.83:1; TP 1.81 x 1.02, 22.77:1.
    CalculateDistance3();
    const QStringList lines = Lines(pRoom);
    EXPECT_EQ(lines[kRoomContrast],
              "partly | WA 15.83:1, basic decision making 15:1 met, analytical decision making "
              "50:1 needs 6608 lm / TP 22.77:1, basic decision making 15:1 met, analytical "
              "decision making 50:1 needs 4501 lm");
    EXPECT_EQ(lines[kRoomViewingAngle], "partly | WA nearest 40.10°, farthest 17.78° / TP nearest "
                                        "33.53°, farthest 14.71° (30° minimum)");
    EXPECT_EQ(lines[kRoomTolerance], "met | screen width safe within ±5.00 %: 1.90 to 2.09 m");

    // In feet the seats are converted and keep their meaning: the distance is 9.84 ft, the
    // WA screen 9.84 / 1.37 = 7.18 ft wide, so 2 atan(7.18 / (2 x 22.97)) = 17.77°.
    m_pDlg->OnUnitClicked(kUnitFeet);
    EXPECT_EQ(Texts(pRoom, {Rc::kIdNearestLabel, Rc::kIdNearest, Rc::kIdFarthest}),
              QStringList({"&Nearest seat (ft)", "9.84", "22.97"}));
    EXPECT_EQ(Lines(pRoom)[kRoomViewingAngle], "partly | WA nearest 40.10°, farthest 17.77° / "
                                               "TP nearest 33.53°, farthest 14.70° (30° minimum)");

    // A failed calculation leaves no numbers behind; Escape closes, Ctrl+R brings the
    // same window back.
    SelectModel(QStringLiteral("No Such Model"));
    D::PressEnter(m_pLenvara, Scr::kIdDistance);
    EXPECT_EQ(Lines(pRoom)[kRoomPixels], " | Calculate a screen first");
    D::PressKey(D::Control(pRoom, Rc::kIdLux), Qt::Key_Escape);
    EXPECT_FALSE(pRoom->isVisible());
    EXPECT_EQ(OpenRoomCheck(), pRoom);
}

TEST_F(RoomCheckDialogTest, FiguresItCannotUseAreNamedAndEmptyTheLines)
{
    CalculateWidth3();
    CRoomCheckDialog* pRoom = OpenRoomCheck();
    ASSERT_TRUE(pRoom);
    const QStringList empty(kRoomLineCount, " | ");
    const struct
    {
        QStringList room;
        int nMarked;
        QString strMessage;
    } cases[] = {
        {{"-1", "", "", "5"}, Rc::kIdLux, "The ambient light must not be negative."},
        {{"50", "3 m", "", "5"}, Rc::kIdNearest, "A seat distance must be a number."},
        {{"50", "3", "0", "5"}, Rc::kIdFarthest, "A seat distance must be greater than 0."},
        {{"50", "8", "7", "5"},
         Rc::kIdNearest,
         "The nearest seat must not be farther than the farthest."},
        {{"50", "3", "7", "100"},
         Rc::kIdTolerance,
         "The tolerance must be from 0 to below 100 percent."},
        {{"1e300", "3", "7", "5"}, Rc::kIdLux, "The ambient light must be at most 1000000."},
    };
    for (const auto& c : cases)
    {
        TypeRoom(pRoom, c.room);
        EXPECT_EQ(D::Text(pRoom, Rc::kIdStatus), c.strMessage);
        EXPECT_EQ(D::Control(pRoom, c.nMarked)->toolTip(), c.strMessage);
        EXPECT_EQ(Lines(pRoom), empty) << c.strMessage.toStdString();
    }
    // Put right, the lines come back and the mark goes.
    TypeRoom(pRoom, {"0", "", "", "5"});
    EXPECT_EQ(D::Text(pRoom, Rc::kIdStatus), "Kelda W1: a screen 3.00 x 1.69 m.");
    EXPECT_EQ(D::Control(pRoom, Rc::kIdLux)->toolTip(), QString());
    EXPECT_EQ(Lines(pRoom)[kRoomContrast], "met | 125.75 cd/m², home cinema 55 cd/m² met");
}

} // namespace
