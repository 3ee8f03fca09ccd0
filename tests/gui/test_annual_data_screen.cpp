// The annual data screen driven as the treasurer drives it: options clicked, values typed key by
// key, Enter pressed in the field being typed in.
#include "CliRunner.h"
#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "annual/Update.h"
#include "dialogs/Button.h"
#include "season/Sounds.h"

#include <QSignalSpy>

namespace {

// Scripted dialogs that also note what the value field held when each message came up.
class NotingDialogs final : public Dialogs {
public:
    explicit NotingDialogs(ScriptedDialogs& script) : script(script) {}
    Answer showMessage(Session& session, const MessageEntry& entry) override
    {
        heldAtMessage.append(field ? field->text() : QString());
        return script.showMessage(session, entry);
    }
    InputReply showInput(Session& session, const InputEntry& entry) override { return script.showInput(session, entry); }

    ScriptedDialogs& script;
    QLineEdit* field = nullptr;
    QStringList heldAtMessage;
};

class AnnualDataScreen : public MainScreenHarness {
protected:
    // Opens the screen on `season`, saved as the season file first unless it is null.
    void open(const Season* season)
    {
        if (season)
            writeSeason(*season);
        placeSounds();
        clock.set(QDate(2026, 8, 1));
        session = std::make_unique<Session>(home.path(), Services{&noting, &clock, &sounds, nullptr});
        LoadSeason(*session);
        SetSounds(*session);
        update = std::make_unique<Update>(*session, QSize(800, 600));
        noting.field = text4();
        showActive(update.get());
    }
    QWidget* window() const override { return update.get(); }
    Season& season() { return session->season; }
    QVector<MessageId>& messages() { return dialogs.messages; }

