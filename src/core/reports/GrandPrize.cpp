#include "reports/GrandPrize.h"

#include "reports/ReportTitle.h"
#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"
#include "tickets/TicketPairs.h"
#include "tickets/Winnings.h"

#include <algorithm>

namespace {

constexpr int RowsPerPage = 57;

QString groupHeading(Prize prize, bool split, int size)
{
    const bool low = prize == Prize::GrandLow;
    const QString money = low ? QStringLiteral("Prize Low Money:") : QStringLiteral("Prize High Money:");
    // The blanks bring the first mark under SOLD BY; "High" is one letter longer than "Low".
    const int shorter = low ? 0 : 1;
    if (size == 1)
        return markedHeading(QStringLiteral("   Next won Grand ") + money, 23 - shorter);
    if (split) {
        return markedHeading(QStringLiteral("   Next %1 split Grand ").arg(size) + money, 19 - shorter);
    }
    return markedHeading(QStringLiteral("   Next %1 won Grand ").arg(size) + money, 21 - shorter);
}

// Weeks counted by the standings: those scored so far, never a playoff week.
int standingsWeeks(const Season& season)
{
    return std::max(0, std::min(season.ScoredWeeks, season.RegularWeeks));
}

QStringList pageHeading(const Session& session, int weeks, bool byTicket)
{
    const Season& season = session.season;
    const QString date = weeks >= 1 && weeks <= MaxRegularWeeks ? season.RegularDate[weeks] : QString();
    const QString listing = byTicket ? QStringLiteral("Standings By Ticket # -------------------------------")
                                     : QStringLiteral("Standings By Position -------------------------------");
    const QString columns = byTicket ? QStringLiteral("tk#--pos--pts") : QStringLiteral("pos--pts--tk#");
    QString columnLine = blanks(3) + columns;
    for (int c = 1; c < 5; ++c)
        columnLine += blanks(5) + columns;
    return {
        QString(),
        QString(),
        seasonTitleLine(season, 3, 78),
        QStringLiteral("   Week #") + alignRight(weeks, 3) + blanks(4) + QStringLiteral("Ending: ") + date
            + blanks(40) + alignRight(session.TodayText, 18),
        QString(),
        QStringLiteral("   ------------------------------- ") + listing,
        columnLine,
    };
}

// One cell of a standings row: three numbers in 5, 4 and 4 places; the first cell of a row
// starts with one blank, the others with three.
QString standingsCell(int column, int a, int b, int c)
{
    return blanks(column == 0 ? 1 : 3) + alignRight(a, 5) + QLatin1Char(' ') + alignRight(b, 4)
        + QLatin1Char(' ') + alignRight(c, 4);
}

struct StandingsRows {
    QStringList byPosition;
    QStringList byTicket;
};

StandingsRows standingsRows(const QVector<TicketStanding>& ranking)
{
    const int count = ranking.size();
    const int rows = (count + 4) / 5;

    struct Placed {
        int position;
        int ticket;
        int value;
    };
    QVector<Placed> byTicket;
    byTicket.reserve(count);
    for (int p = 1; p <= count; ++p)
        byTicket.append({p, ranking[p - 1].ticket, ranking[p - 1].value});
    std::sort(byTicket.begin(), byTicket.end(),
              [](const Placed& a, const Placed& b) { return a.ticket < b.ticket; });

    StandingsRows out;
    for (int r = 1; r <= rows; ++r) {
        QString positionRow;
        QString ticketRow;
        for (int c = 0; c < 5; ++c) {
            const int e = r + c * rows;
            if (e <= count) {
                const TicketStanding& s = ranking[e - 1];
                const Placed& t = byTicket[e - 1];
                positionRow += standingsCell(c, e, s.value, s.ticket);
                ticketRow += standingsCell(c, t.ticket, t.position, t.value);
            } else {
                // Beyond the ranking: an empty place, shown with value and ticket 0 by position.
                positionRow += standingsCell(c, e, 0, 0);
                ticketRow += blanks(c == 0 ? 16 : 18);
            }
        }
        out.byPosition.append(positionRow);
        out.byTicket.append(ticketRow);
    }
    return out;
}

bool startsPage(int row)
{
    return (row - 1) % RowsPerPage == 0;
}

}  // namespace

int grandPrizePairPoints(const Season& season, const TeamPair& pair, int week)
{
    const int a = season.Score[week][pair.first];
    const int b = season.Score[week][pair.second];
    return (a == Bye ? 0 : a) + (b == Bye ? 0 : b);
}

