// check: reads the season file as loading does and prints what it holds, then every problem in
// it: each value beyond its bound (with its line) and where the file cannot be read on, which make
// the file unusable (status 2); then warnings, values that do not fit together but that every
// command and screen uses as they are (status 0).
#include "Commands.h"

#include "season/Bounds.h"
#include "season/Numbers.h"
#include "season/SafeWrite.h"
#include "season/SeasonFile.h"
#include "season/Season.h"
#include "season/Session.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString quotedList(const std::array<QString, 5>& texts)
{
    QStringList quoted;
    for (int n = 1; n <= 4; ++n)
        quoted.append(QLatin1Char('"') + texts[n] + QLatin1Char('"'));
    return quoted.join(QStringLiteral(", "));
}

QString dollars(int amount)
{
    return currency(qint64(amount) * 100, false);
}

QString weeksText(int count, const QString& kind, const Season& s, int firstWeek)
{
    QString text = QStringLiteral("%1 %2").arg(count).arg(kind);
    if (count == 1)
        text += QStringLiteral(" (%1)").arg(s.weekDate(firstWeek));
    else if (count > 1)
        text += QStringLiteral(" (%1 to %2)").arg(s.weekDate(firstWeek), s.weekDate(firstWeek + count - 1));
    return text;
}

QStringList prizeLines(const Season& s)
{
    auto list = [](const QStringList& parts) {
        return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
    };
    // The prizes that are on, each named and with its amount.
    auto named = [&s](std::initializer_list<std::pair<Prize, const char*>> prizes) {
        QStringList parts;
        for (const auto& [prize, name] : prizes) {
            if (s.prizeOn(prize))
                parts.append(QLatin1String(name) + QLatin1Char(' ') + dollars(s.prizeAmount(prize)));
        }
        return parts;
    };
    QStringList regular = named({{Prize::RegularHigh, "high"}, {Prize::RegularSecondHigh, "second high"},
                                 {Prize::RegularLow, "low"}});
    if (s.prizeOn(Prize::RegularRandom)) {
        regular.append(QStringLiteral("%1 random at %2")
                           .arg(s.randomWinnersPerWeek())
                           .arg(dollars(s.prizeAmount(Prize::RegularRandom))));
    }
    const QStringList grand = named({{Prize::GrandHigh, "highest"}, {Prize::GrandLow, "lowest"}});
    const QStringList playoff = named({{Prize::PlayoffHigh, "high"}, {Prize::PlayoffLow, "low"}});

    const QString ties = s.tieMethod() == TieMethod::PayFull ? QStringLiteral("ties pay the full amount")
        : s.tieMethod() == TieMethod::Split                  ? QStringLiteral("ties split the prize money")
                                                             : QStringLiteral("no rule for ties chosen");
    const QString unsold = s.unsoldRule() == UnsoldRule::NotPaid
        ? QStringLiteral("unsold winning tickets are not paid")
        : s.unsoldRule() == UnsoldRule::NextSold ? QStringLiteral("unsold winning tickets pass to the next closest sold ticket")
                                                 : QStringLiteral("no rule for unsold winning tickets chosen");
    return {QStringLiteral("Prizes:   weekly, regular season: ") + list(regular),
            QStringLiteral("          grand prize: ") + list(grand),
            QStringLiteral("          weekly, playoffs: ") + list(playoff),
            QStringLiteral("          ") + ties + QStringLiteral("; ") + unsold};
}

QStringList summaryLines(const Session& session)
{
    const Season& s = session.season;
    QStringList lines;
    lines.append(QStringLiteral("Season file: ") + QDir::toNativeSeparators(session.seasonPath()));
    lines.append(QStringLiteral("Front:    ") + quotedList(s.FrontText));
    lines.append(QStringLiteral("Address:  ") + quotedList(s.ReturnAddress));
    QString teams = QStringLiteral("Teams:    %1").arg(s.TeamCount);
    if (s.TeamCount > 0)
        teams += QStringLiteral(", %1 to %2").arg(s.TeamName[1], s.TeamName[s.TeamCount]);
    lines.append(teams);
    lines.append(QStringLiteral("Weeks:    %1 in all: %2, %3")
                     .arg(s.TotalWeeks)
                     .arg(weeksText(s.RegularWeeks, QStringLiteral("regular"), s, 1),
                          weeksText(s.PlayoffWeeks, QStringLiteral("playoff"), s, s.RegularWeeks + 1)));
    QStringList sequences;
    for (int n = 1; n <= s.UnsoldCount; ++n) {
        if (!s.UnsoldSeq[n].isEmpty())
            sequences.append(s.UnsoldSeq[n]);
    }
    lines.append(QStringLiteral("Tickets:  %1, %2 sold; unsold: %3")
                     .arg(s.TicketCount)
                     .arg(s.SoldCount)
                     .arg(sequences.isEmpty() ? QStringLiteral("none") : sequences.join(QStringLiteral(" / "))));
    lines.append(QStringLiteral("Price:    %1 a ticket; seed %2; odds 1 in %3; ticket size %4")
                     .arg(dollars(s.TicketPrice))
                     .arg(s.Seed)
                     .arg(QString::number(double(s.Odds), 'f', 1))
                     .arg(s.TicketSize));
    lines.append(prizeLines(s));
    lines.append(s.ScoredWeeks == 0
                     ? QStringLiteral("Scores:   none")
                     : QStringLiteral("Scores:   %1, %2 teams each")
                           .arg(weeksText(s.ScoredWeeks, s.ScoredWeeks == 1 ? QStringLiteral("week") : QStringLiteral("weeks"), s, 1))
                           .arg(s.ScoreTeams));
    return lines;
}

// Where the file breaks its rules: every value beyond its bound, and where reading stopped.
QString fileProblemLine(const SeasonFileProblem& problem)
{
    QString text = QStringLiteral("Problem:  line %1: %2 expected").arg(problem.line).arg(problem.expected);
    if (problem.found.isEmpty())
        return text + QStringLiteral("; the file cannot be read on from there");
    return text + QStringLiteral(", ") + problem.found + QStringLiteral(" found");
}

}  // namespace

int runCheck(CliContext& context)
{
    Session& session = context.session;
    const QString path = session.seasonPath();
    // Checking reads the file as loading does and writes nothing, not even a copy of a damaged file.
    Season season = session.season;
    const SeasonFileRead read = readSeasonAt(path, season);
    if (read.state == SeasonFileRead::State::Missing) {
        session.message(MessageId::FileNotFound, {QDir::toNativeSeparators(path)});
        return ExitStatus::Refused;
    }
    if (read.state == SeasonFileRead::State::Unreadable) {
        session.message(MessageId::FileNotReadable, {QDir::toNativeSeparators(path), read.reason});
        return ExitStatus::Refused;
    }
    const bool readToTheEnd = read.problems.isEmpty() || !read.problems.last().found.isEmpty();
    if (readToTheEnd) {
        season.computeDerived();
        session.season = season;
        context.printLines(summaryLines(session));
    } else {
        context.printLines({QStringLiteral("Season file: ") + QDir::toNativeSeparators(path)});
    }
    QStringList lines;
    for (const SeasonFileProblem& problem : read.problems)
        lines.append(fileProblemLine(problem));
    // What every report tolerates is listed, but the file can be used.
    for (const QString& warning : read.warnings)
        lines.append(QStringLiteral("Warning:  ") + warning);
    context.printLines(lines.isEmpty() ? QStringList{QStringLiteral("No problems found.")} : lines);
    return read.problems.isEmpty() ? ExitStatus::Ok : ExitStatus::Refused;
}
