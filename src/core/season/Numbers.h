#pragma once

#include <QString>
#include <QtGlobal>

// The number at the start of a typed text: blanks, an optional sign, digits and an optional
// decimal part. A text that does not start with a number reads as 0 ("12abc" is 12, "abc" is 0).
double leadingNumber(const QString& text);

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int toInteger(double value);

// The share of a whole-unit amount paid to one of `divisor` winners, in cents, rounded to the
// cent with halves to the even neighbour: 100 / 3 -> 3333, 1 / 8 -> 12 (12.5 cents).
qint64 shareCents(qint64 amount, qint64 divisor);

// Divides cents exactly with halves to the even neighbour.
qint64 divideHalfEven(qint64 numerator, qint64 denominator);

// Money as the reports show it: "$1,234.50" with two decimals, "$5" with none.
QString currency(qint64 cents, bool withDecimals = true);

// An amount held in cents as text with exactly two decimals: 3333 -> "33.33", 2500 -> "25.00".
QString Convert(qint64 cents);
