#include "tickets/WeeklyOutput.h"

#include "reports/Summary.h"
#include "season/Session.h"
#include "tickets/WeeklyReport.h"

WeeklyOutput weeklyOutput(const Session& session, int week, const ScoreTexts& texts)
{
    WeeklyOutput output;
    output.report = weeklyReportLines(session, week, texts);
    output.jobs = weeklyReportJobs(session, output.report);
    if (week == session.season.TotalWeeks) {
        output.summary = summaryLines(session);
        output.jobs += summaryJobs(session, output.summary);
    }
    return output;
}
