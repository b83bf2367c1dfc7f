// Start-up time of the desktop program: from process start to the main dialog's
// first completed paint, against a bare dialog of the same size in the same run.
// The benchmark starts itself as a child process in each mode, interleaved, several
// times; a child reports on stdout once its first paint has completed. Prints both
// medians in milliseconds and their ratio. Needs a display (run under xvfb-run).
#include "app/LenvaraApp.h"
#include "gl/GLSurfaceFormat.h"
#include "ui/LenvaraDlg.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr int kRounds = 15;

// Reports once the first paint event of the watched window has been handled.
class CFirstPaintWatch : public QObject
{
public:
    explicit CFirstPaintWatch(QWidget* pWindow) : m_pWindow(pWindow) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pWatched == m_pWindow && pEvent->type() == QEvent::Paint && !m_bSeen)
        {
            m_bSeen = true;
            // Queued: runs after this paint and the flush to the screen completed.
            QMetaObject::invokeMethod(
                qApp,
                [this]
                {
                    std::printf("painted %dx%d\n", m_pWindow->width(), m_pWindow->height());
                    std::fflush(stdout);
                    std::_Exit(0);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_pWindow;
    bool m_bSeen = false;
};

int RunChild(int argc, char** argv, bool bMain, int nWidth, int nHeight)
{
    if (bMain)
        StartMainDialogWarmUp(); // as the program's main() does
    InstallDefaultGLFormat();
    QApplication application(argc, argv);

    if (bMain)
    {
        CLenvaraApp app;
        CLenvaraDlg* pDlg = CreateMainDialog(app);
        CFirstPaintWatch watch(pDlg);
        pDlg->installEventFilter(&watch);
        pDlg->show();
        return QApplication::exec();
    }
    QDialog dialog;
    dialog.setFixedSize(nWidth, nHeight);
    CFirstPaintWatch watch(&dialog);
    dialog.installEventFilter(&watch);
    dialog.show();
    return QApplication::exec();
}

// Starts the child and waits for its report; milliseconds, or -1 on failure.
double TimeChild(const char* pszSelf, const std::vector<std::string>& args, std::string& strReport)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1.0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(pszSelf));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    const auto tStart = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, pszSelf, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (nSpawn != 0)
    {
        close(fds[0]);
        return -1.0;
    }
    strReport.clear();
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        strReport += c;
    const auto tEnd = std::chrono::steady_clock::now();
    close(fds[0]);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    if (strReport.rfind("painted", 0) != 0)
        return -1.0;
    return std::chrono::duration<double, std::milli>(tEnd - tStart).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
    {
        const bool bMain = std::strcmp(argv[2], "main") == 0;
        int nWidth = 640;
        int nHeight = 480;
        if (argc >= 4)
            std::sscanf(argv[3], "%dx%d", &nWidth, &nHeight);
        return RunChild(argc, argv, bMain, nWidth, nHeight);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    {
        std::fputs("gui_startup: no display available (run under xvfb-run)\n", stderr);
        return 1;
    }

    // The main dialog's size for the bare dialog; the first runs also warm the caches.
    std::string strReport;
    if (TimeChild(argv[0], {"--child", "main"}, strReport) < 0)
    {
        std::fprintf(stderr, "gui_startup: the main dialog did not paint (%s)\n",
                     strReport.c_str());
        return 1;
    }
    const std::string strSize = strReport.substr(std::strlen("painted "));
    TimeChild(argv[0], {"--child", "bare", strSize}, strReport);

    std::vector<double> main;
    std::vector<double> bare;
    for (int i = 0; i < kRounds; ++i)
    {
        const double dMain = TimeChild(argv[0], {"--child", "main"}, strReport);
        const double dBare = TimeChild(argv[0], {"--child", "bare", strSize}, strReport);
        if (dMain < 0 || dBare < 0)
        {
            std::fputs("gui_startup: a child failed to paint\n", stderr);
            return 1;
        }
        main.push_back(dMain);
        bare.push_back(dBare);
    }
    const double dMain = Median(main);
    const double dBare = Median(bare);
    std::printf("window size            %s\n", strSize.c_str());
    std::printf("main dialog, median    %.1f ms (%d runs)\n", dMain, kRounds);
    std::printf("bare dialog, median    %.1f ms (%d runs)\n", dBare, kRounds);
    std::printf("ratio main / bare      %.2f\n", dMain / dBare);
    return 0;
}
