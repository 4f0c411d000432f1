#include "app/qt_translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vezu {

QTranslator* installQtTranslations(QCoreApplication& application, const QLocale& locale) {
    auto* translator = new QTranslator(&application);
    // "qt_xx" gathers the catalogues of every Qt module installed.
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace vezu
