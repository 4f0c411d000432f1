#include "base/atomic_file.hpp"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/io_error.hpp"

namespace vezu {
namespace {

std::string temporaryNameFor(const std::string& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + ".tmp" + std::to_string(::getpid()) + "-" +
           std::to_string(counter++) + "-" + std::to_string(attempt);
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(std::move(target)) {
    for (unsigned attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryNameFor(target_, attempt);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt > 100)) {
            // Creating a file fails with ENOENT only when its folder is missing.
            throw inOutError(errno == ENOENT ? ENOTDIR : errno);
        }
    }
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
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
    if (fd_ < 0) {
        throw InOutError("File not open");
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary_.c_str());
        throw inOutError(code);
    }
    // A replaced file keeps its permissions.
    struct stat previous {};
    if (::stat(target_.c_str(), &previous) == 0 && S_ISREG(previous.st_mode)) {
        ::chmod(temporary_.c_str(), previous.st_mode & 07777);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary_.c_str());
        throw inOutError(code);
    }
}

} // namespace vezu
