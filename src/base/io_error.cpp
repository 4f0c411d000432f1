#include "base/io_error.hpp"

#include <cerrno>

namespace vezu {

InOutError inOutError(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return InOutError("File not found");
    case ENOTDIR:
        return InOutError("Path not found");
    case EMFILE:
    case ENFILE:
        return InOutError("Too many open files");
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
        return InOutError("File access denied");
    case ENOSPC:
        return InOutError("Disk full");
    default:
        return InOutError("I/O error " + std::to_string(errnoValue));
    }
}

} // namespace vezu
