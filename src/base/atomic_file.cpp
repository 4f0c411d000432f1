#include "base/atomic_file.hpp"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/io_error.hpp"

namespace vezu {
namespace {

// As many links as the kernel follows before it gives up.
constexpr int kMaxLinks = 40;

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string temporaryNameFor(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const std::string folder = folderOf(target);
    const std::string name = target.substr(folder.size());
    return folder + "." + name + ".tmp" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

// The file a chain of symbolic links ends at, which may not exist yet.
std::string followLinks(std::string path) {
    for (int hops = 0;; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        if (hops == kMaxLinks) {
            throw inOutError(ELOOP);
        }
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof buffer) {
            throw inOutError(length < 0 ? errno : ENAMETOOLONG);
        }
        std::string next(buffer, static_cast<std::size_t>(length));
        path = next.starts_with('/') ? next : folderOf(path) + next;
    }
}

bool regularFile(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void writeAll(int fd, std::string_view bytes, off_t at) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw inOutError(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        at += written;
    }
}

std::string readAll(int fd) {
    std::string content;
    char buffer[1 << 16];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw inOutError(errno);
        }
        if (got == 0) {
            return content;
        }
        content.append(buffer, static_cast<std::size_t>(got));
        at += got;
    }
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(followLinks(std::move(target))) {
    struct stat previous {};
    const bool replacing = regularFile(target_, previous);
    // Checked first, so a file the user may not write is never replaced.
    if (replacing && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
        throw inOutError(errno);
    }
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryNameFor(target_, attempt);
        fd_ = ::open(temporary_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0 || (errno == EEXIST && attempt < 100)) {
            continue;
        }
        const int code = errno;
        if (replacing && (code == EACCES || code == EPERM)) {
            // No new file may be created in the folder: the content waits in
            // memory and goes into the target itself at commit.
            targetFd_ = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
            if (targetFd_ < 0) {
                throw inOutError(errno);
            }
            break;
        }
        // Creating a file fails with ENOENT only when its folder is missing.
        throw inOutError(code == ENOENT ? ENOTDIR : code);
    }
    open_ = true;
}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

void AtomicFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.c_str());
    }
    if (targetFd_ >= 0) {
        ::close(targetFd_);
        targetFd_ = -1;
    }
    pending_.clear();
    open_ = false;
}

void AtomicFileWriter::write(std::string_view bytes) {
    if (!open_) {
        throw InOutError("File not open");
    }
    if (targetFd_ >= 0) {
        pending_.append(bytes);
        return;
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int code = errno;
            discard();
            throw inOutError(code);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void AtomicFileWriter::commit() {
    if (!open_) {
        throw InOutError("File not open");
    }
    try {
        if (targetFd_ >= 0) {
            rewriteTarget(targetFd_);
        } else {
            replaceByRename();
        }
    } catch (...) {
        discard();
        throw;
    }
    discard();
}

void AtomicFileWriter::replaceByRename() {
    struct stat previous {};
    if (regularFile(target_, previous)) {
        // A rename would give the file our owner or cut it from its other
        // names; then the target is rewritten instead.
        struct stat made {};
        const bool sameOwner = ::fstat(fd_, &made) == 0 && made.st_uid == previous.st_uid &&
                               made.st_gid == previous.st_gid;
        const bool keepsIdentity =
            previous.st_nlink == 1 &&
            (sameOwner || ::fchown(fd_, previous.st_uid, previous.st_gid) == 0);
        if (!keepsIdentity) {
            pending_ = readAll(fd_);
            const int target = ::open(target_.c_str(), O_WRONLY | O_CLOEXEC);
            if (target < 0) {
                throw inOutError(errno);
            }
            rewriteTarget(target);
            return;
        }
        // After fchown, which clears the set-id bits.
        ::fchmod(fd_, previous.st_mode & 07777);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary_.c_str());
        throw inOutError(code);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary_.c_str());
        throw inOutError(code);
    }
}

// Takes ownership of `target`, an open descriptor of the target file.
void AtomicFileWriter::rewriteTarget(int target) {
    if (target != targetFd_) {
        if (targetFd_ >= 0) {
            ::close(targetFd_);
        }
        targetFd_ = target;
    }
    const auto size = static_cast<off_t>(pending_.size());
    // Room is reserved first, so a full disk is found while the old content
    // is still whole.
    if (size > 0 && ::fallocate(targetFd_, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        throw inOutError(errno);
    }
    writeAll(targetFd_, pending_, 0);
    if (::ftruncate(targetFd_, size) != 0) {
        throw inOutError(errno);
    }
    const int fd = targetFd_;
    targetFd_ = -1;
    if (::close(fd) != 0) {
        throw inOutError(errno);
    }
}

} // namespace vezu
