// Lenvara Calculator: creates the application object, which runs the main dialog
// until the user closes it.
#include "app/LenvaraApp.h"
#include "gl/GLSurfaceFormat.h"
#include "ui/LenvaraDlg.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
// Qt aborts when its window-system platform cannot connect; tell the user plainly.
bool HasDisplay(int argc, char** argv)
{
    std::string strPlatform;
    if (const char* pszEnv = std::getenv("QT_QPA_PLATFORM"))
        strPlatform = pszEnv;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            strPlatform = argv[i + 1];
    for (const char* pszHeadless : {"offscreen", "minimal", "vnc"})
        if (strPlatform.rfind(pszHeadless, 0) == 0)
            return true;
    for (const char* pszVar : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* pszValue = std::getenv(pszVar); pszValue && *pszValue)
            return true;
    return false;
}
} // namespace

int main(int argc, char** argv)
{
    // Answered before any display is needed, so it works from any terminal.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
    {
        std::puts("lenvara " LENVARA_VERSION);
        return 0;
    }
    if (!HasDisplay(argc, argv))
    {
        std::fputs("lenvara: no display available\n", stderr);
        return 1;
    }
    StartMainDialogWarmUp();
    InstallDefaultGLFormat();

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lenvara Calculator"));
    QApplication::setDesktopFileName(QStringLiteral("lenvara"));

    CLenvaraApp app(&CLenvaraDlg::New);
    app.InitInstance();
    return app.ExitInstance();
}
