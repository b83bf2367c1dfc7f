#include "ui/OwnCatalogueStart.h"

#include "core/OwnCatalogue.h"
#include "core/ProjectorCatalogue.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>
#include <utility>

namespace
{
constexpr int kReadNice = 10;

// The default file read, and its projectors' rows made ready to install.
struct SDefaultRead
{
    std::optional<SCatalogueError> error; // not for a missing file
    SPreparedOwnCatalogue prepared;
};

SDefaultRead ReadDefault()
{
    SDefaultRead result;
    const std::string szFile = DefaultProjectorCataloguePath(); // empty: no home folder
    SCatalogueRead read;
    if (!szFile.empty())
        read = ReadProjectorCatalogue(szFile);
    if (read.error && !read.error->bMissing)
        result.error = std::move(read.error);
    // A file that cannot be used installs none; saving from the catalogue window
    // would still go to it.
    result.prepared = PrepareOwnProjectors(std::move(read.projectors), szFile);
    return result;
}

// The read started and not yet installed. The thread holds the promise, so the
// shared state outlives this object even when the process ends during a read.
std::future<SDefaultRead>& PendingRead()
{
    static std::future<SDefaultRead> pending;
    return pending;
}
} // namespace

void StartOwnCatalogueRead()
{
    std::future<SDefaultRead>& pending = PendingRead();
    if (pending.valid())
        return;
    std::promise<SDefaultRead> promise;
    pending = promise.get_future();
    // Detached: the caller never joins it (the result comes through the promise).
    std::thread(
        [promise = std::move(promise)]() mutable
        {
            // Behind the start-up's own work when the processors are busy: the dialog
            // comes first, the list can wait for a moment.
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kReadNice);
            promise.set_value(ReadDefault());
        })
        .detach();
}

bool OwnCatalogueReadPending()
{
    return PendingRead().valid();
}

bool OwnCatalogueReadDone()
{
    const std::future<SDefaultRead>& pending = PendingRead();
    return !pending.valid() ||
           pending.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

std::optional<std::string> InstallDefaultOwnCatalogue()
{
    std::future<SDefaultRead>& pending = PendingRead();
    SDefaultRead result = pending.valid() ? pending.get() : ReadDefault();
    InstallPreparedOwnProjectors(result.prepared);
    if (result.error)
        return FormatCatalogueError(*result.error);
    return std::nullopt;
}
