#include "reports/GrandPrize.h"
#include "reports/Summary.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct SeasonEndRun {
    int status = -1;
    QString out;
    QString err;
};

SeasonEndRun runCli(const QString& home, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KICKPOOL_BIN "/kickpool-cli"),
                  QStringList{"--home", home, "--today", "2024-11-20"} + arguments);
    process.waitForFinished(60000);
    SeasonEndRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A home folder with a copy of the demo season, and that season as the program loads it.
struct DemoSeasonHome {
    QTemporaryDir dir;
    FixedClock clock{QDate(2024, 11, 20)};
    DemoSeasonHome()
    {
        QDir().mkpath(dir.filePath("Files"));
        EXPECT_TRUE(QFile::copy(QStringLiteral(KICKPOOL_DIST "/Files/Kickpool.txt"), dir.filePath("Files/Kickpool.txt")));
    }
    Session session()
    {
        Session s(dir.path(), Services{nullptr, &clock, nullptr, nullptr});
        EXPECT_EQ(LoadSeason(s), LoadOutcome::Loaded);
        return s;
    }
};

QString asOutput(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

QString pdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {"-layout", file, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

TEST(CliSeasonEnd, StandingsOfTheDemoSeason)
{
    DemoSeasonHome home;
    const Session session = home.session();
    const Season& s = session.season;
    ASSERT_GT(s.TicketCount, 0);

    const SeasonEndRun run = runCli(home.dir.path(), {"standings"});
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
    const QString pdf = home.dir.filePath("standings.pdf");
    const SeasonEndRun printed = runCli(home.dir.path(), {"--pdf", pdf, "standings"});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, run.out);
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Standings By Position")));
    EXPECT_TRUE(text.contains(QStringLiteral("Standings By Ticket #")));
    EXPECT_TRUE(text.contains(s.FrontText[3] + QStringLiteral(" SEASON")));
}

TEST(CliSeasonEnd, SummaryOfTheDemoSeason)
{
    DemoSeasonHome home;
    const Session session = home.session();

    const SeasonEndRun run = runCli(home.dir.path(), {"summary"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList expected = summaryLines(session);
    EXPECT_EQ(run.out, asOutput(expected));
    // One row per week of the season and the closing lines.
    const Season& s = session.season;
    for (int w = 1; w <= s.TotalWeeks; ++w) {
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n%1   %2  ").arg(w, 13).arg(s.weekDate(w)))) << "week " << w;
    }
    EXPECT_TRUE(run.out.contains(QStringLiteral("\n           Total Sales  = $")));
    EXPECT_TRUE(run.out.contains(QStringLiteral(" Percent )\n")));

    const QString pdf = home.dir.filePath("summary.pdf");
    const SeasonEndRun printed = runCli(home.dir.path(), {"--pdf", pdf, "summary"});
    EXPECT_EQ(printed.status, 0) << printed.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("ANNUAL SUMMARY")));
    EXPECT_TRUE(text.contains(s.FrontText[1])) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Total Profit = $")));

    // A home without a season file: the refusal goes to stderr, nothing to stdout.
    QTemporaryDir empty;
    const SeasonEndRun refused = runCli(empty.path(), {"summary"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(refused.err.isEmpty());
}
