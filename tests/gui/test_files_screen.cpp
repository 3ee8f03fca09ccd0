#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "files/FilesScreen.h"


namespace {

// The screen at 800 x 600 on the current season (4 teams, one week scored) and a stored one,
// 2005Hockey.txt (6 teams).
class FilesScreenTest : public MainScreenHarness {
protected:
    void SetUp() override
    {
        setScores(current, 1, {21, 17, Bye, 30});
        currentBytes = seasonFileBytes(current);
        storedBytes = seasonFileBytes(testSeason(6, 3));
        ASSERT_TRUE(writeFile(file("Kickpool.txt"), currentBytes) && writeFile(file("2005Hockey.txt"), storedBytes));
        newSession();
        ASSERT_EQ(LoadSeason(*session), LoadOutcome::Loaded);
        files = std::make_unique<FilesScreen>(*session, QSize(800, 600));
        showActive(files.get());
    }
    QWidget* window() const override { return files.get(); }

    QString file(const QString& name) const { return home.filePath("Files/" + name); }
    QStringList lines(const char* name) const
    {
        QStringList texts;
        for (const QListWidgetItem* item : find<QListWidget>(name)->findItems("*", Qt::MatchWildcard))
            texts.append(item->text());
        return texts;
    }
    void click(const char* name) const { MainScreenHarness::click(button(name)); }
    void select(const QString& name) const
    {
        QListWidget* stored = find<QListWidget>("File1");
        const QList<QListWidgetItem*> items = stored->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(stored->viewport(), Qt::LeftButton, {}, stored->visualItemRect(items[0]).center());
        ASSERT_EQ(files->selectedFileName(), name);
    }

    Season current = testSeason(4, 2);
    QByteArray currentBytes, storedBytes;
    std::unique_ptr<FilesScreen> files;
};

}  // namespace

TEST_F(FilesScreenTest, FilesAndHelpLinesAreShownWhole)
{
    EXPECT_EQ(shownLines(), dataLines("files_screen_help.txt"));

    // Every help line wraps within the list, and the last one ends above its bottom edge.
    QListWidget* help = list();
    for (int row = 0; row < help->count(); ++row) {
        const QRect place = help->visualItemRect(help->item(row));
        const QRect needed = help->fontMetrics().boundingRect(QRect(0, 0, place.width() - 8, 1000), Qt::TextWordWrap,
                                                              help->item(row)->text());
        EXPECT_TRUE(needed.height() <= place.height() && place.right() < help->viewport()->width()) << row;
    }
    EXPECT_LE(help->visualItemRect(help->item(help->count() - 1)).bottom(), help->viewport()->height());
}

// SAVE FILE and RESTORE FILE refuse the current-use file; No to "Overwrite existing file?" empties
// the name box and changes nothing.
TEST_F(FilesScreenTest, SaveAndRestoreRefuseTheCurrentUseFileThenCopy)
{
    for (const char* name : {"KICKPOOL", "kickpool", "KickPool", "2005Hockey"}) {
        QTest::keyClicks(box(1), name);
        dialogs.answerMessage(Answer::No);
        click("cmdSaveFile");
        EXPECT_EQ(box(1)->text(), "") << name;
    }
    click("cmdRestoreFile");
    select("Kickpool.txt");
    click("cmdRestoreFile");
    const MessageId itself = MessageId::FileCannotReplaceItself;
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{itself, itself, itself, MessageId::FileNameExists,
                                                    MessageId::FileNotSelected, itself}));
    EXPECT_EQ(files->selectedFileName(), "");
    EXPECT_TRUE(readFile(file("Kickpool.txt")) == currentBytes && readFile(file("2005Hockey.txt")) == storedBytes);
    QTest::keyClicks(box(1), "2006Hockey");
    click("cmdSaveFile");
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "2006Hockey.txt", "Kickpool.txt"}));
    select("2005Hockey.txt");
    dialogs.answerMessage(Answer::Yes);
    click("cmdRestoreFile");
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(session->season.TeamCount, 6);
    EXPECT_EQ(files->selectedFileName(), "");
    EXPECT_EQ(QApplication::focusWidget(), box(1));
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
    EXPECT_EQ(session->season, forgotten);
    select("2005Hockey.txt");
    QTest::keyClicks(box(1), "KickPool");
    click("cmdRenameFile");
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::DeleteFile});
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(lines("File1"), QStringList{"Kickpool.txt"});
    EXPECT_EQ(session->season.TeamCount, 6);
}

// The list shows each DELETE FILE and RESTORE FILE at once, without another click.
TEST_F(FilesScreenTest, TheListFollowsEachDeleteAndRestoreAtOnce)
{
    dialogs.answerMessage(Answer::Yes).answerMessage(Answer::Yes).answerMessage(Answer::Yes);
    select("Kickpool.txt");
    click("cmdDeleteFile");
    EXPECT_EQ(lines("File1"), QStringList{"2005Hockey.txt"});
    select("2005Hockey.txt");
    click("cmdRestoreFile");
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "Kickpool.txt"}));
    select("2005Hockey.txt");
    click("cmdDeleteFile");
    EXPECT_EQ(lines("File1"), QStringList{"Kickpool.txt"});
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::DeleteFile, MessageId::ReplaceCurrentFile, MessageId::DeleteFile}));
}
