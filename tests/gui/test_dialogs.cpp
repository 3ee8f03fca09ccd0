#include "TestFiles.h"

#include "dialogs/Button.h"
#include "dialogs/MessageCatalogue.h"
#include "dialogs/QtDialogs.h"
#include "season/Session.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `act` on the modal dialog once it shows, made active so that keys reach its focused
// control. Should `act` leave it open, the dialog is ended after a while so that a faulty dialog
// fails the test instead of hanging it.
void whenDialogShows(std::function<void(QDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        const QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog) << "no modal dialog is showing";
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog)) << "the dialog did not become active";
        if (dialog)
            act(*dialog);
        QTimer::singleShot(2000, [dialog] {
            if (dialog && dialog->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                dialog->done(0);
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

void click(QDialog& dialog, const char* name)
{
    if (auto* button = child<Button>(dialog, name)) {
        EXPECT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void pressEnter()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

}  // namespace

TEST(MessageDialogScreen, ShowsTheEntryAndEachButtonGivesItsAnswer)
{
    QtDialogs dialogs;
    Session session({}, Services{&dialogs});

    // A question, a warning question, the pause and a notice that inserts a number: the entry's
    // texts, its buttons as cmdBox1 and cmdBox2 or cmdBox3 alone, and each button's answer.
    const QStringList tickets{"496"};
    // CHANGES NOT SAVED has three answers side by side.
    for (MessageId id : {MessageId::ExitProgram, MessageId::DeleteFile, MessageId::OutputPaused, MessageId::TicketOutOfRange,
                         MessageId::ChangesNotSaved}) {
        const MessageEntry entry = messageEntry(id, tickets);
        const QStringList names = QStringList{"cmdBox1", "cmdBox2", "cmdBox3"}.mid(entry.paired ? 0 : 3 - entry.buttons.size(), entry.buttons.size());
        ASSERT_EQ(names.size(), entry.buttons.size());
        for (int pressed = 0; pressed < names.size(); ++pressed) {
            SCOPED_TRACE(testing::Message() << "message " << int(id) << ", button " << pressed + 1);
            whenDialogShows([&](QDialog& d) {
                auto* grid = child<QTableWidget>(d, "MSFlexGrid1");
                QVector<MessageLine> lines;
                for (int row = 0; row < grid->rowCount(); ++row)
                    lines.append(MessageLine{grid->item(row, 0)->text(), QString()});
                EXPECT_EQ(dialogTextLines(child<QLineEdit>(d, "Text1")->text(), lines), messageTextLines(entry));
                for (const char* name : {"cmdBox1", "cmdBox2", "cmdBox3"})
                    EXPECT_EQ(child<Button>(d, name)->isVisible(), names.contains(QLatin1String(name))) << name;
                for (int n = 0; n < names.size(); ++n) {
                    const auto* b = child<Button>(d, qPrintable(names[n]));
                    const MessageButton& want = entry.buttons[n];
                    EXPECT_EQ((MessageButton{b->text(), b->faceColour(), b->captionColour(), want.answer}), want);
                }
                EXPECT_FALSE(d.windowFlags() & Qt::WindowCloseButtonHint);
                // The title bar names the program and the message, never "Untitled".
                EXPECT_EQ(d.windowTitle(), "KICKPOOL - " + entry.title);
                click(d, qPrintable(names[pressed]));
            });
            EXPECT_EQ(session.message(id, tickets), entry.buttons[pressed].answer);
        }
    }
}

TEST(MessageDialogScreen, EnterEscapeCloseAndTheErrorCue)
{
    QTemporaryDir home;
    RecordingSounds sounds;
    QtDialogs dialogs;
    Session session(home.path(), Services{&dialogs, nullptr, &sounds});

    // Enter answers a notice with OK, a question with Yes, the pause with OK; a warning
    // question, whose Yes gives data up, with No. Without its file the error cue stays silent.
    const std::pair<MessageId, Answer> enterAnswers[] = {{MessageId::FileNotFound, Answer::Ok},
                                                         {MessageId::ScoresAlreadyExist, Answer::Yes},
                                                         {MessageId::OutputPaused, Answer::Ok},
                                                         {MessageId::ReplaceCurrentFile, Answer::No},
                                                         {MessageId::SaveAllChangesMain, Answer::No}};
    for (const auto& [id, answer] : enterAnswers) {
        whenDialogShows([](QDialog&) { pressEnter(); });
        EXPECT_EQ(session.message(id), answer) << "message " << int(id);
    }
    EXPECT_TRUE(sounds.played.isEmpty());

    // Escape and the window's close leave it open; the error cue sounds as it opens.
    ASSERT_TRUE(writeFile(home.filePath("Sounds/error.wav"), "RIFF"));
    bool openAfterEscape = false, openAfterClose = false;
    whenDialogShows([&](QDialog& d) {
        EXPECT_EQ(sounds.played.size(), 1);
        QTest::keyClick(&d, Qt::Key_Escape);
        openAfterEscape = d.isVisible();
        d.close();
        openAfterClose = d.isVisible();
        click(d, "cmdBox3");
    });
    EXPECT_EQ(session.message(MessageId::EnterWeekAgain), Answer::Ok);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_TRUE(openAfterClose);
    ASSERT_EQ(sounds.played.size(), 1);
    EXPECT_EQ(QFileInfo(sounds.played[0]), QFileInfo(home.filePath("Sounds/error.wav")));
}

TEST(InputDialogScreen, StartsSelectedAndAnswersWithTheText)
{
    QtDialogs dialogs;
    Session session({}, Services{&dialogs});

    // A team's score: the text starts selected, typing replaces it and Enter answers OK.
    QStringList seen;  // the title, the last line, the box's text and what of it is selected
    whenDialogShows([&](QDialog& d) {
        auto* grid = child<QTableWidget>(d, "MSFlexGrid1");
        auto* input = child<QLineEdit>(d, "Text2");
        EXPECT_TRUE(input->hasFocus());
        seen = {child<QLineEdit>(d, "Text1")->text(), grid->item(grid->rowCount() - 1, 0)->text(), input->text(),
                input->selectedText()};
        QTest::keyClicks(input, "34");
        pressEnter();
    });
    const InputReply score = session.input(InputId::TeamScore, {"5", "3", "Bears", "21"});
    EXPECT_EQ(score.answer, Answer::Ok);
    EXPECT_EQ(score.text, "34");
    EXPECT_EQ(seen, (QStringList{"INPUT SCORES FOR WEEK # 5", " 3 BEARS", "21", "21"}));

    // The first address line starts the box; Cancel answers.
    whenDialogShows([&](QDialog& d) {
        seen = {child<QLineEdit>(d, "Text2")->text()};
        click(d, "cmdCancel");
    });
    EXPECT_EQ(session.input(InputId::OrganisationName, {"Lakeside Lions Club"}).answer, Answer::Cancel);
    EXPECT_EQ(seen, QStringList{"Lakeside Lions Club"});
}
