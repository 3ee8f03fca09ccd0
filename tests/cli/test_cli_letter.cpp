#include "CliRunner.h"
#include "PdfReadBack.h"

#include "reports/Letter.h"

#include <gtest/gtest.h>

namespace {

int indentOf(const QString& line)
{
    int n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' '))
        ++n;
    return n;
}

}  // namespace

TEST(CliLetter, DemoSeasonLetterAndItsPrintedCopy)
{
    const CliHome home;
    const QStringList letter = letterLines(home.session());
    ASSERT_EQ(letter[4], "       Riverside Boosters Club");

    const CliRun run = home.run({"letter"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, asOutput(letter));

    // One copy as a PDF: the same text lines, indented alike (the page's left edge taken away).
    const QString pdf = home.filePath("letter.pdf");
    const CliRun printed = home.run({"--pdf", pdf, "letter"});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, run.out);
    EXPECT_EQ(printed.err, "");  // stderr carries only the program's own messages
    QStringList pageLines = pdfLines(pdf);
    pageLines.removeAll(QString());
    QStringList letterText = letter;
    letterText.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    ASSERT_EQ(pageLines.size(), letterText.size());
    const int margin = indentOf(letterText[0]) - indentOf(pageLines[0]);
    for (int n = 0; n < letterText.size(); ++n) {
        EXPECT_EQ(pageLines[n].simplified(), letterText[n].simplified()) << n;
        EXPECT_EQ(indentOf(pageLines[n]) + margin, indentOf(letterText[n])) << n;
    }

    // Without a season file the letter is refused.
    const CliRun refused = CliHome(false).run({"letter"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(refused.err.startsWith("FILE NOT FOUND\n"));
}
