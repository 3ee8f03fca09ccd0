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
    setPrizes(s, {{1, 100}, {2, 50}, {4, 25}, {6, 25}, {7, 500}, {8, 250}, {9, 100}, {11, 1250}});
    setRules(s, false, true);  // the tie and unsold choices never give a check line
    s.PrizeValue[12] = 2;
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

TEST(LetterToWinners, PrizeOrderAndNoPrizes)
{
    Session session = lakesideSession();
    Season& s = session.season;

    // Equal amounts keep their positions; a bigger grand prize goes before the weekly high.
    for (int p = 1; p <= 11; ++p)
        s.PrizeOption[p] = 0;
    setPrizes(s, {{1, 100}, {7, 500}, {4, 20}, {6, 20}});
    const QVector<LetterPrize> order{{7, 500}, {1, 100}, {4, 20}, {6, 20}};
    EXPECT_EQ(letterPrizes(s), order);

    // An amount switched off is not listed even when it holds a value.
    s.PrizeOption[1] = 0;
    EXPECT_EQ(letterPrizes(s), (QVector<LetterPrize>{{7, 500}, {4, 20}, {6, 20}}));

    // With every prize off the sport line is followed by the empty line and the thanks.
    for (int p = 1; p <= 11; ++p)
        s.PrizeOption[p] = 0;
    const QStringList lines = letterLines(session);
    const int sport = lines.indexOf("       you were a winner, in our Ice Hockey Scorepot, of:");
    ASSERT_GE(sport, 0);
    EXPECT_EQ(lines.mid(sport + 1, 3),
              (QStringList{"", "       Thank you for supporting our fund raiser.  We hope you will",
                           "       continue to support us in the future."}));
    EXPECT_EQ(lines.size(), 24);  // 13 lines up to the sport line, 11 after it
}

TEST(LetterToWinners, SportNameAndAddressLines)
{
    EXPECT_EQ(capitalisedWords("HOCKEY"), "Hockey");
    EXPECT_EQ(capitalisedWords("pro  FOOTBALL"), "Pro  Football");
    EXPECT_EQ(capitalisedWords(""), "");

    Session session = lakesideSession();
    session.season.FrontText[2] = QStringLiteral("HOCKEY");
    EXPECT_TRUE(letterLines(session).contains("       you were a winner, in our Hockey Scorepot, of:"));

    // No address at all: four empty lines lead straight into the greeting, and the signature
    // line keeps its indent.
    for (int i = 1; i <= 4; ++i)
        session.season.ReturnAddress[i].clear();
    const QStringList lines = letterLines(session);
    EXPECT_EQ(lines.mid(0, 8), (QStringList{"", "", "", "", "", "", "       Congratulations:", ""}));
    EXPECT_EQ(lines.last(), "       ");
}

TEST(LetterToWinners, PrintedCopyIsTheLetterAfterFourEmptyLines)
{
    const Session session = lakesideSession();
    const PrintJob job = letterJob(session);
    const QVector<PrintOp>& ops = job.ops();
    ASSERT_GE(ops.size(), 4);
    EXPECT_EQ(ops[0].kind, PrintOp::Kind::FontName);
    EXPECT_EQ(ops[0].text, "Courier New");
    EXPECT_EQ(ops[1].kind, PrintOp::Kind::FontSize);
    EXPECT_EQ(ops[1].value, 12);
    EXPECT_EQ(ops[2].kind, PrintOp::Kind::Bold);
    EXPECT_EQ(ops[2].value, 1);
    EXPECT_EQ(ops.last().kind, PrintOp::Kind::EndDoc);

    QStringList expected{"", "", "", ""};
    for (const QString& line : letterLines(session))
        expected << " " + line;
    EXPECT_EQ(job.lines(), expected);
    EXPECT_EQ(job.lines()[4], " ");
    EXPECT_EQ(job.lines()[8], "        Lakeside Boosters");
    EXPECT_EQ(job.pageCount(), 1);
}

TEST(LetterToWinners, CopiesAskedAgainOutsideOneToHundred)
{
    ScriptedDialogs dialogs;
    Session session(QString(), Services{&dialogs});
    dialogs.answerInput("0").answerInput("101").answerInput("abc").answerInput("2.5");
    EXPECT_EQ(askLetterCopies(session), 2);  // 2.5 rounds to the even 2
    EXPECT_EQ(dialogs.inputs, (QVector<int>{6, 6, 6, 6}));

    // Enter on the proposed text takes one copy.
    dialogs.acceptInput();
    session.InputText = "junk";
    EXPECT_EQ(askLetterCopies(session), 1);

    dialogs.answerInput("0").answerInput("5", 2);
    EXPECT_EQ(askLetterCopies(session), 0);
    EXPECT_EQ(dialogs.unscripted, 0);
}
