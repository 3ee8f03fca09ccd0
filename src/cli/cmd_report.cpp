// report [WEEK]: the weekly report of a stored week, as "Calculate Winners" shows it when the
// stored scores are reported again; the annual summary follows in the last week of the season.
#include "Commands.h"

#include "season/Season.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyOutput.h"

int runReport(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Season& season = context.session.season;
    // Without a week: the latest stored week; with none stored, the week to enter first.
    if (context.args.isEmpty() && season.ScoredWeeks == 0)
        return context.refuse(previousWeekNotFound(season));
    const int week = context.args.isEmpty() ? season.ScoredWeeks : typedWeekNumber(context.args.first());
    if (const std::optional<Refusal> refusal = reportRefusal(season, week))
        return context.refuse(*refusal);

    const WeeklyOutput output = weeklyOutput(context.session, week, storedScoreTexts(season, week));
    context.printLines(output.report + output.summary);
    context.print(output.jobs);
    return ExitStatus::Ok;
}
