#pragma once

#include <QString>

// Lays a text into a pattern as the fixed-pitch reports do. Each "@" is a place for one
// character: places fill from the right (the text right-aligned, blanks on the left), or from
// the left when the pattern starts with "!" (left-aligned, blanks on the right). Each "#" shows
// the digits of a number with no fill. Any other character is written as it stands.
// A text longer than its places is written whole.
QString Format(const QString& text, const QString& pattern);
QString Format(qint64 number, const QString& pattern);

// Shorthands: right-align or left-align in a given width (never cutting the text).
QString alignRight(const QString& text, int width);
QString alignLeft(const QString& text, int width);
inline QString alignRight(qint64 number, int width) { return alignRight(QString::number(number), width); }
inline QString blanks(int count) { return QString(count > 0 ? count : 0, QLatin1Char(' ')); }

// Writes a number in a numeric pattern: "#" places show a digit only where the number has one,
// "0" places always show one, and "." is the decimal point; the number is rounded to the places
// after the point, halves away from zero. The whole part is never cut, and characters around
// the places are written as they stand. "###.#" gives "49.6" for 49.62, "10000." for 10000 and
// "14." for 14.
QString formatNumber(double value, const QString& pattern);
