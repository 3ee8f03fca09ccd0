// The main screen: start-up, the selections, the printouts and what the treasurer is told about
// them, the buttons, the layout, and the screens it opens in its place.
#include "MainScreenHarness.h"
#include "OutputPrinter.h"
#include "PdfReadBack.h"
#include "Screens.h"

#include "dialogs/Button.h"
#include "main/SecondaryScreen.h"
#include "reports/GrandPrize.h"
#include "reports/Letter.h"
#include "season/HomeFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolTip>

#include <stdexcept>

namespace {

class MainScreenTest : public MainScreenHarness {
protected:
    // The one window shown.
    static QWidget* shownWindow()
    {
        QWidgetList shown = QApplication::topLevelWidgets();
        shown.removeIf([](QWidget* w) { return !w->isVisible(); });
        EXPECT_LE(shown.size(), 1) << "more than one window shown";
        return shown.value(0);
    }
    void tickPrinter() const { QTest::mouseClick(chkPrint(), Qt::LeftButton, {}, QPoint(5, 5)); }

    // Nothing selected and no prompt or button of a selection shown.
    void expectIdle()
    {
        for (int index = 1; index <= 6; ++index)
            EXPECT_FALSE(option(index)->isChecked()) << index;
        EXPECT_FALSE(chkPrint()->isChecked());
        EXPECT_FALSE(button("cmdHeader")->isVisible());
        EXPECT_FALSE(button("cmdSave")->isVisible());
        for (int n = 1; n <= 3; ++n) {
            EXPECT_EQ(box(n)->text(), "");
            EXPECT_FALSE(box(n)->isVisible() || label(n)->isVisible()) << n;
        }
    }
};

}  // namespace

// Without a season file, and with a damaged one: the message, the built-in season, the notice
// lines and nothing selected; the screen then works on the defaults.
TEST_F(MainScreenTest, StartsOnDefaultsWithoutAUsableSeasonFile)
{
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged" : "missing");
        ASSERT_TRUE(!damaged || writeFile(seasonPath(), "\"Club\"\r\nnot a season\r\n"));
        rescript();
        start();
        EXPECT_EQ(dialogs.messages, QVector<MessageId>{damaged ? MessageId::DamagedFile : MessageId::FileNotFound});
        EXPECT_EQ(session->season.TicketCount, 496);
        EXPECT_EQ(shownLines(), dataLines("expected/start_notice.txt"));
        expectIdle();
    }
    click(option(2));
    EXPECT_EQ(shownLines(), letterLines(*session));
    EXPECT_EQ(shownLines().size(), 21);
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::DamagedFile});
}

TEST_F(MainScreenTest, LetterCopiesAndStandingsArePrintJobs)
{
    placeSeasonFile();
    start();
    const QStringList letter = letterLines(*session);
    ASSERT_EQ(letter[4], "       Riverside Boosters Club");

    // Ticking the printer box with nothing selected only clears the list.
    click(chkPrint());
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    dialogs.answerInput("3");
    click(option(2));
    EXPECT_EQ(dialogs.inputs, QVector<InputId>{InputId::LetterCopies});
    EXPECT_EQ(shownLines(), letter);
    EXPECT_EQ(printer.jobs, QVector<PrintJob>(3, letterJob(*session)));

    // Enter runs it again; Cancel at the copies ends quietly: nothing listed, nothing printed.
    dialogs.answerInput("4", Answer::Cancel);
    QTest::keyClick(screen.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialogs.inputs.size(), 2);
    EXPECT_EQ(list()->count(), 0);

    // Unticking shows the letter on the screen alone.
    click(chkPrint());
    EXPECT_EQ(shownLines(), letter);
    EXPECT_EQ(printer.jobs.size(), 3);

    // "Grand Prize": its standings; ticking the box again prints them as one job.
    click(option(6));
    EXPECT_EQ(shownLines(), grandPrizePreviewLines(*session));
    click(chkPrint());
    EXPECT_EQ(shownLines(), grandPrizePreviewLines(*session));
    ASSERT_EQ(printer.jobs.size(), 4);
    EXPECT_EQ(printer.jobs.last(), grandPrizePreviewJob(*session));
    EXPECT_EQ(dialogs.unscripted, 0);
}

