#include "MainScreenHarness.h"

#include "dialogs/Button.h"
#include "reports/Letter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

const QStringList StartUpLines{
    "Updates of Kickpool are announced by e-mail.",
    "",
    "If you have questions email: sales@kickpool.example",
    "",
    "For technical support email: support@kickpool.example",
};

class MainScreenTest : public MainScreenHarness {};

}  // namespace

// Without a season file, and with a damaged one: the message, the built-in season, the notice
// lines and nothing selected.
TEST_F(MainScreenTest, StartsOnDefaultsWithoutAUsableSeasonFile)
{
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        if (damaged) {
            ASSERT_TRUE(writeFile(seasonPath(), "\"Club\"\r\nnot a season\r\n"));
        }
        dialogs = ScriptedDialogs();
        start();
        EXPECT_EQ(dialogs.messages, QVector<int>{damaged ? 30 : 16});
        EXPECT_EQ(session->season.TicketCount, 496);
        EXPECT_EQ(shownLines(), StartUpLines);
        EXPECT_EQ(checkedOptions(), 0);
        EXPECT_FALSE(chkPrint()->isChecked());
        EXPECT_FALSE(button("cmdHeader")->isVisible());
        EXPECT_FALSE(button("cmdSave")->isVisible());
        for (int n = 1; n <= 3; ++n) {
            EXPECT_FALSE(box(n)->isVisible());
            EXPECT_FALSE(label(n)->isVisible());
        }
    }

    // The screen works on the defaults: the letter comes up with no address and no prizes.
    click(option(2));
    EXPECT_EQ(shownLines(), letterLines(*session));
    EXPECT_EQ(shownLines().size(), 21);
    EXPECT_TRUE(button("cmdHeader")->isVisible());
    EXPECT_EQ(dialogs.messages, QVector<int>{30});
}

TEST_F(MainScreenTest, ControlsCaptionsAndPlaces)
{
    placeDemoSeason();
    start();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(screen->objectName(), "Main");
    EXPECT_EQ(screen->windowTitle(), "KICKPOOL");
    EXPECT_EQ(find<QGroupBox>("Frame2")->title(), "-------------------------  SELECTIONS");
    EXPECT_EQ(find<QGroupBox>("Frame3")->title(), "Printer Output?");
    EXPECT_EQ(chkPrint()->text(), "Yes");
    EXPECT_EQ(chkPrint()->parentWidget()->objectName(), "Frame3");

    const QStringList captions{"", "Calculate Winners", "Letter to Winners", "Update Annual Data",
                               "Tickets - Print Front", "Tickets - Print Back", "Grand Prize"};
    for (int index = 1; index <= 6; ++index) {
        EXPECT_EQ(option(index)->text(), captions[index]);
        EXPECT_EQ(option(index)->parentWidget()->objectName(), "Frame2");
    }
    // Left column 1, 2, 6 and right column 3, 4, 5, each from top to bottom, side by side.
    auto pos = [this](int index) { return option(index)->geometry().topLeft(); };
    EXPECT_EQ(pos(1).x(), pos(2).x());
    EXPECT_EQ(pos(1).x(), pos(6).x());
    EXPECT_EQ(pos(3).x(), pos(4).x());
    EXPECT_EQ(pos(3).x(), pos(5).x());
    EXPECT_LT(pos(1).x(), pos(3).x());
    EXPECT_LT(pos(1).y(), pos(2).y());
    EXPECT_LT(pos(2).y(), pos(6).y());
    EXPECT_EQ(pos(1).y(), pos(3).y());
    EXPECT_EQ(pos(2).y(), pos(4).y());
    EXPECT_EQ(pos(6).y(), pos(5).y());

    QPushButton* run = button("cmdRun");
    EXPECT_EQ(run->text(), "RUN AGAIN");
    EXPECT_EQ(run->toolTip(), "Run same selection again");
    EXPECT_EQ(qobject_cast<Button*>(run), nullptr);
    EXPECT_TRUE(run->isDefault());

    struct Expected {
        const char* name;
        QString caption;
        QString tip;
    };
    const Expected buttons[] = {
        {"cmdSave", "SAVE ALL CHANGES", "Save changes made anywhere in the program"},
        {"cmdSaveRestore", "DATA\nFILES",
         " Save completed season file for future use / Restore past file for present use "},
        {"cmdHeader", "CHANGE YOUR ADDRESS", "Change letter return address"},
        {"cmdReset", "RESET", "Reset all selections on this screen"},
        {"cmdExit", "EXIT PROGRAM", "Exit Software"},
    };
    for (const Expected& e : buttons) {
        auto* b = find<Button>(QLatin1String(e.name));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->caption(), e.caption) << e.name;
        EXPECT_EQ(b->toolTip(), e.tip) << e.name;
    }

    EXPECT_EQ(list()->font().family(), "Courier New");
    EXPECT_TRUE(QFontInfo(list()->font()).fixedPitch());
}

