// Label placement: the rules on worked boxes, and the labels of the preview and the
// vertical shift view read back from their frames where they used to overprint each
// other or leave the view.
#include "TestGLWnd.h"

#include "gl/GLShiftWnd_Verticale.h"
#include "gl/LabelLayout.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <type_traits>
#include <utility>

namespace
{

TEST(LabelLayout, MovesOnlyWhatWouldLeaveTheViewOrOverprint)
{
    // A 200 x 100 view, margin and gap 2; each row places its boxes in order and
    // gives the move of the last one.
    const struct
    {
        const char* pszName;
        std::vector<SLabelBox> boxes;
        std::pair<int, int> move;
    } rows[] = {
        {"FitsAndStays", {{10, 10, 60, 22}}, {0, 0}},
        {"RightEdge", {{170, 10, 230, 22}}, {-32, 0}},
        {"Top", {{10, 95, 60, 107}}, {0, -9}},
        {"ClearOfOthersStays", {{10, 50, 60, 62}, {70, 50, 120, 62}}, {0, 0}},
        {"OverprintGoesBelow", {{10, 50, 60, 62}, {30, 55, 90, 67}}, {0, -19}},
        {"BelowPastAThird", {{10, 50, 60, 62}, {10, 38, 60, 48}, {30, 55, 90, 67}}, {0, -31}},
        {"NoRoomBelowGoesAbove", {{10, 4, 60, 16}, {30, 6, 90, 18}}, {0, 12}},
    };
    for (const auto& row : rows)
    {
        CLabelLayout layout;
        CLabelLayout::SMove move;
        for (const SLabelBox& box : row.boxes)
            move = layout.Place(box, {0, 0, 200, 100}, 2);
        EXPECT_EQ(std::make_pair(move.dx, move.dy), row.move) << row.pszName;
    }
}

// A view whose n-th label of a frame is drawn in the n-th colour of a set no geometry
// uses, so that each label's pixels can be found in the frame.
constexpr std::array<QRgb, 4> kLabelColours = {0xff00ff00, 0xffff00ff, 0xff00ffff, 0xffffff00};

template <class TView> class CColouredLabels : public CTestView<TView>
{
protected:
    void DrawLabel(int x, int y, int z, const char* pszText) override
    {
        const QRgb rgb = kLabelColours[this->m_vLabels.size() % kLabelColours.size()];
        glColor4ub(qRed(rgb), qGreen(rgb), qBlue(rgb), 255);
        CTestView<TView>::DrawLabel(x, y, z, pszText);
    }
};

struct SFrameCase
{
    const char* pszName;
    int nMode;
    std::array<float, 6> data;
    std::array<float, 4> angles; // WA minus, WA plus, TP minus, TP plus (shift views)
};

// Draws one frame of a fresh view with that data and checks each label's pixels: a
// box clear of the frame's edge (nothing cut off) and of every other label's box.
template <class TView> void CheckLabels(const SFrameCase& c)
{
    CColouredLabels<TView> wnd;
    wnd.ShowAt(40, 40);
    if constexpr (!std::is_same_v<TView, CGLWnd>)
    {
        wnd.SetWideAngles(c.angles[0], c.angles[1]);
        wnd.SetTeleAngles(c.angles[2], c.angles[3]);
    }
    wnd.SetMode(c.nMode);
    wnd.SetViewData(c.data[0], c.data[1], c.data[2], c.data[3], c.data[4], c.data[5]);
    wnd.m_vLabels.clear(); // the colours count from the frame's first label
    const QImage frame = wnd.grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    const size_t nLabels = wnd.m_vLabels.size();
    ASSERT_GE(nLabels, 3u) << c.pszName;
    std::vector<QRect> boxes;
    for (size_t i = 0; i < nLabels; ++i)
    {
        QRect box;
        int nPixels = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (frame.pixel(x, y) == kLabelColours[i])
                {
                    box |= QRect(x, y, 1, 1);
                    ++nPixels;
                }
        EXPECT_GT(nPixels, 30) << c.pszName << " label " << i;
        EXPECT_TRUE(frame.rect().adjusted(1, 1, -1, -1).contains(box))
            << c.pszName << " label " << i;
        for (size_t j = 0; j < boxes.size(); ++j)
            EXPECT_FALSE(box.intersects(boxes[j])) << c.pszName << " labels " << j << ", " << i;
        boxes.push_back(box);
    }
}

TEST(LabelLayout, LabelsStayInsideTheViewAndClearOfEachOther)
{
    // The program's own numbers: fixed lenses at width 2 (16:9) on the distance page
    // (preview); the vertical shift view after a distance of 3 on the dimensions page.
    CheckLabels<CGLWnd>({"KeldaWT", 0, {2, 1.125f, 1.6f, 2, 1.125f, 1.6f}, {}});
    CheckLabels<CGLWnd>({"Wexa3", 0, {2, 1.125f, 2, 2, 1.125f, 2}, {}});
    CheckLabels<CGLShiftWnd_Verticale>({"KeldaW1",
                                        1,
                                        {2.18978f, 1.23175f, 3, 1.80723f, 1.01657f, 3},
                                        {-0.00541f, 12.71f, -0.00447f, 10.5444f}});
    CheckLabels<CGLShiftWnd_Verticale>({"PavoQC",
                                        1,
                                        {2.15827f, 1.21403f, 3, 1.60428f, 0.902406f, 3},
                                        {7.34232f, 14.6114f, 5.47104f, 10.9667f}});
}

} // namespace
