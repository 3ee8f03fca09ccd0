#pragma once

#include <QString>

// The font size a grid-list format code asks for, before the screen's FontScale: the digits
// 8, 0, 2 and 4 ask for 8, 10, 12 and 14 points, tested in that order so that the last one
// present wins. 0 when the code has no size digit (the line keeps the grid's standard size).
double formatCodePoints(const QString& code);
