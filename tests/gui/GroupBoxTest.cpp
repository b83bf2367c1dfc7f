// Group boxes as the templates lay them out: the frame's top line runs through the
// caption's middle, half a caption height below the box's top, so the controls the
// template puts just inside a group (the Shift Calculator's view frames) stay clear
// of its border and caption.
#include "HVShiftDlgIds.h"

#include "platform/Controls.h"
#include "ui/HVShiftDialog.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace HVShiftDlgIds;

TEST(GroupBox, FrameLineThroughTheCaptionAtTheTemplatesTop)
{
    CHVShiftDialog dlg;
    dlg.SetViewData(1, 4, 2.25f, 6, 4, 2.25f, 7.5f);
    dlg.SetShiftCaps(3);
    dlg.Create();
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    const QImage shot = dlg.grab().toImage();
    const QRgb background = shot.pixel(1, 1);
    for (const auto& [nGroup, nFrame] :
         {std::pair{kIdHorzGroup, kIdHorzFrame}, {kIdVertGroup, kIdVertFrame}})
    {
        const QRect group = GetControlPlacement(&dlg, nGroup);
        const int nCaption =
            dlg.findChild<QWidget*>(QString::number(nGroup))->fontMetrics().height();
        // The first row below the box's top, right of the caption, that is not background.
        int yLine = group.top();
        while (yLine < group.bottom() && shot.pixel(group.right() - 8, yLine) == background)
            ++yLine;
        EXPECT_EQ(yLine, group.top() + nCaption / 2) << nGroup;
        EXPECT_LT(yLine + 2, GetControlPlacement(&dlg, nFrame).top()) << nGroup;
        // Caption glyphs above and below the line, where the caption starts.
        auto inked = [&](int y0, int y1)
        {
            for (int y = y0; y < y1; ++y)
                for (int x = group.left() + 4; x < group.left() + 40; ++x)
                    if (qGray(shot.pixel(x, y)) < 96)
                        return true;
            return false;
        };
        EXPECT_TRUE(inked(group.top(), yLine)) << nGroup;
        EXPECT_TRUE(inked(yLine + 2, group.top() + nCaption)) << nGroup;
    }
}
