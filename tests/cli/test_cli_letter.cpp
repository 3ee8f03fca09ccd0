#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct LetterRun {
    int status = -1;
    QString out;
    QString err;
};

LetterRun runLetterCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KICKPOOL_BIN "/kickpool-cli"), arguments);
    process.waitForFinished(30000);
    LetterRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A home folder holding a copy of the demo season.
bool copyDemoInto(const QString& home)
{
    QDir().mkpath(home + "/Files");
    return QFile::copy(QStringLiteral(KICKPOOL_DIST "/Files/Kickpool.txt"), home + "/Files/Kickpool.txt");
}

const QStringList DemoLetter{
    "",
    "",
    "",
    "",
    "       Riverside Boosters Club",
    "       100 Main Street",
    "       PO Box 12",
    "       Riverside, OH 45001",
    "",
    "",
    "       Congratulations:",
    "",
    "       For the week ending  _______________, 20____",
    "       you were a winner, in our Football Scorepot, of:",
    "",
    "            ___ $500 Grand Prize for having the highest valued ticket",
    "                at the end of the 17 week regular season.",
    "",
    "            ___ $250 Grand Prize for having the lowest valued ticket",
    "                at the end of the 17 week regular season.",
    "",
    "            ___ $150 for having the two teams with highest",
    "                total score during the  4 week playoff season.",
    "",
    "            ___ $100 for having the two teams with highest",
    "                total score during the 17 week regular season.",
    "",
    "            ___ $75 for having the two teams with lowest",
    "                total score during the  4 week playoff season.",
    "",
    "            ___ $50 for having the two teams with second highest",
    "                total score during the 17 week regular season.",
    "",
    "            ___ $50 for having the two teams with lowest",
    "                total score during the 17 week regular season.",
    "",
    "            ___ $25 random drawing during the 17 week regular season.",
    "",
    "       Thank you for supporting our fund raiser.  We hope you will",
    "       continue to support us in the future.",
    "",
    "",
    "       Sincerely,",
    "",
    "",
    "",
    "",
    "       Riverside Boosters Club",
};

int indentOf(const QString& line)
{
    int n = 0;
    while (n < line.size() && line[n] == ' ')
        ++n;
    return n;
}

}  // namespace

TEST(CliLetter, DemoSeasonLetterAndItsPrintedCopy)
{
    QTemporaryDir home;
    ASSERT_TRUE(copyDemoInto(home.path()));

    const LetterRun run = runLetterCli({"--home", home.path(), "letter"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, DemoLetter.join('\n') + '\n');

    // One copy as a PDF: the same text lines, indented alike (the page's left edge taken away).
    const QString pdf = home.filePath("letter.pdf");
    const LetterRun printed = runLetterCli({"--home", home.path(), "--pdf", pdf, "letter"});
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, run.out);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    QProcess tool;
    tool.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(tool.waitForFinished(30000));
    QStringList pageLines;
    for (const QString& line : QString::fromUtf8(tool.readAllStandardOutput()).split('\n')) {
        if (!line.trimmed().remove('\f').isEmpty())
            pageLines.append(line);
    }
    QStringList letterText;
    for (const QString& line : DemoLetter) {
        if (!line.trimmed().isEmpty())
            letterText.append(line);
    }
    ASSERT_EQ(pageLines.size(), letterText.size());
    const int margin = indentOf(letterText[0]) - indentOf(pageLines[0]);
    for (int n = 0; n < letterText.size(); ++n) {
        EXPECT_EQ(pageLines[n].simplified(), letterText[n].simplified()) << n;
        EXPECT_EQ(indentOf(pageLines[n]) + margin, indentOf(letterText[n])) << n;
    }

    // Without a season file the letter is refused.
    QTemporaryDir empty;
    const LetterRun refused = runLetterCli({"--home", empty.path(), "letter"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(refused.err.contains("FILE NOT FOUND"));
}
