#include "base/error.hpp"
#include "export/csv_writer.hpp"
#include "fuzz_file.hpp"
#include "import/kr10_parser.hpp"

using namespace vezu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    WeighingStore store;
    ListingObserver quiet;
    try {
        parseKr10Listing(writeFuzzFile(data, size), store, fs, quiet);
    } catch (const Error&) {
        // What was stored before the error must still export.
    }
    writeKr10Csv(store.CDS1(), "/dev/shm/vezu-fuzz-kr10.csv", fs);
    return 0;
}
