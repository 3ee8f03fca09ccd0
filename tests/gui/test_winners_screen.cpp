#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "reports/Summary.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyReport.h"

namespace {

// Four teams, two regular weeks and one playoff week, one random winner a week.
class WinnersScreen : public MainScreenHarness {
protected:
    void SetUp() override
    {
        placeSeasonFile("four_teams_to_enter.txt");
        placeSounds();
        start();
    }

    // The week prompt is showing, waiting for a week number.
    void expectPrompt()
    {
        EXPECT_EQ(shownLines(), weekPromptLines(session->season));
        EXPECT_TRUE(box(2)->isVisible());
        EXPECT_EQ(box(2)->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), box(2));
        EXPECT_EQ(label(2)->text(), QStringLiteral("Week #"));
        EXPECT_FALSE(box(1)->isVisible() || box(3)->isVisible());
    }
    // A fresh script that answers the team inputs in turn.
    ScriptedDialogs& scores(const QStringList& typed)
    {
        rescript();
        for (const QString& score : typed)
            dialogs.answerInput(score);
        return dialogs;
    }
};

}  // namespace

TEST_F(WinnersScreen, AWholeSeasonOfWeeksThroughTheEnterKey)
{
    click(option(1));
    expectPrompt();
    EXPECT_EQ(sounds.played, QStringList{session->QuestionSound});

    // First entry of week 1: one input per team, a blank for a bye.
    scores({"21", "17", "", "30"});
    typeAndEnter(QStringLiteral("1"));
    ASSERT_EQ(dialogs.shown, QStringList(4, QStringLiteral("input 5")));
    EXPECT_EQ(dialogs.inputTexts[3].last(), QStringLiteral(" 4 TEAM 04"));
    Session after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 1);
    EXPECT_EQ(after.season.Score[1][3], Bye);
    EXPECT_EQ(shownLines(), weeklyReportLines(after, 1, {"", "21", "17", "  ", "30"}));
    EXPECT_TRUE(printer.jobs.isEmpty());

    // The next Enter starts again at the prompt.
    pressEnter();
    expectPrompt();

    // A correction: the stored scores are offered; team 4 now 25.
    rescript().answerMessage(Answer::Yes).acceptInput().acceptInput().acceptInput().answerInput(QStringLiteral("25"));
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::ScoresAlreadyExist});
    after = saved();
    EXPECT_EQ(after.season.Score[1][4], 25);
    EXPECT_EQ(shownLines()[4], QStringLiteral("    1 Team 01        21      3 Team 03                4 Team 04        25"));

    // Reported again without a correction: the stored scores, with a blank before each number.
    rescript().answerMessage(Answer::No).answerMessage(Answer::No);
    pressEnter();
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::ScoresAlreadyExist, MessageId::StartNewSeason}));
    EXPECT_TRUE(dialogs.inputs.isEmpty());
    EXPECT_EQ(shownLines(), weeklyReportLines(saved(), 1));

    // Week 2, printed: the report goes to the printer as it is listed.
    click(chkPrint());
    expectPrompt();
    scores({"10", "20", "30", "40"});
    typeAndEnter(QStringLiteral("2"));
    after = saved();
    EXPECT_EQ(printer.jobs, weeklyReportJobs(after, shownLines()));

    // Week 3 is the last week: printed, the list then shows the annual summary alone.
    printer.jobs.clear();
    scores({"3", "9", "12", "6"});
    pressEnter();
    typeAndEnter(QStringLiteral("3"));
    after = saved();
    const QStringList summary = summaryLines(after);
    EXPECT_EQ(shownLines(), summary);
    const QStringList week3 = weeklyReportLines(after, 3, {"", "3", "9", "12", "6"});
    EXPECT_EQ(printer.jobs, weeklyReportJobs(after, week3) + summaryJobs(after, summary));

    // Not printed, the summary follows the report in the list.
    click(chkPrint());
    rescript().answerMessage(Answer::No);
    typeAndEnter(QStringLiteral("3"));
    EXPECT_EQ(shownLines(), weeklyReportLines(after, 3) + summary);
}

TEST_F(WinnersScreen, InputErrorsNewSeasonAndCancel)
{
    // The week is worked from the file: a change in memory is asked about first, Yes saves it.
    session->season.Seed = 77;
    dialogs.answerMessage(Answer::Yes);
    click(option(1));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::ChangesNotSaved});
    EXPECT_EQ(saved().season.Seed, 77);

    // Out of range and not a number: the message, the box emptied, the prompt again.
    for (const char* typed : {"0", "4", "week"}) {
        rescript();
        typeAndEnter(QLatin1String(typed));
        EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::EnterWeekAgain}) << typed;
        expectPrompt();
    }

    // A week out of turn: the message names week 1; nothing is stored.
    rescript();
    typeAndEnter(QStringLiteral("2"));
    ASSERT_EQ(dialogs.messages, QVector<MessageId>{MessageId::PreviousWeekNotFound});
    EXPECT_EQ(dialogs.messageTexts[0].last(), QStringLiteral("Week # 1 MUST be entered first"));
    EXPECT_TRUE(shownLines().isEmpty());

    // A score out of range: the message, the same team asked again.
    scores({"1000", "", "7", "8", "9"});
    pressEnter();
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::EnterScoreAgain});
    Session after = saved();
    EXPECT_EQ(after.season.Score[1][1], Bye);  // accepted empty after the rejected 1000

    // Week 2 started and cancelled at the second team: nothing stored, the list empty.
    rescript().answerInput("5").answerInput("", Answer::Cancel);
    pressEnter();
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(dialogs.inputs.size(), 2);
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(saved().season.ScoredWeeks, 1);

    // Week 2 entered, then a new season from week 1: only the new week 1 stays stored.
    scores({"1", "2", "3", "4"});
    pressEnter();
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(saved().season.ScoredWeeks, 2);
    scores({"40", "30", "20", "10"}).answerMessage(Answer::No).answerMessage(Answer::Yes);
    pressEnter();
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::ScoresAlreadyExist, MessageId::StartNewSeason}));
    after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 1);
    EXPECT_EQ(after.season.Score[1][1], 40);
}
