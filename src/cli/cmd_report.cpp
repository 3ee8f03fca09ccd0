// report [WEEK]: the weekly report of a stored week, as "Calculate Winners" shows it when the
// stored scores are reported again; the annual summary follows in the last week of the season.
#include "Commands.h"

#include "WeeklyOutput.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"

int runReport(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    const Season& season = session.season;
    // Without a week: the latest stored week.
    const int week = context.args.isEmpty() ? season.ScoredWeeks : typedWeekNumber(context.args.first());

    // A week that is not stored cannot be reported: the refusal names the week to enter next.
    std::optional<Refusal> refusal = previousWeekNotFound(season);
    if (week != 0 || !context.args.isEmpty()) {
        refusal = weekRefusal(season, week);
        if (!refusal && !weekIsStored(season, week))
            refusal = previousWeekNotFound(season);
    }
    if (refusal) {
        session.message(refusal->id, refusal->arguments);
        return ExitStatus::Refused;
    }
    writeWeeklyOutput(context, week, storedScoreTexts(season, week));
    return ExitStatus::Ok;
}
