#include "tickets/ScoreEntry.h"

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

std::optional<Refusal> weekRefusal(const Season& season, int week)
{
    if (week < 1 || week > season.TotalWeeks || week > MaxScoredWeeks)
        return Refusal{MessageId::EnterWeekAgain, {}};
    if (season.ScoreTeams != season.TeamCount)
        return scoresFileNotFound(season);
    if (!weekIsStored(season, week) && week > 1 && !weekIsStored(season, week - 1))
        return previousWeekNotFound(season);
    return std::nullopt;
}

Refusal scoresFileNotFound(const Season& season)
{
    return {MessageId::ScoresFileNotFound, {QString::number(season.TeamCount)}};
}

Refusal previousWeekNotFound(const Season& season)
{
    // Weeks are entered in order: the first week not stored yet.
    return {MessageId::PreviousWeekNotFound, {QString::number(season.ScoredWeeks + 1)}};
}

std::optional<Refusal> reportRefusal(const Season& season, int week)
{
    std::optional<Refusal> refusal = weekRefusal(season, week);
    if (!refusal && !weekIsStored(season, week))
        refusal = previousWeekNotFound(season);
    return refusal;
}

std::optional<Refusal> entryRefusal(const Season& season, int week)
{
    std::optional<Refusal> refusal = weekRefusal(season, week);
    if (!refusal && weekIsStored(season, week))
        refusal = Refusal{MessageId::ScoresAlreadyExist, {QString::number(week)}};
    return refusal;
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

bool storeTypedScore(Season& season, int week, int team, const QString& typed, ScoreTexts& texts)
{
    const TypedScore score = readTypedScore(typed);
    if (!score.accepted)
        return false;
    season.Score[week][team] = score.score;
    texts[team] = score.text;
    return true;
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

bool saveEnteredWeek(Session& session, int week)
{
    markWeekEntered(session.season, week);
    return SaveSeason(session);
}

WeekOpening openWeek(Session& session, int week, ScoreTexts& texts)
{
    Season& season = session.season;
    const auto refuse = [&session](const Refusal& refusal) {
        session.message(refusal.id, refusal.arguments);
        return WeekOpening::Refused;
    };
    if (season.ScoreTeams != season.TeamCount)
        return refuse(scoresFileNotFound(season));

    if (weekIsStored(season, week)) {
        Answer answer = session.message(MessageId::ScoresAlreadyExist, {QString::number(week)});
        bool newSeason = false;
        if (answer == Answer::No && week == 1) {
            answer = session.message(MessageId::StartNewSeason);
            if (answer == Answer::Yes) {
                // The stored scores are dropped: a backup of the file comes first, or nothing.
                if (!backupSeasonFile(session))
                    return WeekOpening::Refused;
                startNewScores(season);
                SaveSeason(session);
                newSeason = true;
            }
        }
        texts = storedScoreTexts(season, week);
        if (answer == Answer::No)
            return WeekOpening::StoredReport;
        if (!newSeason)
            return WeekOpening::Correction;
    }

    if (week > 1 && !weekIsStored(season, week - 1))
        return refuse(previousWeekNotFound(season));
    return WeekOpening::NewEntry;
}

WeekStoring storeWeekScores(Session& session, int week, const ScoreTexts& typed, ScoreTexts& texts)
{
    Season& season = session.season;
    for (int team = 1; team <= season.TeamCount; ++team) {
        if (!readTypedScore(typed[team]).accepted)
            return {team, false};
    }
    for (int team = 1; team <= season.TeamCount; ++team)
        storeTypedScore(season, week, team, typed[team], texts);
    return {0, saveEnteredWeek(session, week)};
}

EntryOutcome enterWeekScores(Session& session, int week, ScoreTexts& texts)
{
    Season& season = session.season;
    const WeekOpening opening = openWeek(session, week, texts);
    if (opening == WeekOpening::Refused)
        return EntryOutcome::Refused;
    if (opening == WeekOpening::StoredReport)
        return EntryOutcome::Stored;

    const bool correction = opening == WeekOpening::Correction;
    for (int team = 1; team <= season.TeamCount; ++team) {
        const QString offered = correction ? correctionDefault(season.Score[week][team]) : QString();
        for (;;) {
            const InputReply reply = session.input(
                InputId::TeamScore, {QString::number(week), QString::number(team), season.TeamName[team], offered});
            if (reply.cancelled())
                return EntryOutcome::Cancelled;
            if (storeTypedScore(season, week, team, reply.text, texts))
                break;
            session.message(MessageId::EnterScoreAgain);
        }
    }

    saveEnteredWeek(session, week);
    return EntryOutcome::Entered;
}
