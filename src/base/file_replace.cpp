#include "base/file_replace.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "base/checked_file.h"

namespace fs = std::filesystem;

namespace lexicount {
namespace {

// The temporary file being written, for a signal handler to remove: a fixed
// buffer, because a handler may not allocate.
char g_pendingTemp[4096];
std::atomic<bool> g_hasPendingTemp{false};

void SetPending(const fs::path& temp) {
    const std::string name = temp.string();
    if (name.size() >= sizeof g_pendingTemp) return;
    std::memcpy(g_pendingTemp, name.c_str(), name.size() + 1);
    g_hasPendingTemp = true;
}

void ClearPending() {
    g_hasPendingTemp = false;
}

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// A link is followed so that the file it points at is replaced, not the link.
fs::path ResolvedTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

fs::path TempPathBeside(const fs::path& target, unsigned number) {
    static const char* const kHex = "0123456789abcdef";
    std::string suffix;
    for (int i = 0; i < 8; ++i, number >>= 4) suffix += kHex[number & 15];
    std::string name = ".";
    name.append(target.filename().string()).append(".").append(suffix).append(".tmp");
    return target.parent_path() / name;
}

#ifndef _WIN32

std::error_code WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return LastError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return {};
}

// Creates a new temporary file beside the target; never reuses an existing
// one. Created with 0666 so that the umask decides, as for any new file.
// Signals wait until the file is recorded for removal, so none can leave it.
int CreateTempBeside(const fs::path& target, fs::path& tempPath, std::error_code& error) {
    sigset_t deadly, saved;
    sigemptyset(&deadly);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&deadly, signal);
    pthread_sigmask(SIG_BLOCK, &deadly, &saved);
    std::random_device random;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = TempPathBeside(target, random());
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd >= 0) {
        SetPending(tempPath);
    } else {
        error = LastError();
    }
    pthread_sigmask(SIG_SETMASK, &saved, nullptr);
    return fd;
}

// The replaced file keeps its permission bits and, where allowed, its owner.
std::error_code TakeOverAttributes(int fd, const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) return {};
    if (::fchmod(fd, old.st_mode & 07777) != 0) return LastError();
    struct stat mine {};
    if (::fstat(fd, &mine) == 0 && (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid)) {
        [[maybe_unused]] const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    }
    return {};
}

std::error_code WriteTemp(int fd, const fs::path& target, std::string_view bytes) {
    std::error_code error = WriteAll(fd, bytes);
    if (!error) error = TakeOverAttributes(fd, target);
    if (!error && ::fsync(fd) != 0) error = LastError();
    if (::close(fd) != 0 && !error) error = LastError();
    return error;
}

#endif

}  // namespace

std::error_code ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    ReadOnlyFile file;
    if (const std::error_code error = file.Open(path)) return error;
    char buffer[65536];
    std::error_code error;
    while (bytes.size() <= maxBytes) {
        const std::size_t n = file.Read(buffer, sizeof buffer, error);
        bytes.append(buffer, std::min(n, maxBytes + 1 - bytes.size()));
        if (error || n < sizeof buffer) break;
    }
    return error;
}

std::error_code CheckReplaceable(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        // The folder must exist for the file to be created.
        return error == std::errc::not_a_directory ? error : std::error_code();
    }
    if (error) return error;
    if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory);
    if (!fs::is_regular_file(status)) return std::make_error_code(std::errc::not_supported);
    return {};
}

std::error_code ProbeWritableFile(const fs::path& path, bool& created) {
    created = false;
    if (path.empty()) return std::make_error_code(std::errc::invalid_argument);
    if (const std::error_code error = CheckReplaceable(path)) return error;
    std::error_code ignored;
    const bool existed = fs::exists(path, ignored);
#ifdef _WIN32
    std::ofstream probe(path, std::ios::binary | std::ios::app);
    if (!probe) return std::make_error_code(std::errc::permission_denied);
#else
    // Non-blocking, and checked again once open, in case the path was
    // replaced by a FIFO or a device meanwhile.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) return LastError();
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) return std::make_error_code(std::errc::not_supported);
#endif
    created = !existed;
    return {};
}

std::error_code ReplaceFileContents(const fs::path& path, std::string_view bytes) {
    if (path.empty()) return std::make_error_code(std::errc::invalid_argument);
    const fs::path target = ResolvedTarget(path);
    if (const std::error_code error = CheckReplaceable(target)) return error;
    fs::path tempPath;
#ifdef _WIN32
    tempPath = TempPathBeside(target, std::random_device{}());
    {
        std::ofstream out(tempPath, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(tempPath, ignored);
            return std::make_error_code(std::errc::io_error);
        }
    }
#else
    std::error_code error;
    const int fd = CreateTempBeside(target, tempPath, error);
    if (fd < 0) return error;
    error = WriteTemp(fd, target, bytes);
    if (error) {
        ::unlink(tempPath.c_str());
        ClearPending();
        return error;
    }
#endif
    std::error_code renameError;
    fs::rename(tempPath, target, renameError);
    if (renameError) {
        std::error_code ignored;
        fs::remove(tempPath, ignored);
    }
    ClearPending();
    return renameError;
}

void RemovePendingTemporaryFile() {
#ifndef _WIN32
    if (g_hasPendingTemp) ::unlink(g_pendingTemp);
#endif
}

}  // namespace lexicount
