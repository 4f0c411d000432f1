#pragma once

namespace vezu {

// The layouts name Tahoma, MS Sans Serif and Verdana; map them to installed
// fonts of close metrics so no caption is cut.
void installFontSubstitutes();

} // namespace vezu
