#include "MainScreenHarness.h"
#include "Screens.h"

#include "scores/ScoreSheet.h"
#include "tickets/WeeklyReport.h"

#include <QAction>
#include <QClipboard>
#include <QPlainTextEdit>

namespace {

// Four teams, two regular weeks and one playoff week: week 2 ends with the grand prize, week 3
// with the annual summary.
class ScoreSheetTest : public MainScreenHarness {
protected:
    void SetUp() override
    {
        registerScreens(screens);
        placeSeasonFile("four_teams_to_enter.txt");
        start();
    }
    QWidget* window() const override { return sheet ? static_cast<QWidget*>(sheet) : screen.get(); }

    void openSheet()
    {
        screen->findChild<QAction*>(QStringLiteral("actionScoreSheet"))->trigger();
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && qobject_cast<ScoreSheet*>(shown))
                sheet = qobject_cast<ScoreSheet*>(shown);
        }
        ASSERT_TRUE(sheet);
        ASSERT_TRUE(QTest::qWaitForWindowActive(sheet));
        EXPECT_FALSE(screen->isVisible());
    }
    QLineEdit* score(int team) const { return find<QLineEdit>(QStringLiteral("Score%1").arg(team)); }
    QCheckBox* bye(int team) const { return find<QCheckBox>(QStringLiteral("Bye%1").arg(team)); }
    // Types the scores from the first box down, Enter moving to the next box.
    void typeScores(const QStringList& scores)
    {
        score(1)->setFocus();
        for (const QString& typed : scores) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            typeAndEnter(typed);
        }
        EXPECT_EQ(QApplication::focusWidget(), button("cmdOK"));
    }
    // OK stores the week: the sheet is gone and the main screen shows the week.
    void storeWeek()
    {
        click(button("cmdOK"));
        EXPECT_FALSE(sheet->isVisible());
        sheet = nullptr;
        EXPECT_TRUE(screen->isVisible());
    }
    QStringList pasteLines() const
    {
        QStringList lines;
        auto* list = find<QListWidget>(QStringLiteral("PasteLines"));
        for (int row = 0; row < list->count(); ++row)
            lines.append(list->item(row)->text());
        return lines;
    }

    struct Step {
        QByteArray file;
        QStringList lines;
        QVector<PrintJob> jobs;
    };
    Step step()
    {
        return {readFile(seasonPath()), shownLines(), std::exchange(printer.jobs, {})};
    }

    QPointer<ScoreSheet> sheet;
};

}  // namespace

TEST_F(ScoreSheetTest, SheetAndDialogsStoreTheSameWeeksAndReports)
{
    const QVector<QStringList> weeks{{"21", "17", "", "30"}, {"10", "20", "30", "40"}, {"3", "9", "12", "6"}};
    // The dialog way: week 1 with a bye, its correction, then weeks 2 and 3 printed.
    QVector<Step> dialogWay;
    click(option(1));
    for (const QString& typed : weeks[0])
        dialogs.answerInput(typed);
    typeAndEnter(QStringLiteral("1"));
    dialogWay.append(step());
    rescript().answerMessage(Answer::Yes).acceptInput().acceptInput().acceptInput().answerInput(QStringLiteral("25"));
    typeAndEnter(QStringLiteral("1"));
    dialogWay.append(step());
    click(chkPrint());
    for (int week = 2; week <= 3; ++week) {
        for (const QString& typed : weeks[week - 1])
            dialogs.answerInput(typed);
        typeAndEnter(QString::number(week));
        dialogWay.append(step());
    }

    ASSERT_TRUE(writeFile(seasonPath(), placed));
    start();
    rescript();
    openSheet();
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("TextWeek"))->text(), QStringLiteral("1"));
    typeScores(weeks[0]);
    storeWeek();
    const Step first = step();
    EXPECT_EQ(first.file, dialogWay[0].file);
    EXPECT_EQ(first.lines, dialogWay[0].lines);

    // A stored week is opened for correction with the dialogs' question, its scores in the boxes.
    openSheet();
    EXPECT_EQ(find<QLineEdit>(QStringLiteral("TextWeek"))->text(), QStringLiteral("2"));
    dialogs.answerMessage(Answer::Yes);
    find<QLineEdit>(QStringLiteral("TextWeek"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::ScoresAlreadyExist});
    EXPECT_EQ(score(1)->text() + score(2)->text() + score(3)->text() + score(4)->text(), QStringLiteral("211730"));
    EXPECT_TRUE(bye(3)->isChecked());
    typeScores({"21", "17", "", "25"});
    storeWeek();
    const Step corrected = step();
    EXPECT_EQ(corrected.file, dialogWay[1].file);
    EXPECT_EQ(corrected.lines, dialogWay[1].lines);

    // The last regular week and the last week, printed as ticked on the main screen.
    click(chkPrint());
    for (int week = 2; week <= 3; ++week) {
        openSheet();
        typeScores(weeks[week - 1]);
        storeWeek();
        const Step printed = step();
        EXPECT_EQ(printed.file, dialogWay[week].file) << week;
        EXPECT_EQ(printed.lines, dialogWay[week].lines) << week;
        EXPECT_EQ(printed.jobs, dialogWay[week].jobs) << week;
        EXPECT_FALSE(printed.jobs.isEmpty());
    }
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::ScoresAlreadyExist});
}