TEST_F(MainScreenTest, LetterCopiesAreSeparatePrintJobs)
{
    placeDemoSeason();
    start();
    const QStringList letter = letterLines(*session);
    ASSERT_EQ(letter[4], "       Riverside Boosters Club");

    // Ticking the printer box with nothing selected only clears the list.
    click(chkPrint());
    EXPECT_TRUE(chkPrint()->isChecked());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());
    EXPECT_EQ(checkedOptions(), 0);

    dialogs.answerInput("3");
    click(option(2));
    EXPECT_EQ(dialogs.inputs, QVector<int>{6});
    EXPECT_EQ(shownLines(), letter);
    EXPECT_TRUE(button("cmdHeader")->isVisible());
    EXPECT_EQ(printer.jobs, QVector<PrintJob>(3, letterJob(*session)));

    // Enter in the list runs the letter again, asking for copies again.
    dialogs.answerInput("2");
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(dialogs.inputs.size(), 2);
    EXPECT_EQ(printer.jobs.size(), 5);
    EXPECT_EQ(shownLines(), letter);

    // Enter on the option just chosen does the same.
    dialogs.answerInput("1");
    QTest::keyClick(option(2), Qt::Key_Return);
    EXPECT_EQ(dialogs.inputs.size(), 3);
    EXPECT_EQ(printer.jobs.size(), 6);

    // Cancel ends quietly: nothing listed, nothing printed.
    dialogs.answerInput("4", 2);
    QTest::keyClick(screen.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialogs.inputs.size(), 4);
    EXPECT_EQ(printer.jobs.size(), 6);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(button("cmdHeader")->isVisible());

    // Unticking shows the letter on the screen alone.
    click(chkPrint());
    EXPECT_EQ(shownLines(), letter);
    EXPECT_EQ(dialogs.inputs.size(), 4);
    EXPECT_EQ(printer.jobs.size(), 6);
    EXPECT_EQ(dialogs.unscripted, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainScreenTest, RunAgainAndPrinterBoxKeepFilledPromptBoxes)
{
    placeDemoSeason();
    placeSounds();
    start();

    click(option(5));
    EXPECT_EQ(sounds.played, QStringList{session->QuestionSound});
    // The pause count typed into its box, and a line in the list.
    box(3)->show();
    QTest::keyClicks(box(3), "10");
    list()->addItem("help line");

    click(button("cmdRun"));
    EXPECT_EQ(box(3)->text(), "10");
    EXPECT_TRUE(box(3)->isVisible());
    EXPECT_FALSE(shownLines().contains("help line"));
    click(chkPrint());
    EXPECT_EQ(box(3)->text(), "10");
    click(chkPrint());
    QTest::keyClick(box(3), Qt::Key_Return);
    EXPECT_EQ(box(3)->text(), "10");
    EXPECT_TRUE(option(5)->isChecked());
    EXPECT_EQ(sounds.played.size(), 1);  // running again plays no cue

    // Choosing a selection starts over.
    click(option(6));
    EXPECT_EQ(box(3)->text(), "");
    EXPECT_FALSE(box(3)->isVisible());
    click(option(5));
    EXPECT_EQ(box(3)->text(), "");
    EXPECT_EQ(sounds.played.size(), 2);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(MainScreenTest, OtherScreensClearTheWorkAreaAndNeverLeaveNoWindow)
{
    placeDemoSeason();
    start();
    auto anyWindowShown = [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                return true;
        }
        return false;
    };
    for (int index : {3, 4}) {
        click(option(2));
        dialogs.answerInput("x", 2);
        click(button("cmdHeader"));
        ASSERT_TRUE(button("cmdSave")->isVisible());
        click(option(index));
        EXPECT_EQ(checkedOptions(), 0) << index;
        EXPECT_EQ(list()->count(), 0) << index;
        EXPECT_FALSE(button("cmdSave")->isVisible()) << index;
        EXPECT_FALSE(button("cmdHeader")->isVisible()) << index;
        EXPECT_TRUE(anyWindowShown()) << index;
        EXPECT_EQ(find<QLabel>("LabelPrinted")->text(),
                  (index == 3 ? "Update Annual Data" : "Tickets - Print Front")
                      + QStringLiteral(" is not part of this version of Kickpool."));
    }
    click(option(2));
    dialogs.answerInput("x", 2);
    click(button("cmdHeader"));
    click(button("cmdSaveRestore"));
    EXPECT_EQ(checkedOptions(), 0);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_FALSE(button("cmdSave")->isVisible());
    EXPECT_TRUE(anyWindowShown());
    EXPECT_TRUE(find<QLabel>("LabelPrinted")->isVisible());
    EXPECT_EQ(find<QLabel>("LabelPrinted")->text(), "DATA FILES is not part of this version of Kickpool.");
}

