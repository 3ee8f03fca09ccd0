#include "TestFiles.h"

#include "dialogs/Button.h"
#include "dialogs/InputDialog.h"
#include "dialogs/MessageCatalogue.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/QtDialogs.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the modal dialog once it shows. Should `act` leave it open, the dialog is ended
// after a while so that a faulty dialog fails the test instead of hanging it.
void whenDialogShows(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no modal dialog is showing";
            return;
        }
        QPointer<QDialog> guard(dialog);
        // Keys go to the focused control, which only an active window has.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog))
            ADD_FAILURE() << "the dialog did not become active";
        if (!guard)
            return;
        act(*dialog);
        QTimer::singleShot(2000, [guard] {
            if (guard && guard->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                for (auto* button : guard->findChildren<Button*>()) {
                    if (button->isVisible()) {
                        button->click();
                        break;
                    }
                }
            }
        });
    });
}

template <class T>
T* child(QDialog& dialog, const char* name)
{
    T* found = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QStringList gridLines(QDialog& dialog)
{
    QStringList lines;
    if (auto* grid = child<QTableWidget>(dialog, "MSFlexGrid1")) {
        for (int row = 0; row < grid->rowCount(); ++row)
            lines.append(grid->item(row, 0) ? grid->item(row, 0)->text() : QStringLiteral("<none>"));
    }
    return lines;
}

void click(QDialog& dialog, const char* name)
{
    if (auto* button = child<Button>(dialog, name)) {
        EXPECT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void pressEnter()
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Return);
}

// The title, the lines and the visible buttons of a message dialog, as they are shown.
MessageEntry whatIsShown(QDialog& dialog, QStringList& buttonNames)
{
    MessageEntry shown;
    if (auto* title = child<QLineEdit>(dialog, "Text1")) {
        shown.title = title->text();
        EXPECT_TRUE(title->isReadOnly());
    }
    for (const QString& line : gridLines(dialog))
        shown.lines.append(MessageLine{line, QString()});
    buttonNames.clear();
    for (const char* name : {"cmdBox1", "cmdBox2", "cmdBox3"}) {
        auto* button = child<Button>(dialog, name);
        if (button && button->isVisible()) {
            buttonNames.append(QLatin1String(name));
            shown.buttons.append(MessageButton{button->text(), button->faceColour(), button->captionColour(), 0});
        }
    }
    return shown;
}

}  // namespace

TEST(MessageDialogScreen, ShowsTheEntryAndEachButtonGivesItsAnswer)
{
    QtDialogs dialogs;
    Session session({}, Services{&dialogs});
    session.season.TeamCount = 32;
    session.season.computeDerived();

    // A question, a warning question, the pause and a notice that inserts a number: the entry's
    // texts, its buttons as cmdBox1 and cmdBox2 or cmdBox3 alone, and each button's answer.
    for (int id : {25, 8, 7, 6}) {
        const MessageEntry entry = messageEntry(session, id);
        for (int pressed = 0; pressed < entry.buttons.size(); ++pressed) {
            SCOPED_TRACE(testing::Message() << "message " << id << ", button " << pressed + 1);
            MessageEntry shown;
            QStringList names;
            whenDialogShows([&](QDialog& d) {
                shown = whatIsShown(d, names);
                EXPECT_TRUE(d.windowTitle().isEmpty());
                EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
                EXPECT_EQ(d.minimumSize(), d.maximumSize());
                if (pressed < names.size())
                    click(d, qPrintable(names[pressed]));
            });
            EXPECT_EQ(session.message(id), entry.buttons[pressed].answer);
            EXPECT_EQ(session.MsgResult, entry.buttons[pressed].answer);
            EXPECT_EQ(shown.title, entry.title);
            EXPECT_EQ(dialogTextLines(shown.title, shown.lines), messageTextLines(entry));
            EXPECT_EQ(names, (entry.paired ? QStringList{"cmdBox1", "cmdBox2"} : QStringList{"cmdBox3"}));
            ASSERT_EQ(shown.buttons.size(), entry.buttons.size());
            for (int n = 0; n < entry.buttons.size(); ++n) {
                EXPECT_EQ(shown.buttons[n].caption, entry.buttons[n].caption);
                EXPECT_EQ(shown.buttons[n].face, entry.buttons[n].face);
                EXPECT_EQ(shown.buttons[n].captionColour, entry.buttons[n].captionColour);
            }
        }
    }
}

