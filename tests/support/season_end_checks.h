#pragma once

// Reads what the weekly reports of a season paid and checks that the annual summary shows the
// same: each week's row, the grand prize row, the subtotals, the payout, sales and profit.

#include "reports/Summary.h"
#include "season/Format.h"
#include "season/Season.h"
#include "TestSeason.h"
#include "season/Session.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVector>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace season_end {

// What one weekly report pays, read from its lines: half cents by summary column, and the grand
// prizes separately.
struct PaidByReport {
    CategorySums week;
    CategorySums grandPrize;
    int randomWinners = 0;
    int unsoldNotPaid = 0;
};

inline PaidByReport readReport(const QStringList& lines)
{
    static const QRegularExpression payment(QStringLiteral(R"(^    [ \d]{3}\d     \$([\d,]+\.\d\d)$)"));
    // The heading of a group of winners and the columns its payments go to (a shared prize
    // goes half to each).
    static const std::pair<const char*, std::vector<SummaryColumn>> groups[] = {
        {"Random", {RandomColumn, RandomColumn}},
        {"High and 2nd High", {HighColumn, SecondHighColumn}},
        {"2nd High", {SecondHighColumn, SecondHighColumn}},
        {"High", {HighColumn, HighColumn}},
        {"Low", {LowColumn, LowColumn}},
    };
    PaidByReport paid;
    const int heading = lines.indexOf(QStringLiteral(
        "   TICKET #  AMOUNT  -------- WINNERS NAME ---------    SOLD BY    CHECK #"));
    EXPECT_GE(heading, 0) << "no winners heading in the report";
    QString group;
    for (int n = heading + 1; n < lines.size(); ++n) {
        const QString& line = lines[n];
        if (line.startsWith(QStringLiteral("   Next ")))
            group = line;
        paid.unsoldNotPaid += line.contains(QStringLiteral("Unsold Ticket #"));
        const QRegularExpressionMatch m = payment.match(line);
        if (!m.hasMatch())
            continue;
        const qint64 cents = m.captured(1).remove(QLatin1Char(',')).remove(QLatin1Char('.')).toLongLong();
        CategorySums& sums = group.contains(QStringLiteral("Grand Prize")) ? paid.grandPrize : paid.week;
        const auto found = std::find_if(std::begin(groups), std::end(groups),
                                        [&](const auto& g) { return group.contains(QLatin1String(g.first)); });
        if (found == std::end(groups)) {
            ADD_FAILURE() << "payment under an unknown heading: " << line.toStdString();
            continue;
        }
        for (SummaryColumn column : found->second)
            sums.halfCents[column] += cents;
        sums.totalHalfCents += 2 * cents;
        paid.randomWinners += found == std::begin(groups);
    }
    return paid;
}

inline void expectShown(double shown, qint64 halfCents, const char* what, int week)
{
    // A half cent is shown rounded to a whole one.
    EXPECT_LE(std::fabs(shown - double(halfCents) / 200.0), 0.0051) << what << " of week " << week;
}

