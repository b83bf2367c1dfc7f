#include "ui/OwnCatalogueStart.h"

#include "core/OwnCatalogue.h"
#include "core/ProjectorCatalogue.h"

#include <chrono>
#include <future>
#include <thread>
#include <utility>

namespace
{
struct SDefaultRead
{
    std::string szFile; // empty: no home folder, so no default file
    SCatalogueRead read;
};

SDefaultRead ReadDefault()
{
    SDefaultRead result;
    result.szFile = DefaultProjectorCataloguePath();
    if (!result.szFile.empty())
        result.read = ReadProjectorCatalogue(result.szFile);
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
    std::thread([promise = std::move(promise)]() mutable { promise.set_value(ReadDefault()); })
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
    const SCatalogueRead& read = result.read;
    if (read.error && !read.error->bMissing)
    {
        // The file stays the one the catalogue window saves to, should the user save.
        InstallOwnProjectors({}, result.szFile);
        return FormatCatalogueError(*read.error);
    }
    InstallOwnProjectors(std::move(result.read.projectors), result.szFile);
    return std::nullopt;
}
