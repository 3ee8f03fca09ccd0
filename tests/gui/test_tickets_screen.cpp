#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "tickets/TicketBacks.h"

#include <gtest/gtest.h>

#include <utility>

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

// Four teams (six tickets), two regular weeks and one playoff week, ticket size 2.
class TicketsScreen : public MainScreenHarness {
protected:
    void SetUp() override
    {
        Season s = testSeason(4, 2, 1);
        s.TicketSize = 2;
        writeSeason(s);
        start(&failingPrinter);
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

    FailingPrinter failingPrinter;
};

}  // namespace

TEST_F(TicketsScreen, PromptsPausesAndPrintsOneJobPerBack)
{
    click(option(5));
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
    EXPECT_TRUE(failingPrinter.jobs.isEmpty());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box(1));

    // Printed: one job per back. The box re-runs the selection, which starts with its prompts.
    click(chkPrint());
    EXPECT_EQ(shownLines(), helpLines());
    dialogs = ScriptedDialogs();
    typeRange(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("none"));
    EXPECT_TRUE(dialogs.messages.isEmpty());  // a pause count of 0 never pauses
    ASSERT_EQ(failingPrinter.jobs.size(), 6);
    for (int t = 1; t <= 6; ++t)
        EXPECT_EQ(failingPrinter.jobs[t - 1], ticketBackJob(session->season, t));
    EXPECT_EQ(failingPrinter.jobs[0].ops()[2].value, 9.12);

    // Cancel at the pause: the run stops after the ticket just produced.
    failingPrinter.jobs.clear();
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(2);
    pressEnter();
    typeRange(QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("2"));
    EXPECT_EQ(dialogs.messages, QVector<int>{7});
    EXPECT_EQ(failingPrinter.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 1, 2));
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box(1));
}

TEST_F(TicketsScreen, InputErrorsAndAPrinterFailure)
{
    click(option(5));

    // A range outside the tickets (which ranges are refused is checked with the ticket backs):
    // the message, the boxes emptied, the prompts again.
    typeRange(QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<int>{6});
    EXPECT_EQ(dialogs.messageTexts[0][2], QStringLiteral("First # <1 or First # >6 or Last # >6"));
    EXPECT_EQ(shownLines(), helpLines());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(box(n)->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), box(1));

    // The printer fails: the failure is shown in red on Label3, and the run goes on to the end.
    click(chkPrint());
    failingPrinter.failing = true;
    dialogs = ScriptedDialogs();
    typeRange(QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("10"));
    EXPECT_EQ(label(3)->text(), QStringLiteral("#1 The printer is out of paper"));
    EXPECT_TRUE(label(3)->isVisible());
    EXPECT_EQ(label(3)->palette().color(label(3)->foregroundRole()), QColor(Qt::red));
    EXPECT_EQ(failingPrinter.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 5, 6));

    // The next run shows the caption again.
    failingPrinter.failing = false;
    pressEnter();
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));
    EXPECT_NE(label(3)->palette().color(label(3)->foregroundRole()), QColor(Qt::red));
}
