#include "tickets/WeeklyReport.h"

#include "reports/GrandPrize.h"
#include "reports/ReportTitle.h"
#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/Winnings.h"

#include <algorithm>

namespace {

constexpr int PrintedLinesInOneJob = 52;
constexpr int RankedRowsShownAtEachEnd = 7;

QString teamCell(const Season& season, const ScoreTexts& texts, int team, int column)
{
    QString cell = column == 0 ? blanks(3) : QString();
    cell += alignRight(team, 2) + QLatin1Char(' ') + alignLeft(season.TeamName[team], 13) + QLatin1Char(' ')
        + alignRight(texts[team], 3);
    if (column < 2)
        cell += blanks(5);
    return cell;
}

QString rankedRow(const Season& season, int week, int position, const RankedEntry& entry)
{
    const auto& score = season.Score[week];
    return blanks(4) + alignRight(position, 4) + blanks(6) + alignLeft(season.TeamName[entry.pair.first], 13)
        + alignRight(score[entry.pair.first], 3) + blanks(6) + alignLeft(season.TeamName[entry.pair.second], 13)
        + alignRight(score[entry.pair.second], 3) + blanks(1) + blanks(6) + alignRight(entry.total, 3) + blanks(8)
        + alignRight(entry.ticket, 3);
}

// The text of a group heading and the blanks before its marks, by group and size.
struct HeadingText {
    QString name;  // "Regular Season Low", ...
    int single;    // blanks after the heading of a single winner
    int split;     // ... of a group that splits the money
    int full;      // ... of a group whose members each win in full
};

HeadingText headingText(Prize prize)
{
    switch (prize) {
    case Prize::RegularLow:
        return {QStringLiteral("Regular Season Low"), 13, 9, 11};
    case Prize::PlayoffLow:
        return {QStringLiteral("Playoff Season Low"), 13, 9, 11};
    case Prize::RegularSecondHigh:
        return {QStringLiteral("Regular Season 2nd High"), 8, 4, 6};
    case Prize::RegularHigh:
        return {QStringLiteral("Regular Season High"), 12, 8, 10};
    case Prize::PlayoffHigh:
        return {QStringLiteral("Playoff Season High"), 12, 8, 10};
    case Prize::RegularCombined:
        return {QStringLiteral("Regular Season High and 2nd High"), 6, 6, 6};
    default:
        return {};
    }
}

PrintJob reportJobStart(const Season& season, int part)
{
    PrintJob job(part == 1 ? QStringLiteral("Weekly report") : QStringLiteral("Weekly report, winners"));
    job.fontName(ReportFontName).bold(true).line().fontSize(14);
    job.line(seasonTitleLine(season, 4, 54)).line().fontSize(12);
    return job;
}

QString printed(const QString& line)
{
    return blanks(2) + line;
}

}  // namespace

QString winnersHeading()
{
    return QStringLiteral("   TICKET #  AMOUNT  -------- WINNERS NAME ---------    SOLD BY    CHECK #");
}

QString weekLine(const Session& session, int week)
{
    const Season& season = session.season;
    return QStringLiteral("   Week #") + alignRight(week, 3) + blanks(5) + QStringLiteral("Ending: ")
        + season.weekDate(week) + blanks(6) + QStringLiteral("Seed =") + alignRight(season.Seed, 6) + blanks(7)
        + alignRight(session.TodayText, 18);
}

QStringList teamScoreTable(const Season& season, const ScoreTexts& texts)
{
    QStringList lines{
        QStringLiteral("      TEAM         SCORE       TEAM         SCORE       TEAM         SCORE"),
        QStringLiteral("   --------------  -----    --------------  -----    --------------  -----")};
    const int teams = std::min(season.TeamCount, MaxTeams);
    const int rows = teams / 3;
    const int extra = teams % 3;
    const int firstOfColumn2 = rows + (extra >= 1 ? 1 : 0) + 1;
    const int firstOfColumn3 = firstOfColumn2 + rows + (extra == 2 ? 1 : 0);
    for (int row = 0; row < rows; ++row) {
        lines.append(teamCell(season, texts, 1 + row, 0) + teamCell(season, texts, firstOfColumn2 + row, 1)
                     + teamCell(season, texts, firstOfColumn3 + row, 2));
    }
    if (extra >= 1) {
        QString last = teamCell(season, texts, rows + 1, 0);
        if (extra == 2)
            last += teamCell(season, texts, firstOfColumn2 + rows, 1);
        lines.append(last);
    }
    return lines;
}

