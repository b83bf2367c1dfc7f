// Runs the GL window tests: a compatibility-profile default surface format (as the
// program sets in main), a QApplication, then GoogleTest. Needs an X server; run
// under xvfb-run with Mesa's software renderer.
#include <QApplication>
#include <QSurfaceFormat>

#include <gtest/gtest.h>

#include <cstring>

int main(int argc, char** argv)
{
    // Listing the tests (the build does this) needs no display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
        {
            ::testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }

    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
