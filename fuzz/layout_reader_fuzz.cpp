#include <string>

#include "base/error.hpp"
#include "report/layout_file.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view xml(reinterpret_cast<const char*>(data), size);
    try {
        const std::string written = writeLayout(readLayout(xml));
        // What the program writes it must read back to the same layout.
        if (writeLayout(readLayout(written)) != written) {
            __builtin_trap();
        }
    } catch (const Error&) {
        // A damaged layout file is reported, not fatal.
    }
    return 0;
}
