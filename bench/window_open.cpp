// Opening a KR-20 listing of 100,000 animals in lots of 500 in the window,
// against vezu-convert on the same file, and the longest time the event
// loop went without running while the window parsed it.
//
// Target: window time <= 2 x converter time + 1 s, and no stall over 100 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <optional>

#include "app/app_windows.hpp"
#include "app/fonts.hpp"
#include "bench_listing.hpp"
#include "locale/locale_settings.hpp"
#include "open_listing_answers.hpp"

namespace {

using namespace vezu;

double converterSeconds(const std::string& listing) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        const int status = QProcess::execute(QStringLiteral(VEZU_CONVERT),
                                             {"--model", "kr20", QString::fromStdString(listing)});
        if (status != 0) {
            std::fprintf(stderr, "vezu-convert failed (%d)\n", status);
        }
        best = std::min(best, clock.nsecsElapsed() / 1e9);
    }
    return best;
}

struct WindowRun {
    double seconds;
    double cpuSeconds;
    double longestStallMs;
    int pages;
};

WindowRun openInWindow(const std::string& listing) {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QDir().mkpath(home.path() + "/Documents/Korbane");
    std::ofstream((home.path() + "/Documents/Korbane/Config.ini").toStdString())
        << "[CONF]\r\nPorta=ttyS0\r\nEsper=10\r\nIndic=1\r\n";

    OpenListingAnswers ui(listing);
    AppWindows windows(ui, formatSettingsForLocale("pt_BR"));
    windows.FrmPrinc.show();
    QApplication::processEvents();

    // A tick every 10 ms; a late tick is time the loop could not run.
    QElapsedTimer sinceTick;
    double longestGapMs = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });

    // The command runs from the event loop, as a click would run it.
    WindowRun run{};
    QTimer::singleShot(0, [&] {
        QElapsedTimer clock;
        sinceTick.start();
        ticker.start();
        clock.start();
        const std::clock_t cpu = std::clock();
        windows.FrmPrinc.Pendrive->trigger();
        run.seconds = clock.nsecsElapsed() / 1e9;
        run.cpuSeconds = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
        ticker.stop();
        QApplication::exit(0);
    });
    QApplication::exec();
    run.longestStallMs = std::max(0.0, longestGapMs - ticker.interval());
    run.pages = windows.FrmPrinc.PageControl1->count();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    installFontSubstitutes();

    const std::string& listing = kr20BenchListing(100000, 500);
    const double convert = converterSeconds(listing);
    const WindowRun window = openInWindow(listing);
    const double limit = 2 * convert + 1;

    std::printf("vezu-convert:        %.3f s\n", convert);
    std::printf("window open:         %.3f s (limit %.3f s; CPU %.3f s), %d lot pages\n",
                window.seconds, limit, window.cpuSeconds, window.pages);
    std::printf("longest loop stall:  %.1f ms (limit 100 ms)\n", window.longestStallMs);
    const bool met = window.seconds <= limit && window.longestStallMs <= 100;
    std::printf("%s\n", met ? "target met" : "TARGET MISSED");
    return met ? 0 : 1;
}
