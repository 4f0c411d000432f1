// Workbook export of a large KR-20 listing: 100,000 animals in lots of 500.
// Target: plan and workbook in 1 s or less, peak memory under 100 MB.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_listing.hpp"
#include "export/sheet_plan.hpp"
#include "export/xlsx_writer.hpp"
#include "import/kr20_parser.hpp"

namespace vezu {
namespace {

const std::chrono::year_month_day kToday{std::chrono::year{2025}, std::chrono::December,
                                         std::chrono::day{9}};

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.shortDateFormat = "dd/MM/yyyy";
    return fs;
}

const WeighingStore& loadedStore(std::uint64_t animals) {
    static WeighingStore store;
    if (store.C() == 0) {
        ListingObserver quiet;
        parseKr20Listing(kr20BenchListing(animals, 500), store, quiet);
    }
    return store;
}

// The whole export: plan, workbook, file in place.
void BM_WriteKr20Workbook(benchmark::State& state) {
    const WeighingStore& store = loadedStore(static_cast<std::uint64_t>(state.range(0)));
    const std::string out =
        (std::filesystem::temp_directory_path() / "vezu-bench-out.xlsx").string();
    startNewPeak();
    const double tables = statusMegabytes("VmRSS:");
    for (auto _ : state) {
        writeWorkbook(kr20SheetPlan(store, brazil(), kToday), out);
    }
    state.counters["lots"] = store.C();
    state.counters["xlsx_MB"] = static_cast<double>(std::filesystem::file_size(out)) / 1e6;
    state.counters["tables_MB"] = tables;
    state.counters["peak_MB"] = statusMegabytes("VmHWM:");
    std::filesystem::remove(out);
}
BENCHMARK(BM_WriteKr20Workbook)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The plan alone, to tell its share from the writer's.
void BM_Kr20SheetPlan(benchmark::State& state) {
    const WeighingStore& store = loadedStore(static_cast<std::uint64_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(kr20SheetPlan(store, brazil(), kToday));
    }
}
BENCHMARK(BM_Kr20SheetPlan)->Arg(100'000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