TEST(MessageDialogScreen, EnterPressesTheFocusedButtonAndNothingElseClosesIt)
{
    QtDialogs dialogs;
    Session session({}, Services{&dialogs});

    // Enter answers a notice with OK, a question with Yes, the pause with OK; a warning
    // question, whose Yes gives data up, with No.
    const std::pair<int, int> enterAnswers[] = {{16, 1}, {1, 6}, {7, 1}, {23, 7}, {26, 7}};
    for (const auto& [id, answer] : enterAnswers) {
        whenDialogShows([](QDialog&) { pressEnter(); });
        EXPECT_EQ(session.message(id), answer) << "message " << id;
    }

    // Escape and the window's close leave it open; the answer from before is kept until a
    // button is clicked.
    session.MsgResult = 99;
    bool openAfterEscape = false;
    bool openAfterClose = false;
    int resultMeanwhile = 0;
    whenDialogShows([&](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        openAfterEscape = d.isVisible();
        d.close();
        openAfterClose = d.isVisible();
        resultMeanwhile = session.MsgResult;
        click(d, "cmdBox3");
    });
    EXPECT_EQ(session.message(3), 1);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    EXPECT_EQ(resultMeanwhile, 99);
}

TEST(MessageDialogScreen, ErrorCueSoundsWhenTheFileIsThere)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    RecordingSounds sounds;
    QtDialogs dialogs;
    Session session(home.path(), Services{&dialogs, nullptr, &sounds});

    // No error cue (the question cue alone is there): silence, and the message is still shown.
    ASSERT_TRUE(writeFile(home.filePath("Sounds/Question.wav"), "RIFF"));
    whenDialogShows([](QDialog& d) { click(d, "cmdBox3"); });
    EXPECT_EQ(session.message(16), 1);
    EXPECT_TRUE(sounds.played.isEmpty());

    ASSERT_TRUE(writeFile(home.filePath("Sounds/error.wav"), "RIFF"));
    whenDialogShows([&](QDialog& d) {
        EXPECT_EQ(sounds.played.size(), 1);  // already when the dialog opens
        click(d, "cmdBox1");
    });
    EXPECT_EQ(session.message(25), 6);
    ASSERT_EQ(sounds.played.size(), 1);
    EXPECT_EQ(QFileInfo(sounds.played[0]), QFileInfo(QDir(home.path()).filePath(QStringLiteral("Sounds/error.wav"))));
}

namespace {

// Every line shows whole, all lines fit the grid, and the buttons lie inside the window below it.
void expectNothingCutOff(QDialog& dialog)
{
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("MSFlexGrid1"));
    ASSERT_NE(grid, nullptr);
    int rowsHeight = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, 0);
        ASSERT_NE(item, nullptr);
        EXPECT_LE(QFontMetrics(item->font()).horizontalAdvance(item->text()), grid->columnWidth(0))
            << item->text().toStdString();
        rowsHeight += grid->rowHeight(row);
    }
    EXPECT_LE(rowsHeight, grid->height());
    EXPECT_TRUE(dialog.rect().contains(grid->geometry()));
    auto* title = dialog.findChild<QLineEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(title, nullptr);
    EXPECT_LE(title->fontMetrics().horizontalAdvance(title->text()), title->width());
    for (auto* button : dialog.findChildren<Button*>()) {
        if (button->isHidden())
            continue;
        EXPECT_TRUE(dialog.rect().contains(button->geometry())) << button->objectName().toStdString();
        EXPECT_GE(button->y(), grid->geometry().bottom());
    }
}

}  // namespace

TEST(DialogLayout, EveryMessageAndInputShowsWhole)
{
    Session session;
    session.season.TeamCount = 48;
    session.season.computeDerived();
    session.WeekNo = 29;
    session.i = 28;
    session.MsgDetail = {QStringLiteral("/home/club/Kickpool/Files/Kickpool.txt"), QStringLiteral("118"),
                         QStringLiteral("a score between -1 and 999"),
                         QStringLiteral("/home/club/Kickpool/Files/Kickpool-damaged-2024-09-30.txt")};
    QList<int> ids;
    for (int id = 1; id <= 26; ++id)
        ids.append(id);
    ids << 29 << 30 << 31;
    for (int id : ids) {
        SCOPED_TRACE(id);
        session.MsgId = id;
        MessageDialog dialog(session);
        expectNothingCutOff(dialog);
    }

    session.season.TeamName[48] = QStringLiteral("Mountaineerss");
    session.season.ReturnAddress[4] = QStringLiteral("Springfield, IL 62701");
    session.i = 48;
    session.InputText = QStringLiteral("999");
    for (int id = 1; id <= 7; ++id) {
        SCOPED_TRACE(id);
        session.MsgId = id;
        InputDialog dialog(session);
        expectNothingCutOff(dialog);
        auto* input = dialog.findChild<QLineEdit*>(QStringLiteral("Text2"));
        ASSERT_NE(input, nullptr);
        EXPECT_TRUE(dialog.rect().contains(input->geometry()));
    }
}

