// Test runner for the dialog and GL suites: the program's default GL surface format,
// a QApplication on the X platform (run under xvfb-run), then every GoogleTest case.
// The user's own projectors come from an empty data folder of the run's own (a test
// that wants some sets its own), never from the developer's.
#include "gl/GLSurfaceFormat.h"

#include <QApplication>
#include <QTemporaryDir>

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

    InstallDefaultGLFormat();
    QApplication application(argc, argv);
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
