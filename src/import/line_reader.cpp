#include "import/line_reader.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/io_error.hpp"

namespace vezu {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

ssize_t readSome(int fd, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, into, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

} // namespace

LineReader::LineReader(const std::string& path)
    : buffer_(std::make_unique_for_overwrite<char[]>(kChunk)), capacity_(kChunk) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        throw inOutError(errno);
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int code = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd_);
        throw inOutError(code);
    }
}

LineReader::~LineReader() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::int64_t LineReader::countLines() {
    std::int64_t lines = 0;
    char last = '\n';
    for (;;) {
        const ssize_t got = readSome(fd_, buffer_.get(), capacity_);
        if (got < 0) {
            throw inOutError(errno);
        }
        if (got == 0) {
            break;
        }
        lines += std::count(buffer_.get(), buffer_.get() + got, '\n');
        last = buffer_[static_cast<std::size_t>(got) - 1];
    }
    if (last != '\n') {
        ++lines;
    }
    if (::lseek(fd_, 0, SEEK_SET) < 0) {
        throw inOutError(errno);
    }
    begin_ = end_ = 0;
    atEnd_ = false;
    return lines;
}

bool LineReader::fill() {
    if (atEnd_) {
        return false;
    }
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) { // a line longer than the buffer
        auto larger = std::make_unique_for_overwrite<char[]>(capacity_ * 2);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    const ssize_t got = readSome(fd_, buffer_.get() + end_, capacity_ - end_);
    if (got < 0) {
        throw inOutError(errno);
    }
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += static_cast<std::size_t>(got);
    return true;
}

bool LineReader::next(std::string_view& line) {
    std::size_t searchFrom = begin_;
    for (;;) {
        const char* start = buffer_.get() + searchFrom;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - searchFrom));
        if (newline != nullptr) {
            const auto at = static_cast<std::size_t>(newline - buffer_.get());
            std::size_t length = at - begin_;
            if (length > 0 && buffer_[at - 1] == '\r') {
                --length;
            }
            line = std::string_view(buffer_.get() + begin_, length);
            begin_ = at + 1;
            return true;
        }
        const std::size_t scanned = end_ - begin_;
        if (!fill()) {
            if (begin_ == end_) {
                return false;
            }
            std::size_t length = end_ - begin_;
            if (buffer_[end_ - 1] == '\r') {
                --length;
            }
            line = std::string_view(buffer_.get() + begin_, length);
            begin_ = end_;
            return true;
        }
        searchFrom = begin_ + scanned;
    }
}

} // namespace vezu
