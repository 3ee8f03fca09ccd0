// enter WEEK SCORES: stores the week's scores (comma-separated in team order, empty = bye),
// saves the season file and prints the week's report. It never asks: a week already stored, a
// week out of turn or a score out of range is refused with its message.
#include "Commands.h"

#include "WeeklyOutput.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"

int runEnter(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    Season& season = session.season;
    const int week = typedWeekNumber(context.args[0]);

    std::optional<Refusal> refusal = weekRefusal(season, week);
    if (!refusal && weekIsStored(season, week))
        refusal = Refusal{MessageId::ScoresAlreadyExist, {QString::number(week)}};
    if (refusal) {
        session.message(refusal->id, refusal->arguments);
        return ExitStatus::Refused;
    }

    const QStringList typed = context.args[1].split(QLatin1Char(','));
    if (typed.size() != season.TeamCount) {
        return context.usageError(QStringLiteral("SCORES needs %1 scores, one for each team in team order; %2 given")
                                      .arg(season.TeamCount)
                                      .arg(typed.size()));
    }
    ScoreTexts texts;
    for (int team = 1; team <= season.TeamCount; ++team) {
        const TypedScore score = readTypedScore(typed[team - 1]);
        if (!score.accepted) {
            session.message(MessageId::EnterScoreAgain);
            return ExitStatus::Refused;
        }
        season.Score[week][team] = score.score;
        texts[team] = score.text;
    }
    markWeekEntered(season, week);
    if (!SaveSeason(session))
        return ExitStatus::Refused;

    writeWeeklyOutput(context, week, texts);
    return ExitStatus::Ok;
}
