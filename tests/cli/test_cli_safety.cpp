#include "CliRunner.h"

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>

namespace {

// A file size limit of 1024 bytes, as a full disk would leave. The program ignores the signal
// that the limit sends, so that a write beyond it fails ("File too large") instead of ending it.
void fullDisk()
{
    const rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_DFL);
}

}  // namespace

// On a full disk nothing is lost and nothing is claimed: a save is refused with status 2 and the
// old file kept, a PDF that cannot be written gives status 3 and no file, and a damaged file's
// copy that cannot be written is not claimed.
TEST(CliSafety, AFullDiskLosesNothing)
{
    const CliHome home;
    const QByteArray demo = home.seasonBytes();
    ASSERT_GT(demo.size(), 1024);
    QStringList scores;
    for (int team = 1; team <= 32; ++team)
        scores.append(QString::number(team));
    CliRun run = home.run({"enter", "10", scores.join(',')}, fullDisk);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "FILE NOT SAVED\nThe season file could not be written:\n" + home.seasonPath()
                           + "\nFile too large\nThe old file is unchanged and\nyour changes are still in memory.\n");
    EXPECT_EQ(home.seasonBytes(), demo);
    EXPECT_EQ(QDir(home.filePath("Files")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Kickpool.txt"});

    const QString pdf = home.filePath("week9.pdf");
    run = home.run({"--pdf", pdf, "report", "9"}, fullDisk);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "kickpool-cli: the PDF " + pdf + " was not written: File too large\n");
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{});

    QByteArray damaged = demo;
    damaged.replace("\r\n10\r\n", "\r\nten\r\n");  // the ticket price, line 11
    home.writeSeason(damaged);
    run = home.run({"report", "9"}, fullDisk);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "DAMAGED DATA FILE\n" + home.seasonPath() + "\nLine 11: a whole number expected\n"
                           "No copy could be kept: File too large\nSAVE will not replace it: move it\n"
                           "to a safe place first, then SAVE\n");
    EXPECT_EQ(QDir(home.filePath("Files")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Kickpool.txt"});
    EXPECT_EQ(home.seasonBytes(), damaged);
}
#endif
