#pragma once

#include "dialogs/MessageId.h"
#include "print/PrintJob.h"

#include <QString>
#include <QStringList>

#include <optional>

struct Season;

// Failures during a run of ticket backs, by number.
namespace TicketBackFailure {
constexpr int Printer = 1;  // the printer did not take a ticket back
constexpr int Other = 2;    // anything else that stopped a ticket back
}  // namespace TicketBackFailure

// A failure as the main screen shows it: "#", its number, a blank and what went wrong.
QString ticketBackFailureText(int number, const QString& description);

// The twelve help lines shown while the three ticket numbers are asked for.
QStringList ticketBackHelpLines(const Season& season);

// The refusal of a ticket range: TicketOutOfRange when a number lies outside the tickets,
// LastTicketBeforeFirst when the last is smaller than the first, none when the range may be
// produced.
std::optional<Refusal> ticketRangeRefusal(const Season& season, int first, int last);

// Blank lines printed above and below the week block so that it sits in the middle of the back.
struct TicketBackMargins {
    int top = 0;
    int bottom = 0;
    bool operator==(const TicketBackMargins&) const = default;
};
TicketBackMargins ticketBackMargins(const Season& season);

// The heading and one line per week of a ticket's back ("Playoffs" before the first playoff
// week), as the list shows them.
QStringList ticketBackWeekLines(const Season& season, int ticket);

// What the list shows of one ticket back: two empty lines, "# " and the ticket, the week block
// and an empty line.
QStringList ticketBackLines(const Season& season, int ticket);
// The same for the tickets first..last.
QStringList ticketBackLines(const Season& season, int first, int last);

// The printed back of one ticket: one print job.
PrintJob ticketBackJob(const Season& season, int ticket);
// The same with the margins already worked out for the run.
PrintJob ticketBackJob(const Season& season, int ticket, const TicketBackMargins& margins);
