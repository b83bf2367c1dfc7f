// lenvara-calc with a catalogue of 20,000 own projectors: "distance" on the last of
// them against "distance" on a built-in model, the same file loaded in both runs.
// Each run is a whole process; the two kinds are interleaved, and the medians and
// their ratio are printed.
#include "BenchCatalogue.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr int kProjectors = 20000;
constexpr int kRounds = 21;

// Milliseconds the command took, or -1 when it did not end with status 0.
double TimeRun(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto tStart = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int nSpawn = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nSpawn != 0)
        return -1.0;
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    const auto tEnd = std::chrono::steady_clock::now();
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
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

int main()
{
    char szDir[] = "/tmp/lenvara-bench-XXXXXX";
    if (!mkdtemp(szDir))
        return 1;
    const std::string szFile = std::string(szDir) + "/projectors.json";
    if (!WriteBenchCatalogue(szFile, kProjectors))
    {
        std::fputs("cli_catalogue: the catalogue could not be written\n", stderr);
        return 1;
    }
    char szLast[32];
    std::snprintf(szLast, sizeof szLast, "Bench Projector %05d", kProjectors);
    const std::vector<std::string> own = {LENVARA_CALC_PATH, "distance", szLast, "--width", "2",
                                          "--catalogue",     szFile};
    const std::vector<std::string> builtIn = {
        LENVARA_CALC_PATH, "distance", "Kelda W1", "--width", "2", "--catalogue", szFile};
    TimeRun(own); // warms the file cache
    std::vector<double> vOwn;
    std::vector<double> vBuiltIn;
    for (int i = 0; i < kRounds; ++i)
    {
        const double dOwn = TimeRun(own);
        const double dBuiltIn = TimeRun(builtIn);
        if (dOwn < 0 || dBuiltIn < 0)
        {
            std::fputs("cli_catalogue: lenvara-calc failed\n", stderr);
            return 1;
        }
        vOwn.push_back(dOwn);
        vBuiltIn.push_back(dBuiltIn);
    }
    std::remove(szFile.c_str());
    std::remove((szFile + ".bak").c_str());
    rmdir(szDir);
    const double dOwn = Median(vOwn);
    const double dBuiltIn = Median(vBuiltIn);
    std::printf("catalogue              %d own projectors\n", kProjectors);
    std::printf("last own, median       %.1f ms (%d runs)\n", dOwn, kRounds);
    std::printf("built-in, median       %.1f ms (%d runs)\n", dBuiltIn, kRounds);
    std::printf("ratio own / built-in   %.2f\n", dOwn / dBuiltIn);
    return 0;
}
