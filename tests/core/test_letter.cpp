#include "TestSeason.h"

#include "dialogs/ScriptedDialogs.h"
#include "reports/Letter.h"
#include "season/Session.h"

#include <gtest/gtest.h>

namespace {

Session lakesideSession()
{
    Session session;
    Season& s = session.season;
    s = testSeason(32, 17, 4);
    s.FrontText[2] = QStringLiteral("ICE HOCKEY");
    s.ReturnAddress = {QString(), "Lakeside Boosters", "PO Box 12", "", "Lakeside, MN 55555"};
    setPrizes(s, {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 50}, {Prize::RegularLow, 25}, {Prize::RegularRandom, 25}, {Prize::GrandHigh, 500}, {Prize::GrandLow, 250}, {Prize::PlayoffHigh, 100}, {Prize::PlayoffLow, 1250}});
    setRules(s, false, true);  // the tie and unsold choices never give a check line
    s.setRandomWinnersPerWeek(2);
    return session;
}

}  // namespace

TEST(LetterToWinners, WholeLetterWithEveryPrizeHighestAmountFirst)
{
    const Session session = lakesideSession();
    const QStringList expected{
        "",
        "",
        "",
        "",
        "       Lakeside Boosters",
        "       PO Box 12",
        "       Lakeside, MN 55555",
        "",
        "",
        "       Congratulations:",
        "",
        "       For the week ending  _______________, 20____",
        "       you were a winner, in our Ice Hockey Scorepot, of:",
        "",
        "            ___ $1,250 for having the two teams with lowest",
        "                total score during the  4 week playoff season.",
        "",
        "            ___ $500 Grand Prize for having the highest valued ticket",
        "                at the end of the 17 week regular season.",
        "",
        "            ___ $250 Grand Prize for having the lowest valued ticket",
        "                at the end of the 17 week regular season.",
        "",
        "            ___ $100 for having the two teams with highest",
        "                total score during the 17 week regular season.",
        "",
        "            ___ $100 for having the two teams with highest",
        "                total score during the  4 week playoff season.",
        "",
        "            ___ $50 for having the two teams with second highest",
        "                total score during the 17 week regular season.",
        "",
        "            ___ $25 for having the two teams with lowest",
        "                total score during the 17 week regular season.",
        "",
        "            ___ $25 random drawing during the 17 week regular season.",
        "",
        "       Thank you for supporting our fund raiser.  We hope you will",
        "       continue to support us in the future.",
        "",
        "",
        "       Sincerely,",
        "",
        "",
        "",
        "",
        "       Lakeside Boosters",
    };
    EXPECT_EQ(letterLines(session), expected);
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
