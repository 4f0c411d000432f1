#include "commands/non_interactive.hpp"

#include "base/error.hpp"

namespace vezu {

void NonInteractiveInteraction::showError(const std::string& text) {
    throw Error(text);
}

void NonInteractiveInteraction::showMessage(const std::string& text) {
    throw Error(text);
}

std::optional<std::string> NonInteractiveInteraction::saveFile(const std::string&,
                                                               const std::string& filter) {
    const auto name = saveNames.find(filter);
    if (name == saveNames.end()) {
        return std::nullopt;
    }
    return name->second;
}

void NonInteractiveInteraction::reportError(const std::exception& error) {
    throw Error(error.what());
}

void NonInteractiveReportDialogs::showReportError(const std::string& text) {
    throw Error(text);
}

} // namespace vezu
