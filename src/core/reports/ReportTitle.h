#pragma once

#include <QString>

struct Season;

// The title line of a printed report: `indent` blanks, the organisation (FrontText 1), blanks
// so that organisation and season text fill `width` characters, the season text (FrontText 3)
// and " SEASON". Texts longer than `width` together get no blanks between them.
QString seasonTitleLine(const Season& season, int indent, int width);
