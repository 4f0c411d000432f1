#include "base/conversions.hpp"

#include <charconv>
#include <cmath>
#include <limits>

#include "base/decimal_text.hpp"
#include "base/error.hpp"

namespace vezu {

std::optional<std::int32_t> tryStrToInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
            return std::nullopt;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t StrToInt(std::string_view text) {
    if (auto value = tryStrToInt(text)) {
        return *value;
    }
    throw ConvertError(formatMessage(kInvalidInteger, text));
}

std::optional<double> tryStrToFloat(std::string_view text, const FormatSettings& fs) {
    const auto parsed = parseDecimalText(text, fs.decimalSeparator);
    if (!parsed) {
        return std::nullopt;
    }
    if (parsed->digits.empty()) {
        return parsed->negative ? -0.0 : 0.0;
    }
    std::string plain;
    plain.reserve(parsed->digits.size() + 24);
    if (parsed->negative) {
        plain.push_back('-');
    }
    plain.append(parsed->digits);
    plain.push_back('e');
    plain.append(std::to_string(parsed->exponent));
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        const long long magnitude =
            parsed->exponent + static_cast<long long>(parsed->digits.size());
        if (magnitude < 0) {
            return parsed->negative ? -0.0 : 0.0; // underflow reads as zero
        }
        return std::nullopt;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return value;
}

double StrToFloat(std::string_view text, const FormatSettings& fs) {
    if (auto value = tryStrToFloat(text, fs)) {
        return *value;
    }
    throw ConvertError(formatMessage(kInvalidFloat, text));
}

Currency StrToCurrency(std::string_view text, const FormatSettings& fs) {
    const auto parsed = parseDecimalText(text, fs.decimalSeparator);
    if (!parsed) {
        throw ConvertError(formatMessage(kInvalidFloat, text));
    }
    const std::string_view all = parsed->digits;
    const long long shift = parsed->exponent + 4; // to ten-thousandths
    // The digits that stay and the zeros appended to them.
    std::string_view kept = all;
    long long zeros = 0;
    bool roundUp = false;
    if (shift < 0) {
        const auto cut = static_cast<std::size_t>(-shift);
        if (cut > all.size()) {
            kept = {}; // below half a ten-thousandth
        } else {
            kept = all.substr(0, all.size() - cut);
            const std::string_view dropped = all.substr(all.size() - cut);
            const bool restNonZero = dropped.find_first_not_of('0', 1) != std::string_view::npos;
            const bool lastKeptOdd = !kept.empty() && ((kept.back() - '0') % 2 == 1);
            roundUp = dropped[0] > '5' || (dropped[0] == '5' && (restNonZero || lastKeptOdd));
        }
    } else if (!all.empty()) {
        zeros = shift;
    }
    if (static_cast<long long>(kept.size()) + zeros > 19) {
        throw MathError(std::string(kInvalidOp));
    }
    unsigned long long magnitude = 0;
    for (char c : kept) {
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    }
    for (long long i = 0; i < zeros; ++i) {
        magnitude *= 10;
    }
    if (roundUp) {
        ++magnitude;
    }
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > kMax) {
        throw MathError(std::string(kInvalidOp));
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return Currency{parsed->negative ? -value : value};
}

double divide(double dividend, double divisor) {
    if (std::isnan(dividend) || std::isnan(divisor) ||
        (std::isinf(dividend) && std::isinf(divisor))) {
        throw MathError(std::string(kInvalidOp));
    }
    if (divisor == 0) {
        throw MathError(std::string(dividend == 0 ? kInvalidOp : kZeroDivide));
    }
    return dividend / divisor;
}

} // namespace vezu
