#include "MainScreenHarness.h"

#include "reports/GrandPrize.h"

#include <gtest/gtest.h>

using SeasonEndScreen = MainScreenHarness;

TEST_F(SeasonEndScreen, GrandPrizeSelectionShowsAndPrintsTheStandings)
{
    // Six teams, three regular weeks and two playoff weeks scored.
    ASSERT_TRUE(writeFile(seasonPath(), dataBytes("seasons/six_teams.txt")));
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
