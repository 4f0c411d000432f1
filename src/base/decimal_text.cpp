#include "base/decimal_text.hpp"

#include "base/text.hpp"

namespace vezu {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<DecimalText> parseDecimalText(std::string_view text,
                                            std::string_view decimalSeparator) {
    text = trim(text);
    DecimalText result;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    long long fractionDigits = 0;
    bool inFraction = false;
    while (i < text.size()) {
        if (isDigit(text[i])) {
            anyDigit = true;
            if (!(result.digits.empty() && text[i] == '0')) {
                result.digits.push_back(text[i]);
            }
            if (inFraction) {
                ++fractionDigits;
            }
            ++i;
        } else if (!inFraction && !decimalSeparator.empty() &&
                   text.substr(i, decimalSeparator.size()) == decimalSeparator) {
            inFraction = true;
            i += decimalSeparator.size();
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i >= text.size() || !isDigit(text[i])) {
            return std::nullopt;
        }
        while (i < text.size() && isDigit(text[i])) {
            // Saturate: such exponents over- or underflow anyway.
            if (exponent < 100000) {
                exponent = exponent * 10 + (text[i] - '0');
            }
            ++i;
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    // Leading zeros were dropped; zeros of the fraction still count as places.
    result.exponent = exponent - fractionDigits;
    if (result.digits.empty()) {
        result.exponent = 0;
    }
    return result;
}

} // namespace vezu