QVector<int> ticketValues(const Season& season, int weeks)
{
    const int teams = season.TeamCount;
    const int tickets = ticketCountFor(teams);
    QVector<int> values(tickets + 1, 0);
    weeks = std::min(weeks, MaxScoredWeeks);
    for (int w = 1; w <= weeks; ++w) {
        for (int a = 1; a < teams; ++a) {
            for (int b = a + 1; b <= teams; ++b)
                values[ticketOfPair(teams, a, b, w)] += grandPrizePairPoints(season, {a, b}, w);
        }
    }
    return values;
}

QVector<TicketStanding> seasonRanking(const Season& season, int weeks)
{
    const QVector<int> values = ticketValues(season, weeks);
    QVector<TicketStanding> ranking;
    ranking.reserve(values.size());
    for (int t = 1; t < values.size(); ++t)
        ranking.append({t, values[t]});
    std::stable_sort(ranking.begin(), ranking.end(),
                     [](const TicketStanding& a, const TicketStanding& b) { return a.value > b.value; });

    if (season.unsoldWinnerPassesOn() && season.UnsoldCount != 0)
        UnsoldTickets(season).removeUnsold(ranking, [](const TicketStanding& s) { return s.ticket; });
    return ranking;
}

QVector<GrandPrizeGroup> grandPrizeGroups(const Season& season)
{
    QVector<GrandPrizeGroup> groups;
    const QVector<TicketStanding> ranking = seasonRanking(season, season.RegularWeeks);
    if (ranking.isEmpty())
        return groups;

    auto group = [&](Prize prize, QVector<int> tickets) {
        GrandPrizeGroup g;
        g.prize = prize;
        g.split = season.tiesSplitPrize();
        g.divisor = g.split ? tickets.size() : 1;
        g.tickets = std::move(tickets);
        g.cents = shareCents(season.prizeAmount(prize), g.divisor);
        groups.append(g);
    };

    if (season.prizeOn(Prize::GrandLow)) {
        QVector<int> tickets;
        const int lowest = ranking.last().value;
        for (int e = ranking.size() - 1; e >= 0 && ranking[e].value == lowest; --e)
            tickets.append(ranking[e].ticket);
        group(Prize::GrandLow, tickets);
    }
    if (season.prizeOn(Prize::GrandHigh)) {
        QVector<int> tickets;
        const int highest = ranking.first().value;
        for (int e = 0; e < ranking.size() && ranking[e].value == highest; ++e)
            tickets.append(ranking[e].ticket);
        group(Prize::GrandHigh, tickets);
    }
    return groups;
}

QStringList GrandPrizeLines(const Session& session)
{
    const UnsoldTickets unsold(session.season);
    QStringList lines;
    for (const GrandPrizeGroup& g : grandPrizeGroups(session.season)) {
        lines.append(groupHeading(g.prize, g.split, g.tickets.size()));
        lines.append(fillInLine());
        for (int ticket : g.tickets)
            lines.append(Winnings(unsold, ticket, g.cents));
    }
    return lines;
}

QStringList grandPrizePreviewLines(const Session& session)
{
    const int weeks = standingsWeeks(session.season);
    const StandingsRows rows = standingsRows(seasonRanking(session.season, weeks));
    QStringList lines;
    if (rows.byPosition.isEmpty())
        return lines;
    lines.append(pageHeading(session, weeks, false));
    lines.append(rows.byPosition);
    lines.append(pageHeading(session, weeks, true));
    lines.append(rows.byTicket);
    return lines;
}

PrintJob grandPrizePreviewJob(const Session& session)
{
    const int weeks = standingsWeeks(session.season);
    const StandingsRows rows = standingsRows(seasonRanking(session.season, weeks));
    const QStringList positionHeading = pageHeading(session, weeks, false);
    const QStringList ticketHeading = pageHeading(session, weeks, true);

    PrintJob job(QStringLiteral("Grand prize standings"));
    job.fontName(ReportFontName).bold(true).fontSize(10);
    for (int r = 1; r <= rows.byPosition.size(); ++r) {
        if (startsPage(r)) {
            if (r != 1)
                job.newPage();
            for (const QString& line : positionHeading)
                job.line(line);
        }
        job.line(rows.byPosition[r - 1]);
    }
    // The listing by ticket number always starts on a page of its own.
    for (int r = 1; r <= rows.byTicket.size(); ++r) {
        if (startsPage(r)) {
            job.newPage();
            for (const QString& line : ticketHeading)
                job.line(line);
        }
        job.line(rows.byTicket[r - 1]);
    }
    job.endDoc();
    return job;
}
