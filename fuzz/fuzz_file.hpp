#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

namespace vezu {

// The parsers read files: each input goes to one scratch file in /dev/shm.
inline const std::string& writeFuzzFile(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/dev/shm/vezu-fuzz-" + std::to_string(::getpid()) + ".txt";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace vezu
