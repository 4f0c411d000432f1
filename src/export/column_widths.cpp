#include "export/column_widths.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vezu {
namespace {

// Pixel widths of the default font (11 points at 96 dots per inch), close
// enough for fitting: digits are 7 pixels, one width unit of a column.
constexpr double kDigitPixels = 7;
constexpr double kCellPadding = 7;

double pixels(char32_t c) {
    constexpr std::u32string_view kThree = U" .,:;'|!iljI";
    constexpr std::u32string_view kFour = U"frt()[]-/\\\"";
    if (kThree.find(c) != std::u32string_view::npos) {
        return 3;
    }
    if (kFour.find(c) != std::u32string_view::npos) {
        return 4;
    }
    if (c == U'm' || c == U'M' || c == U'W') {
        return c == U'm' ? 11 : 12;
    }
    if (c == U'w') {
        return 10;
    }
    const bool capital = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return capital ? 8 : kDigitPixels;
}

double textPixels(std::string_view utf8) {
    double total = 0;
    for (const char byte : utf8) {
        // One width per character: continuation bytes add nothing, and every
        // non-ASCII character counts as a capital, the wider guess.
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80) {
            total += pixels(b);
        } else if (b >= 0xC0) {
            total += 8;
        }
    }
    return total;
}

// The money format shows "R$ 1,500.25" and keeps room for ")" after it.
std::string moneyShown(double value) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(value));
    const std::string plain = digits;
    const std::size_t whole = plain.find('.');
    std::string grouped;
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(plain[i]);
    }
    grouped.append(plain, whole);
    return (value < 0 ? "(R$ " : "R$ ") + grouped + ")";
}

double shownPixels(const PlanCell& cell) {
    if (cell.kind == CellKind::Number && cell.format != kNoFormat) {
        return textPixels(moneyShown(cell.number));
    }
    return textPixels(cell.text);
}

} // namespace

void fitColumnWidths(PlannedSheet& sheet) {
    std::vector<double> widest;
    for (const PlanCell& cell : sheet.cells) {
        if (widest.size() < cell.column) {
            widest.resize(cell.column, 0);
        }
        double& column = widest[cell.column - 1u];
        column = std::max(column, shownPixels(cell));
    }
    sheet.columnWidths.assign(widest.size(), 0);
    for (std::size_t c = 0; c < widest.size(); ++c) {
        if (widest[c] > 0) {
            const double width = std::ceil((widest[c] + kCellPadding) / kDigitPixels * 100) / 100;
            sheet.columnWidths[c] = std::min(width, kMaxColumnWidth);
        }
    }
}

} // namespace vezu
