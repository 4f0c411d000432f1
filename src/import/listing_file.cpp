#include "import/listing_file.hpp"

#include <sys/stat.h>

#include "base/error.hpp"

namespace vezu {

void ensureListingExists(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0) {
        throw Error(std::string(kFileDoesNotExist));
    }
}

} // namespace vezu
