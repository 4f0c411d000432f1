// Serial capture without a window, through a pseudo-terminal.
// Targets: a 5 MB listing sent without pacing is captured with not one byte
// lost (the capture file is the listing plus CR LF); at 9600 baud the thread
// that runs the capture uses under 2 % of a core; `vezu-convert --capture` of
// a 20,000-animal listing played by indicator-sim at 9600 baud uses under
// 0.5 % of one core in all its threads (`cat` on the same line for scale);
// an indicator killed mid-stream loses none of the bytes the device returned.
// vezu-convert and indicator-sim are taken from the same build tree.
#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

#include "bench_listing.hpp"
#include "capture/headless_capture.hpp"
#include "indicator_pty.hpp"
#include "listing_generator.hpp"
#include "serial/com_port.hpp"
#include "serial/platform/posix_serial_device.hpp"

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

// A program of this build tree, found from where the benchmark runs.
std::string buildTool(const std::string& relative) {
    return (std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / relative)
        .string();
}

// Starts a program with its standard output on `out` (-1: /dev/null).
pid_t spawn(const std::vector<std::string>& arguments, int out = -1) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Waits for the program; the CPU time of all its threads.
double reapCpuSeconds(pid_t pid, int& status) {
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// indicator-sim on a pseudo-terminal of its own; its path comes on the pipe.
struct Simulator {
    pid_t pid = -1;
    std::string slave;
};

Simulator startSimulator(const std::string& listing) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    Simulator sim;
    sim.pid = spawn({buildTool("tools/indicator-sim/indicator-sim"), "--baud", "9600", "--linger",
                     "500", listing},
                    pipeFds[1]);
    ::close(pipeFds[1]);
    FILE* path = ::fdopen(pipeFds[0], "r");
    char line[256] = {};
    if (path && std::fgets(line, sizeof line, path))
        sim.slave.assign(line, std::strcspn(line, "\n"));
    if (path)
        std::fclose(path);
    return sim;
}

const std::string& kr10Listing(std::uint64_t animals) {
    static std::string path;
    if (path.empty()) {
        path = (std::filesystem::temp_directory_path() /
                ("vezu-bench-kr10-" + std::to_string(::getpid()) + ".txt"))
                   .string();
        writeKr10Listing(path, animals);
    }
    return path;
}

// range(0): 0 vezu-convert --capture, 1 cat, both on indicator-sim's line.
void BM_ConvertCapture9600(benchmark::State& state) {
    const bool cat = state.range(0) == 1;
    const std::string& listingFile = kr10Listing(static_cast<std::uint64_t>(state.range(1)));
    const std::string listing = readAll(listingFile);
    const std::string output = (std::filesystem::temp_directory_path() /
                                ("vezu-bench-convert-" + std::to_string(::getpid()) + ".txt"))
                                   .string();
    double cpu = 0;
    double wall = 0;
    bool intact = false;
    for (auto _ : state) {
        const Simulator sim = startSimulator(listingFile);
        if (sim.pid < 0 || sim.slave.empty()) {
            state.SkipWithError("indicator-sim did not start");
            return;
        }
        // cat leaves the line as it is: raw mode is set for it, as a port would.
        int rawHolder = -1;
        if (cat) {
            rawHolder = ::open(sim.slave.c_str(), O_RDWR | O_NOCTTY);
            termios raw{};
            ::tcgetattr(rawHolder, &raw);
            ::cfmakeraw(&raw);
            ::tcsetattr(rawHolder, TCSANOW, &raw);
        }
        const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const auto start = std::chrono::steady_clock::now();
        const pid_t receiver =
            cat ? spawn({"/bin/cat", sim.slave}, out)
                : spawn({buildTool("src/cli/vezu-convert"), "--model", "kr10", "--capture",
                         sim.slave, "--wait", "2", "--capture-file", output});
        ::close(out);
        int status = 0;
        cpu = reapCpuSeconds(receiver, status);
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        int simStatus = 0;
        reapCpuSeconds(sim.pid, simStatus);
        if (rawHolder >= 0)
            ::close(rawHolder);
        intact = readAll(output) == (cat ? listing : listing + "\r\n");
        state.SetIterationTime(wall);
    }
    std::filesystem::remove(output);
    if (!intact)
        state.SkipWithError("what was received is not the listing");
    state.SetLabel(cat ? "cat" : "vezu-convert --capture");
    state.counters["bytes"] = static_cast<double>(listing.size());
    state.counters["cpu_ms"] = cpu * 1000;
    state.counters["cpu_pct"] = cpu / wall * 100;
    state.counters["intact"] = intact;
}
BENCHMARK(BM_ConvertCapture9600)
    ->Args({0, 20'000})
    ->Args({1, 20'000})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

// indicator-sim killed (SIGKILL) a few seconds into a 9600-baud listing:
// every byte the device returned reaches the receive handler.
void BM_IndicatorKilledMidStream(benchmark::State& state) {
    const std::string& listingFile = kr10Listing(20'000);
    const std::string listing = readAll(listingFile);
    std::uint64_t returned = 0;
    std::string received;
    bool told = false;
    for (auto _ : state) {
        const Simulator sim = startSimulator(listingFile);
        serial::HandOverQueue queue;
        serial::TComPort port;
        port.setHandOverQueue(queue);
        port.SetPort(sim.slave);
        received.clear();
        told = false;
        port.OnRxChar = [&](serial::TCustomComPort& p, std::int32_t count) {
            std::string bytes;
            p.ReadStr(bytes, count);
            received += bytes;
        };
        port.OnDeviceLost = [&](serial::TCustomComPort&) { told = true; };
        port.Open();
        const auto start = std::chrono::steady_clock::now();
        const auto killAt = start + std::chrono::milliseconds(state.range(0));
        bool killed = false;
        queue.processUntil([&] {
            if (!killed && std::chrono::steady_clock::now() >= killAt) {
                ::kill(sim.pid, SIGKILL);
                killed = true;
            }
            return told || std::chrono::steady_clock::now() - start > std::chrono::seconds(60);
        });
        const auto* device =
            dynamic_cast<const serial::platform::PosixSerialDevice*>(port.Handle());
        returned = device ? device->bytesTaken() : 0;
        port.Close();
        int status = 0;
        reapCpuSeconds(sim.pid, status);
    }
    if (!told)
        state.SkipWithError("the hang-up was not told");
    state.counters["device_returned"] = static_cast<double>(returned);
    state.counters["delivered"] = static_cast<double>(received.size());
    state.counters["lost"] = static_cast<double>(returned) - static_cast<double>(received.size());
    state.counters["prefix_ok"] = listing.compare(0, received.size(), received) == 0;
}
BENCHMARK(BM_IndicatorKilledMidStream)->Arg(3000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vezu

BENCHMARK_MAIN();
