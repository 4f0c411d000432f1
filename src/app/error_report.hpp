#pragma once

#include <QString>

namespace vezu {

// The general error report appends a full stop when the text ends in a
// character above "." ("Arquivo inválido !" stays as it is).
QString withFullStop(const QString& text);

} // namespace vezu
