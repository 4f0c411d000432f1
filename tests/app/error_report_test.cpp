#include <gtest/gtest.h>

#include "app/error_report.hpp"

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
        EXPECT_EQ(withFullStop(QString::fromUtf8(text)), QString::fromUtf8(shown)) << text;
    }
}

} // namespace
} // namespace vezu
