// Opens and discards a three-lot KR-20 listing in the window again and again
// and prints resident memory along the way: it must stay flat.
//
// Target: after warming up, resident memory at the end within 5 % of cycle 100.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <optional>
#include <unistd.h>

#include "app/app_windows.hpp"
#include "app/fonts.hpp"
#include "locale/locale_settings.hpp"
#include "open_listing_answers.hpp"

namespace {

using namespace vezu;

double residentMegabytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 1000;
    QApplication application(argc, argv);
    installFontSubstitutes();

    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QDir().mkpath(home.path() + "/Documents/Korbane");
    std::ofstream((home.path() + "/Documents/Korbane/Config.ini").toStdString())
        << "[CONF]\r\nPorta=ttyS0\r\nEsper=10\r\nIndic=1\r\n";

    OpenListingAnswers ui(VEZU_EXAMPLES "/kr20-listing.txt");
    AppWindows windows(ui, formatSettingsForLocale("pt_BR"));
    windows.FrmPrinc.show();

    double atWarmUp = 0;
    double last = 0;
    QTimer::singleShot(0, [&] {
        std::printf("cycle,resident_MB,pages\n");
        for (int cycle = 1; cycle <= cycles; ++cycle) {
            windows.FrmPrinc.Pendrive->trigger();
            QApplication::processEvents();
            if (cycle == 100) {
                atWarmUp = residentMegabytes();
            }
            if (cycle == 1 || cycle % 50 == 0) {
                last = residentMegabytes();
                std::printf("%d,%.2f,%d\n", cycle, last, windows.FrmPrinc.PageControl1->count());
            }
        }
        QApplication::exit(0);
    });
    QApplication::exec();
    const double growth = atWarmUp > 0 ? (last - atWarmUp) / atWarmUp * 100 : 0;
    std::printf("growth after warm-up: %.2f %% (target within 5 %%)\n", growth);
    return 0;
}
