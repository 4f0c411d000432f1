#include "base/error.hpp"

namespace vezu {

std::string formatMessage(std::string_view pattern, std::string_view argument) {
    std::string out(pattern);
    if (auto at = out.find("%s"); at != std::string::npos) {
        out.replace(at, 2, argument);
    }
    return out;
}

} // namespace vezu
