#include "cli/known_locale.hpp"

#include <QLocale>

namespace vezu {

// QLocale turns a name it does not know into the C locale.
bool isKnownLocale(const std::string& name) {
    if (name.empty() || name == "C" || name == "POSIX") {
        return true;
    }
    return QLocale(QString::fromStdString(name)).language() != QLocale::C;
}

} // namespace vezu