    QLineEdit* text4() const { return box(4); }
    QLineEdit* entry(int column, int row) const { return find<QLineEdit>(QStringLiteral("Text%1_%2").arg(column).arg(row)); }
    void choose(int index) const { MainScreenHarness::click(option(index)); }
    void click(const char* name) const { MainScreenHarness::click(button(name)); }
    // Clicks into a field, selects what it holds and types over it, key by key.
    void type(QLineEdit* field, const QString& text) const
    {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        typeKeys(field, text);
    }
    // A key for each character; one with no key of its own comes as its text.
    static void typeKeys(QWidget* field, const QString& text)
    {
        for (const QChar c : text)
            c.unicode() < 128 ? QTest::keyClick(field, char(c.unicode()))
                              : QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void enter(QWidget* where) const { QTest::keyClick(where, Qt::Key_Return); }
    // The texts of the entry fields shown, column 1 first.
    QStringList shownEntries() const
    {
        QStringList shown;
        for (int column = 1; column <= 3; ++column) {
            for (int row = 1; row <= 16 && entry(column, row)->isVisible(); ++row)
                shown.append(entry(column, row)->text());
        }
        return shown;
    }

    NotingDialogs noting{dialogs};
    std::unique_ptr<Update> update;
};

}  // namespace

TEST_F(AnnualDataScreen, WeekCountsAreCheckedAsTypedAndDatesTakenOverByTheNextEnter)
{
    const Season stored = testSeason(4, 17);
    open(&stored);
    choose(2);
    EXPECT_EQ(text4()->text(), "17");
    EXPECT_EQ(sounds.played, QStringList{session->QuestionSound});
    EXPECT_EQ(entry(2, 1)->text(), "Sep 07");
    EXPECT_FALSE(entry(3, 6)->isVisible());  // 17 weeks: rows 1..6, 1..6, 1..5

    // 35 with no playoffs: nothing after the 3, message 10 after the 5, then 17 again.
    type(text4(), "3");
    EXPECT_TRUE(messages().isEmpty());
    typeKeys(text4(), "5");
    EXPECT_EQ(messages(), QVector<MessageId>{MessageId::RegularWeeksTooMany});
    EXPECT_EQ(noting.heldAtMessage, QStringList{"35"});
    EXPECT_EQ(text4()->text(), "17");
    // Emptied, the field counts as 0 and the grid goes; the dates stay until Enter takes the 0.
    type(text4(), "\b");
    EXPECT_FALSE(find<QWidget>("Frame2")->isVisible());
    EXPECT_EQ(season().RegularDate[1], "Sep 01");

    // A new count is taken over alone; dates typed with it are not.
    type(text4(), "18");
    type(entry(1, 1), "jan 1");
    enter(entry(1, 1));
    EXPECT_EQ(season().RegularWeeks, 18);
    EXPECT_EQ(season().RegularDate[1], "Sep 01");
    EXPECT_EQ(entry(1, 1)->text(), "Sep 01");
    type(entry(1, 1), "jan 1");
    type(entry(3, 6), "OCT18");
    enter(entry(3, 6));
    EXPECT_EQ(season().RegularDate[1], "Jan  1");
    EXPECT_EQ(season().RegularDate[18], "Oct 18");
    EXPECT_EQ(entry(3, 6)->text(), "Oct 18");

    // No regular weeks: the playoffs get message 12 only once the stored count is back.
    type(text4(), "0");
    enter(text4());
    EXPECT_EQ(season().RegularDate[1], "");
    choose(3);
    type(text4(), "29");
    EXPECT_EQ(messages(), (QVector<MessageId>{MessageId::RegularWeeksTooMany, MessageId::PlayoffWeeksTooMany}));
    EXPECT_EQ(noting.heldAtMessage.last(), "0");
    type(text4(), "28");
    enter(text4());
    EXPECT_EQ(season().TotalWeeks, 28);
}

TEST_F(AnnualDataScreen, TeamsShowTheirTicketsWhileTypedAndAreSortedOnEnter)
{
    Season stored = testSeason(3, 2);
    stored.TeamName = {QString(), "Alpha", "Beta", "Gamma"};
    open(&stored);
    choose(4);
    type(text4(), "40");
    EXPECT_EQ(find<QLineEdit>("Text5")->text(), "780");
    EXPECT_EQ(season().TicketCount, 780);
    EXPECT_EQ(season().TeamCount, 3);
    type(text4(), "49");
    EXPECT_EQ(text4()->text(), "");
    enter(text4());  // an empty field shows the stored count again
    EXPECT_EQ(text4()->text(), "3");
    EXPECT_EQ(season().TicketCount, 3);

    type(entry(1, 1), "NY Jets");
    type(entry(2, 1), "new england");
    type(entry(3, 1), "miami");
    enter(entry(3, 1));
    EXPECT_EQ(shownEntries(), (QStringList{"Miami", "New England", "NY Jets"}));

    // Two more teams: one Enter for the count, the next for the names; empty names stay last.
    type(text4(), "5");
    enter(text4());
    EXPECT_EQ(season().ScoreTeams, 5);
    type(entry(2, 2), "boston");
    enter(entry(2, 2));
    EXPECT_EQ(shownEntries(), (QStringList{"Boston", "Miami", "New England", "NY Jets", ""}));

    // What the season file cannot hold is refused key by key, with the error cue; the rest stays.
    type(entry(2, 2), QString::fromUtf8("K\"ö€ł n"));
    EXPECT_EQ(entry(2, 2)->text(), QString::fromUtf8("Kö€ n"));
    EXPECT_EQ(sounds.played.count(session->ErrorSound), 2);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(AnnualDataScreen, RefusedSequenceGetsItsStoredTextBackAndStopsTheEnter)
{
    Season stored = testSeason(32, 17);
    setUnsold(stored, {"1,1", "2,2"});
    open(&stored);
    choose(5);
    type(entry(1, 1), "401,450");
    type(entry(2, 1), "440,460");
    enter(entry(2, 1));
    EXPECT_EQ(season().SoldCount, 436);

    for (const QString typed : {"450,401", "401 450", "401,497"}) {
        type(entry(1, 1), typed);
        type(entry(2, 1), "3,3");
        enter(entry(2, 1));
        EXPECT_EQ(entry(1, 1)->text(), "401,450") << typed.toStdString();
        EXPECT_EQ(season().UnsoldSeq[2], "440,460");
    }
    ASSERT_EQ(messages(), (QVector<MessageId>{MessageId::LastTicketBeforeFirst, MessageId::CommaNotFound,
                                              MessageId::SequenceOutOfRange}));
    EXPECT_EQ(dialogs.messageTexts[2][2], "First # < 1 or Last # > 496");
    EXPECT_EQ(season().SoldCount, 436);
}

TEST_F(AnnualDataScreen, EnterWithoutSelectionSaveResetExitAndPrizeStructure)
{
    const Season stored = testSeason(4, 2);
    open(&stored);
    const QByteArray file = readFile(seasonPath());
    enter(update.get());
    EXPECT_FALSE(text4()->isVisible());

    choose(6);
    type(text4(), "5.5");
    enter(text4());
    EXPECT_EQ(season().TicketPrice, 6);

    dialogs.answerMessage(Answer::No);
    click("cmdSave");
    EXPECT_EQ(messages(), QVector<MessageId>{MessageId::SaveAllChanges});
    EXPECT_EQ(readFile(seasonPath()), file);
    EXPECT_EQ(find<Button>("cmdSave")->text(), "SAVE\nALL\nCHANGES");
    type(text4(), "9");
    enter(text4());  // the selection was given up with SAVE
    EXPECT_EQ(season().TicketPrice, 6);

    click("cmdReset");
    EXPECT_EQ(season().TicketPrice, 5);

    choose(1);
    type(text4(), "-32767");
    enter(text4());
    dialogs.answerMessage(Answer::Yes);
    click("cmdSave");
    EXPECT_EQ(find<Button>("cmdSave")->text(), "SAVED");
    EXPECT_TRUE(readFile(seasonPath()).contains("\r\n-32767\r\n"));

    choose(7);
    EXPECT_EQ(find<QLabel>("LabelNote")->text(), "Prize Structure is not part of this version of Kickpool.");
    int opened = 0;
    update->setPrizeScreenOpener([&opened] { return ++opened == 1; });
    choose(7);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(find<QLabel>("LabelNote")->isVisible());
    EXPECT_FALSE(find<QRadioButton>("optSelection7")->isChecked());

    QSignalSpy finished(update.get(), &SecondaryScreen::finished);
    choose(2);
    click("cmdExit");
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(update->isVisible());
    EXPECT_EQ(text4()->text(), "");
}

// A new season set up from an empty home folder, saved, then checked and entered by kickpool-cli.
TEST_F(AnnualDataScreen, NewSeasonSetUpOnTheScreenRunsOnTheCommandLine)
{
    dialogs.answerMessage(Answer::Ok);
    open(nullptr);
    EXPECT_EQ(messages(), QVector<MessageId>{MessageId::FileNotFound});

    auto fillList = [this](int option, const QString& count, const QStringList& entries) {
        choose(option);
        type(text4(), count);
        enter(text4());
        const EntryColumns columns = layOutColumns(int(entries.size()));
        for (int e = 1, column = 1; column <= 3; ++column) {
            for (int row = 1; row <= columns.rows[column]; ++row)
                type(entry(column, row), entries[e++ - 1]);
        }
        enter(text4());
    };
    fillList(4, "4", {QString::fromUtf8("montréal"), "NY Jets", QString::fromUtf8("KÖLN"), "boston bears"});
    fillList(2, "3", {"sep 7", "sep14", "sep 21"});
    fillList(3, "1", {"jan 4"});
    fillList(5, "1", {"5,6"});
    fillList(6, "2", {});
    fillList(1, "77", {});
    dialogs.answerMessage(Answer::Yes);
    click("cmdSave");
    EXPECT_EQ(messages(), (QVector<MessageId>{MessageId::FileNotFound, MessageId::SaveAllChanges}));

    const QByteArray file = readFile(seasonPath());
    EXPECT_TRUE(file.contains("\"Boston Bears\"\r\n\"K\xd6LN\"\r\n\"Montr\xe9" "al\"\r\n\"NY Jets\"\r\n"));
    const CliHome cli(false);
    cli.writeSeason(file);
    const CliRun check = cli.run({"check"});
    EXPECT_EQ(check.status, 0) << check.err.toStdString();
    EXPECT_EQ(check.out.section('\n', 3), QString::fromUtf8(readFile(KICKPOOL_TEST_DATA "/annual_new_season_check.txt")));
    const CliRun week = cli.run({"enter", "1", "21,17,,30"});
    EXPECT_EQ(week.status, 0) << week.err.toStdString();
    EXPECT_EQ(week.out, QString::fromUtf8(readFile(KICKPOOL_TEST_DATA "/annual_new_season_week1.txt")));
}

// Leaving with changes asks first; a value typed back is no change. After Enter the focus stays
// in the entry (the grid's next field), so a key typed then never changes the selection.
TEST_F(AnnualDataScreen, ChangesAreAskedAboutAndEnterKeepsTheFocusInTheEntry)
{
    Season stored = testSeason(3, 2);
    stored.TeamName = {QString(), "Alpha", "Beta", "Gamma"};
    open(&stored);
    choose(4);
    type(text4(), "4");
    enter(text4());
    EXPECT_EQ(QApplication::focusWidget(), entry(1, 1));
    type(entry(3, 1), "zulu");
    enter(entry(3, 1));
    EXPECT_EQ(QApplication::focusWidget(), text4());
    type(entry(1, 1), "Alpha");
    enter(entry(1, 1));
    EXPECT_EQ(QApplication::focusWidget(), entry(1, 2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(update->selection(), AnnualSelection::Teams);
    // A fourth team: Cancel stays. Typed back to three, there is nothing to ask.
    dialogs.answerMessage(Answer::Cancel);
    click("cmdExit");
    EXPECT_TRUE(update->isVisible() && messages() == QVector<MessageId>{MessageId::ChangesNotSaved});
    type(text4(), "3");
    enter(text4());
    click("cmdExit");
    EXPECT_TRUE(!update->isVisible() && messages().size() == 1);
}
