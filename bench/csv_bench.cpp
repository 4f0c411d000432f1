// CSV writing speed for a large KR-20 listing.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_listing.hpp"
#include "export/csv_writer.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

void BM_WriteKr20Csv(benchmark::State& state) {
    const auto animals = static_cast<std::uint64_t>(state.range(0));
    WeighingStore store;
    ListingObserver quiet;
    parseKr20Listing(kr20BenchListing(animals, 500), store, quiet);
    FormatSettings fs;
    fs.decimalSeparator = ",";
    const std::string out =
        (std::filesystem::temp_directory_path() / "vezu-bench-out.csv").string();
    for (auto _ : state) {
        writeKr20Csv(store, out, fs);
    }
    const auto bytes = std::filesystem::file_size(out);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["csv_MB"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove(out);
}
BENCHMARK(BM_WriteKr20Csv)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
