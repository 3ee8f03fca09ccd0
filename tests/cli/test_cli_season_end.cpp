#include "CliRunner.h"
#include "PdfReadBack.h"

#include "reports/GrandPrize.h"
#include "reports/Letter.h"
#include "reports/Summary.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

TEST(CliSeasonEnd, StandingsSummaryAndLetterOfRiverside)
{
    const CliHome home;
    const Session session = home.session();
    const QString title = session.season.FrontText[1] + " " + session.season.FrontText[3] + " SEASON";

    // 445 tickets in the ranking: rows 1..57 and 58..89 of each listing, each page under its
    // heading (a page holds the 64 lines of 10-point text it is given without running over).
    const QString pdf = home.filePath("standings.pdf");
    CliRun run = home.run({"--pdf", pdf, "standings"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const QStringList lines = grandPrizePreviewLines(session);
    EXPECT_EQ(run.out, asOutput(lines));
    EXPECT_TRUE(run.out.contains("   Week #  9    Ending: Nov  8")) << run.out.toStdString();
    const int rows = (lines.size() - 14) / 2;
    ASSERT_EQ(rows, 89);
    ASSERT_EQ(pageSizes(pdf).size(), 4);
    EXPECT_EQ(simplifiedLines(pdfLines(pdf, 2)), simplifiedLines(lines.mid(0, 7) + lines.mid(7 + 57, rows - 57)));
    EXPECT_EQ(simplifiedLines(pdfLines(pdf, 3)), simplifiedLines(lines.mid(7 + rows, 7) + lines.mid(14 + rows, 57)));
    EXPECT_TRUE(simplifiedLines(pdfLines(pdf, 1)).contains(title));

    // Mid-season, the rows of weeks not yet scored are not money paid: stderr says so.
    run = home.run({"--pdf", home.filePath("summary.pdf"), "summary"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Note: only 9 of the season's 21 weeks are scored; the rows of weeks 10 to 21 "
                       "are reckoned from empty scores.\n");
    EXPECT_EQ(run.out, asOutput(summaryLines(session)));
    EXPECT_EQ(simplifiedLines(pdfLines(home.filePath("summary.pdf"))), QStringList{title} + simplifiedLines(summaryLines(session)));

    const QStringList letter = letterLines(session);
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
    // Bold fixed-pitch text: the report font or its metric twin.
    const QString fonts = runTool(QStringLiteral("pdffonts"), {home.filePath("letter.pdf")});
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("(LiberationMono|CourierNew)[-,]?Bold")))) << fonts.toStdString();

    // A home without a season file: the refusal goes to stderr, nothing to stdout.
    run = CliHome(false).run({"summary"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.startsWith("FILE NOT FOUND\n"));
}
