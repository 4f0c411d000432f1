#pragma once

#include <vector>

#include "report/views.hpp"

namespace vezu {

// Stretches every width-aligned object between its nearest neighbours that
// overlap it vertically (or the container's edges). Objects are taken in
// order of their left edge; the others stay where they are.
void alignToWidth(std::vector<ReportObject>& objects, Unit containerWidth);

} // namespace vezu
