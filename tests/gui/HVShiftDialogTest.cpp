// The Shift Calculator: which groups, rows, frames and OK button each capability
// and mode shows, where they stand and how big the dialog is; the limits of the
// worked example with the angles where they belong; the sliders moving the views'
// pictures and the centre distances; the views fed on paint.
#include "DialogDriver.h"
#include "HVShiftDlgIds.h"

#include "platform/Controls.h"
#include "ui/HVShiftDialog.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using D = CDialogDriver;
using namespace HVShiftDlgIds;

namespace
{

// The template's controls in groups: each group's top (frame, view place, slider)
// and its WA and TP rows (labels and edits).
const std::set<int> kHorzTop = {kIdHorzGroup, kIdHorzFrame, kIdHorzSlider};
const std::set<int> kVertTop = {kIdVertGroup, kIdVertFrame, kIdVertSlider};
const std::set<int> kHorzWa = {kIdWaMaxWidthLabel, kIdWaMaxWidth,        kIdWaMinWidthLabel,
                               kIdWaMinWidth,      kIdWaHorzCenterLabel, kIdWaHorzCenter};
const std::set<int> kHorzTp = {kIdTpMaxWidthLabel, kIdTpMaxWidth,        kIdTpMinWidthLabel,
                               kIdTpMinWidth,      kIdTpHorzCenterLabel, kIdTpHorzCenter};
const std::set<int> kVertWa = {kIdWaMaxHeightLabel, kIdWaMaxHeight,       kIdWaMinHeightLabel,
                               kIdWaMinHeight,      kIdWaVertCenterLabel, kIdWaVertCenter};
const std::set<int> kVertTp = {kIdTpMaxHeightLabel, kIdTpMaxHeight,       kIdTpMinHeightLabel,
                               kIdTpMinHeight,      kIdTpVertCenterLabel, kIdTpVertCenter};
const std::set<int> kFramesAndButtons = {kIdHorzValues,      kIdVertValues, kIdHorzValuesShort,
                                         kIdVertValuesShort, kIdOk,         kIdOkOneGroup};

std::set<int> Union(std::initializer_list<std::set<int>> sets)
{
    std::set<int> ids;
    for (const std::set<int>& s : sets)
        ids.insert(s.begin(), s.end());
    return ids;
}

struct SLayoutCase
{
    const char* pszName;
    int nCaps;
    int nMode;
    std::set<int> visible; // of the groups above
    int nOkId;
    QPoint ptOk;          // in the template, dialog units
    const char* pszLabel; // of 1051
};

void PrintTo(const SLayoutCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class ShiftLayoutTest : public ::testing::TestWithParam<SLayoutCase>
{
};

TEST_P(ShiftLayoutTest, ShowsTheRowsOfTheCapabilityAndMode)
{
    const SLayoutCase& c = GetParam();
    CHVShiftDialog full;
    full.Create();
    const QRect rcFull = GetWindowPlacement(&full);
    CHVShiftDialog dlg;
    dlg.SetViewData(c.nMode, 4, 2.25f, 6, 4, 2.25f, 7.5f);
    dlg.SetShiftCaps(c.nCaps);
    dlg.Create();

    std::set<int> visible;
    for (int nId :
         Union({kHorzTop, kVertTop, kHorzWa, kHorzTp, kVertWa, kVertTp, kFramesAndButtons}))
        if (!D::Control(&dlg, nId)->isHidden())
            visible.insert(nId);
    EXPECT_EQ(visible, c.visible);
    EXPECT_EQ(D::Text(&dlg, kIdWaMaxHeightLabel), c.pszLabel);
    EXPECT_EQ(dlg.GetVerticalView().isHidden(), false);
    EXPECT_EQ(dlg.GetHorizontalView().isHidden(), c.nCaps == 1);

    // Mode 0 takes three rows off the dialog and the OK button moves up with them.
    const CDialogBuilder& b = dlg.Builder();
    const int s = c.nMode == 0 ? 3 * b.UnitsToPixelsY(12) : 0;
    EXPECT_EQ(GetControlPlacement(&dlg, c.nOkId),
              b.UnitsToPixels(c.ptOk.x(), c.ptOk.y(), 51, 12).translated(0, -s));
    // The value rows shown, top down from the first, in one column or two.
    std::set<int> rows, columns;
    for (int nId : Union({kHorzWa, kHorzTp, kVertWa, kVertTp}))
        if (visible.count(nId) && qobject_cast<QLineEdit*>(D::Control(&dlg, nId)))
        {
            rows.insert(GetControlPlacement(&dlg, nId).top());
            columns.insert(GetControlPlacement(&dlg, nId).left());
        }
    std::set<int> expectedRows;
    for (int i = 0; i < (c.nMode == 0 ? 3 : 6); ++i)
        expectedRows.insert(b.UnitsToPixelsY(155 + 12 * i));
    EXPECT_EQ(rows, expectedRows);
    EXPECT_EQ(columns.size(), c.nCaps == 1 ? 1u : 2u);
    EXPECT_EQ(*columns.begin(), b.UnitsToPixelsX(128));

    // One group: as wide as the group and 30 pixels, around the same centre.
    const QRect rc = GetWindowPlacement(&dlg);
    EXPECT_EQ(rc.width(), c.nCaps == 1 ? b.UnitsToPixelsX(172) + 30 : rcFull.width());
    EXPECT_LE(std::abs(2 * rc.left() + rc.width() - (2 * rcFull.left() + rcFull.width())), 1);
    EXPECT_EQ(rc.top(), rcFull.top());
    EXPECT_EQ(rc.height(), rcFull.height() - s);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ShiftLayoutTest,
    ::testing::Values(SLayoutCase{"BothDirectionsTwoScreens",
                                  3,
                                  1,
                                  Union({kHorzTop,
                                         kVertTop,
                                         kHorzWa,
                                         kHorzTp,
                                         kVertWa,
                                         kVertTp,
                                         {kIdHorzValues, kIdVertValues, kIdOk}}),
                                  kIdOk,
                                  {294, 241},
                                  "WA maximum half height"},
                      SLayoutCase{"BothDirectionsOneScreen",
                                  3,
                                  0,
                                  Union({kHorzTop,
                                         kVertTop,
                                         kHorzWa,
                                         kVertWa,
                                         {kIdHorzValuesShort, kIdVertValuesShort, kIdOk}}),
                                  kIdOk,
                                  {294, 241},
                                  "WA/TP maximum half height"},
                      // The vertical group alone, in the horizontal one's place.
                      SLayoutCase{"VerticalTwoScreens",
                                  1,
                                  1,
                                  Union({kVertTop, kVertWa, kVertTp, {kIdVertValues, kIdOk}}),
                                  kIdOk,
                                  {118, 240},
                                  "WA maximum half height"},
                      SLayoutCase{"VerticalOneScreen",
                                  1,
                                  0,
                                  Union({kVertTop,
                                         kVertWa,
                                         {kIdHorzValuesShort, kIdVertValuesShort, kIdOkOneGroup}}),
                                  kIdOkOneGroup,
                                  {118, 240},
                                  "WA/TP maximum half height"}),
    [](const ::testing::TestParamInfo<SLayoutCase>& info) { return info.param.pszName; });

TEST(ShiftDialog, LimitsSlidersAndViews)
{
    // One screen 4 x 2.25 at 6 (WA) and 7.5 (TP). The angles in the record's order:
    // WA minus, WA plus, TP minus, TP plus side.
    CHVShiftDialog dlg;
    dlg.SetViewData(0, 4, 2.25f, 6, 4, 2.25f, 7.5f);
    dlg.SetShiftCaps(3);
    dlg.SetHorizontalAngles(1, 5, 2, 3);
    dlg.SetVerticalAngles(2, 10, 4, 8);
    dlg.Create();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    auto texts = [&](std::initializer_list<int> ids)
    {
        QStringList list;
        for (int nId : ids)
            list << D::Text(&dlg, nId);
        return list;
    };
    // 2 + tan(5) x 6 = 2.52, -(2 + tan(1) x 6), 2 + tan(3) x 7.5, -(2 + tan(2) x 7.5).
    EXPECT_EQ(texts({kIdWaMaxWidth, kIdWaMinWidth, kIdTpMaxWidth, kIdTpMinWidth}),
              QStringList({"2.52", "-2.10", "2.39", "-2.26"}));
    // 1.125 + tan(10) x 6, -(1.125 + tan(2) x 6), 1.125 + tan(8) x 7.5, ...
    EXPECT_EQ(texts({kIdWaMaxHeight, kIdWaMinHeight, kIdTpMaxHeight, kIdTpMinHeight}),
              QStringList({"2.18", "-1.33", "2.18", "-1.65"}));
    EXPECT_EQ(texts({kIdWaHorzCenter, kIdTpHorzCenter, kIdWaVertCenter, kIdTpVertCenter}),
              QStringList(4, "0.00"));

    // Painted: both views have the installation.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dlg.GetVerticalView().GetViewData()[5] == 7.5f; }));
    EXPECT_EQ(dlg.GetHorizontalView().GetViewData(),
              (std::array<float, 6>{4, 2.25f, 6, 4, 2.25f, 7.5f}));
    EXPECT_EQ(dlg.GetVerticalView().GetMode(), 0);

    // The vertical slider's top is its minimum: one step up is 1/15 up, the top
    // (-15) full up (tan(10) x 6, tan(8) x 7.5), the bottom full down.
    const struct
    {
        int nSlider;
        Qt::Key eKey;
        int nCenterWide, nCenterTele;
        const char* pszWide;
        const char* pszTele;
    } steps[] = {
        {kIdVertSlider, Qt::Key_Up, kIdWaVertCenter, kIdTpVertCenter, "0.07", "0.07"},
        {kIdVertSlider, Qt::Key_Home, kIdWaVertCenter, kIdTpVertCenter, "1.06", "1.05"},
        {kIdVertSlider, Qt::Key_End, kIdWaVertCenter, kIdTpVertCenter, "-0.21", "-0.52"},
        // Horizontally the bottom is full right, the top full left.
        {kIdHorzSlider, Qt::Key_End, kIdWaHorzCenter, kIdTpHorzCenter, "0.52", "0.39"},
        {kIdHorzSlider, Qt::Key_Home, kIdWaHorzCenter, kIdTpHorzCenter, "-0.10", "-0.26"},
    };
    for (const auto& step : steps)
    {
        D::PressKey(D::Control(&dlg, step.nSlider), step.eKey);
        EXPECT_EQ(texts({step.nCenterWide, step.nCenterTele}),
                  QStringList({step.pszWide, step.pszTele}))
            << step.nSlider << " " << step.eKey;
    }

    D::Click(&dlg, kIdOk);
    EXPECT_FALSE(dlg.isVisible());
}

TEST(ShiftDialog, CornerOutOfTheLensReachIsMarked)
{
    // The diamond |h| + |v| <= 1 of equal rooms: the sliders' 15 steps a side are
    // fifteenths of it.
    CHVShiftDialog dlg;
    dlg.SetViewData(1, 4, 2.25f, 6, 4.5f, 2.53f, 7.5f);
    dlg.SetShiftCaps(3);
    dlg.SetHorizontalAngles(5, 5, 5, 5);
    dlg.SetVerticalAngles(5, 5, 5, 5);
    dlg.SetShiftEnvelope(DiamondShiftEnvelope(1.0, 1.0, 1.0, 1.0));
    dlg.Create();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const struct
    {
        int nSlider;
        Qt::Key eKey;
        bool bOut;
        const char* pszTip;
    } steps[] = {
        {kIdHorzSlider, Qt::Key_End, false, ""}, // full right, vertical centred
        {kIdVertSlider, Qt::Key_Up, true, "no shift up remains (approximate)"},
        {kIdHorzSlider, Qt::Key_Up, false, ""}, // 14/15 right and 1/15 up: on the edge
        {kIdVertSlider, Qt::Key_End, true, "only 7 % of the shift down remains"},
        {kIdHorzSlider, Qt::Key_Home, true, "no shift down remains"},
        {kIdVertSlider, Qt::Key_Home, true, "no shift up remains"},
    };
    for (const auto& step : steps)
    {
        D::PressKey(D::Control(&dlg, step.nSlider), step.eKey);
        for (const CGLShiftWnd* pView : {static_cast<const CGLShiftWnd*>(&dlg.GetHorizontalView()),
                                         static_cast<const CGLShiftWnd*>(&dlg.GetVerticalView())})
        {
            EXPECT_EQ(pView->IsOutOfReach(), step.bOut) << step.nSlider << " " << step.eKey;
            EXPECT_EQ(pView->toolTip().contains(step.pszTip), true)
                << pView->toolTip().toStdString();
            EXPECT_EQ(pView->toolTip().isEmpty(), !step.bOut);
        }
    }
}

} // namespace
