#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vezu {

// A date written by the indicators, day/month/two-digit year ("05/03/18",
// year 2018), spaces around it or its numbers allowed, as a day count
// (1970-01-01 is 0). None when it is not such a date of the calendar.
std::optional<std::int64_t> readWeighingDate(std::string_view text);

// Days from the earlier date to the later one.
std::optional<std::int64_t> daysBetween(std::string_view earlier, std::string_view later);

} // namespace vezu
