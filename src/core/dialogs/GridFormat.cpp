#include "dialogs/GridFormat.h"

double formatCodePoints(const QString& code)
{
    double points = 0;
    if (code.contains(QLatin1Char('8')))
        points = 8;
    if (code.contains(QLatin1Char('0')))
        points = 10;
    if (code.contains(QLatin1Char('2')))
        points = 12;
    if (code.contains(QLatin1Char('4')))
        points = 14;
    return points;
}
