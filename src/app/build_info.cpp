#include "app/build_info.hpp"

#include <array>
#include <sstream>

namespace vezu {
namespace {

std::string piece(std::uint16_t part, std::size_t from) {
    return std::to_string(part + 100).substr(from, 2);
}

} // namespace

std::string formatBuildInfo(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                            std::uint16_t build) {
    return piece(major, 2) + "." + piece(minor, 2) + "." + piece(release, 2) + "." +
           piece(build, 1);
}

std::string GetBuildInfo() {
    std::array<std::uint16_t, 4> parts{};
    std::istringstream in(VEZU_FILE_VERSION);
    for (auto& part : parts) {
        std::string text;
        std::getline(in, text, '.');
        part = static_cast<std::uint16_t>(std::stoul(text));
    }
    return formatBuildInfo(parts[0], parts[1], parts[2], parts[3]);
}

} // namespace vezu
