#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class UnsoldTickets;
struct Award;

// The lines of the winners section that the weekly report and the grand prize share.

// The dotted line written after every line of the winners section; its dot runs lie under the
// ticket, amount, winner's name, sold-by and check-number columns (74 characters).
QString fillInLine();

// A prize group's heading: its text, `blankCount` blanks, then "xxxxx", six blanks and "xxxxx"
// (the marks stand under SOLD BY and CHECK #: nothing to fill in there).
QString markedHeading(const QString& text, int blankCount);

// A ticket paid an amount: four blanks, the ticket in 4, five blanks, the amount in currency.
QString paymentLine(int ticket, qint64 cents);

// One award: the payment line, or for an unsold ticket the line that reports it as not paid;
// then the fill-in line.
QStringList Winnings(int ticket, qint64 cents, bool unsold);
// The same for a ticket checked against the season's unsold sequences.
QStringList Winnings(const UnsoldTickets& unsold, int ticket, qint64 cents);
// The same for an award of the weekly calculation.
QStringList Winnings(const Award& award);
