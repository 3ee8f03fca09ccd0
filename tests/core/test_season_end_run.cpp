// A whole small season reported week by week: the annual summary must show exactly what the
// weekly reports paid.
#include "reports/Summary.h"
#include "season/Format.h"
#include "season_end_fixtures.h"
#include "tickets/WeeklyReport.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace season_end;

namespace {

// What one weekly report pays, read from its lines: half cents by summary column, and the grand
// prizes separately.
struct PaidByReport {
    CategorySums week;
    CategorySums grandPrize;
    int randomWinners = 0;
    int unsoldNotPaid = 0;
};

qint64 centsOf(const QString& money)
{
    QString digits = money;
    digits.remove(QLatin1Char('$')).remove(QLatin1Char(',')).remove(QLatin1Char('.'));
    return digits.toLongLong();
}

PaidByReport readReport(const QStringList& lines)
{
    static const QRegularExpression payment(QStringLiteral(R"(^    [ \d]{3}\d     (\$[\d,]+\.\d\d)$)"));
    PaidByReport paid;
    const int heading = lines.indexOf(QStringLiteral(
        "   TICKET #  AMOUNT  -------- WINNERS NAME ---------    SOLD BY    CHECK #"));
    EXPECT_GE(heading, 0);
    QString group;
    for (int n = heading + 1; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.startsWith(QStringLiteral("   Next "))) {
            group = line;
            continue;
        }
        if (line.contains(QStringLiteral("Unsold Ticket #"))) {
            ++paid.unsoldNotPaid;
            continue;
        }
        const QRegularExpressionMatch m = payment.match(line);
        if (!m.hasMatch())
            continue;
        const qint64 half = centsOf(m.captured(1));  // the amount in half cents is cents x 2
        CategorySums& sums = group.contains(QStringLiteral("Grand Prize")) ? paid.grandPrize : paid.week;
        if (group.contains(QStringLiteral("Random"))) {
            sums.halfCents[RandomColumn] += 2 * half;
            ++paid.randomWinners;
        } else if (group.contains(QStringLiteral("High and 2nd High"))) {
            sums.halfCents[HighColumn] += half;
            sums.halfCents[SecondHighColumn] += half;
        } else if (group.contains(QStringLiteral("2nd High"))) {
            sums.halfCents[SecondHighColumn] += 2 * half;
        } else if (group.contains(QStringLiteral("High"))) {
            sums.halfCents[HighColumn] += 2 * half;
        } else if (group.contains(QStringLiteral("Low"))) {
            sums.halfCents[LowColumn] += 2 * half;
        } else {
            ADD_FAILURE() << "payment under an unknown heading: " << line.toStdString();
        }
        sums.totalHalfCents += 2 * half;
    }
    return paid;
}

// The amounts of a summary row from `from` on: cells of 10 characters (two blanks and 8), a blank
// cell read as -1.
QVector<double> cells(const QString& row, int from, int count)
{
    QVector<double> out;
    for (int c = 0; c < count; ++c) {
        const QString cell = row.mid(from + 10 * c, 10).trimmed();
        out.append(cell.isEmpty() ? -1 : cell.toDouble());
    }
    return out;
}

void expectShown(double shown, qint64 halfCents, const char* what, int week)
{
    // A half cent is shown rounded to a whole one.
    EXPECT_LE(std::fabs(shown - double(halfCents) / 200.0), 0.0051) << what << " of week " << week;
}

Session smallSeason(bool split, bool nextClosest)
{
    Session session;
    session.TodayText = QStringLiteral("January 20, 2025");
    Season& s = session.season;
    s = makeSeason(6, 3, 2);
    s.TicketPrice = 100;
    for (int p : {1, 2, 4, 6, 7, 8, 9, 11})
        s.PrizeOption[p] = 1;
    s.PrizeOption[split ? 13 : 12] = -1;
    s.PrizeOption[nextClosest ? 15 : 14] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 51;
    s.PrizeValue[4] = 25;
    s.PrizeValue[6] = 5;
    s.PrizeValue[7] = 301;
    s.PrizeValue[8] = 150;
    s.PrizeValue[9] = 80;
    s.PrizeValue[11] = 41;
    s.PrizeValue[12] = 2;
    setUnsold(s, {"4,6"});
    setScores(s, 1, {10, 20, 20, 10, 30, 0});
    setScores(s, 2, {7, 7, 7, 7, Bye, 3});
    setScores(s, 3, {14, 21, 3, 0, 17, 28});
    setScores(s, 4, {10, 10, 20, Bye, 5, 5});
    setScores(s, 5, {1, 2, 3, 4, 5, 6});
    return session;
}

}  // namespace

