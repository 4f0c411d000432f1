#include "base/number_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vezu {
namespace {

constexpr int kPrecision = 15;

// The 15 significant digits of a finite, non-zero value and its decimal
// exponent: value = d.dddd x 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", kPrecision - 1, magnitude);
    Digits result;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.') {
            result.digits.push_back(*p);
        }
    }
    result.exponent = std::atoi(p + 1);
    return result;
}

void appendGrouped(std::string& out, std::string_view integerDigits, const FormatSettings& fs) {
    for (std::size_t i = 0; i < integerDigits.size(); ++i) {
        if (i > 0 && (integerDigits.size() - i) % 3 == 0) {
            out.append(fs.thousandSeparator);
        }
        out.push_back(integerDigits[i]);
    }
}

// Adds one to a decimal digit string ("" counts as 0).
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string_view stripLeadingZeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

} // namespace

void appendFloatText(std::string& out, double value, const FormatSettings& fs) {
    if (std::isnan(value)) {
        out.append("NAN");
        return;
    }
    if (std::isinf(value)) {
        out.append(value < 0 ? "-INF" : "INF");
        return;
    }
    if (value == 0) {
        out.push_back('0');
        return;
    }
    if (value < 0) {
        out.push_back('-');
    }
    Digits d = significantDigits(std::fabs(value));
    const auto last = d.digits.find_last_not_of('0');
    d.digits.resize(last + 1);

    if (d.exponent >= kPrecision || d.exponent < -5) {
        out.push_back(d.digits[0]);
        if (d.digits.size() > 1) {
            out.append(fs.decimalSeparator);
            out.append(d.digits, 1);
        }
        out.push_back('E');
        out.append(std::to_string(d.exponent));
        return;
    }
    if (d.exponent < 0) {
        out.push_back('0');
        out.append(fs.decimalSeparator);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(d.digits);
        return;
    }
    const auto integerCount = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= integerCount) {
        out.append(d.digits);
        out.append(integerCount - d.digits.size(), '0');
        return;
    }
    out.append(d.digits, 0, integerCount);
    out.append(fs.decimalSeparator);
    out.append(d.digits, integerCount);
}

std::string FloatToStr(double value, const FormatSettings& fs) {
    std::string out;
    appendFloatText(out, value, fs);
    return out;
}

void appendCurrencyText(std::string& out, Currency value, const FormatSettings& fs) {
    const std::int64_t v = value.tenThousandths;
    const unsigned long long magnitude =
        v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    const unsigned long long whole = magnitude / Currency::scale;
    // Up to 11 integer digits the four decimals fit in 15 significant digits.
    if (whole >= 100'000'000'000ULL) {
        appendFloatText(out, value.toDouble(), fs);
        return;
    }
    unsigned fraction = static_cast<unsigned>(magnitude % Currency::scale);
    if (v < 0) {
        out.push_back('-');
    }
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole).ptr;
    out.append(buffer, static_cast<std::size_t>(end - buffer));
    if (fraction == 0) {
        return;
    }
    char decimals[5] = {
        static_cast<char>('0' + fraction / 1000), static_cast<char>('0' + fraction / 100 % 10),
        static_cast<char>('0' + fraction / 10 % 10), static_cast<char>('0' + fraction % 10), 0};
    int count = 4;
    while (decimals[count - 1] == '0') {
        --count;
    }
    out.append(fs.decimalSeparator);
    out.append(decimals, static_cast<std::size_t>(count));
}

std::string CurrencyToStr(Currency value, const FormatSettings& fs) {
    std::string out;
    appendCurrencyText(out, value, fs);
    return out;
}

std::string formatGroupedOneDecimal(double value, const FormatSettings& fs) {
    if (!std::isfinite(value)) {
        return FloatToStr(value, fs);
    }
    if (value == 0) {
        return {};
    }
    const Digits d = significantDigits(std::fabs(value));
    // Digits of value x 10, rounded half away from zero.
    const int keep = d.exponent + 2;
    std::string tenths;
    bool roundUp = false;
    if (keep <= 0) {
        roundUp = keep == 0 && d.digits[0] >= '5';
    } else if (keep >= kPrecision) {
        tenths = d.digits;
        tenths.append(static_cast<std::size_t>(keep - kPrecision), '0');
    } else {
        tenths = d.digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = d.digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp) {
        incrementDigits(tenths);
    }
    const std::string_view significant = stripLeadingZeros(tenths);
    if (significant.empty()) {
        return {};
    }
    std::string out;
    if (value < 0) {
        out.push_back('-');
    }
    appendGrouped(out, significant.substr(0, significant.size() - 1), fs);
    if (significant.back() != '0') {
        out.append(fs.decimalSeparator);
        out.push_back(significant.back());
    }
    return out;
}

std::string formatMoney(Currency value, const FormatSettings& fs) {
    const int decimals = fs.currencyDecimals < 0 ? 0 : fs.currencyDecimals;
    const bool negative = value.tenThousandths < 0;
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value.tenThousandths)
                 : static_cast<unsigned long long>(value.tenThousandths);
    std::string digits;
    if (decimals < 4) {
        unsigned long long divisor = 1;
        for (int i = decimals; i < 4; ++i) {
            divisor *= 10;
        }
        const unsigned long long rest = magnitude % divisor;
        magnitude /= divisor;
        if (rest * 2 >= divisor) {
            ++magnitude; // halves away from zero
        }
        digits = std::to_string(magnitude);
    } else {
        digits = std::to_string(magnitude);
        digits.append(static_cast<std::size_t>(decimals - 4), '0');
    }
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t integerCount = digits.size() - static_cast<std::size_t>(decimals);
    std::string number;
    appendGrouped(number, std::string_view(digits).substr(0, integerCount), fs);
    if (decimals > 0) {
        number.append(fs.decimalSeparator);
        number.append(digits, integerCount);
    }
    const std::string& s = fs.currencyString;
    if (!negative || magnitude == 0) {
        switch (fs.currencyFormat) {
        case 1:
            return number + s;
        case 2:
            return s + " " + number;
        case 3:
            return number + " " + s;
        default:
            return s + number;
        }
    }
    switch (fs.negCurrFormat) {
    case 0:
        return "(" + s + number + ")";
    case 2:
        return s + "-" + number;
    case 3:
        return s + number + "-";
    case 4:
        return "(" + number + s + ")";
    case 5:
        return "-" + number + s;
    case 6:
        return number + "-" + s;
    case 7:
        return number + s + "-";
    case 8:
        return "-" + number + " " + s;
    case 9:
        return "-" + s + " " + number;
    case 10:
        return number + " " + s + "-";
    case 11:
        return s + " " + number + "-";
    case 12:
        return s + " -" + number;
    case 13:
        return number + "- " + s;
    case 14:
        return "(" + s + " " + number + ")";
    case 15:
        return "(" + number + " " + s + ")";
    default:
        return "-" + s + number;
    }
}

} // namespace vezu
