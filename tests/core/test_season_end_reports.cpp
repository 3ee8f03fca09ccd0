#include "TestSeason.h"

#include "dialogs/ScriptedDialogs.h"
#include "reports/Letter.h"
#include "reports/Summary.h"
#include "season/Format.h"
#include "season/Session.h"

#include <gtest/gtest.h>

TEST(LetterToWinners, EveryPrizeHighestAmountFirstAndNoPrize)
{
    // Ice hockey, 17 regular and 4 playoff weeks, every prize on, two random winners a week; ties
    // paid in full and unsold winners passed on, choices that never give a check line.
    Session session;
    session.season = dataSeason("letter_every_prize.txt");
    EXPECT_EQ(letterLines(session), dataLines("expected/letter_every_prize.txt"));

    // No prize leaves no check line.
    for (const LetterPrize& prize : letterPrizes(session.season))
        session.season.setPrizeOn(prize.prize, false);
    const QStringList lines = letterLines(session);
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines.mid(12, 3), (QStringList{"       you were a winner, in our Ice Hockey Scorepot, of:", "",
                                             "       Thank you for supporting our fund raiser.  We hope you will"}));
}

TEST(LetterToWinners, CopiesAskedAgainOutsideOneToHundred)
{
    ScriptedDialogs dialogs;
    Session session(QString(), Services{&dialogs});
    dialogs.answerInput("0").answerInput("101").answerInput("abc").answerInput("2.5");
    EXPECT_EQ(askLetterCopies(session), 2);  // 2.5 rounds to the even 2
    EXPECT_EQ(dialogs.inputs, QVector<InputId>(4, InputId::LetterCopies));

    // Enter on the proposed text takes one copy.
    dialogs.acceptInput();
    EXPECT_EQ(askLetterCopies(session), 1);

    dialogs.answerInput("0").answerInput("5", Answer::Cancel);
    EXPECT_EQ(askLetterCopies(session), 0);
    EXPECT_EQ(dialogs.unscripted, 0);
}

TEST(AnnualSummary, LinesOfASeasonWithPlayoffs)
{
    // Four teams, two regular weeks and one playoff week, every prize on, ties split, ticket 1
    // unsold and not paid. Week 1: the low pair is on unsold ticket 1; week 2: three pairs tie on
    // top (the high and second-high money split three ways, half of it to each column) and three
    // below; week 3: a bye.
    Session session;
    session.TodayText = QStringLiteral("November 20, 2024");
    session.season = dataSeason("summary_four_teams.txt");
    EXPECT_EQ(summaryLines(session), dataLines("expected/summary_with_playoffs.txt"));
}

TEST(AnnualSummary, ProfitPercentRoundsHalvesToEven)
{
    // 406 tickets, 6 unsold: 400 sold at $5. The two lowest tickets tie for the low grand prize
    // of 1531, split: ticket 1 is unsold and not paid, ticket 2 is paid 765.50.
    Session session;
    Season& s = session.season;
    s = dataSeason("profit_29_teams.txt");
    ASSERT_EQ(s.SoldCount, 400);

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
