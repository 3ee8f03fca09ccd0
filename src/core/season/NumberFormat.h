#pragma once

#include <QString>

// A number shown with the numeric format "###.#": the digits of the whole part without leading
// zeros, a point and one decimal, rounded to the nearest tenth with halves to even (14.588 ->
// "14.6", 0.54 -> ".5"). A value whose decimal is 0 shows no point: 10000 -> "10000", and a
// value that rounds to 0 shows "0".
QString formatOneDecimal(double value);