QStringList rankedPairLines(const Season& season, int week, const QVector<RankedEntry>& ranked)
{
    QStringList lines{
        QStringLiteral("                   TEAM 1                TEAM 2           TOTAL     TICKET"),
        QStringLiteral("   POSITION   NAME       SCORE      NAME       SCORE      SCORE        #"),
        QStringLiteral("   --------   ----------------      ----------------      -----     ------")};
    const int count = ranked.size();
    for (int n = 0; n < count; ++n) {
        const bool shown = count < 2 * RankedRowsShownAtEachEnd + 1 || n < RankedRowsShownAtEachEnd
            || n >= count - RankedRowsShownAtEachEnd;
        if (shown)
            lines.append(rankedRow(season, week, n + 1, ranked[n]));
    }
    return lines;
}

QString groupHeading(const AwardGroup& group)
{
    const HeadingText text = headingText(group.prize);
    const int size = group.awards.size();
    const QString money = text.name + QStringLiteral(" Weekly money:");
    if (group.prize == Prize::RegularCombined) {
        return QStringLiteral("   Next ") + QString::number(size) + QStringLiteral(" split ") + money
            + blanks(text.split) + QStringLiteral("xxxxx");
    }
    if (size == 1)
        return markedHeading(QStringLiteral("   Next won ") + money, text.single);
    if (group.split)
        return markedHeading(QStringLiteral("   Next ") + QString::number(size) + QStringLiteral(" split ") + money,
                             text.split);
    return markedHeading(QStringLiteral("   Next ") + QString::number(size) + QStringLiteral(" won ") + money,
                         text.full);
}

QStringList winnersSectionLines(const Season& season, const WeekWinners& winners)
{
    QStringList lines;
    if (winners.noWinners())
        lines << QStringLiteral("   There are no weekly winners") << fillInLine();

    if (!winners.randomTickets.isEmpty()) {
        if (season.prizeOn(Prize::RegularRandom)) {
            // The marks stand where every other heading has them.
            lines << markedHeading(QStringLiteral("   Next ") + QString::number(season.randomWinnersPerWeek())
                                       + QStringLiteral(" are Random Weekly winners:"),
                                   21)
                  << fillInLine();
        }
        for (int ticket : winners.randomTickets)
            lines << paymentLine(ticket, qint64(season.prizeAmount(Prize::RegularRandom)) * 100) << fillInLine();
    }

    for (const AwardGroup& group : winners.groups) {
        lines << groupHeading(group) << fillInLine();
        for (const Award& award : group.awards)
            lines << Winnings(award);
    }
    return lines;
}

QStringList weeklyReportLines(const Session& session, int week, const ScoreTexts& texts)
{
    const Season& season = session.season;
    const WeekWinners winners = calculateWeek(season, week);

    QStringList lines;
    lines << weekLine(session, week) << QString();
    lines << teamScoreTable(season, texts) << QString();
    lines << rankedPairLines(season, week, winners.ranked) << QString();
    lines << winnersHeading() << fillInLine();
    lines << winnersSectionLines(season, winners);
    if (week == season.RegularWeeks)
        lines << GrandPrizeLines(session);
    return lines;
}

QStringList weeklyReportLines(const Session& session, int week)
{
    return weeklyReportLines(session, week, storedScoreTexts(session.season, week));
}

QVector<PrintJob> weeklyReportJobs(const Session& session, const QStringList& reportLines)
{
    const Season& season = session.season;
    const int heading = reportLines.indexOf(winnersHeading());
    PrintJob first = reportJobStart(season, 1);
    if (reportLines.size() <= PrintedLinesInOneJob || heading < 0) {
        for (const QString& line : reportLines)
            first.line(printed(line));
        first.endDoc();
        return {first};
    }

    for (int n = 0; n < heading; ++n)
        first.line(printed(reportLines[n]));
    first.endDoc();

    PrintJob second = reportJobStart(season, 2);
    second.line(printed(reportLines.value(0))).line(printed(QString()));
    for (int n = heading; n < reportLines.size(); ++n)
        second.line(printed(reportLines[n]));
    second.endDoc();
    return {first, second};
}
