// enter WEEK SCORES | enter WEEK --from FILE: stores the week's scores and prints the week's
// report. SCORES are comma-separated in team order (empty = bye); FILE (or - for the standard
// input) holds the week's results in any shape the score sheet reads when they are pasted. It
// never asks: a week already stored, a week out of turn, a score out of range or a line of the
// results that cannot be read is refused with its message, and nothing is stored.
#include "Commands.h"

#include "scores/PastedScores.h"
#include "season/HomeLock.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyOutput.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// The results of FILE, or of the standard input for "-"; the refusal when there are none.
std::optional<Refusal> readResults(const QString& name, QString& text)
{
    QFile file;
    const bool standardInput = name == QLatin1String("-");
    const QString where = standardInput ? QStringLiteral("The standard input")
                                        : QStringLiteral("The file ") + QDir::toNativeSeparators(name);
    if (standardInput ? !file.open(stdin, QIODevice::ReadOnly) : (file.setFileName(name), !file.open(QIODevice::ReadOnly)))
        return Refusal{MessageId::FileNotReadable, {QDir::toNativeSeparators(name), file.errorString()}};
    text = QString::fromUtf8(file.readAll());
    if (text.trimmed().isEmpty())
        return Refusal{MessageId::NothingToRead, {where}};
    return std::nullopt;
}

}  // namespace

int runEnter(CliContext& context)
{
    const bool fromFile = context.args.value(1) == QLatin1String("--from");
    if (fromFile != (context.args.size() == 3))
        return context.usageError(QStringLiteral("enter takes WEEK SCORES or WEEK --from FILE"));
    // From reading the season to saving it no other program writes the home.
    const WriteAccess access(context.session);
    if (!access)
        return ExitStatus::Refused;
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    const Season& season = session.season;
    const int week = typedWeekNumber(context.args[0]);
    if (const std::optional<Refusal> refusal = entryRefusal(season, week))
        return context.refuse(*refusal);

    ScoreTexts typed;
    if (fromFile) {
        QString text;
        if (const std::optional<Refusal> refusal = readResults(context.args[2], text))
            return context.refuse(*refusal);
        const PastedScores pasted = readPastedScores(season, text);
        if (const PastedLine* problem = pasted.firstProblem())
            return context.refuse(pasteProblem(season, *problem));
        for (int team = 1; team <= season.TeamCount; ++team)
            typed[team] = pasted.typed[team].value_or(QString());
    } else {
        const QStringList scores = context.args[1].split(QLatin1Char(','));
        if (scores.size() != season.TeamCount) {
            return context.usageError(QStringLiteral("SCORES needs %1 scores, one for each team in team order; %2 given")
                                          .arg(season.TeamCount)
                                          .arg(scores.size()));
        }
        for (int team = 1; team <= season.TeamCount; ++team)
            typed[team] = scores[team - 1];
    }

    ScoreTexts texts;
    const WeekStoring storing = storeWeekScores(session, week, typed, texts);
    if (storing.rejectedTeam > 0)
        return context.refuse({MessageId::EnterScoreAgain, {}});
    if (!storing.saved)
        return ExitStatus::Refused;

    const WeeklyOutput output = weeklyOutput(session, week, texts);
    context.printLines(output.report + output.summary);
    context.print(output.jobs);
    return ExitStatus::Ok;
}
