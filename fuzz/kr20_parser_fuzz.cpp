#include "base/error.hpp"
#include "export/csv_writer.hpp"
#include "fuzz_file.hpp"
#include "import/kr20_parser.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WeighingStore store;
    ListingObserver quiet;
    try {
        parseKr20Listing(writeFuzzFile(data, size), store, quiet);
    } catch (const Error&) {
        // What was built before the error must still export.
    }
    writeKr20Csv(store, "/dev/shm/vezu-fuzz-kr20.csv", FormatSettings{});
    return 0;
}
