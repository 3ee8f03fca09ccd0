#include "TestSeason.h"

#include "reports/Summary.h"
#include "season/Format.h"
#include "season/Session.h"

#include <gtest/gtest.h>

namespace {

// Four teams, two regular weeks and one playoff week, every prize on, ties split, ticket 1
// unsold and not paid. Pairs 1..6 = (1,2) (1,3) (1,4) (2,3) (2,4) (3,4); week w shifts the
// tickets by 4 (w - 1).
Session fourTeamSeason()
{
    Session session;
    session.TodayText = QStringLiteral("November 20, 2024");
    Season& s = session.season;
    s = testSeason(4, 2, 1);
    s.TicketPrice = 100;
    setPrizes(s, {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 51}, {Prize::RegularLow, 30}, {Prize::RegularRandom, 10}, {Prize::GrandHigh, 200}, {Prize::GrandLow, 100}, {Prize::PlayoffHigh, 80}, {Prize::PlayoffLow, 40}});
    s.setRandomWinnersPerWeek(2);
    setUnsold(s, {"1,1"});
    // Week 1: 70 60 50 50 40 30; the low pair (1,2) is on unsold ticket 1.
    setScores(s, 1, {10, 20, 30, 40});
    // Week 2: three pairs tie at 20 on top (the high and second-high money split three ways, half
    // of it to each column) and three at 10 below, one of them on unsold ticket 1.
    setScores(s, 2, {10, 10, 10, 0});
    // Week 3, a playoff week: team 4 has a bye.
    setScores(s, 3, {5, 6, 7, Bye});
    return session;
}

}  // namespace

TEST(AnnualSummary, LinesOfASeasonWithPlayoffs)
{
    const Session session = fourTeamSeason();
    const QStringList expected = {
        QString(),
        QString(),
        QString(),
        blanks(10) + QStringLiteral("ANNUAL SUMMARY") + blanks(30) + QStringLiteral(" November 20, 2024"),
        QString(),
        QString(),
        QStringLiteral("          Week  Ending    Random     High    2nd High     Low     Total"),
        QStringLiteral("          ----  ------    ------    ------   --------    -----   -------"),
        QStringLiteral("            1   Sep 01     20.00    100.00     51.00      0.00    171.00"),
        QStringLiteral("            2   Sep 02     20.00     75.50     75.50     20.00    190.99"),
        blanks(25) + QStringLiteral("-------   -------   -------   -------  --------"),
        QStringLiteral("              Subtotal     40.00    175.50    126.50     20.00    361.99"),
        QString(),
        QStringLiteral("           Playoffs"),
        QStringLiteral("            3   Jan 01") + blanks(10) + QStringLiteral("     80.00") + blanks(10)
            + QStringLiteral("     40.00    120.00"),
        blanks(35) + QStringLiteral("-------             -------  --------"),
        QStringLiteral("              Subtotal") + blanks(12) + QStringLiteral("   80.00") + blanks(12)
            + QStringLiteral("   40.00    120.00"),
        QString(),
        QStringLiteral("           Grand Prize"),
        QStringLiteral("            3   Jan 01") + blanks(12) + QStringLiteral("  200.00") + blanks(12)
            + QStringLiteral("    0.00    200.00"),
        blanks(64) + QStringLiteral("--------"),
        blanks(49) + QStringLiteral("Total Payout: $  681.99"),
        QString(),
        QString(),
        QString(),
        QString(),
        QStringLiteral("           Total Sales  = $  500.00  (   5 tickets @ $100 per ticket)"),
        QStringLiteral("           Total Payout = $  681.99"),
        QStringLiteral("           ------------------------"),
        QStringLiteral("           Total Profit = $ -181.99  (-36 Percent )"),
    };
    EXPECT_EQ(summaryLines(session), expected);
}

TEST(AnnualSummary, ProfitPercentRoundsHalvesToEven)
{
    // 406 tickets, 6 unsold: 400 sold at $5. The two lowest tickets tie for the low grand prize
    // of 1531, split: ticket 1 is unsold and not paid, ticket 2 is paid 765.50.
    Session session;
    Season& s = session.season;
    s = testSeason(29, 1, 0);
    setPrizes(s, {{Prize::GrandLow, 1531}});
    setUnsold(s, {"1,1", "402,406"});
    ASSERT_EQ(s.SoldCount, 400);
    setScores(s, 1, {0, 1, 1, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                     10, 10, 10, 10, 10});

    // 1234.50 / 2000 = 61.725 percent.
    const QStringList lines = summaryLines(session);
    EXPECT_EQ(lines.last(), QStringLiteral("           Total Profit = $ 1234.50  ( 62 Percent )"));
    EXPECT_EQ(lines[lines.size() - 4],
              QStringLiteral("           Total Sales  = $ 2000.00  ( 400 tickets @ $5 per ticket)"));

    // 2000 sales and a payout of 1990: 0.5 percent goes to the even 0; 1970 gives 1.5, to 2.
    s.setPrizeAmount(Prize::GrandLow, 3980);
    EXPECT_EQ(Summary(s).profitPercent, 0);
    s.setPrizeAmount(Prize::GrandLow, 3940);
    EXPECT_EQ(Summary(s).profitPercent, 2);
}
