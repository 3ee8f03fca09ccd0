#include "TestFiles.h"
#include "TestSeason.h"

#include "dialogs/MessageCatalogue.h"
#include "dialogs/ScriptedDialogs.h"
#include "files/FilesScreen.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The screen at 800 x 600 on the current season (4 teams, one week scored) and a stored one,
// 2005Hockey.txt (6 teams).
class FilesScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        setScores(current, 1, {21, 17, Bye, 30});
        Season stored = testSeason(6, 3);
        currentBytes = seasonFileBytes(current);
        storedBytes = seasonFileBytes(stored);
        ASSERT_TRUE(writeFile(file("Kickpool.txt"), currentBytes) && writeFile(file("2005Hockey.txt"), storedBytes));
        ASSERT_EQ(LoadSeason(session), LoadOutcome::Loaded);
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }

    QString file(const QString& name) const { return home.filePath("Files/" + name); }
    QListWidget* list(const char* name) { return screen.findChild<QListWidget*>(name); }
    QStringList lines(const char* name)
    {
        QStringList texts;
        for (const QListWidgetItem* item : list(name)->findItems("*", Qt::MatchWildcard))
            texts.append(item->text());
        return texts;
    }
    void click(const char* button) { QTest::mouseClick(screen.findChild<QPushButton*>(button), Qt::LeftButton); }
    void select(const QString& name)
    {
        const QList<QListWidgetItem*> items = list("File1")->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(list("File1")->viewport(), Qt::LeftButton, {}, list("File1")->visualItemRect(items[0]).center());
        ASSERT_EQ(screen.selectedFileName(), name);
    }
    QLineEdit* nameBox() { return screen.findChild<QLineEdit*>("Text1"); }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    Session session{home.path(), Services{&dialogs, nullptr, nullptr, nullptr}};
    Season current = testSeason(4, 2);
    QByteArray currentBytes, storedBytes;
    FilesScreen screen{session, QSize(800, 600)};
};

}  // namespace

TEST_F(FilesScreenTest, FilesAndHelpLinesAreShownWhole)
{
    EXPECT_EQ(lines("List1").join('\n') + '\n', readFile(KICKPOOL_TEST_DATA "/files_screen_help.txt"));

    // Every help line wraps within the list, and the last one ends above its bottom edge.
    QListWidget* help = list("List1");
    for (int row = 0; row < help->count(); ++row) {
        const QRect place = help->visualItemRect(help->item(row));
        const QRect needed = help->fontMetrics().boundingRect(QRect(0, 0, place.width() - 8, 1000), Qt::TextWordWrap,
                                                              help->item(row)->text());
        EXPECT_TRUE(needed.height() <= place.height() && place.right() < help->viewport()->width()) << row;
    }
    EXPECT_LE(help->visualItemRect(help->item(help->count() - 1)).bottom(), help->viewport()->height());

    QSignalSpy finished(&screen, &SecondaryScreen::finished);
    click("cmdExit");
    EXPECT_TRUE(finished.count() == 1 && !screen.isVisible());
}

// SAVE FILE and RESTORE FILE refuse the current-use file; No to "Overwrite existing file?" empties
// the name box and changes nothing.
TEST_F(FilesScreenTest, SaveAndRestoreRefuseTheCurrentUseFileThenCopy)
{
    for (const char* name : {"KICKPOOL", "kickpool", "KickPool", "2005Hockey"}) {
        QTest::keyClicks(nameBox(), name);
        dialogs.answerMessage(Answer::No);
        click("cmdSaveFile");
        EXPECT_EQ(nameBox()->text(), "") << name;
    }
    click("cmdRestoreFile");
    select("Kickpool.txt");
    click("cmdRestoreFile");
    const MessageId itself = MessageId::FileCannotReplaceItself;
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{itself, itself, itself, MessageId::FileNameExists,
                                                    MessageId::FileNotSelected, itself}));
    EXPECT_EQ(screen.selectedFileName(), "");
    EXPECT_TRUE(readFile(file("Kickpool.txt")) == currentBytes && readFile(file("2005Hockey.txt")) == storedBytes);
    QTest::keyClicks(nameBox(), "2006Hockey");
    click("cmdSaveFile");
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "2006Hockey.txt", "Kickpool.txt"}));
    select("2005Hockey.txt");
    dialogs.answerMessage(Answer::Yes);
    click("cmdRestoreFile");
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(session.season.TeamCount, 6);
    EXPECT_EQ(screen.selectedFileName(), "");
    EXPECT_EQ(QApplication::focusWidget(), nameBox());
}

// Deleting the current-use file forgets the scores only; a stored file renamed to kickpool then
// becomes the current season and is loaded.
TEST_F(FilesScreenTest, DeleteTheCurrentUseFileThenRenameAStoredOneToKickpool)
{
    select("Kickpool.txt");
    dialogs.answerMessage(Answer::Yes);
    click("cmdDeleteFile");
    Season forgotten = current;
    forgotten.ScoredWeeks = forgotten.ScoreTeams = 0;
    EXPECT_EQ(session.season, forgotten);
    select("2005Hockey.txt");
    QTest::keyClicks(nameBox(), "KickPool");
    click("cmdRenameFile");
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::DeleteFile});
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(lines("File1"), QStringList{"Kickpool.txt"});
    EXPECT_EQ(session.season.TeamCount, 6);
}
