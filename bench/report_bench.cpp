// A KR-20 lot of 100,000 animals: prepare the report and write its PDF
// (about 1,890 pages). Target: 2 s or less, peak memory under 500 MB.
// The same lot with a layout that names a field the table lacks: one error
// per row, collected as one counted line, in about the time of a clean run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sys/resource.h>

#include "bench_listing.hpp"
#include "import/kr20_parser.hpp"
#include "pdf/pdf_writer.hpp"
#include "pdf/weighing_layouts.hpp"
#include "pdf/weighing_reports.hpp"

namespace vezu {
namespace {

FormatSettings brazil() {
    FormatSettings fs;
    fs.decimalSeparator = ",";
    fs.thousandSeparator = ".";
    fs.currencyString = "R$";
    fs.currencyFormat = 2;
    return fs;
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The parsed lot, shared by both benchmarks.
WeighingStore& storeWith(std::uint64_t animals) {
    static WeighingStore store;
    if (store.C() == 0) {
        ListingObserver quiet;
        parseKr20Listing(kr20BenchListing(animals, animals), store, quiet);
    }
    return store;
}

void BM_Kr20LotPrepare(benchmark::State& state) {
    WeighingStore& store = storeWith(static_cast<std::uint64_t>(state.range(0)));
    std::size_t pages = 0;
    for (auto _ : state) {
        WeighingReports reports;
        reports.setFormatSettings(brazil());
        Table& lot = store.lot(1);
        lot.first();
        Report& report = reports.setUpKr20(lot, ReportOutput::Pdf);
        report.prepare();
        pages = report.preparedPages().count();
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_Kr20LotPrepare)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Kr20LotPrepareMissingField(benchmark::State& state) {
    WeighingStore& store = storeWith(static_cast<std::uint64_t>(state.range(0)));
    Layout layout = kr20Layout();
    std::get<MemoView>(layout.page->bands[2].objects[2]).dataField = "PESO2"; // the data band
    std::size_t reportBytes = 0;
    for (auto _ : state) {
        WeighingReports reports;
        reports.setFormatSettings(brazil());
        Table& lot = store.lot(1);
        lot.first();
        Report& report = reports.setUpKr20(lot, ReportOutput::Pdf);
        report.setLayout(layout);
        report.prepare();
        reportBytes = report.errorReport().size();
    }
    state.counters["error_report_bytes"] = static_cast<double>(reportBytes);
}
BENCHMARK(BM_Kr20LotPrepareMissingField)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_Kr20LotPdf(benchmark::State& state) {
    WeighingStore& store = storeWith(static_cast<std::uint64_t>(state.range(0)));
    const std::string out =
        (std::filesystem::temp_directory_path() / "vezu-bench-report.pdf").string();
    std::size_t pages = 0;
    for (auto _ : state) {
        WeighingReports reports;
        reports.setFormatSettings(brazil());
        Table& lot = store.lot(1);
        lot.first();
        Report& report = reports.setUpKr20(lot, ReportOutput::Pdf);
        report.prepare();
        writePdf(report.preparedPages(), reports.frxPDFExport1, 0, out);
        pages = report.preparedPages().count();
    }
    state.counters["pages"] = static_cast<double>(pages);
    state.counters["pdf_MB"] = static_cast<double>(std::filesystem::file_size(out)) / 1e6;
    state.counters["peak_MB"] = peakMegabytes();
    std::filesystem::remove(out);
}
BENCHMARK(BM_Kr20LotPdf)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
