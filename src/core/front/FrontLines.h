#pragma once

#include "dialogs/MessageCatalogue.h"

#include <QVector>

struct Season;

// One line of the ticket front: its text and the grid list's format code ("CB0", "B4", "N").
using FrontLine = MessageLine;

// The buyer's fields start after this many lines and two blank ones, however few prize lines
// the front has.
constexpr int FrontLinesBeforeFields = 29;

// A front text of exactly one character (a blank typed over it) is how a user removes it: every
// such text of the season is emptied. True when one was.
bool emptySingleCharacterTexts(Season& season);

// The front of every ticket as the preview grid shows it and the printer prints it: the club's
// texts, the rules, the prizes, the top prize, the donation, the odds and the buyer's fields.
// The trailing blanks of each text belong to its layout (they shift centred text). A front text
// of one character is written empty.
QVector<FrontLine> frontLines(const Season& season);
