// summary: the annual summary of the season's payments, sales and profit; with --pdf its
// printout.
#include "Commands.h"

#include "reports/Summary.h"
#include "season/Services.h"
#include "season/Session.h"

int runSummary(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Session& session = context.session;
    const Season& season = session.season;
    if (season.ScoredWeeks < season.TotalWeeks) {
        // The summary reckons every week of the season; weeks not yet scored count as if every
        // team had scored 0, which a treasurer must not take for money paid.
        context.err << QStringLiteral("Note: only %1 of the season's %2 weeks are scored; the rows of "
                                      "weeks %3 to %2 are reckoned from empty scores.\n")
                           .arg(season.ScoredWeeks)
                           .arg(season.TotalWeeks)
                           .arg(season.ScoredWeeks + 1);
        context.err.flush();
    }
    const QStringList lines = summaryLines(session);
    context.printLines(lines);
    context.print(summaryJobs(session, lines));
    return ExitStatus::Ok;
}
