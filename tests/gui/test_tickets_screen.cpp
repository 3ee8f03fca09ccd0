#include "MainScreenHarness.h"

#include "tickets/TicketBacks.h"

namespace {

// Four teams (six tickets), two regular weeks and one playoff week, ticket size 2; both cues.
class TicketsScreen : public MainScreenHarness {
protected:
    void SetUp() override
    {
        placeSeasonFile("tickets_four_teams.txt");
        placeSounds();
        failingPrinter.jobFailure = QStringLiteral("The printer is out of paper");
        start(&failingPrinter);
        click(option(5));
    }

    // Ready for the next range: the boxes emptied, the first one focused.
    void expectBoxesEmptied()
    {
        for (int n = 1; n <= 3; ++n)
            EXPECT_EQ(box(n)->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), box(1));
    }

    TroublePrinter failingPrinter;
};

}  // namespace

TEST_F(TicketsScreen, PromptsPausesAndPrintsOneJobPerBack)
{
    const QStringList help = ticketBackHelpLines(session->season);
    EXPECT_EQ(shownLines(), help);
    EXPECT_EQ((QStringList{label(1)->text(), label(2)->text(), label(3)->text()}),
              (QStringList{"First Ticket #", "Last Ticket #", "# To Print Before Pause"}));
    EXPECT_EQ(sounds.played, QStringList{session->QuestionSound});

    // RUN AGAIN and the printer box keep what the boxes hold and play no cue; choosing the
    // selection again starts over.
    QTest::keyClicks(box(3), "10");
    click(button("cmdRun"));
    click(chkPrint());
    click(chkPrint());
    EXPECT_TRUE(box(3)->isVisible() && box(3)->text() == "10");
    EXPECT_EQ(sounds.played.size(), 1);
    click(option(6));
    click(option(5));
    EXPECT_EQ(box(3)->text(), "");
    EXPECT_EQ(sounds.played.size(), 2);
    EXPECT_TRUE(dialogs.shown.isEmpty());

    // Tickets 2..5, a pause after every two: one pause (never after the last ticket).
    dialogs.answerMessage(Answer::Ok);
    typeTicketRange({"2", "5", "2"});
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::OutputPaused});
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 2, 5));
    EXPECT_TRUE(failingPrinter.jobs.isEmpty());
    expectBoxesEmptied();

    // Printed: one job per back. The box re-runs the selection, which starts with its prompts.
    click(chkPrint());
    EXPECT_EQ(shownLines(), help);
    rescript();
    typeTicketRange({"1", "6", "none"});
    EXPECT_TRUE(dialogs.messages.isEmpty());  // a pause count of 0 never pauses
    ASSERT_EQ(failingPrinter.jobs.size(), 6);
    for (int t = 1; t <= 6; ++t)
        EXPECT_EQ(failingPrinter.jobs[t - 1], ticketBackJob(session->season, t));

    // Cancel at the pause: the run stops after the ticket just produced.
    failingPrinter.jobs.clear();
    rescript().answerMessage(Answer::Cancel);
    pressEnter();
    typeTicketRange({"1", "6", "2"});
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::OutputPaused});
    EXPECT_EQ(failingPrinter.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 1, 2));
    expectBoxesEmptied();

    // Into a PDF there is no paper to reload: no pause.
    failingPrinter.jobs.clear();
    failingPrinter.toFile = true;
    rescript();
    pressEnter();
    typeTicketRange({"1", "6", "2"});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(failingPrinter.jobs.size(), 6);
}

TEST_F(TicketsScreen, InputErrorsAndAPrinterFailure)
{
    // A range outside the tickets: the message, the boxes emptied, the prompts again.
    typeTicketRange({"0", "3", "1"});
    ASSERT_EQ(dialogs.messages, QVector<MessageId>{MessageId::TicketOutOfRange});
    EXPECT_EQ(dialogs.messageTexts[0][2], QStringLiteral("First # <1 or First # >6 or Last # >6"));
    EXPECT_EQ(shownLines(), ticketBackHelpLines(session->season));
    expectBoxesEmptied();

    // The printer fails: the failure is shown in red on Label3, and the run goes on to the end.
    click(chkPrint());
    failingPrinter.failEveryJob = true;
    typeTicketRange({"5", "6", "10"});
    EXPECT_EQ(label(3)->text(), "#1 The printer is out of paper");
    EXPECT_TRUE(label(3)->isVisible() && shownRed(label(3)));
    EXPECT_EQ(failingPrinter.jobs.size(), 2);
    EXPECT_EQ(shownLines(), ticketBackLines(session->season, 5, 6));

    // The next run shows the caption again.
    failingPrinter.failEveryJob = false;
    pressEnter();
    EXPECT_EQ(label(3)->text(), QStringLiteral("# To Print Before Pause"));
    EXPECT_FALSE(shownRed(label(3)));
}
