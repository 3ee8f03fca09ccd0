#include "MainScreenHarness.h"
#include "TestSeason.h"

#include "dialogs/Button.h"
#include "prizes/PayoutEstimate.h"
#include "prizes/Prizes.h"

#include <QSignalSpy>

namespace {

// The prize structure screen on a season of 32 teams (496 tickets), 17 regular and 4 playoff
// weeks, $5 a ticket, with both sound cues in the home folder.
class PrizeScreen : public MainScreenHarness {
protected:
    PrizeScreen()
    {
        placeSounds();
        newSession();
        session->season = testSeason(32, 17, 4);
        session->season.setUnsoldRule(UnsoldRule::NextSold);
    }

    void open()
    {
        prizes = std::make_unique<Prizes>(*session, QSize(800, 600));
        showActive(prizes.get());
    }
    QWidget* window() const override { return prizes.get(); }
    QCheckBox* check(int position) const { return find<QCheckBox>(QStringLiteral("Check%1").arg(position)); }
    // Types into `expected`, which must have the focus, and presses Enter there.
    void typeAndEnter(QLineEdit* expected, const QString& text) const
    {
        ASSERT_EQ(QApplication::focusWidget(), expected);
        MainScreenHarness::typeAndEnter(text);
    }
    QStringList estimate() const { return payoutEstimate(session->season, prizes->switches()).lines; }
    qsizetype cues(const char* name) const { return sounds.played.filter(QLatin1String(name)).size(); }

    std::unique_ptr<Prizes> prizes;
};

}  // namespace

TEST_F(PrizeScreen, EnterTakesAnAmountAndOpensTheNextCheckedCategory)
{
    open();
    click(check(9));
    click(check(1));
    EXPECT_EQ(find<QLabel>("Label1")->text(), "Amount Per Week");
    EXPECT_EQ(prizes->listLines().mid(2, 3),
              (QStringList{"For 'Two Teams With Highest Total Points Scored',", "each week during Regular season,",
                           "Prize Amount can be any value between 0 and 1000."}));
    const qsizetype asked = cues("Question.wav");

    // Out of range (also beyond 16 bits): the error cue, the field emptied and still open.
    for (const char* refused : {"1001", "-1", "70000"}) {
        typeAndEnter(box(1), refused);
        EXPECT_EQ(box(1)->text(), "") << refused;
    }
    EXPECT_EQ(cues("error.wav"), 3);
    typeAndEnter(box(1), "1000");
    EXPECT_EQ(box(3)->text(), "$1000");
    EXPECT_EQ(session->season.prizeAmount(Prize::RegularHigh), 1000);
    // Check9's amount is asked for at once.
    EXPECT_TRUE(box(1)->isVisible());
    EXPECT_EQ(prizes->listLines().value(3), "each week during Playoff season,");
    EXPECT_EQ(cues("Question.wav"), asked + 1);

    typeAndEnter(box(1), "150");
    EXPECT_EQ(box(11)->text(), "$150");
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(prizes->listLines(), estimate());
    EXPECT_TRUE(prizes->listLines().contains("Playoffs - Two Teams w Highest Total Points    ( 4 wks @  150 /wk) =   600"));

    // An amount of 0 unchecks the category.
    click(check(9));
    click(check(9));
    typeAndEnter(box(1), "0");
    EXPECT_FALSE(check(9)->isChecked());
    EXPECT_EQ(box(11)->text(), "");
    EXPECT_EQ(prizes->listLines(), estimate());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PrizeScreen, RandomWinnersTakeAnAmountThenHowManyAWeek)
{
    open();
    click(check(6));
    typeAndEnter(box(1), "25");
    QLabel* number = find<QLabel>("Label2");
    EXPECT_TRUE(number->isVisible());
    EXPECT_EQ(prizes->listLines().value(2), "Number of Prizes can be any value between 0 and 20.");
    typeAndEnter(box(2), "21");
    EXPECT_EQ(box(2)->text(), "");
    EXPECT_EQ(cues("error.wav"), 1);
    typeAndEnter(box(2), "20");  // the most the help allows
    EXPECT_EQ(box(8)->text(), "20@$25");
    click(check(6));
    click(check(6));
    typeAndEnter(box(1), "25");
    typeAndEnter(box(2), "3");
    EXPECT_EQ(box(8)->text(), "3@$25");
    EXPECT_FALSE(number->isVisible());
    EXPECT_EQ(prizes->listLines(), estimate());
    EXPECT_TRUE(prizes->listLines().contains("Regular - Random Weekly Winners - ( 3/wk @$ 25)(17 wks @   75 /wk) =  1275"));

    // A number of 0 unchecks them and clears both values.
    click(check(6));
    click(check(6));
    typeAndEnter(box(1), "25");
    typeAndEnter(box(2), "0");
    EXPECT_FALSE(check(6)->isChecked());
    EXPECT_EQ(box(8)->text(), "");
    EXPECT_EQ(session->season.prizeAmount(Prize::RegularRandom) + session->season.randomWinnersPerWeek(), 0);

    // An amount whose number was never given is asked for after the next category's amount.
    click(check(6));
    typeAndEnter(box(1), "10");
    click(check(2));
    typeAndEnter(box(1), "50");
    EXPECT_TRUE(number->isVisible());
    typeAndEnter(box(2), "2");
    EXPECT_EQ(box(8)->text(), "2@$10");
    EXPECT_EQ(prizes->listLines(), estimate());
}

