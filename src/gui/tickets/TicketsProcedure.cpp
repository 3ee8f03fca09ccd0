// "Tickets - Print Back": the first and last ticket and the pause count in Text1..Text3, then the
// backs of the range in the list and, with the printer box ticked, one print job per back.
#include "main/SelectionHost.h"

#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Services.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"

#include <exception>

void Tickets(SelectionHost& host)
{
    Session& session = host.session();
    const Season& season = session.season;
    const auto boxValue = [&host](int n) { return toInteger(leadingNumber(host.promptText(n))); };
    const auto emptyBoxes = [&host] {
        for (int n = 1; n <= 3; ++n)
            host.emptyPrompt(n);
        host.focusPrompt(1);
    };

    // The focus ends on the first empty box in the order first, last, pause.
    if (host.promptText(3).isEmpty()) {
        host.askPrompt(3, QStringLiteral("# To Print Before Pause"));
        host.addLines(ticketBackHelpLines(season));
    }
    if (host.promptText(2).isEmpty())
        host.askPrompt(2, QStringLiteral("Last Ticket #"));
    if (host.promptText(1).isEmpty())
        host.askPrompt(1, QStringLiteral("First Ticket #"));
    if (host.promptText(1).isEmpty() || host.promptText(2).isEmpty() || host.promptText(3).isEmpty())
        return;

    const int first = boxValue(1);
    const int last = boxValue(2);
    if (const std::optional<Refusal> refusal = ticketRangeRefusal(season, first, last)) {
        session.message(refusal->id, refusal->arguments);
        emptyBoxes();
        host.runAgain();
        return;
    }

    Printer* printer = host.printerTicked() ? session.services.printer : nullptr;
    const TicketBackMargins margins = ticketBackMargins(season);
    const int pauseAfter = boxValue(3);

    int sincePause = 0;
    for (int ticket = first; ticket <= last; ++ticket) {
        // A failure is shown and the run goes on with the next ticket: it never retries.
        try {
            host.addLines(ticketBackLines(season, ticket));
            if (printer) {
                printer->print(ticketBackJob(season, ticket, margins));
                const QString failure = printer->takeFailure();
                if (!failure.isEmpty())
                    host.showPromptFailure(3, ticketBackFailureText(TicketBackFailure::Printer, failure));
            }
        } catch (const std::exception& failure) {
            host.showPromptFailure(3, ticketBackFailureText(TicketBackFailure::Other,
                                                            QString::fromLocal8Bit(failure.what())));
        }

        ++sincePause;
        // A PDF has no paper to reload: the pause is for a printer only.
        if (ticket != last && sincePause == pauseAfter && !(printer && printer->writesFile())) {
            sincePause = 0;
            if (session.message(MessageId::OutputPaused) == Answer::Cancel) {
                emptyBoxes();
                return;
            }
        }
    }
    emptyBoxes();
}
