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
    const QStringList lines = summaryLines(session);
    context.printLines(lines);
    if (Printer* printer = session.services.printer) {
        for (const PrintJob& job : summaryJobs(session, lines))
            printer->print(job);
    }
    return ExitStatus::Ok;
}
