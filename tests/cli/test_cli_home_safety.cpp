#include "CliRunner.h"

#include "season/HomeLock.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>

// Two programs store week 2 at the same moment, 100 times over: each time exactly one stores its
// scores, and the other, having waited for it, is told that week 2 is there now. No week is lost.
TEST(CliHomeLock, TwoWritersAtOnceLoseNothing)
{
    const CliHome home(false);
    const QStringList scores{"1,2,3,4", "5,6,7,8"};
    for (int round = 1; round <= 100; ++round) {
        SCOPED_TRACE(round);
        home.writeSeason(dataBytes("four-teams.txt"));
        QProcess writers[2];
        for (int n = 0; n < 2; ++n)
            writers[n].start(KICKPOOL_BIN "/kickpool-cli", {"--home", home.path(), "enter", "2", scores[n]});
        ASSERT_TRUE(writers[0].waitForFinished(20000) && writers[1].waitForFinished(20000));
        const int stored = writers[0].exitCode() == 0 ? 0 : 1;
        ASSERT_EQ(writers[stored].exitCode() + writers[1 - stored].exitCode(), 2) << "both or neither stored week 2";
        EXPECT_TRUE(writers[1 - stored].readAllStandardError().startsWith("PREVIOUS SCORES FOUND\nScores for week # 2 already exist!\n"));
        EXPECT_EQ(home.session().season.Score[2][1], stored == 0 ? 1 : 5);
    }
}

// While another program writes the home, a writer waits, then names it and changes nothing, and
// readers go on. The next writer removes what a killed save left behind, and only that.
TEST(CliHomeLock, AWriterWaitsNamesTheHolderThenTidiesUp)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    const QStringList enter{"enter", "10", QString("1,").repeated(31) + "1"};
    {
        Session holder(home.path());
        const WriteAccess access(holder);
        ASSERT_TRUE(access);
        const CliRun run = home.run(enter);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "HOME FOLDER IN USE\nAnother program is saving in\n" + home.path() + "\ncli_tests, process "
                               + QString::number(QCoreApplication::applicationPid()) + "\nNothing was changed. Try again\nonce it has finished.\n");
        EXPECT_EQ(home.seasonBytes(), before);
        EXPECT_EQ(home.run({"report", "9"}).status, 0);
    }
    const QStringList leftovers{"Files/Kickpool.txt.saving", "Files/Kickpool.txt.99999999-3.saving", "Files/Backups/A.txt.saving"};
    for (const QString& name : leftovers + QStringList{"Files/notes.saving"})
        ASSERT_TRUE(writeFile(home.filePath(name), "half"));
    EXPECT_EQ(home.run(enter).status, 0);
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFileInfo::exists(home.filePath(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.filePath("Files/notes.saving")));
}

// Empty values and dates that are not exactly YYYY-MM-DD are usage errors; a PDF is never written
// into the Files folder nor over anything but a regular file. Each time nothing is written.
TEST(CliArguments, BadValuesAndPdfTargetsChangeNothing)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    ASSERT_TRUE(writeFile(home.filePath("mine.txt"), "mine"));
    ASSERT_TRUE(QFile::link(home.filePath("mine.txt"), home.filePath("link.pdf")));
    ASSERT_EQ(mkfifo(QFile::encodeName(home.filePath("pipe.pdf")).constData(), 0644), 0);
    const QList<QStringList> usages{{"--home", ""}, {"--today", ""}, {"--today", "2024-11-20T10:00"}, {"--today", "2024-11-20 "},
                                    {"--pdf", ""}, {"--pdf", home.seasonPath()}, {"--pdf", home.filePath("Files/Backups/w.pdf")},
                                    {"--pdf", home.filePath("Prints/../Files/w.pdf")}, {"--pdf", home.filePath("link.pdf")},
                                    {"--pdf", home.filePath("pipe.pdf")}, {"--pdf", home.filePath("Files")}};
    for (const QStringList& options : usages) {
        const CliRun run = home.run(options + QStringList{"report", "9"});
        EXPECT_EQ(run.status, 1) << options.join(' ').toStdString() << run.err.toStdString();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(home.run({"--pdf", home.seasonPath(), "report", "9"}).err, "kickpool-cli: --pdf: " + home.seasonPath() + " is in the Files folder, which holds the season files; nothing was done\n");
    EXPECT_EQ(readFile(home.filePath("mine.txt")), "mine");
    EXPECT_EQ(home.seasonBytes(), before);
}

// A season whose score rows are out of order loads, and the other weeks report; check lists it as a
// warning, and says the same as loading does.
TEST(CliCheck, WarnsOfWhatLoadingTolerates)
{
    const CliHome home;
    QByteArray season = home.seasonBytes();
    home.writeSeason(season.replace(season.indexOf("\r\n3,"), 4, "\r\n13,"));
    const CliRun check = home.run({"check"});
    EXPECT_EQ(check.status, 0);
    EXPECT_TRUE(check.out.endsWith("\nWarning:  the score row of week 3 says week 13\n")) << check.out.toStdString();
    EXPECT_EQ(home.run({"report", "2"}).status, 0);
}
#endif
