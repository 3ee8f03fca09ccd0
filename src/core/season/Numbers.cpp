#include "season/Numbers.h"

#include <cmath>
#include <limits>

double leadingNumber(const QString& text)
{
    int pos = 0;
    const int n = text.size();
    while (pos < n && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
        ++pos;
    const int start = pos;
    if (pos < n && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        ++pos;
    while (pos < n && text[pos].isDigit() && text[pos].unicode() < 128)
        ++pos;
    if (pos < n && text[pos] == QLatin1Char('.')) {
        ++pos;
        while (pos < n && text[pos].isDigit() && text[pos].unicode() < 128)
            ++pos;
    }
    bool ok = false;
    const double value = text.mid(start, pos - start).toDouble(&ok);
    return ok ? value : 0.0;
}

int toInteger(double value)
{
    const double rounded = std::nearbyint(value);  // default rounding mode: halves to even
    if (rounded >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (rounded <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

qint64 divideHalfEven(qint64 numerator, qint64 denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    qint64 quotient = numerator / denominator;
    qint64 remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const qint64 twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        quotient += 1;
    return quotient;
}

qint64 shareCents(qint64 amount, qint64 divisor)
{
    return divideHalfEven(amount * 100, divisor);
}

static QString groupThousands(qint64 whole)
{
    QString digits = QString::number(whole);
    for (int pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, QLatin1Char(','));
    return digits;
}

QString currency(qint64 cents, bool withDecimals)
{
    const bool negative = cents < 0;
    const qint64 magnitude = negative ? -cents : cents;
    QString text = QStringLiteral("$");
    if (withDecimals) {
        text += groupThousands(magnitude / 100) + QLatin1Char('.')
            + QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    } else {
        text += groupThousands(divideHalfEven(magnitude, 100));
    }
    return negative ? QStringLiteral("(") + text + QStringLiteral(")") : text;
}

QString Convert(qint64 cents)
{
    const bool negative = cents < 0;
    const qint64 magnitude = negative ? -cents : cents;
    return (negative ? QStringLiteral("-") : QString())
        + QStringLiteral("%1.%2").arg(magnitude / 100).arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}