// The return address changed on the letter, saved only on Yes; leaving asks first and RESET
// clears the screen, neither of them saving or forgetting a change.
TEST_F(MainScreenTest, ReturnAddressIsSavedOnlyOnYesAndNeitherExitNorResetTouchesIt)
{
    placeSeasonFile();
    start();
    click(option(2));
    EXPECT_FALSE(button("cmdSave")->isVisible());

    // New name, an emptied first address line, the second kept with Enter, Cancel on the last.
    dialogs.answerInput("Lakeside Boosters").answerInput("").acceptInput().answerInput("Elsewhere", Answer::Cancel);
    click(button("cmdHeader"));
    EXPECT_EQ(dialogs.inputs, (QVector<InputId>{InputId::OrganisationName, InputId::AddressLine1, InputId::AddressLine2, InputId::CityStateZip}));
    EXPECT_TRUE(button("cmdSave")->isVisible());
    const QStringList letter = shownLines();
    EXPECT_EQ(letter.mid(4, 4), (QStringList{"       Lakeside Boosters", "       PO Box 12", "       Riverside, OH 45001", ""}));
    EXPECT_EQ(letter.last(), "       Lakeside Boosters");

    // No to leaving, by the button or the window's close box: still running, the change kept.
    dialogs.answerMessage(Answer::No).answerMessage(Answer::No);
    click(button("cmdExit"));
    EXPECT_FALSE(screen->close());
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::ExitProgram, MessageId::ExitProgram}));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(shownLines(), letter);
    EXPECT_TRUE(button("cmdSave")->isVisible());

    // No to the warning saves nothing; the change stays in memory.
    rescript().answerMessage(Answer::No);
    click(button("cmdSave"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::SaveAllChangesMain});
    EXPECT_FALSE(button("cmdSave")->isVisible());
    EXPECT_EQ(readFile(seasonPath()), placed);
    EXPECT_EQ(session->season.ReturnAddress[1], "Lakeside Boosters");

    // Yes writes the whole season with the new address.
    dialogs.answerInput("", Answer::Cancel).answerMessage(Answer::Yes);
    click(button("cmdHeader"));
    click(button("cmdSave"));
    EXPECT_FALSE(button("cmdSave")->isVisible());
    EXPECT_EQ(saved().season, session->season);
    EXPECT_EQ(saved().season.ReturnAddress[2], "");
    const QByteArray written = readFile(seasonPath());

    // RESET after another change: nothing selected or shown, the season kept, nothing asked.
    dialogs.answerInput("Changed Club").answerInput("", Answer::Cancel).answerInput("1");
    click(button("cmdHeader"));
    click(chkPrint());
    box(2)->show();
    box(2)->setText("5");
    label(2)->show();
    const Season before = session->season;
    const int shownBefore = dialogs.shown.size();
    click(button("cmdReset"));
    expectIdle();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(session->season, before);
    EXPECT_EQ(dialogs.shown.size(), shownBefore);
    EXPECT_EQ(printer.jobs.size(), 1);

    // Yes ends it; No to CHANGES NOT SAVED drops the unsaved change.
    dialogs.answerMessage(Answer::Yes).answerMessage(Answer::No);
    EXPECT_TRUE(screen->close());
    EXPECT_EQ(dialogs.messages.mid(dialogs.messages.size() - 2),
              (QVector<MessageId>{MessageId::ExitProgram, MessageId::ChangesNotSaved}));
    EXPECT_EQ(readFile(seasonPath()), written);
    EXPECT_EQ(dialogs.unscripted, 0);
}

