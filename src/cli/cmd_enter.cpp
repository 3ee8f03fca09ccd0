// enter WEEK SCORES: stores the week's scores (comma-separated in team order, empty = bye),
// saves the season file and prints the week's report. It never asks: a week already stored, a
// week out of turn or a score out of range is refused with its message.
#include "Commands.h"

#include "season/HomeLock.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyOutput.h"

int runEnter(CliContext& context)
{
    // From reading the season to saving it no other program writes the home.
    const WriteAccess access(context.session);
    if (!access)
        return ExitStatus::Refused;
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    Season& season = session.season;
    const int week = typedWeekNumber(context.args[0]);
    if (const std::optional<Refusal> refusal = entryRefusal(season, week))
        return context.refuse(*refusal);

    const QStringList typed = context.args[1].split(QLatin1Char(','));
    if (typed.size() != season.TeamCount) {
        return context.usageError(QStringLiteral("SCORES needs %1 scores, one for each team in team order; %2 given")
                                      .arg(season.TeamCount)
                                      .arg(typed.size()));
    }
    ScoreTexts texts;
    for (int team = 1; team <= season.TeamCount; ++team) {
        if (!storeTypedScore(season, week, team, typed[team - 1], texts))
            return context.refuse({MessageId::EnterScoreAgain, {}});
    }
    if (!saveEnteredWeek(session, week))
        return ExitStatus::Refused;

    const WeeklyOutput output = weeklyOutput(session, week, texts);
    context.printLines(output.report + output.summary);
    context.print(output.jobs);
    return ExitStatus::Ok;
}
