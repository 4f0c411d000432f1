#pragma once

class QCoreApplication;
class QLocale;
class QTranslator;

namespace vezu {

// Loads Qt's own texts (dialog buttons, file dialogs, message boxes) in the
// language of the locale given. Returns the installed translator, owned by
// the application, or null when Qt has no translation for that language.
QTranslator* installQtTranslations(QCoreApplication& application, const QLocale& locale);

} // namespace vezu
