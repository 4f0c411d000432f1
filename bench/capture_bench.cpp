// Serial capture without a window, through a pseudo-terminal.
// Targets: a 5 MB listing sent without pacing is captured with not one byte
// lost (the capture file is the listing plus CR LF); at 9600 baud the thread
// that runs the capture uses under 2 % of a core.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <unistd.h>

#include "bench_listing.hpp"
#include "capture/headless_capture.hpp"
#include "indicator_pty.hpp"

namespace vezu {
namespace {

constexpr int kWaitSeconds = 1;

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double threadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct CaptureRun {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    bool intact = false;
};

// One capture of the listing, played on the far side by `play`.
template <typename Play> CaptureRun captureOnce(const std::string& listing, Play play) {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("vezu-bench-capture-" + std::to_string(::getpid()) + ".txt"))
                                 .string();
    IndicatorPty pty;
    std::thread indicator([&] {
        pty.waitForRawMode();
        play(pty);
    });
    CaptureSession session(file);
    const auto start = std::chrono::steady_clock::now();
    const double cpuBefore = threadCpuSeconds();
    captureListing(pty.slavePath(), kWaitSeconds, session);
    CaptureRun run;
    run.cpuSeconds = threadCpuSeconds() - cpuBefore;
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    indicator.join();
    run.intact = readAll(file) == listing + "\r\n";
    std::filesystem::remove(file);
    return run;
}

// About 5 MB of KR-20 listing, sent as fast as the pty takes it.
void BM_CaptureUnpaced(benchmark::State& state) {
    const std::string listing = readAll(kr20BenchListing(62'000, 500));
    CaptureRun run;
    for (auto _ : state) {
        run = captureOnce(listing, [&](IndicatorPty& pty) { pty.send(listing); });
        state.SetIterationTime(run.wallSeconds);
    }
    if (!run.intact) {
        state.SkipWithError("the capture file is not the listing plus CR LF");
    }
    state.counters["MB"] = static_cast<double>(listing.size()) / 1e6;
    state.counters["intact"] = run.intact;
    // The last waiting time is silence, not transfer.
    state.counters["MB_per_s"] =
        static_cast<double>(listing.size()) / 1e6 / (run.wallSeconds - kWaitSeconds);
}
BENCHMARK(BM_CaptureUnpaced)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ten seconds of listing at 9600 baud, arriving range(0) bytes at a time
// (1: a plain UART; 16: a USB adapter's packets).
void BM_Capture9600Baud(benchmark::State& state) {
    const std::string listing = readAll(kr20BenchListing(120, 40));
    const auto piece = static_cast<std::size_t>(state.range(0));
    CaptureRun run;
    for (auto _ : state) {
        run = captureOnce(listing, [&](IndicatorPty& pty) { pty.sendPaced(listing, 9600, piece); });
        state.SetIterationTime(run.wallSeconds);
    }
    if (!run.intact) {
        state.SkipWithError("the capture file is not the listing plus CR LF");
    }
    state.counters["bytes"] = static_cast<double>(listing.size());
    state.counters["main_cpu_ms"] = run.cpuSeconds * 1000;
    state.counters["main_cpu_pct"] = run.cpuSeconds / run.wallSeconds * 100;
}
BENCHMARK(BM_Capture9600Baud)
    ->Arg(1)
    ->Arg(16)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
