#include <string>

#include "base/cp1252.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (utf8ToCp1252(cp1252ToUtf8(bytes)) != bytes) {
        __builtin_trap(); // every byte must survive the round trip
    }
    utf8ToCp1252(bytes); // arbitrary, often malformed UTF-8
    return 0;
}
