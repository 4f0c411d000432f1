// Parse speed and table memory for a large KR-20 listing.
#include <benchmark/benchmark.h>

#include "bench_listing.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

void BM_ParseKr20(benchmark::State& state) {
    const auto animals = static_cast<std::uint64_t>(state.range(0));
    const std::string& path = kr20BenchListing(animals, 500);
    const std::uint64_t bytes = fileSize(path);
    std::size_t tableBytes = 0;
    for (auto _ : state) {
        WeighingStore store;
        ListingObserver quiet;
        parseKr20Listing(path, store, quiet);
        state.PauseTiming();
        tableBytes = 0;
        for (std::int32_t n = 1; n <= store.C; ++n) {
            tableBytes += store.lot(n).memoryUsage();
        }
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["listing_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["tables_MB"] = static_cast<double>(tableBytes) / 1e6;
    state.counters["tables_per_listing"] = static_cast<double>(tableBytes) / static_cast<double>(bytes);
}
BENCHMARK(BM_ParseKr20)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
