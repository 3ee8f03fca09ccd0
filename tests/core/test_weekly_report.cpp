#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "season/Session.h"
#include "tickets/WeeklyReport.h"

#include <gtest/gtest.h>

namespace {

Session reportSession(const Season& season)
{
    Session session;
    session.season = season;
    session.TodayText = QStringLiteral("November 20, 2024");
    return session;
}

QStringList prefixed(const QStringList& lines)
{
    QStringList out;
    for (const QString& line : lines)
        out.append(QStringLiteral("  ") + line);
    return out;
}

// 32 teams, all playing: team t scores t.
Season allPlaying32()
{
    Season s = weeklySeason(32, 17, 4);
    std::vector<int> scores;
    for (int t = 1; t <= 32; ++t)
        scores.push_back(t);
    setScores(s, 3, scores);
    return s;
}

}  // namespace

TEST(WeeklyReport, SmallWeekLineByLine)
{
    // Four teams: three tie at the top (high and second high split three ways), three at the
    // bottom (low of 100 split three ways, ticket 5 unsold and not paid), one random winner.
    Season s = weeklySeason(4, 2, 1);
    s.setPrizeAmount(Prize::RegularLow, 100);
    s.setRandomWinnersPerWeek(1);
    s.setPrizeAmount(Prize::RegularRandom, 5);
    s.setPrizeOn(Prize::RegularRandom, true);
    setUnsold(s, {QStringLiteral("5,5")});
    setScores(s, 1, {30, 10, 10, 10});
    const Session session = reportSession(s);

    const QStringList expected{
        QStringLiteral("   Week #  1     Ending: Sep 01      Seed =  1234        November 20, 2024"),
        QStringLiteral(""),
        QStringLiteral("      TEAM         SCORE       TEAM         SCORE       TEAM         SCORE"),
        QStringLiteral("   --------------  -----    --------------  -----    --------------  -----"),
        QStringLiteral("    1 Team 01        30      3 Team 03        10      4 Team 04        10"),
        QStringLiteral("    2 Team 02        10     "),
        QStringLiteral(""),
        QStringLiteral("                   TEAM 1                TEAM 2           TOTAL     TICKET"),
        QStringLiteral("   POSITION   NAME       SCORE      NAME       SCORE      SCORE        #"),
        QStringLiteral("   --------   ----------------      ----------------      -----     ------"),
        QStringLiteral("       1      Team 01       30      Team 02       10        40          1"),
        QStringLiteral("       2      Team 01       30      Team 03       10        40          2"),
        QStringLiteral("       3      Team 01       30      Team 04       10        40          3"),
        QStringLiteral("       4      Team 02       10      Team 03       10        20          4"),
        QStringLiteral("       5      Team 02       10      Team 04       10        20          5"),
        QStringLiteral("       6      Team 03       10      Team 04       10        20          6"),
        QStringLiteral(""),
        QStringLiteral("   TICKET #  AMOUNT  -------- WINNERS NAME ---------    SOLD BY    CHECK #"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("   Next 1 are Random Weekly winners:                     xxxxx      xxxxx"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       2     $5.00"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("   Next 3 split Regular Season Low Weekly money:         xxxxx      xxxxx"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       6     $33.33"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("     Unsold Ticket # 5 not paid $  33.33               xxxxx      xxxxx"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       4     $33.33"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("   Next 3 split Regular Season High and 2nd High Weekly money:      xxxxx"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       1     $50.00"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       2     $50.00"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
        QStringLiteral("       3     $50.00"),
        QStringLiteral("   ........  ......  ...............................   .........   ......."),
    };
    const QStringList lines = weeklyReportLines(session, 1);
    EXPECT_EQ(lines, expected);

    // Typed texts are shown as typed, byes as two blanks.
    ScoreTexts typed = storedScoreTexts(s, 1);
    typed[2] = QStringLiteral("abc");
    typed[3] = QStringLiteral("  ");
    const QStringList withTyped = weeklyReportLines(session, 1, typed);
    EXPECT_EQ(withTyped[4], QStringLiteral("    1 Team 01        30      3 Team 03                4 Team 04        10"));
    EXPECT_EQ(withTyped[5], QStringLiteral("    2 Team 02       abc     "));
}

TEST(WeeklyReport, TeamTableOf32And31Teams)
{
    Season s = allPlaying32();
    const QStringList table = teamScoreTable(s, storedScoreTexts(s, 3));
    ASSERT_EQ(table.size(), 2 + 11);
    EXPECT_EQ(table[2], QStringLiteral("    1 Team 01         1     12 Team 12        12     23 Team 23        23"));
    EXPECT_EQ(table[11], QStringLiteral("   10 Team 10        10     21 Team 21        21     32 Team 32        32"));
    EXPECT_EQ(table[12], QStringLiteral("   11 Team 11        11     22 Team 22        22     "));

    s = weeklySeason(31, 17);
    setScores(s, 1, std::vector<int>(31, 7));
    const QStringList table31 = teamScoreTable(s, storedScoreTexts(s, 1));
    ASSERT_EQ(table31.size(), 2 + 11);
    EXPECT_EQ(table31[2], QStringLiteral("    1 Team 01         7     12 Team 12         7     22 Team 22         7"));
    EXPECT_EQ(table31[11], QStringLiteral("   10 Team 10         7     21 Team 21         7     31 Team 31         7"));
    EXPECT_EQ(table31[12], QStringLiteral("   11 Team 11         7     "));
}

TEST(WeeklyReport, RankedPairsShowSevenAndSevenFromFifteen)
{
    // Six teams play: 15 pairs, positions 1..7 and 9..15 shown.
    Season s = weeklySeason(6, 17);
    setScores(s, 1, {60, 50, 40, 30, 20, 10});
    auto positions = [&](const Season& season) {
        std::vector<int> out;
        const QStringList lines = rankedPairLines(season, 1, rankedList(season, 1));
        for (int n = 3; n < lines.size(); ++n)
            out.push_back(lines[n].mid(4, 4).trimmed().toInt());
        return out;
    };
    EXPECT_EQ(positions(s), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}));
}

TEST(WeeklyReport, LongReportPrintsInTwoJobs)
{
    Season s = allPlaying32();
    s.setRandomWinnersPerWeek(3);
    s.setPrizeAmount(Prize::RegularRandom, 10);
    s.setPrizeOn(Prize::RegularRandom, true);
    const Session session = reportSession(s);
    const QStringList lines = weeklyReportLines(session, 3);

    // Week line, empty, 13 table lines, empty, 3 + 14 ranked lines, empty: the winners heading is
    // line 35.
    ASSERT_GT(lines.size(), 52);
    EXPECT_EQ(lines[34], winnersHeading());
    EXPECT_EQ(lines[18], QStringLiteral("   --------   ----------------      ----------------      -----     ------"));
    // Pair (31, 32) is pair 496; in week 3 it stands on ticket 496 - 2 x 32 = 432.
    EXPECT_EQ(lines[19], QStringLiteral("       1      Team 31       31      Team 32       32        63        432"));
    EXPECT_EQ(lines[36].left(38), QStringLiteral("   Next 3 are Random Weekly winners:  "));

    const QVector<PrintJob> jobs = weeklyReportJobs(session, lines);
    ASSERT_EQ(jobs.size(), 2);
    const QString title = QStringLiteral("    Lakeside Boosters                             2024 NFL SEASON");
    QStringList first{QString(), title, QString()};
    first << prefixed(lines.mid(0, 34));
    EXPECT_EQ(jobs[0].lines(), first);
    QStringList second{QString(), title, QString(), QStringLiteral("  ") + lines[0], QStringLiteral("  ")};
    second << prefixed(lines.mid(34));
    EXPECT_EQ(jobs[1].lines(), second);
    // 52 lines still print as one job.
    EXPECT_EQ(weeklyReportJobs(session, lines.mid(0, 52)).size(), 1);
    EXPECT_EQ(weeklyReportJobs(session, lines.mid(0, 53)).size(), 2);
}

TEST(WeeklyReport, OnlyTheLastRegularWeekClosesWithTheGrandPrize)
{
    Season s = weeklySeason(4, 2, 1);
    setPrizes(s, {{Prize::GrandHigh, 500}, {Prize::GrandLow, 200}});
    setScores(s, 1, {30, 10, 10, 10});
    setScores(s, 2, {3, 17, 12, 40});
    const Session session = reportSession(s);
    const QStringList grand = GrandPrizeLines(session);
    ASSERT_FALSE(grand.isEmpty());
    const QStringList week2 = weeklyReportLines(session, 2);
    EXPECT_EQ(week2.mid(week2.size() - grand.size()), grand);
    EXPECT_FALSE(weeklyReportLines(session, 1).contains(grand.first()));
}
