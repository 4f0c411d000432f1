#include "report/variable_list.hpp"

#include "report/ascii_case.hpp"

namespace vezu {

void VariableList::set(std::string_view name, std::string value) {
    for (Variable& entry : entries_) {
        if (!entry.isCategory() && equalsIgnoringCase(entry.name, name)) {
            entry.value = std::move(value);
            return;
        }
    }
    entries_.push_back(Variable{std::string(name), std::move(value)});
}

const Variable* VariableList::find(std::string_view name) const {
    for (const Variable& entry : entries_) {
        if (!entry.isCategory() && equalsIgnoringCase(entry.name, name)) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace vezu
