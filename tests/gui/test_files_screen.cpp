#include "TestFiles.h"
#include "TestSeason.h"

#include "dialogs/Button.h"
#include "dialogs/MessageCatalogue.h"
#include "dialogs/ScriptedDialogs.h"
#include "files/FilesScreen.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The data files screen at 800 x 600 on a home holding the current season (4 teams, one week
// scored) and a stored one, 2005Hockey.txt (6 teams, one week scored).
class FilesScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        current = testSeason(4, 2);
        setPrizes(current, {{1, 25}});
        setScores(current, 1, {21, 17, Bye, 30});
        Season stored = testSeason(6, 3);
        setScores(stored, 1, {1, 2, 3, 4, 5, 6});
        currentBytes = seasonFileBytes(current);
        storedBytes = seasonFileBytes(stored);
        ASSERT_TRUE(writeFile(file("Kickpool.txt"), currentBytes) && writeFile(file("2005Hockey.txt"), storedBytes));
        ASSERT_EQ(LoadSeason(session), LoadOutcome::Loaded);
        screen = std::make_unique<FilesScreen>(session, QSize(800, 600));
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    }

    QString file(const QString& name) const { return home.filePath(QStringLiteral("Files/") + name); }
    template <class T>
    T* find(const char* name) const
    {
        T* widget = screen->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* nameBox() const { return find<QLineEdit>("Text1"); }
    QStringList lines(const char* list) const
    {
        QStringList texts;
        for (int row = 0; row < find<QListWidget>(list)->count(); ++row)
            texts.append(find<QListWidget>(list)->item(row)->text());
        return texts;
    }
    void click(const char* button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void select(const QString& name) const
    {
        QListWidget* files = find<QListWidget>("File1");
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(items[0]).center());
        ASSERT_EQ(screen->selectedFileName(), name);
    }
    void type(const QString& text) const
    {
        nameBox()->clear();
        QTest::keyClicks(nameBox(), text);
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    Session session{home.path(), Services{&dialogs, nullptr, nullptr, nullptr}};
    Season current;
    QByteArray currentBytes, storedBytes;
    std::unique_ptr<FilesScreen> screen;
};

}  // namespace

TEST_F(FilesScreenTest, ControlsAndHelpLinesAreShownWhole)
{
    EXPECT_EQ(screen->windowTitle(), "KICKPOOL  -  DATA FILES");
    EXPECT_EQ(find<QLabel>("Label1")->text(), "Enter new file name in box below");
    const char* buttons[][3] = {{"cmdSaveFile", "SAVE\nFILE", "Save current file for future use"},
                                {"cmdRestoreFile", "RESTORE\nFILE", "Restore selected past file for present use"},
                                {"cmdDeleteFile", "DELETE\nFILE", "Delete selected file"},
                                {"cmdRenameFile", "RENAME\nFILE", "Give selected file a new name"},
                                {"cmdExit", "EXIT", "Return to Main Screen"}};
    for (const auto& [name, caption, tip] : buttons) {
        EXPECT_EQ(find<Button>(name)->caption(), caption);
        EXPECT_EQ(find<Button>(name)->toolTip(), tip);
    }
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "Kickpool.txt"}));
    const QString help = QString::fromUtf8(readFile(KICKPOOL_TEST_DATA "/files_screen_help.txt"));
    EXPECT_EQ(lines("List1").join('\n') + '\n', help);

    // Every help line wraps within the list and the last one is above its bottom edge.
    QListWidget* list = find<QListWidget>("List1");
    for (int row = 0; row < list->count(); ++row) {
        const QRect place = list->visualItemRect(list->item(row));
        const QRect needed = list->fontMetrics().boundingRect(QRect(0, 0, place.width() - 8, 1000), Qt::TextWordWrap,
                                                              list->item(row)->text());
        EXPECT_TRUE(needed.height() <= place.height() && place.right() < list->viewport()->width()) << row;
    }
    EXPECT_LE(list->visualItemRect(list->item(list->count() - 1)).bottom(), list->viewport()->height());

    QSignalSpy finished(screen.get(), &SecondaryScreen::finished);
    click("cmdExit");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(FilesScreenTest, SaveFileRefusesTheCurrentUseNameAndKeepsAStoredFileOnNo)
{
    for (const char* name : {"KICKPOOL", "kickpool", "KickPool"}) {
        type(name);
        click("cmdSaveFile");
        EXPECT_EQ(nameBox()->text(), "") << name;
    }
    type("2005Hockey");
    dialogs.answerMessage(Answer::No);
    click("cmdSaveFile");
    EXPECT_EQ(dialogs.messages, (QVector<int>{24, 24, 24, 21}));
    EXPECT_EQ(nameBox()->text(), "");
    EXPECT_EQ(readFile(file("Kickpool.txt")), currentBytes);
    EXPECT_EQ(readFile(file("2005Hockey.txt")), storedBytes);
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "Kickpool.txt"}));
    EXPECT_FALSE(QFileInfo::exists(file("Backups")));

    type("2006Hockey");
    click("cmdSaveFile");
    EXPECT_EQ(readFile(file("2006Hockey.txt")), currentBytes);
    EXPECT_EQ(lines("File1"), (QStringList{"2005Hockey.txt", "2006Hockey.txt", "Kickpool.txt"}));
    EXPECT_EQ(nameBox()->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), nameBox());
}

TEST_F(FilesScreenTest, RestoreRefusesTheCurrentUseFileThenBringsAStoredOneBack)
{
    click("cmdRestoreFile");
    select("Kickpool.txt");
    click("cmdRestoreFile");
    EXPECT_EQ(dialogs.messages, (QVector<int>{22, 24}));
    EXPECT_EQ(screen->selectedFileName(), "");
    EXPECT_EQ(readFile(file("Kickpool.txt")), currentBytes);
    EXPECT_FALSE(QFileInfo::exists(file("Backups")));

    select("2005Hockey.txt");
    dialogs.answerMessage(Answer::Yes);
    click("cmdRestoreFile");
    EXPECT_EQ(dialogs.messages.last(), 23);
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(session.season.TeamCount, 6);
    EXPECT_EQ(screen->selectedFileName(), "");
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
    forgotten.SavedTicketSize = session.season.SavedTicketSize;
    EXPECT_EQ(session.season, forgotten);
    EXPECT_FALSE(QFileInfo::exists(file("Kickpool.txt")));
    EXPECT_EQ(lines("File1"), QStringList{"2005Hockey.txt"});

    select("2005Hockey.txt");
    type("KickPool");
    click("cmdRenameFile");
    EXPECT_EQ(dialogs.messages, QVector<int>{8});
    EXPECT_EQ(readFile(file("Kickpool.txt")), storedBytes);
    EXPECT_EQ(lines("File1"), QStringList{"Kickpool.txt"});
    EXPECT_EQ(session.season.TeamCount, 6);
    EXPECT_EQ(session.season.ScoredWeeks, 1);
    EXPECT_EQ(nameBox()->text(), "");
}
