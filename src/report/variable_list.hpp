#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vezu {

struct Variable {
    std::string name;
    std::optional<std::string> value; // none: no value

    // A name that begins with a blank heads a category and holds no value.
    bool isCategory() const { return !name.empty() && name.front() == ' '; }
    friend bool operator==(const Variable&, const Variable&) = default;
};

// The report's variables in their order, category headings included.
class VariableList {
public:
    // Sets the value, or appends the variable when there is none of that name.
    void set(std::string_view name, std::string value);
    void add(Variable variable) { entries_.push_back(std::move(variable)); }
    // The variable of that name (letter case ignored); categories are skipped.
    const Variable* find(std::string_view name) const;
    const std::vector<Variable>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

    friend bool operator==(const VariableList&, const VariableList&) = default;

private:
    std::vector<Variable> entries_;
};

} // namespace vezu
