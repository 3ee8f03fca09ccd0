// A whole small season reported week by week: the annual summary must show exactly what the
// weekly reports paid, in every combination of the tie and unsold rules.
#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "reports/Summary.h"
#include "season/Session.h"
#include "tickets/WeeklyReport.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// What one weekly report pays, read from its lines: half cents by summary column, and the grand
// prizes separately.
struct PaidByReport {
    CategorySums week;
    CategorySums grandPrize;
    int randomWinners = 0;
    int unsoldNotPaid = 0;
};

PaidByReport readReport(const QStringList& lines)
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

}  // namespace

TEST(SeasonEndRun, SummaryShowsWhatEveryWeeklyReportPaid)
{
    for (const bool split : {true, false}) {
        for (const bool nextClosest : {false, true}) {
            SCOPED_TRACE(testing::Message() << (split ? "split" : "full") << ", "
                                            << (nextClosest ? "next closest sold" : "unsold not paid"));
            // Six teams, three regular and two playoff weeks, two random winners a week, tickets
            // 4..6 unsold, every prize on; ties in weeks 1, 2 and 4, byes in weeks 2 and 4.
            Session session;
            session.season = dataSeason("six_teams.txt");
            const Season& s = session.season;
            setRules(session.season, split, nextClosest);
            const AnnualSummary summary = Summary(s);
            CategorySums regular;
            CategorySums playoffs;
            int notPaid = 0;
            for (int w = 1; w <= s.TotalWeeks; ++w) {
                const QStringList report = weeklyReportLines(session, w);
                const PaidByReport paid = readReport(report);
                notPaid += paid.unsoldNotPaid;
                EXPECT_EQ(paid.randomWinners, w <= s.RegularWeeks ? s.randomWinnersPerWeek() : 0) << "week " << w;
                EXPECT_EQ(paid.week, summary.weeks[w]) << "week " << w;
                // The grand prizes are paid in the report of the last regular week only, at its end.
                EXPECT_EQ(paid.grandPrize, w == s.RegularWeeks ? summary.grandPrize : CategorySums()) << "week " << w;
                if (w == s.RegularWeeks) {
                    EXPECT_EQ(report.mid(report.size() - GrandPrizeLines(session).size()), GrandPrizeLines(session));
                }
                (w <= s.RegularWeeks ? regular : playoffs) += paid.week;
            }
            // Unsold winners are there to be left unpaid unless the next closest sold ticket is paid.
            EXPECT_EQ(notPaid > 0, !nextClosest);
            EXPECT_GT(summary.grandPrize.totalHalfCents, 0);
            EXPECT_EQ(summary.regular, regular);
            EXPECT_EQ(summary.playoffs, playoffs);
            EXPECT_EQ(2 * summary.payoutCents,
                      regular.totalHalfCents + playoffs.totalHalfCents + summary.grandPrize.totalHalfCents);
            EXPECT_EQ(summary.profitCents, 100 * s.TicketPrice * s.SoldCount - summary.payoutCents);
        }
    }
}
