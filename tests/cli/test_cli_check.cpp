#include "CliRunner.h"
#include "TestSeason.h"

#include "season/SeasonFile.h"

#include <gtest/gtest.h>

TEST(CliCheck, DemoSeasonSummary)
{
    const CliHome home;
    const QByteArray demo = home.seasonBytes();
    ASSERT_FALSE(demo.isEmpty());

    const CliRun run = home.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 14) << run.out.toStdString();
    EXPECT_EQ(lines[3], "Teams:    32, Alder Creek to Willow Park");
    EXPECT_EQ(lines[4], "Weeks:    21 in all: 17 regular (Sep 13 to Jan  3), 4 playoff (Jan 10 to Jan 31)");
    EXPECT_EQ(lines[5], "Tickets:  496, 445 sold; unsold: 401,450 / 51,51");
    EXPECT_EQ(lines[11], "Scores:   9 weeks (Sep 13 to Nov  8), 32 teams each");
    EXPECT_EQ(lines[12], "No problems found.");
    EXPECT_EQ(lines[13], "");  // the last line ends like the others
    // Checking does not write anything.
    EXPECT_EQ(home.seasonBytes(), demo);
    EXPECT_EQ(QDir(home.filePath("Files")).entryList(QDir::Files), QStringList{"Kickpool.txt"});
}

TEST(CliCheck, SmallSeasonExactlyAndItsProblems)
{
    Season s = testSeason(4, 2);
    s.FrontText = {QString(), "Boosters", "FOOTBALL", "", "Info"};
    s.ReturnAddress = {QString(), "Boosters", "1 Main St", "", "Town"};
    s.Seed = -5;
    s.Odds = 12.5f;
    setUnsold(s, {"5,6", ""});
    setPrizes(s, {{1, 1500}, {4, 5}});
    setRules(s, false, false);
    setScores(s, 1, {21, 17, Bye, 1000});

    const CliHome home(false);
    home.writeSeason(seasonFileBytes(s));
    CliRun run = home.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Season file: " + QDir::toNativeSeparators(home.seasonPath()) + "\n"
              "Front:    \"Boosters\", \"FOOTBALL\", \"\", \"Info\"\n"
              "Address:  \"Boosters\", \"1 Main St\", \"\", \"Town\"\n"
              "Teams:    4, Team 01 to Team 04\n"
              "Weeks:    2 in all: 2 regular (Sep 01 to Sep 02), 0 playoff\n"
              "Tickets:  6, 4 sold; unsold: 5,6\n"
              "Price:    $5 a ticket; seed -5; odds 1 in 12.5; ticket size 0\n"
              "Prizes:   weekly, regular season: high $1,500, low $5\n"
              "          grand prize: none\n"
              "          weekly, playoffs: none\n"
              "          ties pay the full amount; unsold winning tickets are not paid\n"
              "Scores:   1 week (Sep 01), 4 teams each\n"
              "Problem:  week 1, team 4: score 1000 is not 0 to 999\n");

    // A hand-edited file: scores kept for four teams, while the season has three.
    s.Score[1][4] = 30;
    QByteArray edited = seasonFileBytes(s);
    edited.replace("\r\n4\r\n\"Team 01\"", "\r\n3\r\n\"Team 01\"");
    edited.replace("\"Team 04\"\r\n", "");
    home.writeSeason(edited);
    run = home.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.endsWith("Problem:  scores are stored for 4 teams, the season has 3\n")) << run.out.toStdString();
}

TEST(CliCheck, DamagedOrMissingFileIsRefused)
{
    const CliHome home;
    QByteArray damaged = home.seasonBytes();
    damaged.replace("\r\n10\r\n", "\r\nten\r\n");  // the ticket price, line 11
    home.writeSeason(damaged);

    CliRun run = home.run({"check"});
    const QString copy = damagedCopyName(damaged);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "DAMAGED DATA FILE\n"
                       "Kickpool.txt\n"
                       "Line 11: a whole number expected\n"
                       "A copy was kept as " + copy + "\n"
                       "Run 'Update Annual Data' and SAVE\n");
    EXPECT_TRUE(QFile::exists(home.filePath("Files/" + copy)));

    QFile::remove(home.seasonPath());
    run = home.run({"check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "FILE NOT FOUND\n"
                       "Data file not found\n"
                       "Run 'Update Annual Data' and\n"
                       "SAVE data to create a new file\n");
}

TEST(CliCheck, UnknownCommandsAndBadArgumentsShowTheUsage)
{
    const CliHome home(false);
    CliRun run = home.run({"frobnicate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("kickpool-cli: unknown command frobnicate\nusage: kickpool-cli ")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("\n  check ")) << run.err.toStdString();

    run = home.run({"check", "extra"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kickpool-cli: check takes no arguments\n"
                       "usage: kickpool-cli [--home DIR] [--today YYYY-MM-DD] [--pdf FILE] check\n");

    run = home.run({});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("kickpool-cli: no command given\n"));

    run = runCli({"--home", home.path(), "--today", "2026-02-30", "check"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kickpool-cli: --today needs a date such as 2026-09-07\n");
}
