#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vezu {

inline std::string fixture(const std::string& name) {
    return std::string(VEZU_FIXTURES) + "/" + name;
}

// Writes raw listing bytes to a temporary file that goes with the object.
class TemporaryListing {
public:
    explicit TemporaryListing(const std::string& bytes) {
        static int counter = 0;
        path_ =
            std::filesystem::temp_directory_path() / ("vezu-listing-" + std::to_string(::getpid()) +
                                                      "-" + std::to_string(counter++) + ".txt");
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TemporaryListing() { std::filesystem::remove(path_); }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace vezu

namespace vezu {

// A line with each text placed at its 1-based position, spaces between.
inline std::string lineWith(std::initializer_list<std::pair<std::size_t, std::string>> fields) {
    std::string line;
    for (const auto& [position, text] : fields) {
        if (line.size() < position - 1 + text.size()) {
            line.resize(position - 1 + text.size(), ' ');
        }
        line.replace(position - 1, text.size(), text);
    }
    return line;
}

} // namespace vezu