TEST_F(PrizeScreen, PriceAndEstimatedSoldAreCheckedWithTheirMessages)
{
    open();
    click(button("cmdPrice"));
    EXPECT_EQ(find<QLabel>("Label1")->text(), "Price Per Ticket");
    typeAndEnter(box(1), "0");
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::PriceOutOfRange});
    typeAndEnter(box(1), "100");
    EXPECT_EQ(box(15)->text(), "100");
    EXPECT_EQ(session->season.TicketPrice, 100);

    click(button("cmdSold"));
    typeAndEnter(box(1), "497");
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::PriceOutOfRange, MessageId::EstimatedSoldOutOfRange}));
    EXPECT_EQ(dialogs.messageTexts.last().value(2), "Estimated # < 1 or Estimated # > 496");
    typeAndEnter(box(1), "436");
    EXPECT_EQ(box(14)->text(), "436");
    EXPECT_EQ(session->season.SoldCount, 436);
    EXPECT_EQ(prizes->listLines(), estimate());
    EXPECT_EQ(prizes->listLines().value(0), "Ticket Price $ 100" + QString(18, ' ') + "Estimated Number of Tickets Sold   436");
    EXPECT_EQ(dialogs.unscripted, 2);
}

TEST_F(PrizeScreen, OpensOnTheStoredStructureAndLeavesItsSwitchesInTheSeason)
{
    Season& season = session->season;
    setPrizes(season, {{Prize::RegularHigh, 100}, {Prize::GrandHigh, 500}});
    season.setTieMethod(TieMethod::PayFull);
    open();
    EXPECT_EQ(prizes->windowTitle(), "KICKPOOL -  PRIZE STRUCTURE");
    EXPECT_TRUE(check(1)->isChecked() && check(7)->isChecked() && !check(2)->isChecked());
    EXPECT_EQ(box(3)->text() + box(9)->text() + box(15)->text() + "/" + box(14)->text(), "$100$5005/496");
    EXPECT_TRUE(find<QRadioButton>("optMethod1")->isChecked() && find<QRadioButton>("optPayment2")->isChecked());
    EXPECT_EQ(prizes->listLines(), estimate());
    EXPECT_FLOAT_EQ(season.Odds, 496.0f / (17 * 1.25f + 1));
    for (const auto& [name, caption, tip] :
         {std::tuple{"cmdPrice", "PRICE PER TICKET", " Click to change the ticket sales price "},
          {"cmdSold", "ESTIMATED TICKETS SOLD", " Click to input an estimate of tickets that will be sold "},
          {"cmdPrint", "PRINT PRIZE STRUCTURE", " Print Prize Structure shown below "},
          {"cmdReset", "RESET", " Reset all data on this screen"},
          {"cmdExit", "EXIT", " Return to Update Annual Data screen"}}) {
        EXPECT_EQ(find<Button>(name)->caption(), caption);
        EXPECT_EQ(find<Button>(name)->toolTip(), tip);
    }

    // Without a payment rule the estimate gives way to the reminders; choosing one brings it back.
    click(check(4));
    click(find<QRadioButton>("optMethod2"));
    click(find<QRadioButton>("optPayment1"));
    EXPECT_EQ(prizes->listLines(), estimate());
    QSignalSpy finished(prizes.get(), &SecondaryScreen::finished);
    click(button("cmdExit"));
    EXPECT_EQ(finished.count(), 1);
    const int expected[] = {0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, -1, -1, 0};
    for (int position = 1; position <= PrizeOptionCount; ++position)
        EXPECT_EQ(season.PrizeOption[position], expected[position]) << position;
}

TEST_F(PrizeScreen, PrintSendsTheListAndResetClearsWithoutAsking)
{
    setPrizes(session->season, {{Prize::RegularHigh, 100}, {Prize::RegularRandom, 10}, {Prize::GrandLow, 250}});
    session->season.setRandomWinnersPerWeek(2);
    open();
    const QStringList shown = prizes->listLines();
    ASSERT_EQ(shown, estimate());
    click(button("cmdPrint"));
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0], prizeStructureJob(shown));
    EXPECT_EQ(prizes->listLines(), shown);

    click(button("cmdReset"));
    EXPECT_TRUE(dialogs.shown.isEmpty());
    for (int position : {1, 6, 8})
        EXPECT_FALSE(check(position)->isChecked()) << position;
    EXPECT_EQ(box(3)->text() + box(8)->text() + box(10)->text() + box(15)->text(), "");
    EXPECT_FALSE(find<QRadioButton>("optMethod2")->isChecked() || find<QRadioButton>("optPayment2")->isChecked());
    EXPECT_EQ(session->season.PrizeValue, decltype(session->season.PrizeValue){});
    EXPECT_EQ(session->season.TicketPrice, 0);
    EXPECT_EQ(prizes->listLines(), (QStringList{"Select a 'Method For Ties'", "", "Select a 'Payment For Unsold Tickets'"}));
    // The old odds go with the prizes: the ticket front no longer prints them.
    EXPECT_EQ(session->season.Odds, NoPrizeOdds);
}

// A loss is said under the estimate, on the screen only.
TEST_F(PrizeScreen, ALossIsSaidUnderTheEstimate)
{
    setPrizes(session->season, {{Prize::GrandHigh, 5000}});
    open();
    QLabel* warning = find<QLabel>("LabelWarning");
    EXPECT_TRUE(warning->isVisible() && !prizes->listLines().join('\n').contains("short"));
    EXPECT_EQ(warning->text(), "These prizes pay out more than the tickets bring in: $2,520 short");
    click(check(7));
    EXPECT_FALSE(warning->isVisible());
}
