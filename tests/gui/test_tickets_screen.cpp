#include "dialogs/ScriptedDialogs.h"
#include "main/MainScreen.h"
#include "print/RecordingPrinter.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Keeps the jobs; can be told to fail every job it is given.
class FailingPrinter final : public Printer {
public:
    void print(const PrintJob& job) override
    {
        jobs.append(job);
        if (failing)
            failure = QStringLiteral("The printer is out of paper");
    }
    QString takeFailure() override { return std::exchange(failure, {}); }
    QVector<PrintJob> jobs;
    bool failing = false;
    QString failure;
};

Season sixTicketSeason()
{
    Season s;
    s.FrontText[1] = QStringLiteral("Lakeside Boosters");
    s.TicketPrice = 5;
    s.Odds = 10;
    s.RegularWeeks = 2;
    s.RegularDate[1] = QStringLiteral("Sep  7");
    s.RegularDate[2] = QStringLiteral("Sep 14");
    s.PlayoffWeeks = 1;
    s.PlayoffDate[1] = QStringLiteral("Sep 21");
    s.TeamCount = 4;
    s.TeamName = {QString(), QStringLiteral("Bears"), QStringLiteral("Colts"), QStringLiteral("Eagles"),
                  QStringLiteral("Lions")};
    s.TicketSize = 2;
    s.ScoreTeams = 4;
    return s;
}

class TicketsScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(home.isValid());
        QDir().mkpath(home.filePath(QStringLiteral("Files")));
        QFile file(home.filePath(QStringLiteral("Files/Kickpool.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(seasonFileBytes(sixTicketSeason()));
        file.close();
        session = std::make_unique<Session>(home.path(), Services{&dialogs, &clock, nullptr, &printer});
        screen = std::make_unique<MainScreen>(*session);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }

    template <class T>
    T* find(const QString& name) const
    {
        T* widget = screen->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    QLineEdit* box(int n) const { return find<QLineEdit>(QStringLiteral("Text%1").arg(n)); }
    QLabel* label(int n) const { return find<QLabel>(QStringLiteral("Label%1").arg(n)); }
    QListWidget* list() const { return find<QListWidget>(QStringLiteral("List1")); }

    QStringList shownLines() const
    {
        QStringList lines;
        for (int row = 0; row < list()->count(); ++row)
            lines.append(list()->item(row)->text());
        return lines;
    }

    void typeAndEnter(const QString& text)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, text);
        QTest::keyClick(focused, Qt::Key_Return);
    }

    // The three numbers typed in turn, each box getting the focus when its turn comes.
    void typeRange(const QString& first, const QString& last, const QString& pause)
    {
        EXPECT_EQ(QApplication::focusWidget(), box(1));
        typeAndEnter(first);
        EXPECT_EQ(QApplication::focusWidget(), box(2));
        typeAndEnter(last);
        EXPECT_EQ(QApplication::focusWidget(), box(3));
        typeAndEnter(pause);
    }

    QStringList helpLines() const { return ticketBackHelpLines(session->season); }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    FailingPrinter printer;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> screen;
};

}  // namespace

TEST_F(TicketsScreen, PromptsPausesAndPrintsOneJobPerBack)
{
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection5")), Qt::LeftButton);
    EXPECT_EQ(shownLines(), helpLines());
    EXPECT_EQ(shownLines()[1], QStringLiteral("Value is any number from 1 to 6 inclusive."));
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(box(n)->isVisible() && label(n)->isVisible()) << n;
    EXPECT_EQ(label(1)->text(), QStringLiteral("First Ticket #"));
    EXPECT_EQ(label(2)->text(), QStringLiteral("Last Ticket #"));
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));

    // Tickets 2..5, a pause after every two: one pause (never after the last ticket).
    dialogs.answerMessage(1);
    typeRange(QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("2"));
    EXPECT_EQ(dialogs.messages, QVector<int>{7});
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 2, 5));
    EXPECT_TRUE(printer.jobs.isEmpty());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box(1));

    // Printed: one job per back. The box re-runs the selection, which starts with its prompts.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(shownLines(), helpLines());
    dialogs = ScriptedDialogs();
    typeRange(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("none"));
    EXPECT_TRUE(dialogs.messages.isEmpty());  // a pause count of 0 never pauses
    ASSERT_EQ(printer.jobs.size(), 6);
    for (int t = 1; t <= 6; ++t)
        EXPECT_EQ(printer.jobs[t - 1], ticketBackJob(session->season, t));
    EXPECT_EQ(printer.jobs[0].ops()[2].value, 9.12);

    // Cancel at the pause: the run stops after the ticket just produced.
    printer.jobs.clear();
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeRange(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("2"));
    EXPECT_EQ(dialogs.messages, QVector<int>{7});
    EXPECT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 1, 2));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(TicketsScreen, InputErrorsAndAPrinterFailure)
{
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection5")), Qt::LeftButton);

    // A range outside the tickets, then an inverted range: the message, the boxes emptied, the
    // prompts again.
    typeRange(QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<int>{6});
    EXPECT_EQ(dialogs.messageTexts[0][2], QStringLiteral("First # <1 or First # >6 or Last # >6"));
    EXPECT_EQ(shownLines(), helpLines());
    typeRange(QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<int>{6, 5}));
    EXPECT_EQ(shownLines(), helpLines());
    typeRange(QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<int>{6, 5, 6}));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());

    // The printer fails: the failure is shown in red on Label3, and the run goes on to the end.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton, {}, QPoint(5, 5));
    printer.failing = true;
    dialogs = ScriptedDialogs();
    typeRange(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("10"));
    EXPECT_EQ(label(3)->text(), QStringLiteral("#1 The printer is out of paper"));
    EXPECT_TRUE(label(3)->isVisible());
    EXPECT_EQ(label(3)->palette().color(label(3)->foregroundRole()), QColor(Qt::red));
    EXPECT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 5, 6));

    // The next run shows the caption again.
    printer.failing = false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));
    EXPECT_NE(label(3)->palette().color(label(3)->foregroundRole()), QColor(Qt::red));
}
