// standings: the "Grand Prize" selection, every ticket's position and value so far; with --pdf
// the printed standings.
#include "Commands.h"

#include "reports/GrandPrize.h"
#include "season/Services.h"
#include "season/Session.h"

int runStandings(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Session& session = context.session;
    context.printLines(grandPrizePreviewLines(session));
    context.print({grandPrizePreviewJob(session)});
    return ExitStatus::Ok;
}