// `reports[w]` is the weekly report of week w (element 0 unused), `summary` the annual summary.
// Grand prizes must be on; `unsoldSeen` says whether some report must show an unsold winner.
inline void expectSummaryShowsReports(const Season& s, const QVector<QStringList>& reports, const QStringList& summary,
                                      bool unsoldSeen)
{
    ASSERT_EQ(reports.size(), s.TotalWeeks + 1);
    const int gp = summary.indexOf(QStringLiteral("           Grand Prize"));
    ASSERT_GT(gp, 0);
    qint64 payoutHalfCents = 0;
    int notPaid = 0;
    PaidByReport grand;
    double weekTotals = 0;
    double regularTotals = 0;
    for (int w = 1; w <= s.TotalWeeks; ++w) {
        const PaidByReport paid = readReport(reports[w]);
        notPaid += paid.unsoldNotPaid;
        EXPECT_EQ(paid.randomWinners, w <= s.RegularWeeks ? s.randomWinnersPerWeek() : 0) << "week " << w;
        if (w == s.RegularWeeks)
            grand = paid;
        else
            EXPECT_EQ(paid.grandPrize.totalHalfCents, 0) << "week " << w;

        // The week's row: cells of 10 characters from column 22, a blank cell read as -1.
        const QStringList rows = summary.mid(0, gp).filter(
            QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(blanks(11) + alignRight(w, 2) + blanks(3) + s.weekDate(w))));
        ASSERT_EQ(rows.size(), 1) << "row of week " << w;
        double shown[5];
        for (int c = 0; c < 5; ++c) {
            const QString cell = rows[0].mid(22 + 10 * c, 10).trimmed();
            shown[c] = cell.isEmpty() ? -1 : cell.toDouble();
        }
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
        weekTotals += shown[4];
        if (w == s.RegularWeeks)
            regularTotals = weekTotals;
    }
    if (unsoldSeen) {
        EXPECT_GT(notPaid, 0) << "the season should hold unsold winners";
    }

    // The grand prize row shows what the last regular week's report paid, in the week after it.
    const QString& gpRow = summary[gp + 1];
    EXPECT_TRUE(gpRow.startsWith(blanks(11) + alignRight(s.RegularWeeks + 1, 2) + blanks(3)
                                 + s.weekDate(s.RegularWeeks + 1) + blanks(12)))
        << gpRow.toStdString();
    const double gpTotal = gpRow.mid(64, 8).toDouble();
    expectShown(gpRow.mid(34, 8).toDouble(), grand.grandPrize.halfCents[HighColumn], "grand prize high", 0);
    expectShown(gpRow.mid(54, 8).toDouble(), grand.grandPrize.halfCents[LowColumn], "grand prize low", 0);
    expectShown(gpTotal, grand.grandPrize.totalHalfCents, "grand prize total", 0);
    EXPECT_GT(grand.grandPrize.totalHalfCents, 0);
    payoutHalfCents += grand.grandPrize.totalHalfCents;

    // The subtotals and the payout add up, and so do sales, payout and profit.
    const int playoffs = summary.indexOf(QStringLiteral("           Playoffs"));
    ASSERT_GT(playoffs, 0);
    EXPECT_NEAR(regularTotals, summary[playoffs - 2].mid(63, 9).toDouble(), 0.001);
    EXPECT_NEAR(weekTotals - regularTotals, summary[gp - 2].mid(63, 9).toDouble(), 0.001);
    const double payout = summary[gp + 3].mid(64).toDouble();
    EXPECT_NEAR(payout, double(payoutHalfCents) / 200.0, 0.001);
    EXPECT_NEAR(payout, weekTotals + gpTotal, 0.001);
    const double sales = summary[summary.size() - 4].mid(27, 8).toDouble();
    EXPECT_EQ(sales, double(s.TicketPrice) * s.SoldCount);
    EXPECT_EQ(summary[summary.size() - 3].mid(27).toDouble(), payout);
    EXPECT_NEAR(summary.last().mid(27, 8).toDouble(), sales - payout, 0.001);
    static const QRegularExpression percentText(QStringLiteral(R"(\(\s*(-?\d+) Percent \)$)"));
    EXPECT_EQ(percentText.match(summary.last()).captured(1).toInt(),
              int(std::nearbyint((sales - payout) / sales * 100)));
}

// Six teams, three regular and two playoff weeks, two random winners a week, tickets 4..6
// unsold, every prize on; ties in weeks 1, 2 and 4, byes in weeks 2 and 4.
inline Season sixTeamSeason(bool split, bool nextClosest)
{
    Season s = testSeason(6, 3, 2);
    s.TicketPrice = 100;
    setPrizes(s, {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 51}, {Prize::RegularLow, 25}, {Prize::RegularRandom, 5}, {Prize::GrandHigh, 301}, {Prize::GrandLow, 150}, {Prize::PlayoffHigh, 80}, {Prize::PlayoffLow, 41}});
    s.setRandomWinnersPerWeek(2);
    setRules(s, split, nextClosest);
    setUnsold(s, {"4,6"});
    return s;
}

// The scores of the six-team season as typed, week by week ("" is a bye).
inline const QVector<QStringList>& sixTeamScores()
{
    static const QVector<QStringList> scores = {
        {},
        {"10", "20", "20", "10", "30", "0"},
        {"7", "7", "7", "7", "", "3"},
        {"14", "21", "3", "0", "17", "28"},
        {"10", "10", "20", "", "5", "5"},
        {"1", "2", "3", "4", "5", "6"},
    };
    return scores;
}

inline void storeSixTeamScores(Season& s)
{
    for (int w = 1; w < sixTeamScores().size(); ++w) {
        std::vector<int> week;
        for (const QString& score : sixTeamScores()[w])
            week.push_back(score.isEmpty() ? Bye : score.toInt());
        setScores(s, w, week);
    }
}

}  // namespace season_end
