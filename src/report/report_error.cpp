#include "report/report_error.hpp"

#include "report/report_texts.hpp"

namespace vezu {

std::string errorReportText(const std::vector<std::string>& errors) {
    std::string text(kErrorListHeader);
    for (const std::string& error : errors) {
        text += '\n';
        text += error;
    }
    return text;
}

ReportError::ReportError(const std::vector<std::string>& errors) : Error(errorReportText(errors)) {}

} // namespace vezu
