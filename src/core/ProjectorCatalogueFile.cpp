// The own projector catalogue file on disk: read without waiting and within its
// limits, and written whole or not at all. See ProjectorCatalogue.h.
#include "core/ProjectorCatalogue.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

using ojson = nlohmann::ordered_json;

const char* const kAspectKeys[kOwnAspectCount] = {"4:3", "16:9", "2.35:1"};

// Whole numbers without a fraction (7000, not 7000.0); others as the shortest text
// that reads back to the same double.
ojson Number(double d)
{
    if (d == std::floor(d) && std::fabs(d) < 1e15)
        return static_cast<std::int64_t>(d);
    return d;
}

ojson Pair(double a, double b)
{
    return ojson::array({Number(a), Number(b)});
}

ojson ProjectorJson(const SOwnProjector& p)
{
    ojson j = ojson::object();
    j["name"] = p.szName;
    if (!p.szClass.empty())
        j["class"] = p.szClass;
    j["panel"] = {
        {"width_px", p.nWidthPx}, {"height_px", p.nHeightPx}, {"pitch_um", Number(p.dPitchUm)}};
    j["lumens"] = Number(p.dLumens);
    ojson& throws = j["throw"] = ojson::object();
    for (int i = 0; i < kOwnAspectCount; ++i)
        if (p.throws[i])
            throws[kAspectKeys[i]] = Pair(p.throws[i]->dWide, p.throws[i]->dTele);
    if (p.shift)
    {
        ojson& shift = j["shift_percent"] = {{"up", Number(p.shift->dUp)},
                                             {"down", Number(p.shift->dDown)},
                                             {"left", Number(p.shift->dLeft)},
                                             {"right", Number(p.shift->dRight)}};
        if (p.shift->eOf == EShiftOf::HalfImage)
            shift["of"] = "half-image";
    }
    if (p.shiftEnvelope)
    {
        ojson& points = j["shift_envelope"] = ojson::array();
        for (const SShiftEnvelopePoint& point : *p.shiftEnvelope)
            points.push_back(Pair(point.dH, point.dV));
    }
    if (p.lens)
        j["lens"] = {{"radius_mm", Number(p.lens->dRadius)},
                     {"h_offsets_mm", Pair(p.lens->hOffsets[0], p.lens->hOffsets[1])},
                     {"v_offsets_mm", Pair(p.lens->vOffsets[0], p.lens->vOffsets[1])}};
    if (p.distance)
        j["distance_m"] = Pair(p.distance->dMin, p.distance->dMax);
    if (!p.szPicture.empty())
        j["picture"] = p.szPicture;
    return j;
}

std::string ErrorText(const std::string& szWhat, int nErrno)
{
    return szWhat + ": " + std::strerror(nErrno);
}

