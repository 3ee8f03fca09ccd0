#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "season/Format.h"
#include "season/Session.h"

#include <gtest/gtest.h>

namespace {

const QString Marks = QStringLiteral("xxxxx      xxxxx");
const QString FillIn = QStringLiteral("   ........  ......  ...............................   .........   .......");

// Four teams, two regular weeks with byes and a playoff week that must not count.
// Week 1 tickets hold pairs 1..6 = (1,2) (1,3) (1,4) (2,3) (2,4) (3,4); week 2 shifts by four:
// ticket 1 (2,4), 2 (3,4), 3 (1,2), 4 (1,3), 5 (1,4), 6 (2,3).
Season fourTeamsWithByes()
{
    Season s = testSeason(4, 2, 1);
    setScores(s, 1, {10, 20, Bye, 5});
    setScores(s, 2, {Bye, Bye, 7, 3});
    setScores(s, 3, {100, 100, 100, 100});
    setPrizes(s, {{Prize::GrandHigh, 500}, {Prize::GrandLow, 250}});
    setRules(s, false, false);
    return s;
}

// Four teams, one regular week: tickets 1, 2 and 4 tie at 20 on top, tickets 3, 5 and 6 at 10
// below.
Session tiedSession(bool split)
{
    Session session;
    Season& s = session.season;
    s = testSeason(4, 1, 0);
    setScores(s, 1, {10, 10, 10, 0});
    setPrizes(s, {{Prize::GrandHigh, 100}, {Prize::GrandLow, 50}});
    setRules(s, split, false);
    return session;
}

QStringList payment(const QString& line)
{
    return {line, FillIn};
}

}  // namespace

TEST(GrandPrizeSection, OneLowestAndOneHighestTicketWithByesAndAPlayoffWeek)
{
    Session session;
    session.season = fourTeamsWithByes();
    // Week 1: 30 10 15 20 25 5 (team 3's bye leaves its partner's score);
    // week 2: 3 10 0 7 3 7 (pair (1,2) had two byes); the playoff week never counts.
    EXPECT_EQ(seasonRanking(session.season, 2),
              (QVector<TicketStanding>{{1, 33}, {5, 28}, {4, 27}, {2, 20}, {3, 15}, {6, 12}}));
    EXPECT_EQ(GrandPrizeLines(session), (QStringList{
        QStringLiteral("   Next won Grand Prize Low Money:") + blanks(23) + Marks,
        FillIn,
        QStringLiteral("       6     $250.00"),
        FillIn,
        QStringLiteral("   Next won Grand Prize High Money:") + blanks(22) + Marks,
        FillIn,
        QStringLiteral("       1     $500.00"),
        FillIn,
    }));
}

TEST(GrandPrizeSection, TiesSplitOrPayInFull)
{
    Session split = tiedSession(true);
    const QStringList splitLines =
        QStringList{QStringLiteral("   Next 3 split Grand Prize Low Money:") + blanks(19) + Marks, FillIn}
        + payment(QStringLiteral("       6     $16.67")) + payment(QStringLiteral("       5     $16.67"))
        + payment(QStringLiteral("       3     $16.67"))
        + QStringList{QStringLiteral("   Next 3 split Grand Prize High Money:") + blanks(18) + Marks, FillIn}
        + payment(QStringLiteral("       1     $33.33")) + payment(QStringLiteral("       2     $33.33"))
        + payment(QStringLiteral("       4     $33.33"));
    EXPECT_EQ(GrandPrizeLines(split), splitLines);

    Session full = tiedSession(false);
    const QStringList fullLines = GrandPrizeLines(full);
    ASSERT_EQ(fullLines.size(), 16);
    EXPECT_EQ(fullLines[0], QStringLiteral("   Next 3 won Grand Prize Low Money:") + blanks(21) + Marks);
    EXPECT_EQ(fullLines[6], QStringLiteral("       3     $50.00"));
    EXPECT_EQ(fullLines[8], QStringLiteral("   Next 3 won Grand Prize High Money:") + blanks(20) + Marks);
    EXPECT_EQ(fullLines[14], QStringLiteral("       4     $100.00"));
    // A prize switched off gives no lines for it.
    full.season.setPrizeOn(Prize::GrandHigh, false);
    EXPECT_EQ(GrandPrizeLines(full), fullLines.mid(0, 8));
}

TEST(GrandPrizeSection, UnsoldWinnersReplacedOrNotPaid)
{
    Session session;
    session.season = fourTeamsWithByes();
    setUnsold(session.season, {"6,6", "1,1"});

    // Not paid: the unsold tickets stay the winners and are reported as not paid.
    const QString notPaid = QStringLiteral("     Unsold Ticket # %1 not paid $ %2") + blanks(15) + Marks;
    QStringList lines = GrandPrizeLines(session);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[2], notPaid.arg(6).arg(QStringLiteral("250.00")));
    EXPECT_EQ(lines[6], notPaid.arg(1).arg(QStringLiteral("500.00")));

    // Next closest sold ticket: the lowest and highest sold tickets win instead.
    session.season.setUnsoldRule(UnsoldRule::NextSold);
    lines = GrandPrizeLines(session);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[2], QStringLiteral("       3     $250.00"));
    EXPECT_EQ(lines[6], QStringLiteral("       5     $500.00"));

    // Every ticket unsold: nobody is left to win.
    setUnsold(session.season, {"1,6"});
    EXPECT_TRUE(GrandPrizeLines(session).isEmpty());
}

