#include "season/Format.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "tickets/TicketPairs.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MoneyInCents, SharesCurrencyAndConvertRoundHalvesToEven)
{
    EXPECT_EQ(shareCents(1, 8), 12);  // 12.5 cents
    EXPECT_EQ(shareCents(3, 8), 38);  // 37.5 cents
    EXPECT_EQ(divideHalfEven(-5, 2), -2);
    EXPECT_EQ(divideHalfEven(-7, -2), 4);

    EXPECT_EQ(currency(123450), "$1,234.50");
    EXPECT_EQ(currency(100000000), "$1,000,000.00");
    EXPECT_EQ(currency(5), "$0.05");
    EXPECT_EQ(currency(-123450), "($1,234.50)");
    EXPECT_EQ(currency(25000000, false), "$250,000");

    EXPECT_EQ(Convert(qint64(-5)), "-0.05");
}

TEST(FormatPatterns, PlacesLiteralsLongTextsAndDigits)
{
    // A text longer than its places is written whole, the literals kept around it.
    EXPECT_EQ(Format("12345", "x@@@y"), "x12345y");
    EXPECT_EQ(Format("abcdef", "!@@@|"), "abcdef|");
    // "#" places show the digits and no fill.
    EXPECT_EQ(Format(qint64(42), "(###)"), "(42)");
    EXPECT_EQ(alignRight("abcdef", 3), "abcdef");
    EXPECT_EQ(blanks(-1), "");
    // Digit places round halves away from zero.
    EXPECT_EQ(formatNumber(49.62, "###.#"), "49.6");
    EXPECT_EQ(formatNumber(14.588235f, "###.#"), "14.6");
    EXPECT_EQ(formatNumber(10000, "###.#"), "10000.");
    EXPECT_EQ(formatNumber(0.25, "###.#"), ".3");
    EXPECT_EQ(formatNumber(-2.25, "0.00#"), "-2.25");
    EXPECT_EQ(formatNumber(7, "1 in #0.0 odds"), "1 in 7.0 odds");
}

TEST(TicketPairs, EveryWeekMapsTicketsOneToOneOntoPairs)
{
    // Four teams, week 2 shifted by four; 32 teams, week 17: ticket 1 holds teams 1 and 18.
    EXPECT_EQ(pairOfTicket(4, 1, 2), (TeamPair{2, 4}));
    EXPECT_EQ(pairOfTicket(4, 6, 2), (TeamPair{2, 3}));
    EXPECT_EQ(pairOfTicket(32, 1, 17), (TeamPair{1, 18}));
    // Three teams: every ticket keeps its pair all season.
    EXPECT_EQ(pairOfTicket(3, 2, 29), (TeamPair{1, 3}));
    for (int teams = 2; teams <= MaxTeams; ++teams) {
        const int tickets = ticketCountFor(teams);
        for (int week = 1; week <= MaxScoredWeeks; ++week) {
            std::vector<bool> seen(tickets + 1, false);
            for (int t = 1; t <= tickets; ++t) {
                const int k = pairNumberOfTicket(teams, t, week);
                ASSERT_TRUE(k >= 1 && k <= tickets && !seen[k]) << teams << " teams, week " << week << ", ticket " << t;
                seen[k] = true;
                const TeamPair p = pairOfTicket(teams, t, week);
                ASSERT_TRUE(1 <= p.first && p.first < p.second && p.second <= teams) << p.first << "," << p.second;
                ASSERT_EQ(pairNumber(teams, p.first, p.second), k);
                ASSERT_EQ(ticketOfPair(teams, p.first, p.second, week), t);
                ASSERT_EQ(ticketOfPair(teams, p.second, p.first, week), t);
            }
        }
    }
}
