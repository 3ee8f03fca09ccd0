#include "SeasonHome.h"

#include "dialogs/MessageCatalogue.h"
#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "season/Backups.h"

#include <QDirIterator>
#include <QMap>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Every file and folder below `folder`, with the bytes of each file.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> entries;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        entries[QDir(folder).relativeFilePath(path)] = readFile(path);
    }
    return entries;
}

}  // namespace

TEST(DataFileNames, HostileNamesAreRefusedAndNoFileIsTouched)
{
    SeasonHome home;
    home.put("Kickpool.txt", "current");
    home.put("2005Hockey.txt", "stored");
    const auto before = snapshot(home.dir.path());
    for (const QString& name : QStringList{"../x", "a/b", "a\\b", "..", "x..y", "x:y", "a*b", "why?", "say \"hi\"", "<x>", "a|b",
                                "tab\there", "line\nend", "right\u202eleft", ".hidden", " lead", "CON", "con.2005", "Lpt1",
                                "NUL ", "aux", "COM9", QString(65, 'b'), QString(200, 'a'), "x.", "Kickpool.", "Kickpool ",
                                "COM\u00b9", "lpt\u00b3", "conin$", "CONOUT$"}) {
        EXPECT_EQ(saveFile(home.session, name).message, MessageId::FileNameNotAllowed) << name.toStdString();
        EXPECT_EQ(renameFile(home.session, "2005Hockey.txt", name).message, MessageId::FileNameNotAllowed);
        EXPECT_EQ(snapshot(home.dir.path()), before);
    }
    for (const QString& fine : QStringList{"2005Hockey", "Big Ten 2005", "Caf\u00e9 Cup \u00bd", "COM10", "Console", "x.y", QString(64, 'c')})
        EXPECT_EQ(fileNameProblem(fine), "") << fine.toStdString();
}

// Save over a file, rename over one, restore a damaged-file copy, delete: each time the file about
// to be lost is kept in Backups first. Then, without a current-use file, SAVE writes nothing.
TEST(DataFiles, EveryFileAboutToBeLostIsKeptFirst)
{
    SeasonHome home;
    for (const char* name : {"Kickpool", "A", "B"})
        home.put(name + QStringLiteral(".txt"), QByteArray(name).toLower());
    home.put("Kickpool.damaged-1234abcd.txt", fourTeamFile());
    for (int n = 0; n < 5; ++n)
        home.dialogs.answerMessage(Answer::Yes);
    auto keptCopy = [](const FileOutcome& outcome) { return readFile(outcome.backup); };
    EXPECT_EQ(keptCopy(saveFile(home.session, "A")), "a");
    EXPECT_EQ(keptCopy(renameFile(home.session, "B.txt", "A")), "kickpool");
    EXPECT_EQ(keptCopy(restoreFile(home.session, "Kickpool.damaged-1234abcd.txt")), "kickpool");
    EXPECT_EQ(keptCopy(deleteFile(home.session, "A.txt")), "b");
    EXPECT_EQ(keptCopy(deleteFile(home.session, "Kickpool.txt")), fourTeamFile());
    EXPECT_EQ(home.dialogs.messages, (QVector<MessageId>{MessageId::FileNameExists, MessageId::FileNameExists,
                                                         MessageId::ReplaceCurrentFile, MessageId::DeleteFile,
                                                         MessageId::DeleteFile}));
    const auto before = snapshot(home.dir.path());
    EXPECT_EQ(saveFile(home.session, "C").message, MessageId::NoCurrentFile);
    EXPECT_EQ(snapshot(home.dir.path()), before);
}

// A link renamed onto the file it leads to leaves that file, not a link to itself; a damaged
// file never replaces the season in use.
TEST(DataFiles, LinksAndDamagedFilesNeverCostASeason)
{
    SeasonHome home;
    home.put("Kickpool.txt", fourTeamFile());
    home.put("T.txt", "the T season");
    home.put("Bad.txt", "not a season");
    ASSERT_TRUE(QFile::link(home.file("T.txt"), home.file("L.txt")));
    home.dialogs.answerMessage(Answer::Yes).answerMessage(Answer::Yes);
    EXPECT_EQ(renameFile(home.session, "L.txt", "T").result, FileResult::Done);
    EXPECT_EQ(readFile(home.file("T.txt")), "the T season");
    const FileOutcome restored = restoreFile(home.session, "Bad.txt");
    EXPECT_EQ(restored.result, FileResult::Failed);
    EXPECT_TRUE(home.dialogs.messageTexts.last().join('\n').contains("Bad.txt is damaged: line 1: a quoted text expected"));
    EXPECT_EQ(home.seasonFile(), fourTeamFile());
    EXPECT_EQ(home.files(), (QStringList{"Bad.txt", "Kickpool.txt", "T.txt"}));
}

// The disk fills up in the middle of SAVE FILE over a stored season (a file size limit in a child
// process): the failure is reported, the stored season stays as it was and no temporary file is left.
TEST(SafeCopy, ACopyCutShortLeavesTheTargetAsItWas)
{
    SeasonHome home;
    home.put("Kickpool.txt", QByteArray(300000, 'k'));
    home.put("2005Hockey.txt", "the 2005 season");
    const auto before = snapshot(home.filesFolder());
    home.dialogs.answerMessage(Answer::Yes);
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100000, 100000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileOutcome outcome = saveFile(home.session, "2005Hockey");
        _exit(outcome.result == FileResult::Failed && home.dialogs.messages == QVector<MessageId>{MessageId::FileNameExists, MessageId::FileOperationFailed}
                      && home.dialogs.messageTexts.last().join('\n').contains("2005Hockey.txt")
                  ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failure was not reported";
    // Everything as it was, besides the copy kept before the save began.
    auto after = snapshot(home.filesFolder());
    const QStringList backups = QDir(home.file("Backups")).entryList(QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_EQ(after.take("Backups/" + backups[0]), "the 2005 season");
    after.remove("Backups");
    EXPECT_EQ(after, before);
}
