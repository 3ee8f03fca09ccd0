#include "CliRunner.h"
#include "PdfReadBack.h"

#include "reports/GrandPrize.h"
#include "reports/Letter.h"
#include "reports/Summary.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(CliSeasonEnd, StandingsSummaryAndLetterOfTheDemoSeason)
{
    const CliHome home;
    const Session session = home.session();
    const QString title = session.season.FrontText[1] + " " + session.season.FrontText[3] + " SEASON";

    CliRun run = home.run({"--pdf", home.filePath("standings.pdf"), "standings"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, asOutput(grandPrizePreviewLines(session)));
    EXPECT_TRUE(run.out.contains("   Week #  9    Ending: Nov  8")) << run.out.toStdString();
    const QStringList standings = simplifiedLines(pdfLines(home.filePath("standings.pdf")));
    EXPECT_TRUE(standings.contains("------------------------------- Standings By Ticket # -------------------------------"));
    EXPECT_TRUE(standings.contains(title));

    // Mid-season, the rows of weeks not yet scored are not money paid: stderr says so.
    run = home.run({"--pdf", home.filePath("summary.pdf"), "summary"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Note: only 9 of the season's 21 weeks are scored; the rows of weeks 10 to 21 "
                       "are reckoned from empty scores.\n");
    EXPECT_EQ(run.out, asOutput(summaryLines(session)));
    EXPECT_EQ(simplifiedLines(pdfLines(home.filePath("summary.pdf"))), QStringList{title} + simplifiedLines(summaryLines(session)));

    const QStringList letter = letterLines(session);
    ASSERT_EQ(letter[4], "       Riverside Boosters Club");
    run = home.run({"--pdf", home.filePath("letter.pdf"), "letter"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");  // stderr carries only the program's own messages
    EXPECT_EQ(run.out, asOutput(letter));
    // The printed letter: the same lines, indented alike once the page's margin is taken away.
    QStringList page = pdfLines(home.filePath("letter.pdf"));
    page.removeAll(QString());
    QStringList text = letter;
    text.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    ASSERT_EQ(page.size(), text.size());
    const auto indent = [](const QString& line) { return line.indexOf(QRegularExpression("\\S")); };
    const qsizetype margin = indent(text[0]) - indent(page[0]);
    for (int n = 0; n < text.size(); ++n) {
        EXPECT_EQ(page[n].simplified(), text[n].simplified()) << n;
        EXPECT_EQ(indent(page[n]) + margin, indent(text[n])) << n;
    }

    // A home without a season file: the refusal goes to stderr, nothing to stdout.
    run = CliHome(false).run({"summary"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("FILE NOT FOUND\n"));
}
