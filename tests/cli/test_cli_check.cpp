#include "CliRunner.h"
#include "TestSeason.h"

#include "season/SeasonFile.h"

#include <gtest/gtest.h>

TEST(CliCheck, DemoSeasonAndASmallSeasonExactly)
{
    const CliHome home;
    const QByteArray demo = home.seasonBytes();
    CliRun run = home.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const QStringList lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 14) << run.out.toStdString();
    EXPECT_EQ(lines[5], "Tickets:  496, 445 sold; unsold: 401,450 / 51,51");
    EXPECT_EQ(lines[12], "No problems found.");
    EXPECT_EQ(home.seasonBytes(), demo);  // checking writes nothing

    Season s = testSeason(4, 2);
    s.FrontText = {QString(), "Boosters", "FOOTBALL", "", "Info"};
    s.ReturnAddress = {QString(), "Boosters", "1 Main St", "", "Town"};
    s.Odds = 12.5f;
    setUnsold(s, {"5,6", ""});
    setPrizes(s, {{Prize::RegularHigh, 1500}, {Prize::RegularLow, 5}});
    setRules(s, false, false);
    setScores(s, 1, {21, 17, Bye, 1000});
    const CliHome small(false);
    small.writeSeason(seasonFileBytes(s));
    run = small.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "Season file: " + QDir::toNativeSeparators(small.seasonPath()) + "\n"
              "Front:    \"Boosters\", \"FOOTBALL\", \"\", \"Info\"\n"
              "Address:  \"Boosters\", \"1 Main St\", \"\", \"Town\"\n"
              "Teams:    4, Team 01 to Team 04\n"
              "Weeks:    2 in all: 2 regular (Sep 01 to Sep 02), 0 playoff\n"
              "Tickets:  6, 4 sold; unsold: 5,6\n"
              "Price:    $5 a ticket; seed 1234; odds 1 in 12.5; ticket size 0\n"
              "Prizes:   weekly, regular season: high $1,500, low $5\n"
              "          grand prize: none\n"
              "          weekly, playoffs: none\n"
              "          ties pay the full amount; unsold winning tickets are not paid\n"
              "Scores:   1 week (Sep 01), 4 teams each\n"
              "Problem:  week 1, team 4: score 1000 is not 0 to 999\n");
}

TEST(CliCheck, DamagedMissingFileAndBadArgumentsAreRefused)
{
    const CliHome home;
    QByteArray damaged = home.seasonBytes();
    damaged.replace("\r\n10\r\n", "\r\nten\r\n");  // the ticket price, line 11
    home.writeSeason(damaged);
    CliRun run = home.run({"check"});
    const QString copy = damagedCopyName(damaged);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "DAMAGED DATA FILE\nKickpool.txt\nLine 11: a whole number expected\n"
                       "A copy was kept as " + copy + "\nRun 'Update Annual Data' and SAVE\n");
    EXPECT_TRUE(QFile::exists(home.filePath("Files/" + copy)));

    QFile::remove(home.seasonPath());
    run = home.run({"check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "FILE NOT FOUND\nData file not found\nRun 'Update Annual Data' and\nSAVE data to create a new file\n");

    run = home.run({"check", "extra"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kickpool-cli: check takes no arguments\n"
                       "usage: kickpool-cli [--home DIR] [--today YYYY-MM-DD] [--pdf FILE] check\n");
    EXPECT_TRUE(home.run({"frobnicate"}).err.startsWith("kickpool-cli: unknown command frobnicate\nusage: kickpool-cli "));
}
