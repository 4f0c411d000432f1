// "Conectar Indicador" in the window at 9600 baud: the GUI thread's CPU
// while the listing arrives (deliveries, Timer1 restarts, the wait dialog
// and its animation). Target: under 2 % of a core.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/app_windows.hpp"
#include "app/fonts.hpp"
#include "bench_listing.hpp"
#include "commands/user_interaction.hpp"
#include "indicator_pty.hpp"

namespace {

using namespace vezu;

class AnswerOk : public UserInteraction {
public:
    bool ask(const std::string&) override { return true; }
    bool confirm(const std::string&) override { return false; }
    void showError(const std::string& text) override {
        std::fprintf(stderr, "error: %s\n", text.c_str());
    }
    void showMessage(const std::string& text) override { showError(text); }
    std::optional<std::string> openFile(const std::string&, const std::string&) override {
        return {};
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&) override {
        return {};
    }
    void shellOpen(const std::string&) override {}
    void beep() override {}
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Below the home folder, as the window finds it.
const QString kDataFolder = QStringLiteral("/Documents/Korbane");

double threadCpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// One capture of the listing arriving `piece` bytes at a time.
void measure(const std::string& listing, std::size_t piece) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    IndicatorPty pty;
    QDir().mkpath(home.path() + kDataFolder);
    std::ofstream((home.path() + kDataFolder + "/Config.ini").toStdString(), std::ios::binary)
        << "[CONF]\r\nPorta=" << pty.slavePath() << "\r\nEsper=1\r\nIndic=1\r\n";

    AnswerOk ui;
    AppWindows windows(ui, FormatSettings{});
    windows.FrmPrinc.show();

    std::thread indicator;
    std::atomic<bool> sent = false;
    double cpuFrom = 0;
    double cpu = -1;
    std::chrono::steady_clock::time_point from;
    double wall = 0;
    QTimer watch;
    watch.setInterval(50);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!indicator.joinable() && windows.FrmAguarde.isVisible()) {
            cpuFrom = threadCpuSeconds();
            from = std::chrono::steady_clock::now();
            indicator = std::thread([&] {
                pty.waitForRawMode();
                pty.sendPaced(listing, 9600, piece);
                sent = true;
            });
        }
        if (sent && cpu < 0) {
            cpu = threadCpuSeconds() - cpuFrom;
            wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
        }
    });
    watch.start();
    windows.FrmPrinc.Conectar->trigger();
    indicator.join();

    const bool intact =
        readAll((home.path() + kDataFolder + "/Vezu.txt").toStdString()) == listing + "\r\n";
    std::printf(
        "%2zu-byte pieces: %zu bytes in %.2f s, GUI thread %.1f ms CPU = %.2f %% of a core, "
        "capture file %s\n",
        piece, listing.size(), wall, cpu * 1000, cpu / wall * 100, intact ? "intact" : "DIFFERS");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    installFontSubstitutes();
    const std::string listing = readAll(kr20BenchListing(120, 40));
    for (const std::size_t piece : {1, 16}) {
        measure(listing, piece);
    }
    return 0;
}