// With every control shown: none covers another, all lie inside the window (the options inside
// their frame), every caption fits its control, and an 80-character report line fits the list.
TEST_F(MainScreenTest, LayoutFitsFromSmallToLargeScreens)
{
    placeSeasonFile();
    for (const QSize size : {QSize(800, 600), QSize(1280, 1024)}) {
        SCOPED_TRACE(size.width());
        start(nullptr, size);
        EXPECT_EQ(screen->width(), size.width());
        label(3)->setText("# To Print Before Pause");
        for (QWidget* w : screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            w->show();
        const QVector<QWidget*> controls = screen->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (int a = 0; a < controls.size(); ++a) {
            EXPECT_TRUE(screen->rect().contains(controls[a]->geometry())) << controls[a]->objectName().toStdString();
            for (int b = a + 1; b < controls.size(); ++b)
                EXPECT_FALSE(controls[a]->geometry().intersects(controls[b]->geometry()))
                    << controls[a]->objectName().toStdString() << " / " << controls[b]->objectName().toStdString();
        }
        auto fits = [](QWidget* w, const QString& text, int margin) {
            const QRect need = QFontMetrics(w->font()).boundingRect(QRect(), 0, text);
            return need.width() + margin <= w->width() && need.height() <= w->height();
        };
        for (auto* b : screen->findChildren<Button*>())
            EXPECT_TRUE(fits(b, b->caption(), 12)) << b->objectName().toStdString();
        for (int index = 1; index <= 6; ++index) {
            EXPECT_TRUE(fits(option(index), option(index)->text(), 24)) << index;
            EXPECT_TRUE(option(index)->parentWidget()->rect().contains(option(index)->geometry())) << index;
        }
        EXPECT_TRUE(fits(label(3), label(3)->text(), 0));
        EXPECT_LE(QFontMetrics(list()->font()).horizontalAdvance(QString(80, 'M')),
                  list()->viewport()->width() - list()->verticalScrollBar()->sizeHint().width());
        // Tooltips grow with the screen like every other text.
        EXPECT_NEAR(QToolTip::font().pointSizeF(), QApplication::font().pointSizeF() * session->FontScale, 0.01);
    }
}

// What the treasurer is told about a printout: a failure is said where it happened and only
// there, and a PDF written in place of the printer is named after what it holds.
TEST_F(MainScreenTest, APrintoutThatFailsIsSaidInRedAndNotBlamedOnTheNextTicketBack)
{
    TroublePrinter trouble;
    placeSeasonFile();
    start(&trouble);
    tickPrinter();

    // The printer refuses the letter: the screen says so in red instead of keeping quiet.
    trouble.failNextJob = true;
    dialogs.answerInput(QStringLiteral("1"));
    click(option(2));
    ASSERT_EQ(trouble.jobs.size(), 1);
    EXPECT_EQ(note()->text(), "Printing failed: Paper jam");
    EXPECT_TRUE(note()->isVisible() && shownRed(note()));

    // The ticket back that follows prints well: no failure on Label3, no note.
    click(option(5));
    typeTicketRange({"7", "7", "0"});
    ASSERT_EQ(trouble.jobs.size(), 2);
    EXPECT_EQ(label(3)->text(), "# To Print Before Pause");
    EXPECT_FALSE(shownRed(label(3)) || note()->isVisible());

    // A run that cannot be written at its end is said the same way.
    trouble.failRun = true;
    click(option(6));
    EXPECT_EQ(trouble.jobs.size(), 3);
    EXPECT_EQ(note()->text(), "Printing failed: The output could not be opened.");
    EXPECT_TRUE(note()->isVisible() && shownRed(note()));

    // RUN AGAIN prints it well: nothing in red is left.
    click(button("cmdRun"));
    EXPECT_EQ(trouble.jobs.size(), 4);
    EXPECT_FALSE(note()->isVisible());
}

// Without a printer a run's printouts are one PDF in Prints, named after what it holds.
TEST_F(MainScreenTest, APdfOfTicketBacksIsNamedByItsRange)
{
    OutputPrinter toPdf(home.path(), true);
    placeSeasonFile();
    start(&toPdf);
    tickPrinter();
    const QString prints = QDir(home.filePath(QStringLiteral("Prints"))).absolutePath();
    const auto savedAs = [&](const QString& name) {
        const QRegularExpression expected(
            QStringLiteral("^No printer found; the printout was saved as (")
            + QRegularExpression::escape(prints + QLatin1Char('/') + name)
            + QStringLiteral(" \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d\\.pdf)$"));
        const QRegularExpressionMatch match = expected.match(note()->text());
        EXPECT_TRUE(match.hasMatch()) << note()->text().toStdString();
        EXPECT_TRUE(QFileInfo(match.captured(1)).isFile()) << match.captured(1).toStdString();
        EXPECT_FALSE(shownRed(note()));
        return match.captured(1);
    };

    click(option(5));
    typeTicketRange({"2", "4", "0"});
    EXPECT_EQ(pageSizes(savedAs(QStringLiteral("Ticket backs 2 to 4"))).size(), 3);  // one back a page

    // One ticket back keeps its own name; copies of one letter keep the letter's.
    pressEnter();
    typeTicketRange({"9", "9", "0"});
    savedAs(QStringLiteral("Ticket back 9"));
    dialogs.answerInput(QStringLiteral("2"));
    click(option(2));
    savedAs(QStringLiteral("Letter to winners"));

    // A run that prints nothing writes no file and says nothing.
    dialogs.answerInput(QString(), Answer::Cancel);
    pressEnter();
    EXPECT_FALSE(note()->isVisible());
    EXPECT_EQ(QDir(prints).entryList(QDir::Files).size(), 3);
}

TEST_F(MainScreenTest, AScreenThatCannotBeMadeLeavesTheMainScreenShown)
{
    screens.add(ScreenId::TicketFront, [](Session&, QWidget*) -> SecondaryScreen* { throw std::runtime_error("no"); });
    screens.add(ScreenId::DataFiles, [](Session&, QWidget*) -> SecondaryScreen* { return nullptr; });
    start();
    // The annual data screen is not registered at all.
    const std::pair<QAbstractButton*, QString> tries[] = {
        {option(3), QStringLiteral("Update Annual Data")},
        {option(4), QStringLiteral("Tickets - Print Front")},
        {button("cmdSaveRestore"), QStringLiteral("DATA FILES")},
    };
    for (const auto& [control, name] : tries) {
        click(control);
        EXPECT_TRUE(screen->isVisible()) << name.toStdString();
        EXPECT_EQ(note()->text(), name + QStringLiteral(" is not part of this version of Kickpool."));
        EXPECT_TRUE(note()->isVisible());
    }
    EXPECT_EQ(shownWindow(), screen.get());
}

// The program's own screens, each opened by its selection in place of the main screen and left
// by EXIT or the close box; the prize structure screen opens in place of the annual data screen.
TEST_F(MainScreenTest, EveryScreenTakesThePlaceOfItsOpenerUntilItIsClosed)
{
    registerScreens(screens);
    placeSeasonFile();
    start();
    auto exitFrom = [](QWidget* window) {
        QTest::mouseClick(window->findChild<QAbstractButton*>(QStringLiteral("cmdExit")), Qt::LeftButton);
    };
    auto opened = [](const char* screenClass) {
        QWidget* shown = shownWindow();
        EXPECT_TRUE(shown && shown->inherits(screenClass)) << screenClass;
        return QPointer<QWidget>(shown);
    };

    click(option(3));
    const QPointer<QWidget> annual = opened("Update");
    EXPECT_FALSE(option(3)->isChecked());
    QTest::mouseClick(annual->findChild<QRadioButton*>(QStringLiteral("optSelection7")), Qt::LeftButton);
    const QPointer<QWidget> prizes = opened("Prizes");
    exitFrom(prizes);
    EXPECT_EQ(shownWindow(), annual);
    EXPECT_TRUE(annual->close());  // the close box
    EXPECT_EQ(shownWindow(), screen.get());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(annual || prizes);

    click(option(4));
    exitFrom(opened("Front"));
    EXPECT_EQ(shownWindow(), screen.get());
    click(button("cmdSaveRestore"));
    exitFrom(opened("FilesScreen"));
    EXPECT_EQ(shownWindow(), screen.get());
    EXPECT_FALSE(note()->isVisible());
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{});
    EXPECT_EQ(readFile(seasonPath()), placed);

    // The menu bar sits above the controls and opens the data files screen like DATA FILES.
    auto* menuBar = screen->findChild<QMenuBar*>(QStringLiteral("MenuBar"));
    ASSERT_TRUE(menuBar);
    EXPECT_LE(menuBar->geometry().bottom(), screen->findChild<QWidget*>(QStringLiteral("Frame2"))->y());
    screen->findChild<QAction*>(QStringLiteral("actionDataFiles"))->trigger();
    exitFrom(opened("FilesScreen"));
    screen->findChild<QAction*>(QStringLiteral("actionAbout"))->trigger();
    ASSERT_EQ(dialogs.messages, QVector<MessageId>{MessageId::AboutKickpool});
    EXPECT_TRUE(dialogs.messageTexts[0].contains(versionLine()));
    EXPECT_TRUE(dialogs.messageTexts[0].contains(QStringLiteral("Home folder: ") + QDir::toNativeSeparators(home.path())));
    EXPECT_TRUE(dialogs.messageTexts[0].contains(QStringLiteral("User guide (F1): ")
                                                 + QDir::toNativeSeparators(QDir::cleanPath(KICKPOOL_BIN "/guide"))));
}
