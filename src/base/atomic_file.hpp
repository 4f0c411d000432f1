#pragma once

#include <string>
#include <string_view>

namespace vezu {

// Writes a file beside its target under a temporary name and renames it over
// the target only when everything was written, so a failure never leaves a
// truncated file nor destroys the previous one. Errors are InOutError.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    // Closes the temporary file and puts it in place of the target.
    void commit();

private:
    void discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
};

} // namespace vezu
