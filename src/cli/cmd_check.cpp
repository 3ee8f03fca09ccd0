// check: loads the season file and prints what it holds, then any value that breaks the season's
// rules (which the screens would never store).
#include "Commands.h"

#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"

#include <QDir>

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

// Values that the screens keep within their rules but a hand-edited file may not.
QStringList problemLines(const Season& s)
{
    QStringList problems;
    auto problem = [&](const QString& text) { problems.append(QStringLiteral("Problem:  ") + text); };

    if (s.TicketSize < 0 || s.TicketSize > 4)
        problem(QStringLiteral("ticket size %1 is not 0 to 4").arg(s.TicketSize));
    if (s.TicketPrice < 1 || s.TicketPrice > 100)
        problem(QStringLiteral("ticket price %1 is not 1 to 100").arg(s.TicketPrice));
    if (s.Seed < -32767)
        problem(QStringLiteral("seed %1 is below -32767").arg(s.Seed));
    if (s.TotalWeeks > MaxScoredWeeks)
        problem(QStringLiteral("%1 weeks in all, more than %2").arg(s.TotalWeeks).arg(MaxScoredWeeks));
    for (int w = 1; w <= s.TotalWeeks && w <= MaxScoredWeeks; ++w) {
        if (s.weekDate(w).size() > 6)
            problem(QStringLiteral("week %1's date \"%2\" is longer than 6 characters").arg(w).arg(s.weekDate(w)));
    }
    for (int t = 1; t <= s.TeamCount; ++t) {
        if (s.TeamName[t].size() > 13)
            problem(QStringLiteral("team name \"%1\" is longer than 13 characters").arg(s.TeamName[t]));
    }
    for (int n = 1; n <= s.UnsoldCount; ++n) {
        if (s.UnsoldSeq[n].isEmpty())
            continue;
        const TicketRange range = parseTicketRange(s.UnsoldSeq[n]);
        if (range.first < 1 || range.last > s.TicketCount || range.first > range.last)
            problem(QStringLiteral("unsold sequence %1 is not within tickets 1 to %2 in order")
                        .arg(s.UnsoldSeq[n])
                        .arg(s.TicketCount));
    }
    if (s.ScoredWeeks > 0 && s.ScoreTeams != s.TeamCount)
        problem(QStringLiteral("scores are stored for %1 teams, the season has %2").arg(s.ScoreTeams).arg(s.TeamCount));
    if (s.ScoredWeeks > s.TotalWeeks)
        problem(QStringLiteral("%1 weeks are scored, the season has %2").arg(s.ScoredWeeks).arg(s.TotalWeeks));
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        if (s.Score[w][0] != w)
            problem(QStringLiteral("the score row of week %1 says week %2").arg(w).arg(s.Score[w][0]));
        for (int t = 1; t <= s.ScoreTeams; ++t) {
            const int score = s.Score[w][t];
            if (score != Bye && (score < 0 || score > 999))
                problem(QStringLiteral("week %1, team %2: score %3 is not 0 to 999").arg(w).arg(t).arg(score));
        }
    }
    return problems;
}

}  // namespace

int runCheck(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    context.printLines(summaryLines(context.session));
    const QStringList problems = problemLines(context.session.season);
    context.printLines(problems.isEmpty() ? QStringList{QStringLiteral("No problems found.")} : problems);
    return ExitStatus::Ok;
}
