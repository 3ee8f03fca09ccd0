#include "FrontSeason.h"

#include "dialogs/ScriptedDialogs.h"
#include "front/Front.h"
#include "front/FrontPrint.h"
#include "front/FrontScreenTexts.h"
#include "print/RecordingPrinter.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The ticket front screen on a season file of its own, scaled for 800 x 600, with scripted
// dialogs and a printer that keeps its jobs.
class FrontScreen : public ::testing::Test {
protected:
    FrontScreen() { QApplication::setQuitOnLastWindowClosed(false); }

    void open(int storedSize)
    {
        ASSERT_TRUE(writeFile(seasonPath(), seasonFileBytes(fullFrontSeason(storedSize))));
        session = std::make_unique<Session>(home.path(), Services{&dialogs, &clock, nullptr, &printer});
        LoadSeason(*session);
        reopen();
    }
    void reopen()
    {
        screen = std::make_unique<Front>(*session, QSize(800, 600));
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }
    QString seasonPath() const { return home.filePath(QStringLiteral("Files/Kickpool.txt")); }

    template <class T>
    T* find(const QString& name) const
    {
        T* widget = screen->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QRadioButton* option(int index) const { return find<QRadioButton>(QStringLiteral("optSelection%1").arg(index)); }
    QPushButton* button(const char* name) const { return find<QPushButton>(QLatin1String(name)); }
    QComboBox* sizes() const { return find<QComboBox>(QStringLiteral("Combo1")); }
    QLineEdit* entry() const { return find<QLineEdit>(QStringLiteral("Text1")); }
    QTableWidget* preview() const { return find<QTableWidget>(QStringLiteral("MSFlexGrid1")); }
    QStringList help() const
    {
        const QListWidget* list = find<QListWidget>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }
    QStringList previewTexts() const
    {
        QStringList texts;
        for (int row = 0; row < preview()->rowCount(); ++row)
            texts << preview()->item(row, 0)->text();
        return texts;
    }
    void click(QAbstractButton* target) const { QTest::mouseClick(target, Qt::LeftButton); }
    // Replaces the entry box's text by typing, then presses Enter.
    void retype(const QString& text) const
    {
        ASSERT_EQ(QApplication::focusWidget(), entry());
        QTest::keyClick(entry(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entry(), text);
        QTest::keyClick(entry(), Qt::Key_Return);
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    RecordingPrinter printer;
    std::unique_ptr<Session> session;
    std::unique_ptr<Front> screen;
};

TEST_F(FrontScreen, SizeChoiceOffersTheSheetThatSuitsItAndResetOrReopeningBringsBackTheStoredSize)
{
    open(0);
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("Text3"))->text(), QStringLiteral("496"));
    EXPECT_EQ(sizes()->currentText(), QStringLiteral("TICKET SIZE - Heigth 5.75\", Width 2.75\" (4 per page)"));
    EXPECT_EQ(help(), ticketSizeHelp());
    EXPECT_TRUE(option(7)->isVisible());
    EXPECT_FALSE(option(6)->isVisible());

    sizes()->setFocus();
    QTest::keyClick(sizes(), Qt::Key_Down);
    EXPECT_EQ(session->season.TicketSize, 1);
    EXPECT_TRUE(option(6)->isVisible());
    EXPECT_FALSE(option(7)->isVisible());

    click(option(6));
    click(button("cmdReset"));
    EXPECT_EQ(sizes()->currentIndex(), 0);
    EXPECT_EQ(session->season.TicketSize, 0);
    EXPECT_EQ(screen->selectedIndex(), 0);
    EXPECT_TRUE(option(7)->isVisible());

    sizes()->setFocus();
    QTest::keyClick(sizes(), Qt::Key_Down);
    QSignalSpy finished(screen.get(), &SecondaryScreen::finished);
    click(button("cmdExit"));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(screen->isVisible());
    reopen();
    EXPECT_EQ(sizes()->currentIndex(), 0);
    EXPECT_EQ(session->season.TicketSize, 0);
    EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(FrontScreen, TypedTextsShowInThePreviewAtOnceAndReachTheFileOnlyWithSaveAllChanges)
{
    open(2);
    const QByteArray stored = readFile(seasonPath());
    EXPECT_EQ(previewTexts(), frontTexts(frontLines(session->season)));
    EXPECT_TRUE(preview()->item(0, 0)->font().bold());

    click(option(1));
    EXPECT_EQ(find<QLabel>(QStringLiteral("Label1"))->text(), QStringLiteral("TITLE OF YOUR ORGANIZATION"));
    EXPECT_EQ(entry()->text(), QStringLiteral("Lakeside Boosters"));
    EXPECT_EQ(help(), frontTextHelp(1));
    retype(QStringLiteral("RIVERSIDE CLUB"));
    EXPECT_EQ(previewTexts().first(), QStringLiteral("RIVERSIDE CLUB") + blanks(12));
    EXPECT_EQ(readFile(seasonPath()), stored);

    // A single blank typed as the information line removes it.
    click(option(4));
    retype(QStringLiteral(" "));
    EXPECT_EQ(previewTexts()[28], blanks(17));
    EXPECT_EQ(session->season.FrontText[4], QString());
    EXPECT_EQ(entry()->text(), QString());
    EXPECT_TRUE(help().isEmpty());

    dialogs.answerMessage(Answer::Yes);
    click(button("cmdSave"));
    EXPECT_EQ(dialogs.messages, QVector<int>{4});
    EXPECT_EQ(button("cmdSave")->text(), QStringLiteral("SAVED"));
    Session reader(home.path());
    LoadSeason(reader);
    EXPECT_EQ(reader.season.FrontText[1], QStringLiteral("RIVERSIDE CLUB"));
    EXPECT_EQ(reader.season.FrontText[4], QString());
}

TEST_F(FrontScreen, PrintAsksHowManySheetsAndPrintsEachAsItsOwnJob)
{
    open(2);
    dialogs.answerMessage(Answer::Ok);
    click(button("cmdPrint"));
    EXPECT_EQ(dialogs.messages, QVector<int>{15});
    EXPECT_TRUE(printer.jobs.isEmpty());

    click(option(6));
    EXPECT_EQ(help(), landscapeHelp(false));
    dialogs.answerInput(QStringLiteral("1000")).answerInput(QStringLiteral("5"));
    click(button("cmdPrint"));
    EXPECT_EQ(dialogs.inputs, (QVector<int>{7, 7}));
    EXPECT_EQ(dialogs.inputTexts[0].last(), QStringLiteral(" NUMBER OF TICKETS TO PRINT"));
    ASSERT_EQ(printer.jobs.size(), 5);
    const QVector<FrontLine> lines = frontLines(session->season);
    for (const PrintJob& job : printer.jobs) {
        EXPECT_EQ(job, frontSheetJob(lines, 2, FrontStyle::ThreeToSheet));
        EXPECT_EQ(job.lines().size(), 3 * printedTexts(lines).size());
    }

    dialogs.answerInput(QStringLiteral("3"), Answer::Cancel);
    click(button("cmdPrint"));
    EXPECT_EQ(printer.jobs.size(), 5);
    EXPECT_EQ(dialogs.unscripted, 0);
}
