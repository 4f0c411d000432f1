#pragma once

#include <string>

#include "report/expression_context.hpp"
#include "report/views.hpp"

namespace vezu {

inline constexpr std::string_view kTotalPagesMacro = "[TotalPages#]";

// The memo's text as it goes onto the prepared page: a data memo shows its
// field's display text; other memos have each bracket expression replaced by
// its value. Errors are appended to the context's list.
std::string fillMemoText(const MemoView& memo, ExpressionContext& context);

// The value of one expression (the text between the brackets).
std::string evaluateExpression(std::string_view expression, const MemoView& memo,
                               ExpressionContext& context);

} // namespace vezu
