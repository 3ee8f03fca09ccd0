#include "WeeklyOutput.h"

#include "Commands.h"
#include "reports/Summary.h"
#include "season/Session.h"
#include "tickets/WeeklyReport.h"

void writeWeeklyOutput(CliContext& context, int week, const ScoreTexts& texts)
{
    const Session& session = context.session;
    const QStringList report = weeklyReportLines(session, week, texts);
    context.printLines(report);
    QVector<PrintJob> jobs = weeklyReportJobs(session, report);
    if (week == session.season.TotalWeeks) {
        const QStringList summary = summaryLines(session);
        context.printLines(summary);
        jobs << summaryJobs(session, summary);
    }
    if (Printer* printer = session.services.printer) {
        for (const PrintJob& job : jobs)
            printer->print(job);
    }
}
