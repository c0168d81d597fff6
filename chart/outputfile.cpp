// SPDX-License-Identifier: MIT

#include "chart/outputfile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace chart {

namespace {

std::string systemError(std::string_view what, const std::string &path)
{
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const auto written = ::write(fd, contents.data(), static_cast<unsigned>(contents.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

#ifdef _WIN32
int makeTemporary(std::string &name)
{
    // The process id and a counter give a name no other writer uses; the
    // exclusive flag refuses one that exists all the same.
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            name + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::_open(candidate.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            name = candidate;
            return fd;
        }
    }
    return -1;
}

// Answers what went wrong, or nothing.
std::optional<std::string> replace(const std::string &from, const std::string &to)
{
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        return std::nullopt;
    std::array<char, 256> text{};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        GetLastError(), 0, text.data(), static_cast<DWORD>(text.size()), nullptr);
    std::string reason(text.data(), length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == '.'))
        reason.pop_back();
    return reason.empty() ? std::string("error ") + std::to_string(GetLastError()) : reason;
}
#else
int makeTemporary(std::string &name)
{
    name += ".XXXXXX";
    return ::mkstemp(name.data());
}

std::optional<std::string> replace(const std::string &from, const std::string &to)
{
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return std::nullopt;
    return std::strerror(errno);
}
#endif

#ifdef _WIN32
constexpr int openForWriting = _O_WRONLY | _O_BINARY;
#else
constexpr int openForWriting = O_WRONLY | O_NOCTTY;

// Where a chain of symbolic links ends (path itself when it is no link),
// even where that file does not exist yet; none for a loop.
std::optional<std::string> linkTarget(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::array<char, 4096> target{};
        const auto length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return path;
        std::string next(target.data(), static_cast<std::size_t>(length));
        // A relative target is relative to the link's own folder.
        if (const std::size_t slash = path.rfind('/'); next.front() != '/' && slash != std::string::npos)
            next.insert(0, path, 0, slash + 1);
        path = std::move(next);
    }
    return std::nullopt;
}
#endif

// Closes fd, on which path was written; answers what went wrong, or nothing.
std::optional<std::string> closeWritten(int fd, bool written, const std::string &path)
{
    const int writeError = errno;
    if (::close(fd) == 0 && written)
        return std::nullopt;
    if (!written)
        errno = writeError;
    return systemError("cannot write", path);
}

// Writes contents to the temporary file fd, then renames it over path.
std::optional<std::string> replaceFile(int fd, const std::string &temporary, const std::string &path,
                                       std::string_view contents)
{
    if (auto failure = closeWritten(fd, writeAll(fd, contents), path)) {
        std::remove(temporary.c_str());
        return failure;
    }
    if (const auto reason = replace(temporary, path)) {
        std::remove(temporary.c_str());
        return "cannot replace " + path + ": " + *reason;
    }
    return std::nullopt;
}

#ifndef _WIN32
// Gives the temporary file fd the owner, group and permissions of the file
// it is to replace; false where it cannot take them all.
bool takeIdentity(int fd, const struct stat &existing)
{
    struct stat own {};
    if (::fstat(fd, &own) != 0)
        return false;
    if ((own.st_uid != existing.st_uid || own.st_gid != existing.st_gid)
        && ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
        return false;
    // After fchown, which clears the set-id bits.
    return ::fchmod(fd, existing.st_mode & 07777) == 0;
}

// Writes an existing ordinary file the way a shell's redirection would: one
// the user may not write is refused, untouched. It is replaced in one step
// where the new file can be the same to its owner, its group and its other
// names; otherwise (another's file, hard links, a folder closed to new
// files) it is overwritten where it stands.
std::optional<std::string> rewriteFile(const std::string &path, const struct stat &existing, std::string_view contents)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY);
    if (fd < 0)
        return systemError("cannot write", path);
    std::string temporary = path;
    const int replacement = existing.st_nlink == 1 ? makeTemporary(temporary) : -1;
    if (replacement >= 0 && takeIdentity(replacement, existing)) {
        ::close(fd);
        return replaceFile(replacement, temporary, path, contents);
    }
    if (replacement >= 0) {
        ::close(replacement);
        std::remove(temporary.c_str());
    }
    const auto length = static_cast<off_t>(contents.size());
    return closeWritten(fd, writeAll(fd, contents) && ::ftruncate(fd, length) == 0 && ::fsync(fd) == 0, path);
}
#endif

} // namespace

std::optional<std::string> writeFile(const std::string &path, std::string_view contents)
{
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return "cannot write " + path + ": it is a folder";
    // A device or a pipe would be destroyed by a rename over it; it takes
    // the chart as a stream, the way a shell's redirection writes it.
    if (exists && !S_ISREG(existing.st_mode)) {
        const int fd = ::open(path.c_str(), openForWriting);
        if (fd < 0)
            return systemError("cannot open", path);
        return closeWritten(fd, writeAll(fd, contents), path);
    }
#ifdef _WIN32
    std::string temporary = path;
    const int fd = makeTemporary(temporary);
    if (fd < 0)
        return systemError("cannot create a file beside", path);
    return replaceFile(fd, temporary, path, contents);
#else
    const auto target = linkTarget(path);
    if (!target) {
        errno = ELOOP;
        return systemError("cannot write", path);
    }
    if (exists)
        return rewriteFile(*target, existing, contents);
    std::string temporary = *target;
    const int fd = makeTemporary(temporary);
    if (fd < 0)
        return systemError("cannot create a file beside", path);
    // mkstemp makes the file private; a new chart gets the permissions any
    // new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return replaceFile(fd, temporary, *target, contents);
#endif
}

std::optional<std::string> writeStandardOutput(std::string_view contents)
{
#ifdef _WIN32
    // The chart's line ends are its own: CSV's CRLF must not become CRCRLF.
    _setmode(1, _O_BINARY);
#endif
    if (!writeAll(1, contents))
        return std::string("cannot write to standard output: ") + std::strerror(errno);
    return std::nullopt;
}

} // namespace chart
