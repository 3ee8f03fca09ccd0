#include "MainScreenHarness.h"
#include "season_end_checks.h"

#include "reports/GrandPrize.h"

#include <gtest/gtest.h>

using namespace season_end;

using SeasonEndScreen = MainScreenHarness;

TEST_F(SeasonEndScreen, GrandPrizeSelectionShowsAndPrintsTheStandings)
{
    Season season = sixTeamSeason(true, true);
    storeSixTeamScores(season);
    writeSeason(season);
    start();
    const Session stored = saved();
    const QStringList standings = grandPrizePreviewLines(stored);
    ASSERT_EQ(standings.size(), 20);

    // Choosing "Grand Prize": the standings of the three regular weeks, nothing printed.
    click(option(6));
    EXPECT_EQ(shownLines(), standings);
    EXPECT_TRUE(printer.jobs.isEmpty());

    // Ticking "Printer Output?" produces it again, printed as one job.
    click(chkPrint());
    EXPECT_EQ(shownLines(), standings);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0], grandPrizePreviewJob(stored));

    EXPECT_EQ(dialogs.unscripted, 0);
}

TEST_F(SeasonEndScreen, AWholeSeasonEntersWeekByWeekAndEndsWithTheSummary)
{
    writeSeason(sixTeamSeason(true, false));
    start();
    click(option(1));

    const QVector<QStringList>& scores = sixTeamScores();
    QVector<QStringList> reports(scores.size());
    for (int w = 1; w < scores.size(); ++w) {
        for (const QString& score : scores[w])
            dialogs.answerInput(score);
        typeAndEnter(QString::number(w));
        ASSERT_TRUE(dialogs.scriptDone()) << "week " << w;
        reports[w] = shownLines();
        // Back at the week prompt for the next week.
        pressEnter();
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // After the last week the summary follows that week's report in the list.
    const Session stored = saved();
    ASSERT_EQ(stored.season.ScoredWeeks, 5);
    QStringList& last = reports[5];
    const int title = last.indexOf(QRegularExpression(QStringLiteral("^ {10}ANNUAL SUMMARY .*")));
    ASSERT_GT(title, 3);
    const QStringList summary = last.mid(title - 3);
    last = last.mid(0, title - 3);
    EXPECT_EQ(summary, summaryLines(stored));

    expectSummaryShowsReports(stored.season, reports, summary, true);
    EXPECT_TRUE(printer.jobs.isEmpty());
}
