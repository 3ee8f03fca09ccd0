#pragma once

#include <QString>
#include <QStringList>

// The words of the ticket front screen: the entries of the ticket size box, and the prompt and
// help lines of each choice.

// The ticket sizes 0..4 as the size box lists them: height and width in inches, and for sizes 0
// and 4 how many fit on a sheet.
QString ticketSizeEntry(int size);
inline constexpr int TicketSizeCount = 5;

// Prompt caption of the entry box for front text 1..4 (title, sport, year, information line).
QString frontTextPrompt(int text);
// Help lines shown while front text 1..4 is edited; an empty text is an empty line.
QStringList frontTextHelp(int text);

QStringList ticketSizeHelp();
QStringList portraitHelp();
// Help of three (false) or four (true) fronts to a landscape sheet.
QStringList landscapeHelp(bool fourToSheet);
