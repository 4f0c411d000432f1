#pragma once

#include <chrono>
#include <string>

#include "base/format_settings.hpp"

namespace vezu {

// A date in the locale's short date pattern: "d"/"dd" day, "M"/"MM" month,
// "yy"/"yyyy" year, text in single quotes taken as it is ("''" is a quote),
// every other character copied.
std::string shortDateText(std::chrono::year_month_day date, const FormatSettings& fs);

// Today on this machine's clock and time zone.
std::chrono::year_month_day localToday();

} // namespace vezu
