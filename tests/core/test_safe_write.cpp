#include "SeasonHome.h"
#include "LargestSeason.h"

#include "season/HomeLock.h"
#include "season/SafeWrite.h"

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/wait.h>
#endif

namespace {

// Steps that fail as a full disk or a broken drive would: the write after `failAfter` bytes (the
// bytes before it reach the file), or the step named `failing`.
struct FailingSteps final : FileSteps {
    qint64 failAfter = -1;
    QString failing;

    bool write(QFile& file, const QByteArray& bytes, QString& error) override
    {
        if (failAfter < 0)
            return FileSteps::write(file, bytes, error);
        FileSteps::write(file, bytes.left(failAfter), error);
        error = QStringLiteral("No space left on device");
        return false;
    }
    bool flush(QFile& f, QString& e) override { return failing == "flush" ? fails(e) : FileSteps::flush(f, e); }
    bool sync(QFile& f, QString& e) override { return failing == "sync" ? fails(e) : FileSteps::sync(f, e); }
    bool close(QFile& f, QString& e) override { return FileSteps::close(f, e) && (failing != "close" || fails(e)); }
    bool replace(const QString& from, const QString& to, QString& e) override
    {
        return failing == "replace" ? fails(e) : FileSteps::replace(from, to, e);
    }
    static bool fails(QString& error)
    {
        error = QStringLiteral("Input/output error");
        return false;
    }
};

}  // namespace

// The season file's writer fails after every number of bytes from 0 to the whole file, then at
// each later step: each time the save is refused with message 31 naming the file and the reason,
// the old file stays byte for byte, no temporary file is left, and the data in memory stay.
TEST(SafeWrite, AFailingWriterLeavesTheOldFile)
{
    SeasonHome home;
    const QByteArray old = seasonFileBytes(largestSeason(2));
    home.writeSeasonFile(old);
    FailingSteps steps;
    home.session.services.fileSteps = &steps;
    Season changed = testSeason(6, 3);
    setScores(changed, 1, {1, 2, 3, 4, 5, Bye});
    const QByteArray content = seasonFileBytes(changed);

    auto saveFails = [&](const QString& reason) {
        home.session.season = changed;
        EXPECT_FALSE(SaveSeason(home.session));
        EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotSaved, {home.seasonPath(), reason}));
        EXPECT_EQ(home.seasonFile(), old);
        EXPECT_EQ(home.files(), QStringList{"Kickpool.txt"});
        EXPECT_EQ(home.session.season, changed);
    };
    for (steps.failAfter = 0; steps.failAfter <= content.size(); ++steps.failAfter) {
        SCOPED_TRACE(steps.failAfter);
        saveFails(QStringLiteral("No space left on device"));
    }
    steps.failAfter = -1;
    for (const char* step : {"flush", "sync", "close", "replace"}) {
        SCOPED_TRACE(step);
        steps.failing = QString::fromLatin1(step);
        saveFails(QStringLiteral("Input/output error"));
    }
    EXPECT_EQ(home.dialogs.messages, QVector<MessageId>(content.size() + 5, MessageId::FileNotSaved));

    // A temporary file that a killed run left behind, here a link to a file outside the home, is
    // never written through: the file outside stays, the leftover is removed.
    steps.failing.clear();
    QTemporaryDir outside;
    ASSERT_TRUE(writeFile(outside.filePath("mine.txt"), "not a season"));
    ASSERT_TRUE(QFile::link(outside.filePath("mine.txt"), home.seasonPath() + ".saving"));
    EXPECT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.seasonFile(), content);
    EXPECT_EQ(readFile(outside.filePath("mine.txt")), "not a season");
    EXPECT_EQ(home.files(), QStringList{"Kickpool.txt"});
}

#if defined(Q_OS_UNIX)
// A child process saving two seasons in turn is killed 200 times at varied moments: every time
// the season file is one of the two, complete.
TEST(SafeWrite, AKilledSaveLeavesTheOldOrTheNewFile)
{
    SeasonHome home;
    const Season seasons[] = {largestSeason(2), testSeason(4, 2)};
    const QByteArray files[] = {seasonFileBytes(seasons[0]), seasonFileBytes(seasons[1])};
    home.writeSeasonFile(files[0]);
    std::mt19937 random(9);
    std::uniform_int_distribution<int> micros(0, 20000);
    int killedMidWrite = 0;
    for (int kill = 1; kill <= 200; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Holding the home as kickpool-cli does for a whole command.
            Session saver(home.dir.path());
            const WriteAccess access(saver);
            for (int n = 0;; ++n) {
                saver.season = seasons[n % 2];
                SaveSeason(saver);
            }
        }
        usleep(useconds_t(micros(random)));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QByteArray found = home.seasonFile();
        ASSERT_TRUE(found == files[0] || found == files[1]) << "kill " << kill << ": " << found.size() << " bytes";
        killedMidWrite += home.files().size() > 1 ? 1 : 0;
    }
    RecordProperty("killedMidWrite", killedMidWrite);
    EXPECT_GT(killedMidWrite, 0) << "no kill came in the middle of a save";
}
#endif
