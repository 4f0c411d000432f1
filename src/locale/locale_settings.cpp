#include "locale/locale_settings.hpp"

#include <QLocale>
#include <QString>

#include <array>

namespace vezu {
namespace {

std::string toUtf8(const QString& text) {
    return text.toStdString();
}

// Writes a money text as a pattern over "$" and "1", the notation the
// currencyFormat / negCurrFormat codes describe.
QString patternOf(QString money, const QString& symbol, const QLocale& locale) {
    money.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
    if (!symbol.isEmpty()) {
        money.replace(symbol, QStringLiteral("$"));
    }
    QString out;
    bool inNumber = false;
    for (const QChar c : money) {
        const bool numberChar = c.isDigit() || c == locale.decimalPoint().front() ||
                                c == locale.groupSeparator().front();
        if (numberChar) {
            if (!inNumber) {
                out.append(QLatin1Char('1'));
            }
            inNumber = true;
        } else {
            inNumber = false;
            out.append(c == QChar(0x2212) ? QLatin1Char('-') : c);
        }
    }
    return out;
}

} // namespace

FormatSettings formatSettingsForLocale(const std::string& localeName) {
    const QLocale locale =
        localeName.empty() ? QLocale::system() : QLocale(QString::fromStdString(localeName));
    FormatSettings fs;
    fs.decimalSeparator = toUtf8(locale.decimalPoint());
    fs.thousandSeparator = toUtf8(locale.groupSeparator());
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    fs.currencyString = toUtf8(symbol);
    fs.shortDateFormat = toUtf8(locale.dateFormat(QLocale::ShortFormat));

    const QString positive = locale.toCurrencyString(1.5);
    const int decimalAt = positive.lastIndexOf(locale.decimalPoint());
    fs.currencyDecimals = 0;
    for (int i = decimalAt + 1; decimalAt >= 0 && i < positive.size() && positive[i].isDigit();
         ++i) {
        ++fs.currencyDecimals;
    }

    static const std::array<const char*, 4> kPositive = {"$1", "1$", "$ 1", "1 $"};
    const QString positivePattern = patternOf(positive, symbol, locale);
    for (std::size_t i = 0; i < kPositive.size(); ++i) {
        if (positivePattern == QLatin1String(kPositive[i])) {
            fs.currencyFormat = static_cast<int>(i);
        }
    }
    static const std::array<const char*, 16> kNegative = {
        "($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",  "1-$",   "1$-",
        "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
    const QString negativePattern = patternOf(locale.toCurrencyString(-1.5), symbol, locale);
    for (std::size_t i = 0; i < kNegative.size(); ++i) {
        if (negativePattern == QLatin1String(kNegative[i])) {
            fs.negCurrFormat = static_cast<int>(i);
        }
    }
    return fs;
}

} // namespace vezu
