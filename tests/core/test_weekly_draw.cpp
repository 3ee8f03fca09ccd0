#include "TestSeason.h"

#include "tickets/WeeklyWinners.h"

#include <gtest/gtest.h>

// Four teams (6 tickets), three regular weeks, one random winner a week, seed 1234, tickets 2..3
// unsold. Worked by hand from the generator (24-bit state, x -> x * 0x43FD43FD + 0xC39EC3, reset
// from -1.0, seed mixed into bits 8..23) and the draw rule:
//   raw draws            2 3 3 2 6 1 2 3 6 5 1 5 6 4 6  (2 and 3 are unsold and drawn again)
//   kept                 6 1 6 5 1 5 6 4 6
//   repeats to the end   6 1 5 6 4 1 6 5 6
// (after a move the entry now in position i is compared only with the positions still ahead of
// j, so a repeat can stay in place, as 6 in position 4 does).
TEST(WeeklyDraw, FixedDrawListOfASmallSeason)
{
    Season s = weeklySeason(4, 3);
    s.setRandomWinnersPerWeek(1);
    s.setPrizeAmount(Prize::RegularRandom, 5);
    setUnsold(s, {QStringLiteral("2,3")});

    const QVector<int> draws = drawList(s);
    EXPECT_EQ(draws, (QVector<int>{6, 1, 5, 6, 4, 1, 6, 5, 6}));
    EXPECT_EQ(randomWinnersOfWeek(s, 1, draws), QVector<int>{6});
    EXPECT_EQ(randomWinnersOfWeek(s, 2, draws), QVector<int>{1});
    EXPECT_EQ(randomWinnersOfWeek(s, 3, draws), QVector<int>{5});

    // One a week, seed -77, ten tickets, 4..6 unsold, two weeks (6 draws):
    //   raw 9 6 9 1 4 1 3 5 8, kept 9 9 1 1 3 8, repeats to the end 9 1 3 8 9 1.
    Season t = weeklySeason(5, 2);
    t.Seed = -77;
    t.setRandomWinnersPerWeek(1);
    setUnsold(t, {QStringLiteral("4,6")});
    EXPECT_EQ(drawList(t), (QVector<int>{9, 1, 3, 8, 9, 1}));
}

TEST(WeeklyDraw, NoRandomWinnersWhenNoTicketWasSold)
{
    Season s = weeklySeason(4, 3);
    s.setRandomWinnersPerWeek(2);
    s.setPrizeAmount(Prize::RegularRandom, 5);
    setUnsold(s, {QStringLiteral("1,3"), QStringLiteral("4,6")});
    setScores(s, 1, {10, 20, 30, 40});
    EXPECT_TRUE(drawList(s).isEmpty());
    EXPECT_TRUE(calculateWeek(s, 1).randomTickets.isEmpty());

    // One sold ticket is enough: every draw is that ticket.
    setUnsold(s, {QStringLiteral("1,3"), QStringLiteral("5,6")});
    const QVector<int> draws = drawList(s);
    ASSERT_FALSE(draws.isEmpty());
    EXPECT_EQ(draws.count(4), draws.size());
}
