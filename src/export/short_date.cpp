#include "export/short_date.hpp"

#include <ctime>

namespace vezu {
namespace {

std::string digits(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
    return text;
}

} // namespace

std::string shortDateText(std::chrono::year_month_day date, const FormatSettings& fs) {
    const std::string_view pattern = fs.shortDateFormat;
    const int day = static_cast<int>(static_cast<unsigned>(date.day()));
    const int month = static_cast<int>(static_cast<unsigned>(date.month()));
    const int year = static_cast<int>(date.year());
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        const char letter = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter) {
            ++run;
        }
        if (letter == '\'') {
            const auto close = pattern.find('\'', i + 1);
            if (close == i + 1) {
                out.push_back('\'');
            } else {
                out.append(
                    pattern.substr(i + 1, close == std::string_view::npos ? close : close - i - 1));
            }
            i = close == std::string_view::npos ? pattern.size() : close + 1;
            continue;
        }
        if (letter == 'd') {
            out += digits(day, run >= 2 ? 2 : 1);
        } else if (letter == 'M') {
            out += digits(month, run >= 2 ? 2 : 1);
        } else if (letter == 'y') {
            out += run >= 4 ? digits(year, 4) : digits(year % 100, 2);
        } else {
            out.append(pattern.substr(i, run));
        }
        i += run;
    }
    return out;
}

std::chrono::year_month_day localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

} // namespace vezu
