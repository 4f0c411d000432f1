#include "analysis/capture_archive.hpp"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/atomic_file.hpp"
#include "base/io_error.hpp"

namespace vezu {
namespace {

std::string joined(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') {
        return folder + name;
    }
    return folder + "/" + name;
}

// Any entry counts, a dangling link too: its name is taken.
bool nameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw inOutError(errno);
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int code = errno;
            ::close(fd);
            throw inOutError(code);
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

} // namespace

LocalDateTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::string captureArchiveName(const LocalDateTime& when) {
    char name[64];
    std::snprintf(name, sizeof name, "Captura %04d-%02d-%02d %02d-%02d-%02d", when.year, when.month,
                  when.day, when.hour, when.minute, when.second);
    return name;
}

std::string freeCaptureArchivePath(const std::string& folder, const LocalDateTime& when) {
    const std::string stem = captureArchiveName(when);
    std::string path = joined(folder, stem + ".txt");
    for (int copy = 2; nameTaken(path); ++copy) {
        path = joined(folder, stem + " (" + std::to_string(copy) + ").txt");
    }
    return path;
}

std::string archiveCapture(const std::string& folder, const LocalDateTime& when,
                           std::string_view bytes) {
    const std::string path = freeCaptureArchivePath(folder, when);
    AtomicFileWriter file(path);
    file.write(bytes);
    file.commit();
    return path;
}

std::string archiveCaptureFile(const std::string& captureFile, const std::string& folder,
                               const LocalDateTime& when) {
    return archiveCapture(folder, when, readWholeFile(captureFile));
}

void makeFolders(const std::string& folder) {
    for (std::size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        const std::string part = folder.substr(0, end);
        if (!part.empty() && ::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) {
            throw inOutError(errno == ENOENT ? ENOTDIR : errno);
        }
        if (end == std::string::npos) {
            break;
        }
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        throw inOutError(ENOTDIR);
    }
}

} // namespace vezu
