// korbane-vezu: the desktop program.
#include <QApplication>

#include "app/app_windows.hpp"
#include "app/command_icons.hpp"
#include "app/fonts.hpp"
#include "app/qt_user_interaction.hpp"
#include "app/texts.hpp"
#include "locale/locale_settings.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("korbane-vezu"));
    QApplication::setDesktopFileName(QStringLiteral("korbane-vezu"));
    QApplication::setWindowIcon(
        vezu::drawnIcon(QStringLiteral(":/icons/korbane-vezu.svg"), {16, 32, 48, 64}));
    vezu::installFontSubstitutes();

    vezu::QtUserInteraction ui;
    vezu::AppWindows windows(ui, vezu::formatSettingsForLocale(""));
    ui.setParentWindow(&windows.FrmPrinc);
    windows.FrmPrinc.show();
    return QApplication::exec();
}
