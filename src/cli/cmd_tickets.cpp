// tickets FIRST LAST: the ticket backs of a range of tickets; with --pdf one printed back per
// ticket.
#include "Commands.h"

#include "print/RecordingPrinter.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"

int runTickets(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    const Season& season = session.season;
    const int first = toInteger(leadingNumber(context.args[0]));
    const int last = toInteger(leadingNumber(context.args[1]));
    if (const std::optional<Refusal> refusal = ticketRangeRefusal(season, first, last))
        return context.refuse(*refusal);

    context.printLines(ticketBackLines(season, first, last));
    if (Printer* printer = session.services.printer) {
        const TicketBackMargins margins = ticketBackMargins(season);
        for (int ticket = first; ticket <= last; ++ticket)
            printer->print(ticketBackJob(season, ticket, margins));
    }
    return ExitStatus::Ok;
}
