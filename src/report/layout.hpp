#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/engine_options.hpp"
#include "report/report_page.hpp"
#include "report/variable_list.hpp"

namespace vezu {

inline constexpr std::string_view kEmptyScript = "begin\n\nend.";

// Everything a report holds between runs: what a layout file stores.
struct Layout {
    std::vector<std::string> dataSets; // names of the adapters the layout uses
    VariableList variables;
    std::string script{kEmptyScript};
    EngineOptions options;
    std::optional<ReportPage> page; // none: an empty report
};

} // namespace vezu