TEST(InputDialogScreen, StartsSelectedAndAnswersWithTheText)
{
    QtDialogs dialogs;
    Session session({}, Services{&dialogs});
    session.season.TeamName[3] = QStringLiteral("Bears");
    session.season.ReturnAddress[1] = QStringLiteral("Lakeside Lions Club");

    // A team's score: Enter without typing gives back the starting text with 1.
    session.WeekNo = 5;
    session.i = 3;
    session.InputText = QStringLiteral("21");
    QString title, text, selected;
    QStringList lines;
    bool focused = false;
    whenDialogShows([&](QDialog& d) {
        title = child<QLineEdit>(d, "Text1")->text();
        lines = gridLines(d);
        auto* input = child<QLineEdit>(d, "Text2");
        text = input->text();
        selected = input->selectedText();
        focused = input->hasFocus();
        EXPECT_EQ(child<Button>(d, "cmdOK")->text(), QStringLiteral("OK"));
        EXPECT_EQ(child<Button>(d, "cmdCancel")->text(), QStringLiteral("Cancel"));
        pressEnter();
    });
    EXPECT_EQ(session.input(5), 1);
    EXPECT_EQ(session.InputText, QStringLiteral("21"));
    EXPECT_EQ(title, QStringLiteral("INPUT SCORES FOR WEEK # 5"));
    EXPECT_EQ(lines.last(), QStringLiteral(" 3 BEARS"));
    EXPECT_EQ(lines.size(), 6);
    EXPECT_EQ(text, QStringLiteral("21"));
    EXPECT_EQ(selected, QStringLiteral("21"));
    EXPECT_TRUE(focused);

    // Typing replaces the selected text, and InputText follows every keystroke.
    QString whileTyping;
    whenDialogShows([&](QDialog& d) {
        auto* input = child<QLineEdit>(d, "Text2");
        QTest::keyClicks(input, QStringLiteral("3"));
        whileTyping = session.InputText;
        QTest::keyClicks(input, QStringLiteral("4"));
        click(d, "cmdOK");
    });
    EXPECT_EQ(session.input(5), 1);
    EXPECT_EQ(whileTyping, QStringLiteral("3"));
    EXPECT_EQ(session.InputText, QStringLiteral("34"));

    // The first address line starts the box, whatever InputText held; Cancel gives 2.
    session.InputText = QStringLiteral("left over");
    whenDialogShows([&](QDialog& d) {
        text = child<QLineEdit>(d, "Text2")->text();
        selected = child<QLineEdit>(d, "Text2")->selectedText();
        click(d, "cmdCancel");
    });
    EXPECT_EQ(session.input(1), 2);
    EXPECT_EQ(text, QStringLiteral("Lakeside Lions Club"));
    EXPECT_EQ(selected, QStringLiteral("Lakeside Lions Club"));
    EXPECT_EQ(session.InputText, QStringLiteral("Lakeside Lions Club"));

    // An empty address line starts empty and OK returns the empty text.
    session.InputText = QStringLiteral("left over");
    whenDialogShows([&](QDialog& d) {
        text = child<QLineEdit>(d, "Text2")->text();
        click(d, "cmdOK");
    });
    EXPECT_EQ(session.input(3), 1);
    EXPECT_EQ(text, QString());
    EXPECT_EQ(session.InputText, QString());

    // Escape and close leave it open.
    bool stillOpen = false;
    whenDialogShows([&](QDialog& d) {
        QTest::keyClick(child<QLineEdit>(d, "Text2"), Qt::Key_Escape);
        d.close();
        stillOpen = d.isVisible();
        click(d, "cmdCancel");
    });
    EXPECT_EQ(session.input(6), 2);
    EXPECT_TRUE(stillOpen);
}

TEST(InputDialogScreen, QuestionCueOnlyForAddressNameCopiesAndFronts)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    for (const char* name : {"Sounds/error.wav", "Sounds/Question.wav"})
        ASSERT_TRUE(writeFile(home.filePath(QLatin1String(name)), "RIFF"));
    RecordingSounds sounds;
    QtDialogs dialogs;
    Session session(home.path(), Services{&dialogs, nullptr, &sounds});
    SetSounds(session);
    const QFileInfo question(QDir(home.path()).filePath(QStringLiteral("Sounds/Question.wav")));

    for (int id = 1; id <= 7; ++id) {
        sounds.played.clear();
        int playedOnOpening = -1;
        whenDialogShows([&](QDialog& d) {
            playedOnOpening = sounds.played.size();
            click(d, "cmdOK");
        });
        EXPECT_EQ(session.input(id), 1);
        const bool cue = id == 1 || id == 6 || id == 7;
        EXPECT_EQ(playedOnOpening, cue ? 1 : 0) << "input " << id;
        ASSERT_EQ(sounds.played.size(), cue ? 1 : 0) << "input " << id;
        if (cue) {
            EXPECT_EQ(QFileInfo(sounds.played[0]), question) << "input " << id;
        }
    }
}
