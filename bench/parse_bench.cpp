// Parse speed and memory of large KR-20 listings.
// Targets: 1,000,000 animals in lots of 500 keep tables under 1.7 times the
// listing's size; 20,000 lots of one animal load in under 0.5 s with a peak
// under 60 MB (run it alone, --benchmark_filter=ManyLots, for that figure).
#include <benchmark/benchmark.h>

#include "bench_listing.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

std::size_t tableBytes(const WeighingStore& store) {
    std::size_t bytes = 0;
    for (std::int32_t n = 1; n <= store.C(); ++n) {
        bytes += store.lot(n).memoryUsage();
    }
    return bytes;
}

void parseInto(benchmark::State& state, std::uint64_t lotSize) {
    const auto animals = static_cast<std::uint64_t>(state.range(0));
    const std::string& path = kr20BenchListing(animals, lotSize);
    const std::uint64_t bytes = fileSize(path);
    std::size_t tables = 0;
    std::int32_t lots = 0;
    startNewPeak();
    for (auto _ : state) {
        WeighingStore store;
        ListingObserver quiet;
        parseKr20Listing(path, store, quiet);
        state.PauseTiming();
        tables = tableBytes(store);
        lots = store.C();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes * state.iterations()));
    state.counters["lots"] = lots;
    state.counters["listing_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["tables_MB"] = static_cast<double>(tables) / 1e6;
    state.counters["tables_per_listing"] = static_cast<double>(tables) / static_cast<double>(bytes);
    state.counters["peak_MB"] = statusMegabytes("VmHWM:");
}

void BM_ParseKr20(benchmark::State& state) {
    parseInto(state, 500);
}
BENCHMARK(BM_ParseKr20)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ParseKr20ManyLots(benchmark::State& state) {
    parseInto(state, 1);
}
BENCHMARK(BM_ParseKr20ManyLots)->Arg(20'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
