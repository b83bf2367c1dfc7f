// Test runner for the dialogs: a QApplication on the X platform (run under
// xvfb-run), then every GoogleTest case.
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
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
