// estimate: the payout estimate of the stored prize structure, as the prize structure screen
// shows it when it opens; with --pdf its printout. The odds are not stored.
#include "Commands.h"

#include "prizes/PayoutEstimate.h"
#include "season/Services.h"
#include "season/Session.h"

int runEstimate(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Session& session = context.session;
    const QStringList lines = payoutEstimate(session.season, PrizeSwitches::fromSeason(session.season)).lines;
    context.printLines(lines);
    if (Printer* printer = session.services.printer)
        printer->print(prizeStructureJob(lines));
    return ExitStatus::Ok;
}