// Writes all of text to fd; the errno of a failed write, or 0.
int WriteAll(int fd, std::string_view text)
{
    while (!text.empty())
    {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// A new file beside szPath holding text, synced: its name, or the error.
std::pair<std::string, std::string> WriteTemporary(const std::string& szPath, std::string_view text)
{
    for (int nTry = 0; nTry < 100; ++nTry)
    {
        const std::string szTemp =
            szPath + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(nTry);
        // 0666 less the user's umask, as any new file of the user's.
        const int fd = ::open(szTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return {"", ErrorText("cannot create " + szTemp, errno)};
        int nError = WriteAll(fd, text);
        if (nError == 0 && ::fsync(fd) != 0)
            nError = errno;
        if (::close(fd) != 0 && nError == 0)
            nError = errno;
        if (nError == 0)
            return {szTemp, ""};
        ::unlink(szTemp.c_str());
        return {"", ErrorText("cannot write " + szTemp, nError)};
    }
    return {"", "cannot create a temporary file beside " + szPath};
}

// Keeps the file at szPath as szBak: a second name for the same file, so szPath
// stays in place until the new file replaces it. Where the file system has no
// second names, the file is moved (bMoved) and must come back if the rest fails.
std::string KeepBackup(const std::string& szPath, const std::string& szBak, bool& bMoved)
{
    bMoved = false;
    struct stat st
    {
    };
    if (::lstat(szPath.c_str(), &st) != 0)
        return errno == ENOENT ? "" : ErrorText("cannot read " + szPath, errno);
    if (S_ISDIR(st.st_mode))
        return szPath + " is a folder";
    if (::unlink(szBak.c_str()) != 0 && errno != ENOENT)
        return ErrorText("cannot replace " + szBak, errno);
    if (::link(szPath.c_str(), szBak.c_str()) == 0)
        return "";
    if (::rename(szPath.c_str(), szBak.c_str()) != 0)
        return ErrorText("cannot keep " + szPath + " as " + szBak, errno);
    bMoved = true;
    return "";
}

void SyncFolder(const std::string& szFolder)
{
    const int fd = ::open(szFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
    {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string ProjectorCatalogueJson(const std::vector<SOwnProjector>& projectors)
{
    ojson root = ojson::object();
    root["lenvara-projectors"] = kCatalogueVersion;
    ojson& list = root["projectors"] = ojson::array();
    for (const SOwnProjector& p : projectors)
        list.push_back(ProjectorJson(p));
    return root.dump(2) + "\n";
}

std::optional<std::string> WriteProjectorCatalogue(const std::string& szPath,
                                                   const std::vector<SOwnProjector>& projectors)
{
    if (std::optional<SCatalogueError> error = CheckProjectorList(projectors, szPath))
        return FormatCatalogueError(*error);
    std::string text;
    try
    {
        text = ProjectorCatalogueJson(projectors);
    }
    catch (const std::exception& e)
    {
        return "cannot write " + szPath + ": " + e.what();
    }
    std::string szFolder = std::filesystem::path(szPath).parent_path().string();
    if (szFolder.empty())
        szFolder = ".";
    std::error_code ec;
    std::filesystem::create_directories(szFolder, ec);
    if (ec)
        return "cannot create " + szFolder + ": " + ec.message();

    const auto [szTemp, szWriteError] = WriteTemporary(szPath, text);
    if (!szWriteError.empty())
        return szWriteError;
    const std::string szBak = szPath + ".bak";
    bool bMoved = false;
    std::string szError = KeepBackup(szPath, szBak, bMoved);
    if (szError.empty() && ::rename(szTemp.c_str(), szPath.c_str()) != 0)
    {
        szError = ErrorText("cannot replace " + szPath, errno);
        if (bMoved)
            ::rename(szBak.c_str(), szPath.c_str());
    }
    if (!szError.empty())
    {
        ::unlink(szTemp.c_str());
        return szError;
    }
    SyncFolder(szFolder);
    return std::nullopt;
}

SCatalogueRead ReadProjectorCatalogue(const std::string& szPath)
{
    SCatalogueRead result;
    auto fail = [&](std::string szReason, bool bMissing)
    {
        result.error = SCatalogueError{szPath, -1, "", "", std::move(szReason), bMissing};
        return result;
    };
    // Without waiting: a FIFO or device under the name is refused below, never read.
    const int fd = ::open(szPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? fail("does not exist", true) : fail(std::strerror(errno), false);
    struct stat st
    {
    };
    std::string text;
    const char* pszError = nullptr;
    if (::fstat(fd, &st) != 0)
        pszError = std::strerror(errno);
    else if (!S_ISREG(st.st_mode))
        pszError = "is not a regular file";
    else if (static_cast<std::uint64_t>(st.st_size) > kCatalogueFileMax)
        pszError = "is larger than 64 MiB";
    else
    {
        // Read to the end, never past the limit (the file may grow meanwhile).
        text.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t nHave = 0;
        for (;;)
        {
            if (nHave == text.size())
                text.resize(std::min(text.size() * 2, kCatalogueFileMax + 1));
            const ssize_t n = ::read(fd, text.data() + nHave, text.size() - nHave);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                pszError = std::strerror(errno);
            if (n <= 0)
                break;
            nHave += static_cast<std::size_t>(n);
            if (nHave > kCatalogueFileMax)
            {
                pszError = "is larger than 64 MiB";
                break;
            }
        }
        text.resize(nHave);
    }
    ::close(fd);
    if (pszError != nullptr)
        return fail(pszError, false);
    return ParseProjectorCatalogue(text, szPath);
}