TEST_F(MainScreenTest, ReturnAddressChangedThenSavedOnlyOnYes)
{
    placeDemoSeason();
    start();
    click(option(2));
    EXPECT_FALSE(button("cmdSave")->isVisible());
    const Season before = session->season;

    // Cancel on the first line changes nothing, yet offers saving and shows the letter again.
    dialogs.answerInput("Someone Else", 2);
    click(button("cmdHeader"));
    EXPECT_EQ(dialogs.inputs, QVector<int>{1});
    EXPECT_EQ(session->season, before);
    EXPECT_TRUE(button("cmdSave")->isVisible());
    EXPECT_TRUE(button("cmdHeader")->isVisible());
    EXPECT_EQ(shownLines(), letterLines(*session));

    // New name, an emptied first address line, the second kept with Enter, Cancel on the last.
    dialogs.answerInput("Lakeside Boosters").answerInput("").acceptInput().answerInput("Elsewhere", 2);
    click(button("cmdHeader"));
    EXPECT_EQ(dialogs.inputs, (QVector<int>{1, 1, 2, 3, 4}));
    const auto& address = session->season.ReturnAddress;
    EXPECT_EQ(address[1], "Lakeside Boosters");
    EXPECT_EQ(address[2], "");
    EXPECT_EQ(address[3], "PO Box 12");
    EXPECT_EQ(address[4], "Riverside, OH 45001");
    const QStringList lines = shownLines();
    EXPECT_EQ(lines.mid(4, 4), (QStringList{"       Lakeside Boosters", "       PO Box 12",
                                            "       Riverside, OH 45001", ""}));
    EXPECT_EQ(lines.last(), "       Lakeside Boosters");
    EXPECT_EQ(readFile(seasonPath()), demo);

    // No to the warning saves nothing; the change stays in memory.
    dialogs.answerMessage(7);
    click(button("cmdSave"));
    EXPECT_EQ(dialogs.messages, QVector<int>{26});
    EXPECT_FALSE(button("cmdSave")->isVisible());
    EXPECT_EQ(readFile(seasonPath()), demo);
    EXPECT_EQ(session->season.ReturnAddress[1], "Lakeside Boosters");

    // Choosing a selection takes the save button away again.
    dialogs.answerInput("", 2);
    click(button("cmdHeader"));
    EXPECT_TRUE(button("cmdSave")->isVisible());
    click(option(6));
    EXPECT_FALSE(button("cmdSave")->isVisible());

    // Yes writes the whole season with the new address.
    click(option(2));
    dialogs.answerInput("", 2);
    click(button("cmdHeader"));
    dialogs.answerMessage(6);
    click(button("cmdSave"));
    EXPECT_FALSE(button("cmdSave")->isVisible());
    const Session reread = saved();
    EXPECT_EQ(reread.season.ReturnAddress[1], "Lakeside Boosters");
    EXPECT_EQ(reread.season.ReturnAddress[2], "");
    EXPECT_EQ(reread.season.ReturnAddress[3], "PO Box 12");
    EXPECT_EQ(reread.season.ScoredWeeks, before.ScoredWeeks);
    EXPECT_EQ(dialogs.unscripted, 0);
}

TEST_F(MainScreenTest, ResetReturnsToIdleAndKeepsTheSeason)
{
    placeDemoSeason();
    start();
    click(option(2));
    dialogs.answerInput("Changed Club").answerInput("", 2);
    click(button("cmdHeader"));
    dialogs.answerInput("1");
    click(chkPrint());
    ASSERT_EQ(printer.jobs.size(), 1);
    box(2)->show();
    box(2)->setText("5");
    label(2)->show();
    const Season before = session->season;
    const int shownBefore = dialogs.shown.size();

    click(button("cmdReset"));
    EXPECT_EQ(checkedOptions(), 0);
    EXPECT_FALSE(chkPrint()->isChecked());
    EXPECT_EQ(list()->count(), 0);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(box(n)->text(), "");
        EXPECT_FALSE(box(n)->isVisible());
        EXPECT_FALSE(label(n)->isVisible());
    }
    EXPECT_FALSE(button("cmdHeader")->isVisible());
    EXPECT_FALSE(button("cmdSave")->isVisible());
    EXPECT_EQ(session->season, before);
    EXPECT_EQ(session->season.ReturnAddress[1], "Changed Club");
    EXPECT_EQ(dialogs.shown.size(), shownBefore);
    EXPECT_EQ(printer.jobs.size(), 1);

    // With nothing selected, Enter does nothing.
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(dialogs.shown.size(), shownBefore);
}

