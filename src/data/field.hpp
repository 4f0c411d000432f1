#pragma once

#include <string>

namespace vezu {

enum class FieldType { Text, Integer, Currency, AutoInc };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int size = 0; // characters, text fields only
};

} // namespace vezu
