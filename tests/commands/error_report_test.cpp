#include <gtest/gtest.h>

#include <stdexcept>

#include "commands/error_report.hpp"
#include "scripted_interaction.hpp"

namespace vezu {
namespace {

TEST(ErrorReport, AddsAFullStopOnlyAfterACharacterAboveTheFullStop) {
    const std::pair<const char*, const char*> cases[] = {
        {"Arquivo inválido !", "Arquivo inválido !"},
        {"Arquivo não existe !", "Arquivo não existe !"},
        {"'x' is not a valid integer value", "'x' is not a valid integer value."},
        {"Unable to write to /tmp/a/Config.ini", "Unable to write to /tmp/a/Config.ini."},
        {"Done.", "Done."},
        {"Closed)", "Closed)"},
        {"ção", "ção."},
        {"", ""},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(withFullStop(text), shown) << text;
    }
}

TEST(ErrorReport, TheReportAppliesTheRuleItself) {
    ScriptedInteraction ui;
    ui.reportError(std::runtime_error("Path not found"));
    ui.reportError(std::runtime_error("Arquivo inválido !"));
    EXPECT_EQ(ui.errors, (std::vector<std::string>{"Path not found.", "Arquivo inválido !"}));
}

} // namespace
} // namespace vezu
