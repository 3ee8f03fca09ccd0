#include "SeasonHome.h"

#include "season/Backups.h"
#include "season/SafeWrite.h"
#include "season/SeasonFile.h"

#if defined(Q_OS_UNIX)
#include <sys/stat.h>

// A save keeps the file's permissions, refuses a read-only season file, and replaces a file that
// another program changed since it was loaded only when the user says Yes.
TEST(SaveSeason, KeepsPermissionsRefusesReadOnlyAndAsksWhenChangedOnDisk)
{
    SeasonHome home;
    home.writeSeasonFile(fourTeamFile());
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    QFile::setPermissions(home.seasonPath(), ownerOnly);
    home.session.season.Seed = 77;
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(QFileInfo(home.seasonPath()).permissions(), ownerOnly);
    const QByteArray saved = home.seasonFile();
    QFile::setPermissions(home.seasonPath(), QFile::ReadOwner);
    home.session.season.Seed = 78;
    EXPECT_FALSE(SaveSeason(home.session));
    EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotSaved, {home.seasonPath(), "The file is read-only."}));
    EXPECT_EQ(home.seasonFile(), saved);
    QFile::setPermissions(home.seasonPath(), ownerOnly);
    home.writeSeasonFile(fourTeamFile());  // another program
    home.dialogs.answerMessage(Answer::No).answerMessage(Answer::Yes);
    EXPECT_FALSE(SaveSeason(home.session));
    EXPECT_EQ(home.dialogs.messages.last(), MessageId::FileChangedOnDisk);
    EXPECT_EQ(home.seasonFile(), fourTeamFile());
    EXPECT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.dialogs.messages.size(), 3);
}

// Only a regular file of at most 4 MB, or a link to one inside the home, is read as a season:
// anything else is refused at once with its reason, and SAVE does not replace it. A save over a
// link replaces the link; the file it led to stays as it was.
TEST(SeasonReading, OnlyRegularFilesWithinTheHome)
{
    SeasonHome home;
    QTemporaryDir outside;
    ASSERT_TRUE(writeFile(outside.filePath("x.txt"), fourTeamFile()));
    home.put("Other.txt", fourTeamFile());
    const QString path = home.seasonPath();
    const QString notRegular = "It is not a regular file.";
    const std::vector<std::pair<std::function<bool()>, QString>> cases = {
        {[&] { return mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }, notRegular},
        {[&] { return QFile::link("/dev/zero", path); }, notRegular},
        {[&] { return QFile::link(outside.filePath("x.txt"), path); },
         "It is a link to a file outside its home folder; such links are not followed."},
        {[&] { return writeFile(path, QByteArray(5000000, '0')); },
         "It is larger than 4194304 bytes (5000000 bytes); no season file is that large."},
    };
    for (const auto& [make, reason] : cases) {
        SCOPED_TRACE(reason.toStdString());
        QFile::remove(path);
        ASSERT_TRUE(make());
        EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Unreadable);
        EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotReadable, {path, reason}));
        EXPECT_FALSE(SaveSeason(home.session));
    }
    EXPECT_EQ(readFile(outside.filePath("x.txt")), fourTeamFile());
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(home.file("Other.txt"), path));
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    home.session.season.Seed = 5;
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(home.seasonFile(), seasonFileBytes(home.session.season));
    EXPECT_EQ(readFile(home.file("Other.txt")), fourTeamFile());
}

// Pruning removes only Kickpool's own backups, by when they were written, never a file of the
// user's (even one named like a backup), never one whose name is dated in the future in place of
// a real one, and nothing through a Backups folder that is a link.
TEST(SafeCopy, PruningRemovesOnlyOwnBackupsByWriteTime)
{
    SeasonHome home;
    home.put("2005Hockey.txt", "v");
    const QStringList users{"notes.txt", "2005Hockey_2026-11-20_101400.txt", "x_2026-11-20_101400.kickpool-backup.txt.bak"};
    for (const QString& name : users)
        home.put("Backups/" + name, "mine");
    const QString future = "2005Hockey_2099-01-01_000000.kickpool-backup.txt";
    home.put("Backups/" + future, "old");
    QFile old(home.file("Backups/" + future));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite) && old.setFileTime(QDateTime(QDate(2020, 1, 1), QTime()), QFileDevice::FileModificationTime));
    QStringList made;
    for (int n = 0; n < 22; ++n)
        made.append(QFileInfo(backupFile(home.filesFolder(), home.file("2005Hockey.txt"), QDateTime(QDate(2026, 11, 20), QTime(10, 15)))).fileName());
    EXPECT_EQ(made.mid(0, 2), (QStringList{"2005Hockey_2026-11-20_101500.kickpool-backup.txt",
                                           "2005Hockey_2026-11-20_101500_2.kickpool-backup.txt"}));
    QStringList expected = users + made.mid(2);
    expected.sort();
    EXPECT_EQ(QDir(home.file("Backups")).entryList(QDir::Files, QDir::Name), expected);

    SeasonHome linked;
    linked.put("2005Hockey.txt", "v");
    QTemporaryDir elsewhere;
    for (int n = 0; n < 25; ++n)
        ASSERT_TRUE(writeFile(elsewhere.filePath(QStringLiteral("A_2026-01-01_0000%1.kickpool-backup.txt").arg(n, 2, 10, QLatin1Char('0'))), "x"));
    ASSERT_TRUE(QFile::link(elsewhere.path(), linked.file("Backups")));
    EXPECT_FALSE(backupFile(linked.filesFolder(), linked.file("2005Hockey.txt"), QDateTime::currentDateTime()).isEmpty());
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files).size(), 26);
}
#endif
