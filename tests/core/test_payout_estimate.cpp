#include "TestSeason.h"

#include "prizes/PayoutEstimate.h"
#include "season/Format.h"

#include <QRegularExpression>

namespace {

// 32 teams (496 tickets), `regular` regular and `playoff` playoff weeks, `sold` tickets sold,
// the given prizes checked.
struct Structure {
    Season season;
    PrizeSwitches switches;

    Structure(TieMethod ties, UnsoldRule unsold, std::initializer_list<std::pair<Prize, int>> prizes,
              int regular = 17, int playoff = 0, int sold = 496, int teams = 32)
    {
        season = testSeason(teams, regular, playoff);
        season.SoldCount = sold;
        setPrizes(season, prizes);
        switches = PrizeSwitches::fromSeason(season);
        switches.tieMethod = ties;
        switches.unsoldRule = unsold;
    }
    QStringList lines() const { return payoutEstimate(season, switches).lines; }
    // The line of the first checked category.
    QString firstPrizeLine() const { return lines().value(lines().indexOf(QString(74, '-')) + 1); }
    qsizetype estimatedLines() const { return lines().filter(QRegularExpression(" Estm$")).size(); }
};

}  // namespace

// Ties paid in full raise the estimate of the weekly prizes; unsold winners not paid lower every
// estimate by the share sold, unless nearly every ticket is sold.
TEST(PayoutEstimate, TiesPaidInFullAndUnsoldTicketsNotPaid)
{
    // Every category, ties paid in full and unsold winners not paid, 436 of 496 sold.
    Structure every(TieMethod::PayFull, UnsoldRule::NotPaid,
                    {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 50}, {Prize::RegularLow, 150},
                     {Prize::RegularRandom, 25}, {Prize::GrandHigh, 1000}, {Prize::GrandLow, 500},
                     {Prize::PlayoffHigh, 200}, {Prize::PlayoffLow, 75}},
                    17, 4, 436);
    every.season.TicketPrice = 50;
    every.season.setRandomWinnersPerWeek(3);
    EXPECT_EQ(every.lines(), dataLines("prizes/estimate_every_category.txt"));
    // Each rule alone.
    EXPECT_TRUE(Structure(TieMethod::PayFull, UnsoldRule::NextSold, {{Prize::RegularHigh, 100}}).firstPrizeLine().endsWith("=  2125 Estm"));
    const Structure fewer(TieMethod::Split, UnsoldRule::NotPaid, {{Prize::RegularHigh, 100}}, 17, 0, 495);
    EXPECT_TRUE(fewer.firstPrizeLine().endsWith("=  1697 Estm"));  // 1700 x 495 / 496

    // Nearly all sold: the plain amounts, though the note on unsold tickets stays.
    const Structure nearly(TieMethod::Split, UnsoldRule::NotPaid, {{Prize::RegularHigh, 100}, {Prize::GrandLow, 500}}, 17, 0, 1127, 48);
    EXPECT_EQ(nearly.estimatedLines(), 0);
    EXPECT_TRUE(nearly.lines().contains("Unsold tickets not paid (Estimate used for lower payout)"));
    EXPECT_TRUE(nearly.lines().contains("Grand Prize - End Reg Season - Lowest Valued Ticket" + blanks(17) + "   500"));
}

TEST(PayoutEstimate, ProfitPayoutShareAndOdds)
{
    // Positions 1 and 4 over 17 weeks: 34 prizes for 496 tickets. $10 a ticket.
    Structure two(TieMethod::Split, UnsoldRule::NextSold, {{Prize::RegularHigh, 80}, {Prize::RegularLow, 60}});
    two.season.TicketPrice = 10;
    Season stored = two.season;
    const QStringList lines = Calculate(stored, two.switches).lines;
    EXPECT_EQ(lines.mid(lines.size() - 6),
              (QStringList{blanks(10) + "Total Payout = $  2380", blanks(10) + QString(22, '-'),
                           blanks(10) + "Total Profit = $  2580  ( 52 Percent )", "", "",
                           blanks(10) + "Payout: 48%  Odds of Winning: 1 in 14.6"}));
    EXPECT_FLOAT_EQ(stored.Odds, 496.0f / 34.0f);
    // Sales 4960, payout 2480: half of it is profit.
    two.switches.setChecked(Prize::GrandLow, true);
    two.season.setPrizeAmount(Prize::GrandLow, 100);
    EXPECT_EQ(payoutEstimate(two.season, two.switches).lines.last(),
              blanks(10) + "Payout: 50%  Odds of Winning: 1 in 14.2");

    // No prize at all; no rules chosen: the two reminders, and the odds stay as they were.
    EXPECT_EQ(Calculate(stored, Structure(TieMethod::Split, UnsoldRule::NotPaid, {}).switches).lines.last(),
              blanks(10) + "Payout:  0%  Odds of Winning: 1 in 10000.");
    EXPECT_EQ(stored.Odds, 10000.0f);
    stored.Odds = 7.5f;
    EXPECT_EQ(Calculate(stored, Structure(TieMethod::None, UnsoldRule::NextSold, {{Prize::RegularHigh, 100}}).switches).lines,
              (QStringList{"Select a 'Method For Ties'", "", "Select a 'Payment For Unsold Tickets'"}));
    EXPECT_EQ(stored.Odds, 7.5f);
}

TEST(PayoutEstimate, PrintoutSetsTheLinesBelowTwelveEmptyLines)
{
    const PrintJob job = prizeStructureJob({"Ticket Price $   5", ""});
    ASSERT_EQ(job.ops().size(), 18);
    EXPECT_EQ(job.ops()[0].text, "Courier New");
    EXPECT_EQ(job.ops()[1].value, 10);
    EXPECT_TRUE(job.ops()[2].kind == PrintOp::Kind::Bold && job.ops()[2].value == 1);
    EXPECT_EQ(job.lines(), QStringList(12, QString()) + QStringList({blanks(11) + "Ticket Price $   5", blanks(11)}));
    EXPECT_EQ(job.ops().last().kind, PrintOp::Kind::EndDoc);
}
