#include "TestFiles.h"

#include "season/HomeFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

// A program folder, the shared data installed with it, and the user's data folder, all in one
// temporary folder; the user's data folder is redirected there for the test's length.
class HomeFolderRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath(QStringLiteral("data"))));
        setProgramIdentity();
        ASSERT_TRUE(QDir().mkpath(program));
        ASSERT_TRUE(writeFile(share + QStringLiteral("/Sounds/error.wav"), "RIFF error"));
        ASSERT_TRUE(writeFile(share + QStringLiteral("/Sounds/Question.wav"), "RIFF question"));
        ASSERT_TRUE(writeFile(share + QStringLiteral("/Demo.txt"), "\"demo season\"\r\n"));
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName(savedName);
    }

    HomeFolder find(const QString& given = {}) const { return findHomeFolder(given, program, share); }
    QString user(const char* name) const { return perUser + QLatin1Char('/') + QLatin1String(name); }

    const QString savedName = QCoreApplication::applicationName();
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("pool/bin"));
    const QString share = root.filePath(QStringLiteral("pool/share/kickpool"));
    const QString perUser = root.filePath(QStringLiteral("data/Kickpool"));
};

TEST_F(HomeFolderRules, GivenFolderThenPortableFolderThenTheUsersDataFolder)
{
    // The installed programs find the shared data beside their own folder.
    EXPECT_EQ(installedShareFolder(program), share);

    // With no Files folder beside the programs, the user's data folder; shared data that is
    // missing is reported, and the folders are made all the same.
    ASSERT_TRUE(QDir(share).removeRecursively());
    HomeFolder home = find();
    EXPECT_EQ(home.kind, HomeFolder::Kind::PerUser);
    EXPECT_EQ(home.path, perUser);
    EXPECT_TRUE(home.problem.contains(QDir::toNativeSeparators(share + QStringLiteral("/Demo.txt")))) << home.problem.toStdString();
    EXPECT_TRUE(QFileInfo(user("Files")).isDir());

    // A Files folder beside the programs makes a portable copy, but --home still wins.
    ASSERT_TRUE(QDir(program).mkdir(QStringLiteral("Files")));
    home = find();
    EXPECT_EQ(home.kind, HomeFolder::Kind::Portable);
    EXPECT_EQ(home.path, program);
    EXPECT_FALSE(home.firstStart);

    const QString given = root.filePath(QStringLiteral("elsewhere"));
    home = find(QDir(QDir::currentPath()).relativeFilePath(given));
    EXPECT_EQ(home.kind, HomeFolder::Kind::Given);
    EXPECT_EQ(home.path, given);
    EXPECT_FALSE(QFileInfo::exists(given)) << "choosing a given folder creates nothing";
}

TEST_F(HomeFolderRules, FirstStartSetsUpTheUsersFolderOnceAndKeepsTheUsersChanges)
{
    HomeFolder home = find();
    EXPECT_TRUE(home.firstStart);
    EXPECT_EQ(home.problem, QString());
    EXPECT_TRUE(QFileInfo(user("Prints")).isDir());
    EXPECT_EQ(readFile(user("Sounds/error.wav")), "RIFF error");
    EXPECT_EQ(readFile(user("Sounds/Question.wav")), "RIFF question");
    EXPECT_EQ(readFile(user("Files/Demo.txt")), "\"demo season\"\r\n");
    EXPECT_FALSE(QFileInfo::exists(user("Files/Kickpool.txt"))) << "a new installation has no season in use";

    // Later starts leave what the user changed or removed as it is.
    ASSERT_TRUE(QFile::remove(user("Files/Demo.txt")));
    ASSERT_TRUE(writeFile(user("Sounds/error.wav"), "quieter"));
    home = find();
    EXPECT_FALSE(home.firstStart);
    EXPECT_FALSE(QFileInfo::exists(user("Files/Demo.txt")));
    EXPECT_EQ(readFile(user("Sounds/error.wav")), "quieter");
}

}  // namespace
