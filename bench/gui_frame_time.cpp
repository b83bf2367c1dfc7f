// Frame time of the installation preview: the average time of one full scene
// (RenderScene + glFinish) at the preview's size, 226 x 193 pixels, in the kind of
// offscreen frame the view paints into, against a frame that only clears
// (+ glFinish), measured in the same run. Run it under an X server
// (xvfb-run) with LIBGL_ALWAYS_SOFTWARE=1 for Mesa's software renderer.
#include "core/TextFormat.h"
#include "gl/GLSurfaceFormat.h"
#include "gl/GLWnd.h"

#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLFramebufferObject>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
class CBenchWnd : public CGLWnd
{
public:
    using CGLWnd::DoneCurrent;
    using CGLWnd::MakeCurrent;
    using CGLWnd::RenderScene;
};

template <typename F> double AverageMicroseconds(int nFrames, F frame)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nFrames; ++i)
        frame();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(end - start).count() / nFrames;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char** argv)
{
    InstallDefaultGLFormat();
    QApplication app(argc, argv);

    CBenchWnd wnd;
    wnd.resize(226, 193);
    wnd.show();
    QElapsedTimer wait;
    wait.start();
    // The view's GL window makes its context, font and projection when first exposed.
    while (!wnd.IsValid() && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (wnd.RenderFrame(wnd.size()).isNull())
    {
        std::fprintf(stderr, "gui_frame_time: no GL context\n");
        return 1;
    }
    // The worked example: 4 x 2.25 screen, lenses at 6 and 7.5.
    wnd.SetMode(0);
    wnd.SetViewData(4.0f, 2.25f, 6.0f, 4.0f, 2.25f, 7.5f);

    // Frames drawn into a frame of the window's size with depth and stencil, which is
    // where the view's paints draw before they copy the frame to the window.
    wnd.MakeCurrent();
    QOpenGLFramebufferObject frame(qRound(wnd.width() * wnd.devicePixelRatio()),
                                   qRound(wnd.height() * wnd.devicePixelRatio()),
                                   QOpenGLFramebufferObject::CombinedDepthStencil);
    if (!frame.bind())
    {
        std::fprintf(stderr, "gui_frame_time: no frame buffer object\n");
        return 1;
    }
    const char* pszRenderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    auto scene = [&]()
    {
        wnd.RenderScene();
        glFinish();
    };
    auto clearOnly = [&]()
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    };
    constexpr int kFrames = 300;
    constexpr int kRounds = 7;
    AverageMicroseconds(30, scene); // warm-up
    AverageMicroseconds(30, clearOnly);
    std::vector<double> vScene, vClear;
    for (int r = 0; r < kRounds; ++r)
    {
        vClear.push_back(AverageMicroseconds(kFrames, clearOnly));
        vScene.push_back(AverageMicroseconds(kFrames, scene));
    }
    frame.release();
    wnd.DoneCurrent();

    const double dScene = Median(vScene);
    const double dClear = Median(vClear);
    std::printf("renderer: %s\n", pszRenderer ? pszRenderer : "?");
    std::printf("frame size: %d x %d device pixels, %d frames x %d rounds (median)\n",
                qRound(wnd.width() * wnd.devicePixelRatio()),
                qRound(wnd.height() * wnd.devicePixelRatio()), kFrames, kRounds);
    // Numbers in the C locale, whatever the user's locale.
    std::printf("clear-only frame: %s us\n", FormatFixed(dClear, 10, 1).c_str());
    std::printf("preview frame:    %s us\n", FormatFixed(dScene, 10, 1).c_str());
    std::printf("ratio:            %s\n",
                FormatFixed(dClear > 0 ? dScene / dClear : 0.0, 10, 2).c_str());
    return 0;
}