TEST(GrandPrizeStandings, SixTeamsByPositionAndByTicket)
{
    Session session;
    session.TodayText = QStringLiteral("November 20, 2024");
    Season& s = session.season;
    s = testSeason(6, 1, 1);
    setScores(s, 1, {10, 20, 30, 40, 50, 60});
    setScores(s, 2, {900, 900, 900, 900, 900, 900});  // a playoff week: not counted
    setRules(s, true, true);
    setUnsold(s, {"13,14"});

    const QStringList heading = {
        QString(),
        QString(),
        QStringLiteral("   Lakeside Boosters") + blanks(53) + QStringLiteral("2024 NFL SEASON"),
        QStringLiteral("   Week #  1    Ending: Sep 01") + blanks(40) + QStringLiteral(" November 20, 2024"),
        QString(),
    };
    const QStringList expected = heading
        + QStringList{
            QStringLiteral("   ------------------------------- Standings By Position -------------------------------"),
            QStringLiteral("   pos--pts--tk#     pos--pts--tk#     pos--pts--tk#     pos--pts--tk#     pos--pts--tk#"),
            QStringLiteral("     1  110   15       4   80   11       7   70   10      10   50    3      13   30    1"),
            QStringLiteral("     2   90   12       5   70    5       8   60    4      11   50    6      14    0    0"),
            QStringLiteral("     3   80    9       6   70    8       9   60    7      12   40    2      15    0    0"),
        }
        + heading
        + QStringList{
            QStringLiteral("   ------------------------------- Standings By Ticket # -------------------------------"),
            QStringLiteral("   tk#--pos--pts     tk#--pos--pts     tk#--pos--pts     tk#--pos--pts     tk#--pos--pts"),
            QStringLiteral("     1   13   30       4    8   60       7    9   60      10    7   70      15    1  110"),
            QStringLiteral("     2   12   40       5    5   70       8    6   70      11    4   80") + blanks(18),
            QStringLiteral("     3   10   50       6   11   50       9    3   80      12    2   90") + blanks(18),
        };
    EXPECT_EQ(grandPrizePreviewLines(session), expected);
    EXPECT_EQ(grandPrizePreviewJob(session).lines(), expected);
}

TEST(GrandPrizeStandings, FourHundredNinetySixTicketsBeforeAnyScores)
{
    Session session;
    session.TodayText = QStringLiteral("September 1, 2024");
    session.season = testSeason(32, 17, 4);
    ASSERT_EQ(session.season.TicketCount, 496);

    const QStringList lines = grandPrizePreviewLines(session);
    ASSERT_EQ(lines.size(), 7 + 100 + 7 + 100);
    EXPECT_EQ(lines[3], QStringLiteral("   Week #  0    Ending: ") + blanks(40) + QStringLiteral(" September 1, 2024"));
    const QStringList byPosition = lines.mid(7, 100);
    const QStringList byTicket = lines.mid(114, 100);
    EXPECT_EQ(lines.mid(107, 7).mid(0, 5), lines.mid(0, 5));
    for (const QString& row : byPosition + byTicket)
        EXPECT_EQ(row.size(), 88) << qPrintable(row);

    // All values 0: both listings in ascending ticket order, running down the columns.
    EXPECT_EQ(byPosition[0],
              QStringLiteral("     1    0    1     101    0  101     201    0  201     301    0  301     401    0  401"));
    EXPECT_EQ(byTicket[0],
              QStringLiteral("     1    1    0     101  101    0     201  201    0     301  301    0     401  401    0"));
    EXPECT_EQ(byPosition[95].right(18), QStringLiteral("     496    0  496"));
    EXPECT_EQ(byTicket[95].right(18), QStringLiteral("     496  496    0"));
    // Rows 97..100: the fifth cell is beyond the last ticket.
    for (int r = 97; r <= 100; ++r) {
        EXPECT_EQ(byPosition[r - 1].right(18), QStringLiteral("     %1    0    0").arg(r + 400)) << r;
        EXPECT_EQ(byTicket[r - 1].right(18), blanks(18)) << r;
    }

    // Printed, each listing starts its second page with the heading again before row 58.
    const PrintJob job = grandPrizePreviewJob(session);
    EXPECT_EQ(job.pageCount(), 4);
    const QStringList printed = job.lines();
    ASSERT_EQ(printed.size(), 4 * 7 + 200);
    EXPECT_EQ(printed.mid(7 + 57, 7), lines.mid(0, 7));
    EXPECT_EQ(printed[7 + 57 + 7], byPosition[57]);
    EXPECT_EQ(printed.mid(2 * 7 + 100 + 7 + 57, 7), lines.mid(107, 7));
    EXPECT_EQ(printed.last(), byTicket.last());
}
