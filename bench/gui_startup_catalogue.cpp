// Start-up of the desktop program with 20,000 own projectors against start-up with
// none, in the same run: from process start to the main dialog's first completed
// paint, and to the moment the own projectors are in the model list. Each child
// process starts as the program does, with XDG_DATA_HOME pointing to a folder with
// the catalogue file or to an empty one; the two kinds are interleaved. Prints the
// medians in milliseconds and the ratio of the first paints. Needs a display.
#include "BenchCatalogue.h"

#include "app/LenvaraApp.h"
#include "gl/GLSurfaceFormat.h"
#include "ui/LenvaraDlg.h"
#include "ui/ModelComboBox.h"

#include <QApplication>
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
constexpr int kProjectors = 20000;
constexpr int kRounds = 15;

// Prints "painted" once the first paint of the dialog has been handled, then
// "listed" once the list holds nRows rows.
class CStartWatch : public QObject
{
public:
    CStartWatch(CLenvaraDlg* pDlg, int nRows) : m_pDlg(pDlg), m_nRows(nRows) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pWatched == m_pDlg && pEvent->type() == QEvent::Paint && !m_bSeen)
        {
            m_bSeen = true;
            QMetaObject::invokeMethod(
                qApp,
                [this]
                {
                    std::puts("painted");
                    std::fflush(stdout);
                    auto* pTimer = new QTimer(qApp);
                    connect(pTimer, &QTimer::timeout, qApp,
                            [this]
                            {
                                if (m_pDlg->GetModelCombo()->count() < m_nRows)
                                    return;
                                std::puts("listed");
                                std::fflush(stdout);
                                std::_Exit(0);
                            });
                    pTimer->start(1);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    CLenvaraDlg* m_pDlg;
    int m_nRows;
    bool m_bSeen = false;
};

int RunChild(int argc, char** argv, int nRows)
{
    StartMainDialogWarmUp(); // as the program's main() does
    InstallDefaultGLFormat();
    QApplication application(argc, argv);
    CLenvaraApp app;
    CLenvaraDlg* pDlg = CreateMainDialog(app);
    CStartWatch watch(pDlg, nRows);
    pDlg->installEventFilter(&watch);
    pDlg->show();
    return QApplication::exec();
}

struct STimes
{
    double dPainted = -1;
    double dListed = -1;
};

// Starts the child with XDG_DATA_HOME = szDataHome and times its two reports.
STimes TimeChild(const char* pszSelf, const std::string& szDataHome, int nRows)
{
    STimes times;
    int fds[2];
    if (pipe(fds) != 0)
        return times;
    std::vector<std::string> env;
    for (char** p = environ; *p; ++p)
        if (std::strncmp(*p, "XDG_DATA_HOME=", 14) != 0)
            env.emplace_back(*p);
    env.push_back("XDG_DATA_HOME=" + szDataHome);
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    const std::string szRows = std::to_string(nRows);
    char* argv[] = {const_cast<char*>(pszSelf), const_cast<char*>("--child"),
                    const_cast<char*>(szRows.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const auto tStart = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, pszSelf, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (nSpawn != 0)
    {
        close(fds[0]);
        return times;
    }
    std::string strLine;
    char c = 0;
    while (read(fds[0], &c, 1) == 1)
    {
        if (c != '\n')
        {
            strLine += c;
            continue;
        }
        const double dMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - tStart)
                .count();
        if (strLine == "painted")
            times.dPainted = dMs;
        else if (strLine == "listed")
            times.dListed = dMs;
        strLine.clear();
    }
    close(fds[0]);
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return times;
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
        return RunChild(argc, argv, std::atoi(argv[2]));
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
    {
        std::fputs("gui_startup_catalogue: no display available (run under xvfb-run)\n", stderr);
        return 1;
    }
    char szNone[] = "/tmp/lenvara-bench-XXXXXX";
    char szMany[] = "/tmp/lenvara-bench-XXXXXX";
    if (!mkdtemp(szNone) || !mkdtemp(szMany))
        return 1;
    const std::string szFile = std::string(szMany) + "/lenvara/projectors.json";
    if (!WriteBenchCatalogue(szFile, kProjectors))
        return 1;
    const int nBuiltIn = 46;
    const int nWithOwn = nBuiltIn + 1 + kProjectors; // the separator between them

    // The first runs warm the caches.
    TimeChild(argv[0], szNone, nBuiltIn);
    TimeChild(argv[0], szMany, nWithOwn);
    std::vector<double> nonePainted, manyPainted, manyListed;
    for (int i = 0; i < kRounds; ++i)
    {
        const STimes none = TimeChild(argv[0], szNone, nBuiltIn);
        const STimes many = TimeChild(argv[0], szMany, nWithOwn);
        if (none.dPainted < 0 || many.dPainted < 0 || many.dListed < 0)
        {
            std::fputs("gui_startup_catalogue: a child failed\n", stderr);
            return 1;
        }
        nonePainted.push_back(none.dPainted);
        manyPainted.push_back(many.dPainted);
        manyListed.push_back(many.dListed);
    }
    std::remove(szFile.c_str());
    rmdir((std::string(szMany) + "/lenvara").c_str());
    rmdir(szMany);
    rmdir(szNone);
    const double dNone = Median(nonePainted);
    const double dMany = Median(manyPainted);
    std::printf("first paint, no own projectors      %.1f ms (median of %d)\n", dNone, kRounds);
    std::printf("first paint, %d own projectors   %.1f ms\n", kProjectors, dMany);
    std::printf("ratio                               %.2f\n", dMany / dNone);
    std::printf("own projectors listed               %.1f ms\n", Median(manyListed));
    return 0;
}
