#include "bench_listing.hpp"

#include <filesystem>
#include <map>
#include <unistd.h>

#include "listing_generator.hpp"

namespace vezu {

const std::string& kr20BenchListing(std::uint64_t animals, std::uint64_t lotSize) {
    static std::map<std::pair<std::uint64_t, std::uint64_t>, std::string> made;
    auto& path = made[{animals, lotSize}];
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("vezu-bench-" + std::to_string(::getpid()) + "-" + std::to_string(animals) + ".txt"))
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

std::uint64_t fileSize(const std::string& path) { return std::filesystem::file_size(path); }

} // namespace vezu
