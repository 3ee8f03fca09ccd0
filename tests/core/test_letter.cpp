#include "TestSeason.h"

#include "dialogs/ScriptedDialogs.h"
#include "reports/Letter.h"
#include "season/Session.h"

#include <gtest/gtest.h>

namespace {

// Ice hockey, 17 regular and 4 playoff weeks, every prize on, two random winners a week; ties
// paid in full and unsold winners passed on, choices that never give a check line.
Session lakesideSession()
{
    Session session;
    session.season = dataSeason("letter_every_prize.txt");
    return session;
}

}  // namespace

TEST(LetterToWinners, WholeLetterWithEveryPrizeHighestAmountFirst)
{
    const Session session = lakesideSession();
    EXPECT_EQ(letterLines(session), dataLines("expected/letter_every_prize.txt"));
}

TEST(LetterToWinners, NoPrizeLeavesNoLine)
{
    Session session = lakesideSession();
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
