// A whole small season reported week by week: the annual summary must show exactly what the
// weekly reports paid.
#include "season_end_checks.h"
#include "tickets/WeeklyReport.h"

#include <gtest/gtest.h>

using namespace season_end;

TEST(SeasonEndRun, SummaryShowsWhatEveryWeeklyReportPaid)
{
    for (const bool split : {true, false}) {
        for (const bool nextClosest : {false, true}) {
            SCOPED_TRACE(testing::Message() << (split ? "split" : "full") << ", "
                                            << (nextClosest ? "next closest sold" : "unsold not paid"));
            Session session;
            session.TodayText = QStringLiteral("January 20, 2025");
            session.season = sixTeamSeason(split, nextClosest);
            storeSixTeamScores(session.season);

            QVector<QStringList> reports(session.season.TotalWeeks + 1);
            for (int w = 1; w <= session.season.TotalWeeks; ++w)
                reports[w] = weeklyReportLines(session, w);
            expectSummaryShowsReports(session.season, reports, summaryLines(session), !nextClosest);
        }
    }
}
