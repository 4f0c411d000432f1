#include "analysis/weighing_date.hpp"

#include <array>

namespace vezu {
namespace {

std::string_view trimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') {
        s.remove_prefix(1);
    }
    while (!s.empty() && s.back() == ' ') {
        s.remove_suffix(1);
    }
    return s;
}

// A number of 1 to maxDigits decimal digits (exactly maxDigits when exact).
std::optional<int> readNumber(std::string_view s, std::size_t maxDigits, bool exact) {
    s = trimSpaces(s);
    if (s.empty() || s.size() > maxDigits || (exact && s.size() != maxDigits)) {
        return std::nullopt;
    }
    int n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    return n;
}

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool isLeap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

} // namespace

std::optional<std::int64_t> readWeighingDate(std::string_view text) {
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const auto day = readNumber(text.substr(0, first), 2, false);
    const auto month = readNumber(text.substr(first + 1, second - first - 1), 2, false);
    const auto year = readNumber(text.substr(second + 1), 2, true);
    if (!day || !month || !year || *month < 1 || *month > 12 || *day < 1) {
        return std::nullopt;
    }
    const int fullYear = 2000 + *year;
    static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int monthDays =
        kDays[static_cast<std::size_t>(*month - 1)] + (*month == 2 && isLeap(fullYear));
    if (*day > monthDays) {
        return std::nullopt;
    }
    return daysFromCivil(fullYear, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
}

std::optional<std::int64_t> daysBetween(std::string_view earlier, std::string_view later) {
    const auto from = readWeighingDate(earlier);
    const auto to = readWeighingDate(later);
    if (!from || !to) {
        return std::nullopt;
    }
    return *to - *from;
}

} // namespace vezu
