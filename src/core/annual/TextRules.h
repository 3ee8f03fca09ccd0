#pragma once

#include <QString>

// The rules for the texts typed on the annual data screen: team names, week dates and unsold
// sequences.

// Longest texts the season holds, as the entry fields accept them.
constexpr int MaxDateLength = 6;
constexpr int MaxTeamNameLength = 13;
constexpr int MaxSequenceLength = 9;

// A character the season file can hold and give back unchanged: one that Windows-1252 encodes
// and decodes to itself, and neither a double quote (which ends a text in the file) nor a
// control character.
bool isStorable(char32_t character);
// The text without the characters the season file cannot hold, the rest in order.
QString storablePart(const QString& text);

// The first character of every word upper case, every other character lower case; words are
// separated by blanks. A letter whose other case the season file cannot hold stays as it is.
QString properCase(const QString& text);

// A week date as it is stored: proper case, then, when longer than three characters, the first
// three followed by the rest right-aligned in three places: "jan 1" -> "Jan  1", "OCT18" ->
// "Oct 18", "12/5" -> "12/  5". A normalised date stays as it is.
QString normaliseDate(const QString& typed);

// The capitals of a team name. The part before the first blank and the part after it each get
// proper case unless they are written entirely in capitals: "NY giants" -> "NY Giants",
// "LA RAMS" stays, "los angeles RAMS" -> "Los Angeles Rams".
QString Capitals(const QString& name);
