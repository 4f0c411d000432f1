#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vezu {

// Reads a text file line by line through one buffer, without holding the
// whole file. A line ends at LF; a CR just before the LF is dropped. The file
// is closed by the destructor, whatever happened. Errors are InOutError.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Counts the lines by a separate pass over the file, then rewinds.
    std::int64_t countLines();

    // The next line's bytes, valid until the next call; false at the end.
    bool next(std::string_view& line);

private:
    bool fill();

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

} // namespace vezu
