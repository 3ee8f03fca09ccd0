#include "season/NumberFormat.h"

#include <cmath>

QString formatOneDecimal(double value)
{
    const double tenths = std::nearbyint(value * 10.0);  // default rounding mode: halves to even
    if (tenths == 0.0)
        return QStringLiteral("0");
    const bool negative = tenths < 0;
    const double magnitude = std::fabs(tenths);
    const double whole = std::floor(magnitude / 10.0);
    const int decimal = static_cast<int>(magnitude - whole * 10.0);
    QString text = negative ? QStringLiteral("-") : QString();
    if (whole > 0)
        text += QString::number(whole, 'f', 0);
    if (decimal != 0)
        text += QLatin1Char('.') + QString::number(decimal);
    return text;
}
