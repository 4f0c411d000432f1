#include "app/fonts.hpp"

#include <QFont>
#include <QStringList>

namespace vezu {

void installFontSubstitutes() {
    const QStringList narrow{QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                             QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), narrow);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrow);
    QFont::insertSubstitutions(QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans")});
}

} // namespace vezu
