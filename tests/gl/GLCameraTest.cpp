// The GL views' camera on its own, without a display: the drag arithmetic of each
// mouse mode on worked steps, and the reset.
#include "gl/GLCamera.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace
{
using EMode = CGLCamera::EMouseMode;
using SView = CGLCamera::SViewState;

TEST(GLCamera, DragStepsChangeTheViewByTheMode)
{
    struct SRow
    {
        const char* pszName;
        EMode eMode;
        float fZoom;                           // the zoom before the drag
        std::vector<std::pair<int, int>> path; // pressed at the first point
        SView expected;
    };
    const SRow rows[] = {
        // Half a degree per pixel: 3 right turns +1.5 about y, 2 up -1.0 about x.
        {"spin", EMode::Spin, 1.0f, {{100, 100}, {103, 98}}, {.dRotX = 33.0, .dRotY = -17.5}},
        // Each step from the last position: 10 right (+5 about y), then 20 down.
        {"spin twice",
         EMode::Spin,
         1.0f,
         {{100, 100}, {110, 100}, {110, 120}},
         {.dRotX = 44.0, .dRotY = -14.0}},
        // Ten units per pixel: 3 right moves x by +30, 2 up moves y by +20.
        {"move", EMode::Move, 1.0f, {{100, 100}, {103, 98}}, {.dTransX = 280.0, .dTransY = 520.0}},
        // A step from one end of the int range to the other is no overflow.
        {"move across the int range",
         EMode::Move,
         1.0f,
         {{INT_MIN, 0}, {INT_MAX, 0}},
         {.dTransX = 250.0 + 42949672950.0}},
        {"zoom down zooms in", EMode::Zoom, 1.0f, {{100, 100}, {100, 101}}, {.fZoom = 1.025f}},
        {"zoom up zooms out", EMode::Zoom, 1.0f, {{100, 100}, {100, 90}}, {.fZoom = 1 / 1.025f}},
        {"zoom sideways zooms out",
         EMode::Zoom,
         1.0f,
         {{100, 100}, {104, 100}},
         {.fZoom = 1 / 1.025f}},
        // At the limit a step further is refused; the way back is not.
        {"zoom stops at 1e6",
         EMode::Zoom,
         1e6f,
         {{100, 100}, {100, 101}, {100, 100}},
         {.fZoom = 1e6f / 1.025f}},
    };
    for (const SRow& row : rows)
    {
        CGLCamera camera;
        camera.SetMouseMode(row.eMode);
        camera.m_fZoom = row.fZoom;
        camera.Press(row.path[0].first, row.path[0].second);
        for (size_t i = 1; i < row.path.size(); ++i)
            EXPECT_TRUE(camera.Drag(row.path[i].first, row.path[i].second)) << row.pszName;
        EXPECT_EQ(camera.GetView(), row.expected) << row.pszName;
        // Released, further moves change nothing.
        camera.Release();
        EXPECT_FALSE(camera.Drag(0, 0)) << row.pszName;
        EXPECT_EQ(camera.GetView(), row.expected) << row.pszName;
    }
}

TEST(GLCamera, ResetReturnsToTheInitialViewInSpin)
{
    const SView initial{.dTransX = -250.0, .dTransY = 400.0};
    CGLCamera camera(initial);
    camera.SetMouseMode(EMode::Move);
    camera.Press(0, 0);
    camera.Drag(5, 7);
    camera.SetMouseMode(EMode::Zoom);
    camera.Drag(5, 9);
    ASSERT_NE(camera.GetView(), initial);

    camera.Reset();
    EXPECT_EQ(camera.GetView(), initial);
    EXPECT_EQ(camera.GetMouseMode(), EMode::Spin);
    EXPECT_FALSE(camera.Drag(50, 50)); // the button is released
}
} // namespace
