#pragma once

#include <string_view>

namespace vezu {

// The engine's own messages, shown to the user as they stand.
inline constexpr std::string_view kErrorListHeader = "The following error(s) have occured:";
inline constexpr std::string_view kNotConnected = "DataSet %s is not connected to data";
inline constexpr std::string_view kFieldNotFound = "Field not found:";
inline constexpr std::string_view kUnknownExpression = "Unknown variable or expression:";
inline constexpr std::string_view kCannotCreateFile = "Cannot create file \"%s\". %s";
inline constexpr std::string_view kErrorCaption = "Error";

} // namespace vezu
