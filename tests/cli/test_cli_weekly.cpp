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
    const CliRun run = home.run({"report", "9"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    const QStringList lines = run.out.split('\n');
    EXPECT_EQ(lines[0], "   Week #  9     Ending: Nov  8      Seed =  1931        November 20, 2024");
    EXPECT_EQ(lines[14], "   11 Fairview       17     22 Millbrook      21     ");
    EXPECT_EQ(lines[34], winnersHeading());
    // Exactly the list of the screen, trailing blanks and all.
    const Session session = home.session();
    EXPECT_EQ(run.out, asOutput(weeklyReportLines(session, 9)));

    // Without a week: the latest stored week, which is 9.
    EXPECT_EQ(home.run({"report"}).out, run.out);

    // The printout: every line of the report is in the PDF.
    const QString pdf = home.filePath("week9.pdf");
    const CliRun printed = home.run({"--pdf", pdf, "report", "9"});
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, run.out);
    const QStringList printedLines = simplifiedLines(pdfLines(pdf));
    for (const QString& line : simplifiedLines(weeklyReportLines(session, 9)))
        EXPECT_TRUE(printedLines.contains(line)) << line.toStdString();
    EXPECT_TRUE(printedLines.contains(session.season.FrontText[1] + " " + session.season.FrontText[3] + " SEASON"));

    // Weeks that cannot be reported.
    CliRun refused = home.run({"report", "10"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "PREVIOUS WEEK NOT FOUND\nPrevious weeks' Scores not found\nWeek # 10 MUST be entered first\n");
    refused = home.run({"report", "22"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "INPUT ERROR\nEnter Week # Again\n");
}

TEST(CliWeekly, EntersAWeekAndRefusesWhatTheScreenWouldRefuse)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    QStringList scores;
    for (int t = 1; t <= 32; ++t)
        scores << QString::number(t % 7 == 0 ? 0 : 10 + t);
    scores[4] = "";     // team 5 has a bye
    scores[6] = "abc";  // read as 0, shown as typed

    // Out of range, wrong count of scores, a week out of turn: nothing changes.
    QStringList bad = scores;
    bad[3] = "1000";
    CliRun run = home.run({"enter", "10", bad.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nEnter Score Again\n");
    run = home.run({"enter", "10", scores.mid(1).join(',')});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("kickpool-cli: SCORES needs 32 scores")) << run.err.toStdString();
    run = home.run({"enter", "11", scores.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PREVIOUS WEEK NOT FOUND\nPrevious weeks' Scores not found\nWeek # 10 MUST be entered first\n");
    EXPECT_EQ(home.seasonBytes(), before);

    run = home.run({"enter", "10", scores.join(',')});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Session session = home.session();
    const Season& s = session.season;
    EXPECT_EQ(s.ScoredWeeks, 10);
    EXPECT_EQ(s.Score[10][0], 10);
    EXPECT_EQ(s.Score[10][1], 11);
    EXPECT_EQ(s.Score[10][5], Bye);
    EXPECT_EQ(s.Score[10][7], 0);
    const QStringList lines = run.out.split('\n');
    EXPECT_EQ(lines[4], "    1 Alder Creek    11     12 Fox Hollow     22     23 North Point    33");
    EXPECT_EQ(lines[8], "    5 Brookhaven            16 Highland       26     27 Redwood        37");
    EXPECT_EQ(lines[10], "    7 Clayton       abc     18 Juniper        28     29 Silver Lake    39");
    // Reported again from the stored scores, the typed texts become the stored numbers.
    EXPECT_EQ(home.run({"report", "10"}).out.split('\n')[10],
              "    7 Clayton         0     18 Juniper        28     29 Silver Lake    39");

    // The week is stored now: entering it again is refused with message 1.
    run = home.run({"enter", "10", scores.join(',')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "PREVIOUS SCORES FOUND\nScores for week # 10 already exist!\nCorrection to existing scores?\n");
}

TEST(CliWeekly, LastWeekOfTheSeasonEndsWithTheSummary)
{
    Season s = testSeason(4, 1, 1);
    setPrizes(s, {{1, 40}, {9, 60}});
    setScores(s, 1, {21, 17, 3, 30});
    const CliHome home(false);
    home.writeSeason(seasonFileBytes(s));

    const QString pdf = home.filePath("last.pdf");
    const CliRun run = home.run({"--pdf", pdf, "enter", "2", "7,,14,3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const Session session = home.session();
    const ScoreTexts texts{QString(), "7", "  ", "14", "3"};  // as typed; the blank is a bye
    const QStringList report = weeklyReportLines(session, 2, texts);
    EXPECT_EQ(run.out, asOutput(report + summaryLines(session)));
    // The printout: the report, then the summary as its own document.
    ASSERT_EQ(pageSizes(pdf).size(), 2);
    EXPECT_EQ(simplifiedLines(pdfLines(pdf, 2)).mid(1), simplifiedLines(summaryLines(session)));
}

TEST(CliWeekly, TicketBacks)
{
    const CliHome home;
    const Session session = home.session();
    CliRun run = home.run({"tickets", "17", "18"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, asOutput(ticketBackLines(session.season, 17, 18)));
    EXPECT_TRUE(run.out.startsWith("\n\n# 17\n    WEEK\n")) << run.out.toStdString();

    run = home.run({"tickets", "18", "17"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "INPUT ERROR\nLast Ticket # Smaller Than First Ticket #\nEnter Ticket Numbers Again\n");

    // One printed back per ticket, each with its weeks and its number.
    const QString pdf = home.filePath("backs.pdf");
    run = home.run({"--pdf", pdf, "tickets", "1", "3"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    ASSERT_EQ(pageSizes(pdf).size(), 3);
    for (int t = 1; t <= 3; ++t) {
        const QStringList page = simplifiedLines(pdfLines(pdf, t));
        for (const QString& line : simplifiedLines(ticketBackWeekLines(session.season, t)))
            EXPECT_TRUE(page.contains(line)) << "ticket " << t << ": " << line.toStdString();
    }
}
