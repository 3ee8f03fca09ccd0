#include "tickets/ScoreEntry.h"

#include "dialogs/MessageCatalogue.h"
#include "season/Backups.h"
#include "season/Format.h"
#include "season/Numbers.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

QStringList weekPromptLines(const Season& season)
{
    return {QStringLiteral("Enter 'Week #'(1 to ")
                + Format(season.TotalWeeks, QStringLiteral("@@), then press 'ENTER'.")),
            QString(),
            QStringLiteral("IMPORTANT: 'Week #' MUST be as shown on ") + QStringLiteral("tickets (for a given date).")};
}

int typedWeekNumber(const QString& text)
{
    return toInteger(leadingNumber(text));
}

bool weekIsStored(const Season& season, int week)
{
    return week >= 1 && week <= season.ScoredWeeks && week <= MaxScoredWeeks && season.Score[week][0] == week;
}

int weekRefusal(const Season& season, int week)
{
    if (week < 1 || week > season.TotalWeeks || week > MaxScoredWeeks)
        return ScoreMessage::WeekOutOfRange;
    if (season.ScoreTeams != season.TeamCount)
        return ScoreMessage::ScoresFileNotFound;
    if (!weekIsStored(season, week) && week > 1 && !weekIsStored(season, week - 1))
        return ScoreMessage::PreviousWeekNotFound;
    return 0;
}

QString storedScoreText(int score)
{
    if (score == Bye)
        return QStringLiteral("  ");
    if (score >= 0)
        return QLatin1Char(' ') + QString::number(score);
    return QString::number(score);
}

ScoreTexts storedScoreTexts(const Season& season, int week)
{
    ScoreTexts texts;
    for (int team = 1; team <= season.TeamCount && team <= MaxTeams; ++team)
        texts[team] = storedScoreText(season.Score[week][team]);
    return texts;
}

QString correctionDefault(int score)
{
    return score == Bye ? QString() : QString::number(score);
}

TypedScore readTypedScore(const QString& typed)
{
    const double value = leadingNumber(typed);
    if (value < 0 || value > 999)
        return {false, 0, typed};
    QString text = typed;
    if (value == 0 && !text.isEmpty())
        text.remove(QLatin1Char(' '));
    if (text.isEmpty())
        return {true, Bye, QStringLiteral("  ")};
    return {true, toInteger(value), text};
}

void startNewScores(Season& season)
{
    season.ScoredWeeks = 0;
    season.ScoreTeams = season.TeamCount;
    // The old rows are no longer stored; in memory they would still look like entered weeks.
    for (auto& row : season.Score)
        row.fill(0);
}

void markWeekEntered(Season& season, int week)
{
    season.Score[week][0] = week;
    if (week > season.ScoredWeeks)
        season.ScoredWeeks = week;
    season.ScoreTeams = season.TeamCount;
}

EntryOutcome enterWeekScores(Session& session, int week, ScoreTexts& texts)
{
    Season& season = session.season;
    session.WeekNo = week;
    if (season.ScoreTeams != season.TeamCount) {
        session.message(ScoreMessage::ScoresFileNotFound);
        return EntryOutcome::Refused;
    }

    bool correction = false;
    if (weekIsStored(season, week)) {
        int answer = session.message(ScoreMessage::PreviousScoresFound);
        bool newSeason = false;
        if (answer == Answer::No && week == 1) {
            answer = session.message(ScoreMessage::StartNewSeason);
            if (answer == Answer::Yes) {
                // The stored scores are dropped: a backup of the file comes first, or nothing.
                if (!backupSeasonFile(session))
                    return EntryOutcome::Refused;
                startNewScores(season);
                SaveSeason(session);
                newSeason = true;
            }
        }
        texts = storedScoreTexts(season, week);
        if (answer == Answer::No)
            return EntryOutcome::Stored;
        correction = !newSeason;
    }

    if (week > 1 && !weekIsStored(season, week - 1)) {
        session.i = season.ScoredWeeks;
        session.message(ScoreMessage::PreviousWeekNotFound);
        return EntryOutcome::Refused;
    }

    for (int team = 1; team <= season.TeamCount; ++team) {
        const QString offered = correction ? correctionDefault(season.Score[week][team]) : QString();
        for (;;) {
            session.InputText = offered;
            session.i = team;
            session.WeekNo = week;
            if (session.input(ScoreInputId) == Answer::Cancel)
                return EntryOutcome::Cancelled;
            const TypedScore typed = readTypedScore(session.InputText);
            if (typed.accepted) {
                season.Score[week][team] = typed.score;
                texts[team] = typed.text;
                break;
            }
            session.message(ScoreMessage::ScoreOutOfRange);
        }
    }

    markWeekEntered(season, week);
    SaveSeason(session);
    return EntryOutcome::Entered;
}
