#include "bench_listing.hpp"

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <unistd.h>

#include "listing_generator.hpp"

namespace vezu {

const std::string& kr20BenchListing(std::uint64_t animals, std::uint64_t lotSize) {
    static std::map<std::pair<std::uint64_t, std::uint64_t>, std::string> made;
    auto& path = made[{animals, lotSize}];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("vezu-bench-" + std::to_string(::getpid()) + "-" + std::to_string(animals) + "-" +
                 std::to_string(lotSize) + ".txt"))
                   .string();
        writeKr20Listing(path, animals, lotSize);
        static struct Cleanup {
            std::map<std::pair<std::uint64_t, std::uint64_t>, std::string>* files;
            ~Cleanup() {
                for (const auto& [key, file] : *files) {
                    std::filesystem::remove(file);
                }
            }
        } cleanup{&made};
    }
    return path;
}

std::uint64_t fileSize(const std::string& path) {
    return std::filesystem::file_size(path);
}

double statusMegabytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(key, 0) == 0) {
            return std::stod(line.substr(key.size())) / 1024;
        }
    }
    return 0;
}

void startNewPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

} // namespace vezu
