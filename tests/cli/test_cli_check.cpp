#include "BoundRows.h"
#include "CliRunner.h"
#include "TestSeason.h"

#include "season/SeasonFile.h"

#include <gtest/gtest.h>

TEST(CliCheck, RiversideAndASmallSeasonExactly)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    CliRun run = home.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Season file: " + QDir::toNativeSeparators(home.seasonPath()) + "\n"
                           + QString::fromUtf8(dataBytes("expected/check_riverside.txt")));
    EXPECT_EQ(home.seasonBytes(), before);  // checking writes nothing

    // A small season with a hand-written file.
    const CliHome small(false);
    small.writeSeason(dataBytes("seasons/check_small.txt"));
    run = small.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Season file: " + QDir::toNativeSeparators(small.seasonPath()) + "\n"
                           + QString::fromUtf8(dataBytes("expected/check_small.txt")));
    // 17 regular and 12 playoff weeks: the file holds them, the annual data screen would not.
    small.writeSeason(seasonFileBytes(testSeason(4, 17, 12)));
    run = small.run({"check"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.endsWith("Warning:  17 regular and 12 playoff weeks are more than the 28 weeks allowed with playoffs\n"))
        << run.out.toStdString();
}

// 1 a command line that cannot be used, 2 a refusal (a numbered message), 3 a printout that
// could not be written; stdout then holds nothing but the lines of the list.
TEST(CliExitStatus, UsageRefusalAndPrinting)
{
    const CliHome home;
    const QString usage = "usage: kickpool-cli [--home DIR] [--today YYYY-MM-DD] [--pdf FILE] ";
    CliRun run = home.run({"check", "extra"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kickpool-cli: check takes no arguments\n" + usage + "check\n");
    run = home.run({"frobnicate"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("kickpool-cli: unknown command frobnicate\n" + usage + "COMMAND [ARGS]\n"));
    for (const char* day : {"2024-02-30", "20.11.2024"}) {
        run = home.run({"--today", day, "check"});
        EXPECT_EQ(run.status, 1) << day;
        EXPECT_EQ(run.err, "kickpool-cli: --today needs a date such as 2026-09-07\n") << day;
        EXPECT_EQ(run.out, "");
    }

    // The printout of a letter where no file can be made (its folder would be inside a file): the
    // letter is listed, the failure said.
    ASSERT_TRUE(writeFile(home.filePath("notes"), "mine"));
    const QString pdf = home.filePath("notes/letter.pdf");
    run = home.run({"--pdf", pdf, "letter"});
    EXPECT_EQ(run.status, 3);
    EXPECT_TRUE(run.out.startsWith("\n\n\n\n       Riverside Boosters Club\n")) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("kickpool-cli: the PDF " + pdf + " was not written: ")) << run.err.toStdString();

    // A damaged file: its message on stderr, a copy kept, nothing on stdout.
    QByteArray damaged = home.seasonBytes();
    damaged.replace("\r\n10\r\n", "\r\nten\r\n");  // the ticket price, line 11
    home.writeSeason(damaged);
    // Checking lists the problem and keeps no copy: it writes nothing.
    run = home.run({"check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "Season file: " + home.seasonPath()
                           + "\nProblem:  line 11: a whole number expected; the file cannot be read on from there\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(QDir(home.filePath("Files")).entryList(QDir::Files), QStringList{"Kickpool.txt"});

    QFile::remove(home.seasonPath());
    run = home.run({"check"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "FILE NOT FOUND\nData file not found\n" + home.seasonPath()
                           + "\nRun 'Update Annual Data' and\nSAVE data to create a new file\n");
}

// A file holding every value just beyond its bound that lets reading go on: check lists them all
// with their lines, and the commands refuse the file at once instead of running for hours on
// 32767 random winners a week.
TEST(CliCheck, EveryValueBeyondItsBoundIsListed)
{
    QByteArray file = readFile(QStringLiteral(KICKPOOL_TEST_DATA "/four-teams.txt"));
    for (const BoundRow& row : boundRows()) {
        if (!row.alone)
            file = withValue(file, row);
    }
    const CliHome home(false);
    home.writeSeason(file);
    CliRun run = home.run({"check"});
    EXPECT_EQ(run.status, 2);
    const QString expected = QString::fromUtf8(readFile(QStringLiteral(KICKPOOL_TEST_DATA "/check-every-problem.txt")));
    EXPECT_EQ(run.out.section('\n', 1), expected);

    run = home.run({"report", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("DAMAGED DATA FILE\n" + home.seasonPath() + "\nLine 1: a ticket front text of at most 255 characters expected\n"))
        << run.err.toStdString();
}
