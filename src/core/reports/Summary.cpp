#include "reports/Summary.h"

#include "reports/GrandPrize.h"
#include "reports/ReportTitle.h"
#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"
#include "tickets/WeeklyWinners.h"

namespace {

// Half cents as the summary shows them: two decimals, a half cent going to the even cent.
QString amount(qint64 halfCents, int width = 8)
{
    return alignRight(Convert(divideHalfEven(halfCents, 2)), width);
}

QString row(const CategorySums& sums, bool playoff)
{
    QString text;
    for (int c = RandomColumn; c <= LowColumn; ++c) {
        const bool blankCell = playoff && (c == RandomColumn || c == SecondHighColumn);
        text += blanks(2) + (blankCell ? blanks(8) : amount(sums.halfCents[c]));
    }
    return text + blanks(2) + amount(sums.totalHalfCents);
}

bool showsGrandPrize(const Season& season)
{
    return season.prizeSwitchSet(Prize::GrandHigh) || season.prizeSwitchSet(Prize::GrandLow);
}

}  // namespace

CategorySums& CategorySums::operator+=(const CategorySums& other)
{
    for (int c = RandomColumn; c <= LowColumn; ++c)
        halfCents[c] += other.halfCents[c];
    totalHalfCents += other.totalHalfCents;
    return *this;
}

void SumWinnings(CategorySums& sums, Prize prize, qint64 cents, bool unsold)
{
    if (unsold)
        return;
    const qint64 half = cents;  // half of the amount, in half cents
    const qint64 whole = 2 * cents;
    switch (prize) {
    case Prize::RegularHigh:
    case Prize::GrandHigh:
    case Prize::PlayoffHigh:
        sums.halfCents[HighColumn] += whole;
        break;
    case Prize::RegularSecondHigh:
        sums.halfCents[SecondHighColumn] += whole;
        break;
    case Prize::RegularCombined:
        sums.halfCents[HighColumn] += half;
        sums.halfCents[SecondHighColumn] += half;
        break;
    case Prize::RegularLow:
    case Prize::GrandLow:
    case Prize::PlayoffLow:
        sums.halfCents[LowColumn] += whole;
        break;
    default:
        return;
    }
    sums.totalHalfCents += whole;
}

void SumWinnings(CategorySums& sums, const Award& award)
{
    SumWinnings(sums, award.prize, award.cents, award.unsold);
}

CategorySums SummaryGrandPrize(const Season& season)
{
    CategorySums sums;
    const UnsoldTickets unsold(season);
    for (const GrandPrizeGroup& group : grandPrizeGroups(season)) {
        for (int ticket : group.tickets)
            SumWinnings(sums, group.prize, group.cents, unsold.isUnsold(ticket));
    }
    return sums;
}

CategorySums weekSums(const Season& season, int week, const QVector<int>& draws)
{
    CategorySums sums;
    const WeekWinners winners = calculateWeek(season, week, draws);
    for (const AwardGroup& group : winners.groups) {
        for (const Award& award : group.awards)
            SumWinnings(sums, award);
    }
    // Random winners are paid in full; the report lists exactly these tickets.
    const qint64 random = 2 * 100 * qint64(season.prizeAmount(Prize::RegularRandom)) * winners.randomTickets.size();
    sums.halfCents[RandomColumn] += random;
    sums.totalHalfCents += random;
    return sums;
}

AnnualSummary Summary(const Season& season)
{
    AnnualSummary summary;
    const QVector<int> draws = drawList(season);
    qint64 payoutHalfCents = 0;
    summary.weeks.resize(season.TotalWeeks + 1);
    for (int w = 1; w <= season.TotalWeeks; ++w) {
        summary.weeks[w] = weekSums(season, w, draws);
        (season.isRegularWeek(w) ? summary.regular : summary.playoffs) += summary.weeks[w];
        payoutHalfCents += summary.weeks[w].totalHalfCents;
    }
    if (showsGrandPrize(season)) {
        summary.grandPrize = SummaryGrandPrize(season);
        payoutHalfCents += summary.grandPrize.totalHalfCents;
    }
    // Every award is a whole number of cents, so the payout is too.
    summary.payoutCents = payoutHalfCents / 2;
    summary.salesCents = 100 * qint64(season.SoldCount) * season.TicketPrice;
    summary.profitCents = summary.salesCents - summary.payoutCents;
    summary.profitPercent =
        summary.salesCents == 0 ? 0 : int(divideHalfEven(summary.profitCents * 100, summary.salesCents));
    return summary;
}

