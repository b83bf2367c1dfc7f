// Preloaded into the desktop program by the start-up thread test. Every thread the
// process starts while it has no threads but the main one and those held here, and
// that is not one of the toolkit's own, runs to the end of its work before the
// creating call returns, and then stays alive, idle, until the process exits. That turns the worst
// order of a start-up race into the only order: whatever such a thread touched is touched before
// main() goes on, by a thread that is still alive afterwards.
#include <dirent.h>
#include <dlfcn.h>
#include <pthread.h>
#include <semaphore.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace
{
using FCreate = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

std::atomic<int> g_nHeld{0};

int CountThreads()
{
    int nCount = 0;
    if (DIR* pDir = opendir("/proc/self/task"))
    {
        while (const dirent* pEntry = readdir(pDir))
            if (pEntry->d_name[0] != '.')
                ++nCount;
        closedir(pDir);
    }
    return nCount;
}

struct SHeldStart
{
    void* (*pfnStart)(void*);
    void* pArg;
    sem_t done;
};

void* RunAndHold(void* pParam)
{
    auto* pStart = static_cast<SHeldStart*>(pParam);
    pStart->pfnStart(pStart->pArg);
    ++g_nHeld;
    sem_post(&pStart->done);
    for (;;)
        pause();
}
} // namespace

extern "C" int pthread_create(pthread_t* pThread, const pthread_attr_t* pAttr,
                              void* (*pfnStart)(void*), void* pArg)
{
    static const auto pfnReal = reinterpret_cast<FCreate>(dlsym(RTLD_NEXT, "pthread_create"));
    Dl_info info{};
    const bool bToolkit = dladdr(reinterpret_cast<void*>(pfnStart), &info) != 0 && info.dli_fname &&
                          std::strstr(info.dli_fname, "libQt6");
    if (bToolkit || CountThreads() != 1 + g_nHeld.load())
        return pfnReal(pThread, pAttr, pfnStart, pArg);
    SHeldStart start{pfnStart, pArg, {}};
    sem_init(&start.done, 0, 0);
    const int nResult = pfnReal(pThread, pAttr, &RunAndHold, &start);
    if (nResult == 0)
        while (sem_wait(&start.done) != 0)
        {
        }
    sem_destroy(&start.done);
    return nResult;
}
