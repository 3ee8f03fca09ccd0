#include "TestSeason.h"

#include "season/Session.h"
#include "tickets/WeeklyReport.h"

#include <QRegularExpression>

namespace {

Session reportSession(const Season& season)
{
    Session session;
    session.season = season;
    session.TodayText = QStringLiteral("November 20, 2024");
    return session;
}

// Printed report lines stand two blanks in.
QStringList printed(QStringList lines)
{
    return lines.replaceInStrings(QRegularExpression(QStringLiteral("^")), QStringLiteral("  "));
}

}  // namespace

TEST(WeeklyReport, SmallWeekLineByLine)
{
    // Four teams scoring 30, 10, 10, 10: three tie at the top (high and second high split three
    // ways), three at the bottom (low of 100 split three ways, ticket 5 unsold and not paid), one
    // random winner.
    Season s = dataSeason("week_ties_small.txt");
    EXPECT_EQ(weeklyReportLines(reportSession(s), 1), dataLines("expected/weekly_report_small.txt"));

    // 31 teams fill the first column one row further than the others.
    s = weeklySeason(31, 17);
    setScores(s, 1, std::vector<int>(31, 7));
    EXPECT_EQ(teamScoreTable(s, storedScoreTexts(s, 1)), dataLines("expected/team_table_31.txt"));
}

TEST(WeeklyReport, RankedPairsShowSevenAndSevenFromFifteen)
{
    // Six teams play: 15 pairs, positions 1..7 and 9..15 shown; five teams: all 10.
    for (const int teams : {6, 5}) {
        Season s = weeklySeason(teams, 17);
        setScores(s, 1, {60, 50, 40, 30, 20, 10});
        const QStringList lines = rankedPairLines(s, 1, rankedList(s, 1));
        std::vector<int> positions;
        for (int n = 3; n < lines.size(); ++n)
            positions.push_back(lines[n].mid(4, 4).trimmed().toInt());
        EXPECT_EQ(positions, teams == 6 ? (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})
                                        : (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }
}

TEST(WeeklyReport, LongReportPrintsInTwoJobs)
{
    // 32 teams, all playing in week 3, team t scoring t; three random winners.
    const Session session = reportSession(dataSeason("week_32_teams.txt"));
    const QStringList lines = weeklyReportLines(session, 3);
    EXPECT_EQ(lines, dataLines("expected/weekly_report_32_teams.txt"));

    // The lines before the winners heading in the first job; the week line, the heading and the
    // rest in the second, each under the season title.
    const int heading = lines.indexOf(winnersHeading());
    ASSERT_EQ(heading, 34);
    const QVector<PrintJob> jobs = weeklyReportJobs(session, lines);
    ASSERT_EQ(jobs.size(), 2);
    const QStringList title{QString(), QStringLiteral("    Lakeside Boosters                             2024 NFL SEASON"),
                            QString()};
    EXPECT_EQ(jobs[0].lines(), title + printed(lines.mid(0, heading)));
    EXPECT_EQ(jobs[1].lines(), title + printed(QStringList{lines[0], QString()} + lines.mid(heading)));
    // 52 lines still print as one job.
    EXPECT_EQ(weeklyReportJobs(session, lines.mid(0, 52)).size(), 1);
    EXPECT_EQ(weeklyReportJobs(session, lines.mid(0, 53)).size(), 2);
}