QStringList summaryLines(const Session& session)
{
    const Season& season = session.season;
    const AnnualSummary summary = Summary(season);

    QStringList lines = {QString(), QString(), QString()};
    lines << blanks(10) + QStringLiteral("ANNUAL SUMMARY") + blanks(30) + alignRight(session.TodayText, 18);
    lines << QString() << QString();
    lines << blanks(10) + QStringLiteral("Week") + blanks(2) + QStringLiteral("Ending") + blanks(4)
            + QStringLiteral("Random") + blanks(5) + QStringLiteral("High") + blanks(4) + QStringLiteral("2nd High")
            + blanks(5) + QStringLiteral("Low") + blanks(5) + QStringLiteral("Total");
    lines << blanks(10) + QStringLiteral("----  ------    ------    ------") + QStringLiteral("   --------    -----   -------");

    for (int w = 1; w <= season.TotalWeeks; ++w) {
        if (w == season.RegularWeeks + 1) {
            lines << blanks(25) + QStringLiteral("-------   -------   -------   ") + QStringLiteral("-------  --------");
            QString subtotal = blanks(14) + QStringLiteral("Subtotal");
            for (int c = RandomColumn; c <= LowColumn; ++c)
                subtotal += blanks(2) + amount(summary.regular.halfCents[c]);
            lines << subtotal + blanks(1) + amount(summary.regular.totalHalfCents, 9);
            lines << QString();
            lines << blanks(11) + QStringLiteral("Playoffs");
        }
        lines << blanks(11) + alignRight(w, 2) + blanks(3) + season.weekDate(w)
                + row(summary.weeks[w], !season.isRegularWeek(w));
    }

    // The last subtotal: the playoffs, or the regular season when there were no playoffs.
    const CategorySums& last = season.PlayoffWeeks > 0 ? summary.playoffs : summary.regular;
    lines << blanks(35) + QStringLiteral("-------             -------  --------");
    lines << blanks(14) + QStringLiteral("Subtotal") + blanks(12) + amount(last.halfCents[HighColumn]) + blanks(12)
            + amount(last.halfCents[LowColumn]) + blanks(1) + amount(last.totalHalfCents, 9);
    lines << QString();

    if (showsGrandPrize(season)) {
        // The grand prizes are paid after the regular season: the row names the week after it,
        // which exists only in a season with playoffs.
        const int week = season.RegularWeeks + 1;
        const bool weekExists = week <= season.TotalWeeks;
        lines << blanks(11) + QStringLiteral("Grand Prize");
        lines << blanks(11) + (weekExists ? alignRight(week, 2) : blanks(2)) + blanks(3)
                + (weekExists ? season.weekDate(week) : blanks(6)) + blanks(12)
                + amount(summary.grandPrize.halfCents[HighColumn]) + blanks(12)
                + amount(summary.grandPrize.halfCents[LowColumn]) + blanks(2)
                + amount(summary.grandPrize.totalHalfCents);
    }

    const QString payout = alignRight(Convert(summary.payoutCents), 8);
    lines << blanks(64) + QStringLiteral("--------");
    lines << blanks(49) + QStringLiteral("Total Payout: $") + payout;
    lines << QString() << QString() << QString() << QString();
    lines << blanks(11) + QStringLiteral("Total Sales  = $") + alignRight(Convert(summary.salesCents), 8)
            + QStringLiteral("  (") + alignRight(season.SoldCount, 4) + QStringLiteral(" tickets @ ")
            + currency(100 * qint64(season.TicketPrice), false) + QStringLiteral(" per ticket)");
    lines << blanks(11) + QStringLiteral("Total Payout = $") + payout;
    lines << blanks(11) + QString(24, QLatin1Char('-'));
    lines << blanks(11) + QStringLiteral("Total Profit = $") + alignRight(Convert(summary.profitCents), 8)
            + QStringLiteral("  (") + alignRight(summary.profitPercent, 3) + QStringLiteral(" Percent )");
    return lines;
}

QVector<PrintJob> summaryJobs(const Session& session, const QStringList& lines)
{
    PrintJob job(QStringLiteral("Annual summary"));
    job.fontName(ReportFontName).bold(true).line().fontSize(14);
    job.line(seasonTitleLine(session.season, 4, 54));
    job.fontSize(12);
    for (const QString& line : lines)
        job.line(line);
    job.endDoc();
    return {job};
}

QVector<PrintJob> summaryJobs(const Session& session)
{
    return summaryJobs(session, summaryLines(session));
}
