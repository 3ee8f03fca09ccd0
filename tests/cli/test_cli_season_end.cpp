#include "CliRunner.h"
#include "PdfReadBack.h"

#include "reports/GrandPrize.h"
#include "reports/Summary.h"

#include <gtest/gtest.h>

TEST(CliSeasonEnd, StandingsOfTheDemoSeason)
{
    const CliHome home;
    const Session session = home.session();
    const Season& s = session.season;
    ASSERT_GT(s.TicketCount, 0);

    const CliRun run = home.run({"standings"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    // Exactly the list's lines, trailing blanks kept: one heading and R rows for each listing.
    const QStringList expected = grandPrizePreviewLines(session);
    EXPECT_EQ(run.out, asOutput(expected));
    const int weeks = std::min(s.ScoredWeeks, s.RegularWeeks);
    const int ranked = int(seasonRanking(s, weeks).size());
    EXPECT_EQ(expected.size(), 2 * (7 + (ranked + 4) / 5));
    EXPECT_TRUE(run.out.contains(QStringLiteral("   Week #%1    Ending: %2").arg(weeks, 3).arg(s.RegularDate[weeks])));
    EXPECT_TRUE(run.out.contains(QStringLiteral("November 20, 2024\n")));

    // --pdf: the printed standings, the listing by ticket number on pages of its own.
    const QString pdf = home.filePath("standings.pdf");
    const CliRun printed = home.run({"--pdf", pdf, "standings"});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, run.out);
    const QStringList text = simplifiedLines(pdfLines(pdf));
    EXPECT_TRUE(text.contains("------------------------------- Standings By Position -------------------------------"));
    EXPECT_TRUE(text.contains("------------------------------- Standings By Ticket # -------------------------------"));
    EXPECT_TRUE(text.contains(s.FrontText[1] + " " + s.FrontText[3] + " SEASON"));
}

TEST(CliSeasonEnd, SummaryOfTheDemoSeason)
{
    const CliHome home;
    const Session session = home.session();

    const CliRun run = home.run({"summary"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    // Mid-season, the rows of weeks not yet scored are not money paid: stderr says so.
    EXPECT_EQ(run.err, "Note: only 9 of the season's 21 weeks are scored; the rows of weeks 10 to 21 "
                       "are reckoned from empty scores.\n");
    const QStringList expected = summaryLines(session);
    EXPECT_EQ(run.out, asOutput(expected));
    // One row per week of the season and the closing lines.
    const Season& s = session.season;
    for (int w = 1; w <= s.TotalWeeks; ++w)
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n%1   %2  ").arg(w, 13).arg(s.weekDate(w)))) << "week " << w;
    EXPECT_TRUE(run.out.contains(QStringLiteral("\n           Total Sales  = $")));
    EXPECT_TRUE(run.out.contains(QStringLiteral(" Percent )\n")));

    // The printout: the summary under the season title.
    const QString pdf = home.filePath("summary.pdf");
    const CliRun printed = home.run({"--pdf", pdf, "summary"});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(simplifiedLines(pdfLines(pdf)),
              QStringList{s.FrontText[1] + " " + s.FrontText[3] + " SEASON"} + simplifiedLines(expected));

    // A home without a season file: the refusal goes to stderr, nothing to stdout.
    const CliRun refused = CliHome(false).run({"summary"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.startsWith("FILE NOT FOUND\n"));
}