TEST_F(MainScreenTest, ExitAsksAndNoKeepsEverything)
{
    placeDemoSeason();
    start();
    click(option(2));
    dialogs.answerInput("Changed Club").answerInput("", 2);
    click(button("cmdHeader"));
    const QStringList letter = shownLines();
    const Season before = session->season;

    dialogs.answerMessage(7);
    click(button("cmdExit"));
    EXPECT_EQ(dialogs.messages, QVector<int>{25});
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(shownLines(), letter);
    EXPECT_EQ(session->season, before);
    EXPECT_TRUE(option(2)->isChecked());
    EXPECT_TRUE(button("cmdSave")->isVisible());

    // The window's close box asks the same.
    dialogs.answerMessage(7);
    EXPECT_FALSE(screen->close());
    EXPECT_TRUE(screen->isVisible());

    dialogs.answerMessage(6);
    EXPECT_TRUE(screen->close());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(dialogs.messages, (QVector<int>{25, 25, 25}));
    EXPECT_EQ(readFile(seasonPath()), demo);  // unsaved changes are not saved
}

// Scaled for the common screen sizes, with every control shown: none covers another, all lie
// inside the window, every caption fits its control, and an 80-character report line fits the
// list.
TEST_F(MainScreenTest, LayoutFitsFromSmallToLargeScreens)
{
    placeDemoSeason();
    for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080)}) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()).toStdString());
        start(nullptr, size);
        EXPECT_FLOAT_EQ(session->ScaleX, size.width() / 800.0f);
        EXPECT_EQ(screen->width(), qRound(800 * session->ScaleX));
        label(1)->setText("First Ticket #");
        label(2)->setText("Last Ticket #");
        label(3)->setText("# To Print Before Pause");
        auto* note = find<QLabel>("LabelPrinted");
        note->setText("No printer found; the printout was saved as "
                      "/home/club/kickpool/Prints/Letter to winners 2026-11-20 10-00-00.pdf");
        for (QWidget* w : screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            w->show();

        QVector<QWidget*> controls = screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        ASSERT_EQ(controls.size(), 16);
        for (int a = 0; a < controls.size(); ++a) {
            const std::string name = controls[a]->objectName().toStdString();
            EXPECT_TRUE(screen->rect().contains(controls[a]->geometry())) << name;
            for (int b = a + 1; b < controls.size(); ++b)
                EXPECT_FALSE(controls[a]->geometry().intersects(controls[b]->geometry()))
                    << name << " / " << controls[b]->objectName().toStdString();
        }
        auto fits = [](QWidget* w, const QString& text, int margin) {
            const QFontMetrics metrics(w->font());
            const QStringList parts = text.split('\n');
            int widest = 0;
            for (const QString& part : parts)
                widest = std::max(widest, metrics.horizontalAdvance(part));
            return widest + margin <= w->width() && parts.size() * metrics.lineSpacing() <= w->height();
        };
        for (auto* b : screen->findChildren<Button*>())
            EXPECT_TRUE(fits(b, b->caption(), 12)) << b->objectName().toStdString();
        EXPECT_TRUE(fits(button("cmdRun"), "RUN AGAIN", 12));
        for (int index = 1; index <= 6; ++index)
            EXPECT_TRUE(fits(option(index), option(index)->text(), 24)) << index;
        EXPECT_TRUE(fits(chkPrint(), "Yes", 24));
        for (int n = 1; n <= 3; ++n)
            EXPECT_TRUE(fits(label(n), label(n)->text(), 0)) << n;
        EXPECT_TRUE(fits(note, note->text(), 0));
        const QFontMetrics frameMetrics(find<QGroupBox>("Frame2")->font());
        EXPECT_LE(frameMetrics.horizontalAdvance(find<QGroupBox>("Frame2")->title()) + 16,
                  find<QGroupBox>("Frame2")->width());
        EXPECT_LE(QFontMetrics(list()->font()).horizontalAdvance(QString(80, 'M')),
                  list()->viewport()->width() - list()->verticalScrollBar()->sizeHint().width());
    }
}
