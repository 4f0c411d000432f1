#pragma once

#include <string>
#include <string_view>

namespace vezu {

// Writes a file beside its target under a temporary name and renames it over
// the target only when everything was written, so a failure never leaves a
// truncated file nor destroys the previous one. The user's file system stays
// as it was: a symbolic link keeps pointing at the file, now replaced; a
// replaced file keeps its owner, group and mode; a file the user may not
// write is refused. Where no temporary file can sit beside the target (a
// folder without write permission) or a rename would lose the owner or a hard
// link, the complete content is written into the target itself at commit.
// Errors are InOutError.
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
    void replaceByRename();
    void rewriteTarget(int from);

    std::string target_; // with symbolic links followed
    std::string temporary_;
    int fd_ = -1;
    int targetFd_ = -1;   // open when the target is rewritten in place
    std::string pending_; // the content, when it is held until commit
    bool open_ = false;
};

} // namespace vezu
