#pragma once

#include <QLabel>

namespace vezu {

// Sizes a one-line label to its text at the given point size, stepping the
// size down when the text would run past maxWidth (a long listing name in a
// fallback font), so nothing is cut.
void fitLabel(QLabel& label, int pointSize, int maxWidth);

} // namespace vezu
