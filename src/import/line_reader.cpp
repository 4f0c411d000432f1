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

constexpr std::size_t kChunk = 1 << 20;

ssize_t readSome(int fd, char* into, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd, into, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

} // namespace

LineReader::LineReader(const std::string& path) : buffer_(kChunk) {
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
    std::vector<char> chunk(kChunk);
    for (;;) {
        const ssize_t got = readSome(fd_, chunk.data(), chunk.size());
        if (got < 0) {
            throw inOutError(errno);
        }
        if (got == 0) {
            break;
        }
        lines += std::count(chunk.data(), chunk.data() + got, '\n');
        last = chunk[static_cast<std::size_t>(got) - 1];
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
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2); // a line longer than the buffer
    }
    const ssize_t got = readSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
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
        const char* start = buffer_.data() + searchFrom;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - searchFrom));
        if (newline != nullptr) {
            const auto at = static_cast<std::size_t>(newline - buffer_.data());
            std::size_t length = at - begin_;
            if (length > 0 && buffer_[at - 1] == '\r') {
                --length;
            }
            line = std::string_view(buffer_.data() + begin_, length);
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
            line = std::string_view(buffer_.data() + begin_, length);
            begin_ = end_;
            return true;
        }
        searchFrom = begin_ + scanned;
    }
}

} // namespace vezu
