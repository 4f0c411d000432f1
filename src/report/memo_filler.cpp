#include "report/memo_filler.hpp"

#include <cctype>

#include "base/text.hpp"
#include "report/ascii_case.hpp"
#include "report/bracket_scanner.hpp"
#include "report/report_texts.hpp"

namespace vezu {
namespace {

// A variable whose value names itself would never end.
constexpr int kMaxVariableDepth = 32;

bool isNumber(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

void fieldNotFound(const MemoView& memo, std::string_view dataSet, std::string_view field,
                   ExpressionContext& context) {
    context.errors.add(memo.name + ": " + std::string(kFieldNotFound) + " " + std::string(dataSet) +
                       ".\"" + std::string(field) + "\"");
}

std::string fieldText(std::string_view dataSetName, std::string_view field, const MemoView& memo,
                      ExpressionContext& context) {
    DBDataset* adapter = context.findDataSet(dataSetName);
    if (adapter == nullptr || adapter->table() == nullptr) {
        return {};
    }
    const auto index = adapter->findField(field);
    if (!index) {
        fieldNotFound(memo, adapter->userName(), field, context);
        return {};
    }
    return adapter->displayText(*index, context.formatSettings);
}

// DataSet."Field": the display text of that field.
bool isFieldReference(std::string_view expression, std::string_view& dataSet,
                      std::string_view& field) {
    const auto dot = expression.find(".\"");
    if (dot == std::string_view::npos || dot == 0 || expression.size() < dot + 3 ||
        expression.back() != '"') {
        return false;
    }
    dataSet = expression.substr(0, dot);
    field = expression.substr(dot + 2, expression.size() - dot - 3);
    return field.find('"') == std::string_view::npos;
}

std::string evaluate(std::string_view expression, const MemoView& memo, ExpressionContext& context,
                     int depth) {
    expression = trim(expression);
    if (expression.empty()) {
        return {};
    }
    std::string literal;
    if (unquoteLiteral(expression, literal)) {
        return literal;
    }
    if (equalsIgnoringCase(expression, "Page#")) {
        return std::to_string(context.pageNumber);
    }
    if (equalsIgnoringCase(expression, "TotalPages#")) {
        return std::string(kTotalPagesMacro); // filled in when the page is drawn
    }
    if (isNumber(expression)) {
        return std::string(expression);
    }
    if (const Variable* variable = context.variables.find(expression);
        variable && depth < kMaxVariableDepth) {
        if (!variable->value) {
            return {};
        }
        const std::string& value = *variable->value;
        if (value.find_first_of("\r\n") != std::string::npos) {
            return value;
        }
        return evaluate(value, memo, context, depth + 1);
    }
    std::string_view dataSet;
    std::string_view field;
    if (isFieldReference(expression, dataSet, field)) {
        return fieldText(dataSet, field, memo, context);
    }
    context.errors.add(memo.name + ": " + std::string(kUnknownExpression) + " " +
                       std::string(expression));
    return {};
}

} // namespace

std::string evaluateExpression(std::string_view expression, const MemoView& memo,
                               ExpressionContext& context) {
    return evaluate(expression, memo, context, 0);
}

std::string fillMemoText(const MemoView& memo, ExpressionContext& context) {
    if (memo.isDataMemo()) {
        return fieldText(memo.dataSet, memo.dataField, memo, context);
    }
    const std::string_view text = memo.text;
    if (!memo.allowExpressions || text.find('[') == std::string_view::npos) {
        return memo.text;
    }
    std::string result;
    std::size_t from = 0;
    for (std::size_t open = text.find('['); open != std::string_view::npos;
         open = text.find('[', from)) {
        const std::size_t close = findClosingBracket(text, open);
        if (close == std::string_view::npos) {
            break;
        }
        result.append(text.substr(from, open - from));
        result += evaluateExpression(text.substr(open + 1, close - open - 1), memo, context);
        from = close + 1;
    }
    result.append(text.substr(from));
    return result;
}

} // namespace vezu
