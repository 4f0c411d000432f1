#include "commands/error_report.hpp"

#include "commands/user_interaction.hpp"

namespace vezu {

// Bytes of a UTF-8 letter are above "." too, so the last character's code
// is compared byte-wise on its last byte.
std::string withFullStop(std::string_view text) {
    std::string shown(text);
    if (!shown.empty() && static_cast<unsigned char>(shown.back()) > '.') {
        shown += '.';
    }
    return shown;
}

void UserInteraction::reportError(const std::exception& error) {
    showError(withFullStop(error.what()));
}

} // namespace vezu
