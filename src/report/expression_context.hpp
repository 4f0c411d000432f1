#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/format_settings.hpp"
#include "report/db_dataset.hpp"
#include "report/error_list.hpp"
#include "report/variable_list.hpp"

namespace vezu {

// What filling a memo needs to know while a page is being built.
struct ExpressionContext {
    const VariableList& variables;
    std::function<DBDataset*(std::string_view)> findDataSet;
    const FormatSettings& formatSettings;
    ErrorList& errors;
    int pageNumber = 1;
};

} // namespace vezu
