#include "season/Format.h"

#include <QStringList>

#include <cmath>

QString Format(const QString& text, const QString& pattern)
{
    QString body = pattern;
    const bool leftToRight = body.startsWith(QLatin1Char('!'));
    if (leftToRight)
        body.remove(0, 1);

    int places = 0;
    for (QChar c : body) {
        if (c == QLatin1Char('@') || c == QLatin1Char('#'))
            ++places;
    }
    if (places == 0)
        return body;

    // The characters that go into the places, one per place; a longer text puts its surplus
    // into the first place (right-aligned) or the last place (left-aligned).
    QStringList cells(places, QStringLiteral(" "));
    const int len = text.size();
    if (leftToRight) {
        for (int p = 0; p < places && p < len; ++p)
            cells[p] = text.at(p);
        if (len > places)
            cells[places - 1] = text.mid(places - 1);
    } else {
        for (int p = 0; p < places && p < len; ++p)
            cells[places - 1 - p] = text.at(len - 1 - p);
        if (len > places)
            cells[0] = text.left(len - places + 1);
    }

    QString out;
    int place = 0;
    for (QChar c : body) {
        if (c == QLatin1Char('@')) {
            out += cells[place++];
        } else if (c == QLatin1Char('#')) {
            // A "#" place shows a digit when there is one and nothing otherwise.
            if (cells[place] != QStringLiteral(" "))
                out += cells[place];
            ++place;
        } else {
            out += c;
        }
    }
    return out;
}

QString Format(qint64 number, const QString& pattern)
{
    return Format(QString::number(number), pattern);
}

QString alignRight(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
}

QString alignLeft(const QString& text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), QLatin1Char(' '));
}

QString formatNumber(double value, const QString& pattern)
{
    auto isPlace = [](QChar c) { return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char('.'); };
    int first = 0;
    while (first < pattern.size() && !isPlace(pattern[first]))
        ++first;
    if (first == pattern.size())
        return pattern;
    int last = first;
    while (last + 1 < pattern.size() && isPlace(pattern[last + 1]))
        ++last;
    const QString places = pattern.mid(first, last - first + 1);
    const int point = places.indexOf(QLatin1Char('.'));
    const QString wholePlaces = point < 0 ? places : places.left(point);
    const QString decimalPlaces = point < 0 ? QString() : places.mid(point + 1);
    const int decimals = int(decimalPlaces.size());

    const double scaled = std::round(std::fabs(value) * std::pow(10.0, decimals));
    QString digits = QString::number(scaled, 'f', 0).rightJustified(decimals + 1, QLatin1Char('0'));
    QString whole = digits.left(digits.size() - decimals);
    QString fraction = digits.right(decimals);

    const int wholeZeros = int(wholePlaces.count(QLatin1Char('0')));
    while (whole.size() > wholeZeros && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    whole = whole.rightJustified(wholeZeros, QLatin1Char('0'));
    const int fractionZeros = int(decimalPlaces.lastIndexOf(QLatin1Char('0'))) + 1;
    while (fraction.size() > fractionZeros && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    QString number = whole;
    if (point >= 0)
        number += QLatin1Char('.') + fraction;
    if (value < 0 && scaled != 0)
        number.prepend(QLatin1Char('-'));
    return pattern.left(first) + number + pattern.mid(last + 1);
}
