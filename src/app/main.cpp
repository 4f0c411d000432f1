// korbane-vezu: the desktop program.
#include <QApplication>
#include <QLocale>
#include <QTimer>

#include "app/app_windows.hpp"
#include "app/build_info.hpp"
#include "app/command_icons.hpp"
#include "app/fonts.hpp"
#include "app/preset_open_interaction.hpp"
#include "app/qt_translations.hpp"
#include "app/start_arguments.hpp"
#include "locale/locale_settings.hpp"

int main(int argc, char** argv) {
    if (vezu::asksOnlyForHelpOrVersion(QStringList(argv, argv + argc))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korbane-vezu"));
    QApplication::setApplicationVersion(QString::fromStdString(vezu::GetBuildInfo()));
    QApplication::setDesktopFileName(QStringLiteral("korbane-vezu"));
    vezu::installQtTranslations(application, QLocale::system());
    const QString listing = vezu::listingFromCommandLine(QApplication::arguments());

    QApplication::setWindowIcon(
        vezu::drawnIcon(QStringLiteral(":/icons/korbane-vezu.svg"), {16, 32, 48, 64}));
    vezu::installFontSubstitutes();

    vezu::PresetOpenInteraction ui;
    vezu::AppWindows windows(ui, vezu::formatSettingsForLocale(""));
    ui.setParentWindow(&windows.FrmPrinc);
    windows.FrmPrinc.setPresetOpenAnswer(ui);
    windows.FrmPrinc.show();
    if (!listing.isEmpty()) {
        // Once the event loop runs, so the window is up behind any message.
        QTimer::singleShot(0, &windows.FrmPrinc,
                           [&windows, listing] { windows.FrmPrinc.openListingFile(listing); });
    }
    return QApplication::exec();
}