TEST(SeasonEndRun, SummaryShowsWhatEveryWeeklyReportPaid)
{
    for (const bool split : {true, false}) {
        for (const bool nextClosest : {false, true}) {
            SCOPED_TRACE(testing::Message() << (split ? "split" : "full") << ", "
                                            << (nextClosest ? "next closest sold" : "unsold not paid"));
            const Session session = smallSeason(split, nextClosest);
            const Season& s = session.season;
            const QStringList summary = summaryLines(session);
            const int gp = summary.indexOf(QStringLiteral("           Grand Prize"));
            ASSERT_GT(gp, 0);
            const QStringList weekRows = summary.mid(0, gp);

            qint64 payoutHalfCents = 0;
            int notPaid = 0;
            PaidByReport grand;
            for (int w = 1; w <= s.TotalWeeks; ++w) {
                const PaidByReport paid = readReport(weeklyReportLines(session, w));
                notPaid += paid.unsoldNotPaid;
                EXPECT_EQ(paid.randomWinners, w <= s.RegularWeeks ? 2 : 0) << "week " << w;
                if (w == s.RegularWeeks)
                    grand = paid;
                else
                    EXPECT_EQ(paid.grandPrize.totalHalfCents, 0) << "week " << w;

                const QString start = spaces(11) + alignRight(w, 2) + spaces(3) + s.weekDate(w);
                const QStringList rows = weekRows.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(start)));
                ASSERT_EQ(rows.size(), 1) << "week " << w;
                const QVector<double> shown = cells(rows[0], start.size(), 5);
                if (w <= s.RegularWeeks) {
                    expectShown(shown[0], paid.week.halfCents[RandomColumn], "random", w);
                    expectShown(shown[2], paid.week.halfCents[SecondHighColumn], "second high", w);
                } else {
                    EXPECT_EQ(shown[0], -1) << "week " << w;
                    EXPECT_EQ(shown[2], -1) << "week " << w;
                }
                expectShown(shown[1], paid.week.halfCents[HighColumn], "high", w);
                expectShown(shown[3], paid.week.halfCents[LowColumn], "low", w);
                expectShown(shown[4], paid.week.totalHalfCents, "total", w);
                payoutHalfCents += paid.week.totalHalfCents;
            }
            if (!nextClosest)
                EXPECT_GT(notPaid, 0) << "the season should hold unsold winners";

            // The grand prize row shows what the last regular week's report paid.
            const QString& gpRow = summary[gp + 1];
            ASSERT_TRUE(gpRow.startsWith(spaces(11) + QStringLiteral(" 4   ") + s.weekDate(4) + spaces(12)))
                << gpRow.toStdString();
            const QVector<double> gpCells = {gpRow.mid(34, 8).toDouble(), gpRow.mid(54, 8).toDouble(),
                                             gpRow.mid(64, 8).toDouble()};
            expectShown(gpCells[0], grand.grandPrize.halfCents[HighColumn], "grand prize high", 0);
            expectShown(gpCells[1], grand.grandPrize.halfCents[LowColumn], "grand prize low", 0);
            expectShown(gpCells[2], grand.grandPrize.totalHalfCents, "grand prize total", 0);
            EXPECT_GT(grand.grandPrize.totalHalfCents, 0);
            payoutHalfCents += grand.grandPrize.totalHalfCents;

            // The subtotals and the payout add up, and so do sales, payout and profit.
            const int playoffs = summary.indexOf(QStringLiteral("           Playoffs"));
            ASSERT_GT(playoffs, 0);
            const QVector<double> regular = cells(summary[playoffs - 2], 22, 5);
            const double lastSubtotal = summary[gp - 2].mid(63, 9).toDouble();
            double weekTotals = 0;
            for (int w = 1; w <= s.TotalWeeks; ++w) {
                const QString start = spaces(11) + alignRight(w, 2) + spaces(3) + s.weekDate(w);
                const auto row = std::find_if(summary.begin(), summary.end(),
                                              [&](const QString& line) { return line.startsWith(start); });
                ASSERT_NE(row, summary.end());
                weekTotals += cells(*row, 22, 5)[4];
                if (w == s.RegularWeeks)
                    EXPECT_NEAR(weekTotals, regular[4], 0.001);
            }
            EXPECT_NEAR(weekTotals - regular[4], lastSubtotal, 0.001);
            const double payout = summary[gp + 3].mid(64).toDouble();
            EXPECT_NEAR(payout, double(payoutHalfCents) / 200.0, 0.001);
            EXPECT_NEAR(payout, weekTotals + gpCells[2], 0.001);
            const double sales = summary[summary.size() - 4].mid(27, 8).toDouble();
            EXPECT_EQ(sales, 100.0 * s.SoldCount);
            EXPECT_EQ(summary[summary.size() - 3].mid(27).toDouble(), payout);
            EXPECT_NEAR(summary.last().mid(27, 8).toDouble(), sales - payout, 0.001);
            static const QRegularExpression percentText(QStringLiteral(R"(\(\s*(-?\d+) Percent \)$)"));
            const int percent = percentText.match(summary.last()).captured(1).toInt();
            EXPECT_EQ(percent, int(std::nearbyint((sales - payout) / sales * 100)));
        }
    }
}
