#pragma once

#include <string>
#include <vector>

#include "base/error.hpp"

namespace vezu {

// A failure of a run or an export, shown in a box captioned "Error"; what()
// is the whole text: the header line, then one error per line.
class ReportError : public Error {
public:
    explicit ReportError(const std::vector<std::string>& errors);
};

std::string errorReportText(const std::vector<std::string>& errors);

} // namespace vezu
