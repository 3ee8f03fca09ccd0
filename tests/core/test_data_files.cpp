#include "TestFiles.h"

#include "dialogs/MessageCatalogue.h"
#include "dialogs/ScriptedDialogs.h"
#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "files/SafeCopy.h"
#include "season/Session.h"

#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

// Every file and folder below `folder`, with the bytes of each file.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries[QDir(folder).relativeFilePath(path)] = readFile(path);
    }
    return entries;
}

struct FilesHome {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Session session{dir.path(), Services{&dialogs, nullptr, nullptr, nullptr}};

    QString file(const QString& name) const { return dir.filePath(QStringLiteral("Files/") + name); }
    void put(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(writeFile(file(name), bytes)); }
};

}  // namespace

TEST(DataFileNames, HostileNamesAreRefusedAndNoFileIsTouched)
{
    FilesHome home;
    home.put("Kickpool.txt", "current");
    home.put("2005Hockey.txt", "stored");
    const auto before = snapshot(home.dir.path());
    const QStringList hostile{"../x", "a/b", "a\\b", "..", "x..y", "x:y", "a*b", "why?", "say \"hi\"", "<x>",
                              "a|b", "tab\there", "line\nend", "right\u202eleft", ".hidden", " lead", "CON",
                              "con.2005", "Lpt1", "NUL ", "aux", "COM9", QString(65, 'b'), QString(200, 'a')};
    for (const QString& name : hostile) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(saveFile(home.session, name).message, MessageId::FileNameNotAllowed);
        EXPECT_EQ(renameFile(home.session, "2005Hockey.txt", name).message, MessageId::FileNameNotAllowed);
        EXPECT_EQ(snapshot(home.dir.path()), before);
    }
    EXPECT_EQ(home.dialogs.messages.size(), 2 * hostile.size());
    EXPECT_EQ(home.dialogs.messageTexts[0], (QStringList{"FILE NAME NOT ALLOWED", "", "This file name cannot be used:",
                                                         "The character / is not allowed", "", "Enter another file name"}));
    for (const QString& fine : QStringList{"2005Hockey", "Big Ten 2005", "Caf\u00e9 Cup \u00bd", "COM10", "Console", "x."})
        EXPECT_EQ(fileNameProblem(fine), "") << fine.toStdString();
    EXPECT_EQ(fileNameProblem(QString(64, 'c')), "");
}

// Save over a file, rename over one, restore a damaged-file copy, delete: each time the file about
// to be lost is first kept in Backups.
TEST(DataFiles, EveryFileAboutToBeLostIsKeptFirst)
{
    FilesHome home;
    home.put("Kickpool.txt", "current");
    home.put("A.txt", "a");
    home.put("B.txt", "b");
    home.put("Kickpool.damaged-1234abcd.txt", "damaged");
    for (int n = 0; n < 4; ++n)
        home.dialogs.answerMessage(Answer::Yes);
    auto keptCopy = [](const FileOutcome& outcome) { return readFile(outcome.backup); };

    EXPECT_EQ(keptCopy(saveFile(home.session, "A")), "a");
    const FileOutcome renamed = renameFile(home.session, "B.txt", "A");
    EXPECT_EQ(keptCopy(renamed), "current");
    EXPECT_EQ(renamed.changed, (QStringList{"B.txt", "A.txt"}));
    EXPECT_EQ(storedSeasons(home.file("")), (QStringList{"A.txt", "Kickpool.damaged-1234abcd.txt", "Kickpool.txt"}));
    const FileOutcome restored = restoreFile(home.session, "Kickpool.damaged-1234abcd.txt");
    EXPECT_EQ(keptCopy(restored), "current");
    EXPECT_TRUE(restored.seasonLoaded);
    EXPECT_EQ(readFile(home.file("Kickpool.txt")), "damaged");
    EXPECT_EQ(keptCopy(deleteFile(home.session, "A.txt")), "b");
    EXPECT_EQ(home.dialogs.messages, (QVector<int>{21, 21, 23, 30, 8}));
    EXPECT_EQ(QDir(backupsFolder(home.file(""))).entryList(QDir::Files).size(), 4);

    // Without a current-use file there is nothing to save, and nothing is written.
    home.dialogs.answerMessage(Answer::Yes);
    EXPECT_EQ(deleteFile(home.session, "Kickpool.txt").result, FileResult::Done);
    const auto before = snapshot(home.dir.path());
    EXPECT_EQ(saveFile(home.session, "C").message, MessageId::NoCurrentFile);
    EXPECT_EQ(snapshot(home.dir.path()), before);
}

TEST(SafeCopy, BackupsAreNamedByTimeAndTheTwentyNewestKept)
{
    FilesHome home;
    home.put("2005Hockey.txt", "v");
    home.put("Backups/notes.txt", "mine");
    const QString folder = home.file("");
    const QDateTime start(QDate(2026, 11, 20), QTime(10, 15, 0));
    QStringList made;
    for (int n = 0; n < 22; ++n)  // the first two in the same second
        made.append(QFileInfo(backupFile(folder, home.file("2005Hockey.txt"), start.addSecs(qMax(0, n - 1) * 60))).fileName());
    EXPECT_EQ(made.mid(0, 3), (QStringList{"2005Hockey_2026-11-20_101500.txt", "2005Hockey_2026-11-20_101500_2.txt",
                                           "2005Hockey_2026-11-20_101600.txt"}));
    QStringList kept = QDir(backupsFolder(folder)).entryList(QDir::Files);
    EXPECT_EQ(kept.size(), 21);
    EXPECT_FALSE(kept.contains(made[0]) || kept.contains(made[1]));
    EXPECT_TRUE(kept.contains("notes.txt"));
    EXPECT_EQ(readFile(home.file("Backups/" + made[21])), "v");

    // A clock set back: the new copy stays, the oldest of the others goes.
    const QString early = QFileInfo(backupFile(folder, home.file("2005Hockey.txt"), start.addDays(-1))).fileName();
    kept = QDir(backupsFolder(folder)).entryList(QDir::Files);
    EXPECT_EQ(kept.size(), 21);
    EXPECT_TRUE(kept.contains(early) && !kept.contains(made[2]));

    QString reason;
    EXPECT_FALSE(copyFileSafely(home.file("none.txt"), home.file("2005Hockey.txt"), &reason));
    EXPECT_TRUE(reason.contains("none.txt")) << reason.toStdString();
    EXPECT_EQ(readFile(home.file("2005Hockey.txt")), "v");
}

#if defined(Q_OS_UNIX)
// The disk fills up in the middle of SAVE FILE over a stored season (a file size limit in a child
// process): the stored season stays as it was and no temporary file is left.
TEST(SafeCopy, ACopyCutShortLeavesTheTargetAsItWas)
{
    FilesHome home;
    home.put("Kickpool.txt", QByteArray(300000, 'k'));
    home.put("2005Hockey.txt", "the 2005 season");
    const auto before = snapshot(home.file(""));
    home.dialogs.answerMessage(Answer::Yes);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileOutcome outcome = saveFile(home.session, "2005Hockey");
        const bool reported = outcome.result == FileResult::Failed && home.dialogs.messages == QVector<int>{21, 37}
                              && home.session.MsgDetail.value(1).contains("2005Hockey.txt");
        _exit(reported ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure was not reported";

    // Everything as it was, plus the copy kept before the save began.
    auto after = snapshot(home.file(""));
    const QStringList backups = QDir(home.file("Backups")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(after.take("Backups/" + backups[0]), "the 2005 season");
    after.remove("Backups");
    EXPECT_EQ(after, before);
}
#endif
