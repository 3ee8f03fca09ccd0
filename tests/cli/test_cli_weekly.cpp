#include "CliRunner.h"
#include "PdfReadBack.h"
#include "TestSeason.h"

#include "reports/Summary.h"
#include "tickets/ScoreEntry.h"
#include "tickets/TicketBacks.h"
#include "tickets/WeeklyReport.h"

#include <gtest/gtest.h>

TEST(CliWeekly, ReportsAStoredWeekOfTheDemoSeason)
{
    const CliHome home;
    const QString pdf = home.filePath("week9.pdf");
    const CliRun run = home.run({"--pdf", pdf, "report", "9"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.startsWith("   Week #  9     Ending: Nov  8      Seed =  1931        November 20, 2024\n"));
    const Session session = home.session();
    EXPECT_EQ(run.out, asOutput(weeklyReportLines(session, 9)));
    EXPECT_EQ(home.run({"report"}).out, run.out);  // without a week: the latest stored week

    // Every line of the report is in the printout.
    const QStringList printed = simplifiedLines(pdfLines(pdf));
    for (const QString& line : simplifiedLines(weeklyReportLines(session, 9)))
        EXPECT_TRUE(printed.contains(line)) << line.toStdString();

    const CliRun refused = home.run({"report", "22"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "INPUT ERROR\nEnter Week # Again\n");
}

TEST(CliWeekly, EntersAWeekAndRefusesBadScoresAndAWeekStoredTwice)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    QStringList scores;
    for (int t = 1; t <= 32; ++t)
        scores << QString::number(t % 7 == 0 ? 0 : 10 + t);
    scores[4] = "";     // team 5 has a bye
    scores[6] = "abc";  // read as 0, shown as typed

    QStringList bad = scores;
    bad[3] = "1000";
    CliRun run = home.run({"enter", "10", bad.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nEnter Score Again\n");
    run = home.run({"enter", "11", scores.join(',')});
    EXPECT_EQ(run.err, "PREVIOUS WEEK NOT FOUND\nPrevious weeks' Scores not found\nWeek # 10 MUST be entered first\n");
    EXPECT_EQ(home.seasonBytes(), before);

    run = home.run({"enter", "10", scores.join(',')});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Season s = home.session().season;
    EXPECT_EQ(s.ScoredWeeks, 10);
    EXPECT_EQ(s.Score[10][5], Bye);
    EXPECT_EQ(s.Score[10][7], 0);
    const QStringList lines = run.out.split('\n');
    EXPECT_EQ(lines[8], "    5 Brookhaven            16 Highland       26     27 Redwood        37");
    EXPECT_EQ(lines[10], "    7 Clayton       abc     18 Juniper        28     29 Silver Lake    39");
    EXPECT_EQ(home.run({"report", "10"}).out.split('\n')[10],
              "    7 Clayton         0     18 Juniper        28     29 Silver Lake    39");

    run = home.run({"enter", "10", scores.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PREVIOUS SCORES FOUND\nScores for week # 10 already exist!\nCorrection to existing scores?\n");
}

TEST(CliWeekly, LastWeekOfTheSeasonEndsWithTheSummary)
{
    // Four teams, one regular week (scored) and one playoff week.
    const CliHome home(false);
    home.writeSeason(dataBytes("seasons/one_week_to_go.txt"));
    const QString pdf = home.filePath("last.pdf");
    const CliRun run = home.run({"--pdf", pdf, "enter", "2", "7,,14,3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Session session = home.session();
    const ScoreTexts typed{QString(), "7", "  ", "14", "3"};
    EXPECT_EQ(run.out, asOutput(weeklyReportLines(session, 2, typed) + summaryLines(session)));
    ASSERT_EQ(pageSizes(pdf).size(), 2);
    EXPECT_EQ(simplifiedLines(pdfLines(pdf, 2)).mid(1), simplifiedLines(summaryLines(session)));
}

TEST(CliWeekly, TicketBacks)
{
    const CliHome home;
    const Season s = home.session().season;
    const QString pdf = home.filePath("backs.pdf");
    CliRun run = home.run({"--pdf", pdf, "tickets", "17", "19"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, asOutput(ticketBackLines(s, 17, 19)));
    EXPECT_TRUE(run.out.startsWith("\n\n# 17\n    WEEK\n")) << run.out.toStdString();
    // One printed back per ticket, each with its weeks and its number.
    ASSERT_EQ(pageSizes(pdf).size(), 3);
    for (int t = 17; t <= 19; ++t) {
        const QStringList page = simplifiedLines(pdfLines(pdf, t - 16));
        for (const QString& line : simplifiedLines(ticketBackWeekLines(s, t)))
            EXPECT_TRUE(page.contains(line)) << "ticket " << t << ": " << line.toStdString();
    }

    run = home.run({"tickets", "18", "17"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nLast Ticket # Smaller Than First Ticket #\nEnter Ticket Numbers Again\n");
}

TEST(CliWeekly, EntersAWeekFromResultsInAFileOrOnStandardInput)
{
    const CliHome typed;
    const CliHome pasted;
    const Season s = typed.session().season;
    // Game lines naming the teams in lower case; team 5 is not named and has a bye.
    QStringList scores;
    QStringList games;
    for (int t = 1; t <= 32; t += 2) {
        scores << QString::number(t) << QString::number(t + 1);
        games << QStringLiteral("%1 %2 - %3 %4").arg(s.TeamName[t].toLower()).arg(t).arg(s.TeamName[t + 1]).arg(t + 1);
    }
    scores[4] = "";
    games[2] = QStringLiteral("%1 %2").arg(s.TeamName[6]).arg(6);
    ASSERT_TRUE(writeFile(pasted.filePath("week10.txt"), games.join('\n').toUtf8()));

    const CliRun expected = typed.run({"enter", "10", scores.join(',')});
    CliRun run = pasted.run({"enter", "10", "--from", pasted.filePath("week10.txt")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(pasted.seasonBytes(), typed.seasonBytes());

    // The standard input: one score per line, a blank line for a bye; an unknown team refused.
    run = pasted.run({"enter", "11", "--from", "-"}, {}, scores.join('\n').toUtf8());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, typed.run({"enter", "11", scores.join(',')}).out);
    const QByteArray before = pasted.seasonBytes();
    run = pasted.run({"enter", "12", "--from", "-"}, {}, "Nowhere City 21\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "TEAM NOT FOUND\nLine 1 of the results:\nNo team of this season is called \"Nowhere City\".\n"
                       "Correct the line, then read the results again.\nNothing was stored.\n");
    EXPECT_EQ(pasted.run({"enter", "12", "--from", pasted.filePath("none.txt")}).status, 2);
    EXPECT_EQ(pasted.seasonBytes(), before);
}
