#include "season/Format.h"

#include <QStringList>

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