TEST_F(ScoreSheetTest, PastedResultsAreShownBeforeAnythingIsStored)
{
    openSheet();
    // The week's checks of the dialogs: beyond the calendar, out of turn.
    auto* week = find<QLineEdit>(QStringLiteral("TextWeek"));
    for (const char* typed : {"9", "2"}) {
        week->setText(QLatin1String(typed));
        click(button("cmdOK"));
    }
    EXPECT_EQ(dialogs.messages, (QVector<MessageId>{MessageId::EnterWeekAgain, MessageId::PreviousWeekNotFound}));
    week->setText(QStringLiteral("1"));

    // A team the season does not have is marked on its line; nothing is stored until it is fixed.
    QApplication::clipboard()->setText(QStringLiteral("Team 01 21, team 2 17\nTeam 05 30\n"));
    click(button("cmdPaste"));
    EXPECT_EQ(pasteLines(), (QStringList{"Line 1: Team 01 21, team 2 17  ->  Team 01 21, Team 02 17",
                                         "?? Line 2: Team 05 30  ->  no team is called \"Team 05\"",
                                         "Byes: Team 03 and Team 04"}));
    EXPECT_EQ(find<QListWidget>(QStringLiteral("PasteLines"))->item(1)->foreground().color(), QColor(Qt::red));
    EXPECT_EQ(score(2)->text(), QStringLiteral("17"));
    EXPECT_TRUE(bye(3)->isChecked() && bye(4)->isChecked());
    rescript();
    click(button("cmdOK"));
    EXPECT_EQ(dialogs.messages, QVector<MessageId>{MessageId::TeamNotFound});
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(readFile(seasonPath()), placed);

    find<QPlainTextEdit>(QStringLiteral("PasteText"))->setPlainText(QStringLiteral("Team 01 21, team 2 17\nTeam 04 1000\n"));
    click(button("cmdReadAgain"));
    EXPECT_EQ(pasteLines().last(), QStringLiteral("Byes: Team 03 and Team 04"));
    find<QPlainTextEdit>(QStringLiteral("PasteText"))->setPlainText(QStringLiteral("Team 01 21, team 2 17\nTeam 04 30\n"));
    click(button("cmdReadAgain"));
    EXPECT_EQ(pasteLines().last(), QStringLiteral("Byes: Team 03"));
    // A score box changed by hand is checked like a typed score.
    score(2)->setText(QStringLiteral("1000"));
    click(button("cmdOK"));
    EXPECT_EQ(dialogs.messages.last(), MessageId::EnterScoreAgain);
    EXPECT_EQ(QApplication::focusWidget(), score(2));
    score(2)->setText(QStringLiteral("17"));
    storeWeek();
    EXPECT_EQ(shownLines(), weeklyReportLines(saved(), 1, {"", "21", "17", "  ", "30"}));

    // Results read onto a stored week: its question first; No keeps and reports the stored week.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("week1.csv"));
    ASSERT_TRUE(writeFile(file, "Team,Score\nTeam 04,15\nTeam 03,14\nTeam 02,13\nTeam 01,12\n"));
    const QByteArray before = readFile(seasonPath());
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        openSheet();
        sheet->setFileChooser([&file](QWidget*) { return file; });
        find<QLineEdit>(QStringLiteral("TextWeek"))->setText(QStringLiteral("1"));
        click(button("cmdReadFile"));
        EXPECT_EQ(score(4)->text(), QStringLiteral("15"));
        rescript().answerMessage(answer).answerMessage(Answer::No);
        storeWeek();
        EXPECT_EQ(dialogs.messages.first(), MessageId::ScoresAlreadyExist);
        EXPECT_EQ(shownLines(), weeklyReportLines(saved(), 1, answer == Answer::No ? ScoreTexts{"", " 21", " 17", "  ", " 30"}
                                                                                    : ScoreTexts{"", "12", "13", "14", "15"}));
    }
    EXPECT_NE(readFile(seasonPath()), before);
    EXPECT_EQ(saved().season.Score[1][4], 15);
    EXPECT_EQ(saved().season.ScoredWeeks, 1);
}
