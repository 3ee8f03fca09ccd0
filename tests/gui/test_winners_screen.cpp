#include "dialogs/ScriptedDialogs.h"
#include "main/MainScreen.h"
#include "print/RecordingPrinter.h"
#include "reports/Summary.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyReport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CueRecorder final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

// Four teams, two regular weeks and one playoff week, one random winner a week.
Season fourTeamSeason()
{
    Season s;
    s.FrontText[1] = QStringLiteral("Lakeside Boosters");
    s.FrontText[3] = QStringLiteral("2026 NFL");
    s.TicketPrice = 5;
    s.Seed = 321;
    s.Odds = 10;
    s.RegularWeeks = 2;
    s.RegularDate[1] = QStringLiteral("Sep  7");
    s.RegularDate[2] = QStringLiteral("Sep 14");
    s.PlayoffWeeks = 1;
    s.PlayoffDate[1] = QStringLiteral("Sep 21");
    s.TeamCount = 4;
    s.TeamName = {QString(), QStringLiteral("Bears"), QStringLiteral("Colts"), QStringLiteral("Eagles"),
                  QStringLiteral("Lions")};
    s.PrizeOption[1] = s.PrizeOption[2] = s.PrizeOption[4] = s.PrizeOption[6] = 1;
    s.PrizeOption[9] = s.PrizeOption[11] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[14] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 50;
    s.PrizeValue[4] = 30;
    s.PrizeValue[6] = 5;
    s.PrizeValue[9] = 80;
    s.PrizeValue[11] = 40;
    s.PrizeValue[12] = 1;
    s.ScoreTeams = 4;
    return s;
}

class WinnersScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(home.isValid());
        writeFile(QStringLiteral("Files/Kickpool.txt"), seasonFileBytes(fourTeamSeason()));
        writeFile(QStringLiteral("Sounds/Question.wav"), "RIFF");
        session = std::make_unique<Session>(home.path(), Services{&dialogs, &clock, &cues, &printer});
        screen = std::make_unique<MainScreen>(*session);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }

    void writeFile(const QString& relative, const QByteArray& bytes)
    {
        const QString path = home.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The season as the file holds it now.
    Session saved() const
    {
        Session reader(home.path(), Services{nullptr, const_cast<FixedClock*>(&clock), nullptr, nullptr});
        LoadSeason(reader);
        return reader;
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

    // Types into the box that has the focus and presses Enter there, as the operator does.
    void typeAndEnter(const QString& text)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, text);
        QTest::keyClick(focused, Qt::Key_Return);
    }

    QStringList promptLines() const
    {
        return {QStringLiteral("Enter 'Week #'(1 to  3), then press 'ENTER'."), QString(),
                QStringLiteral("IMPORTANT: 'Week #' MUST be as shown on tickets (for a given date).")};
    }

    // The week prompt is showing, waiting for a week number.
    void expectPrompt()
    {
        EXPECT_EQ(shownLines(), promptLines());
        EXPECT_TRUE(box(2)->isVisible());
        EXPECT_EQ(box(2)->text(), QString());
        EXPECT_EQ(QApplication::focusWidget(), box(2));
        EXPECT_TRUE(label(2)->isVisible());
        EXPECT_EQ(label(2)->text(), QStringLiteral("Week #"));
        EXPECT_FALSE(box(1)->isVisible());
        EXPECT_FALSE(box(3)->isVisible());
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    CueRecorder cues;
    RecordingPrinter printer;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> screen;
};

}  // namespace

TEST_F(WinnersScreen, AWholeSeasonOfWeeksThroughTheEnterKey)
{
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection1")), Qt::LeftButton);
    expectPrompt();
    EXPECT_EQ(cues.played, QStringList{session->QuestionSound});

    // First entry of week 1: one input per team, a blank for a bye.
    dialogs.answerInput(QStringLiteral("21")).answerInput(QStringLiteral("17")).answerInput(QString());
    dialogs.answerInput(QStringLiteral("30"));
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.shown, QStringList(4, QStringLiteral("input 5")));
    EXPECT_EQ(dialogs.inputTexts[3].last(), QStringLiteral(" 4 LIONS"));
    Session after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 1);
    EXPECT_EQ(after.season.Score[1][3], Bye);
    const ScoreTexts typed{QString(), QStringLiteral("21"), QStringLiteral("17"), QStringLiteral("  "), QStringLiteral("30")};
    EXPECT_EQ(shownLines(), weeklyReportLines(after, 1, typed));
    EXPECT_EQ(shownLines()[4], QStringLiteral("    1 Bears          21      3 Eagles                 4 Lions          30"));
    EXPECT_EQ(box(2)->text(), QString());
    EXPECT_TRUE(printer.jobs.isEmpty());

    // The next Enter starts again at the prompt.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expectPrompt();

    // A correction: the stored scores are offered; Lions now 25.
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(6).acceptInput().acceptInput().acceptInput().answerInput(QStringLiteral("25"));
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, QVector<int>{1});
    after = saved();
    EXPECT_EQ(after.season.Score[1][4], 25);
    EXPECT_EQ(after.season.Score[1][3], Bye);
    EXPECT_EQ(shownLines()[4], QStringLiteral("    1 Bears          21      3 Eagles                 4 Lions          25"));

    // Reported again without a correction: the stored scores, with a blank before each number.
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(7).answerMessage(7);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<int>{1, 2}));
    EXPECT_TRUE(dialogs.inputs.isEmpty());
    EXPECT_EQ(shownLines(), weeklyReportLines(saved(), 1));
    EXPECT_EQ(shownLines()[4], QStringLiteral("    1 Bears          21      3 Eagles                 4 Lions          25"));

    // Week 2, printed: the report goes to the printer as it is listed.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton, {}, QPoint(5, 5));
    expectPrompt();
    dialogs = ScriptedDialogs();
    for (const char* score : {"10", "20", "30", "40"})
        dialogs.answerInput(QLatin1String(score));
    typeAndEnter(QStringLiteral("2"));
    after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 2);
    EXPECT_EQ(printer.jobs, weeklyReportJobs(after, shownLines()));
    EXPECT_EQ(printer.jobs.first().lines()[1], QStringLiteral("    Lakeside Boosters                             2026 NFL SEASON"));

    // Week 3 is the last week: printed, the list then shows the annual summary alone.
    printer.jobs.clear();
    dialogs = ScriptedDialogs();
    for (const char* score : {"3", "9", "12", "6"})
        dialogs.answerInput(QLatin1String(score));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAndEnter(QStringLiteral("3"));
    after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 3);
    const QStringList summary = summaryLines(after);
    EXPECT_EQ(shownLines(), summary);
    const ScoreTexts week3{QString(), QStringLiteral("3"), QStringLiteral("9"), QStringLiteral("12"), QStringLiteral("6")};
    EXPECT_EQ(printer.jobs, weeklyReportJobs(after, weeklyReportLines(after, 3, week3)) + summaryJobs(after, summary));
    EXPECT_EQ(box(2)->text(), QString());

    // Not printed, the summary follows the report in the list.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton, {}, QPoint(5, 5));
    printer.jobs.clear();
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(7);
    typeAndEnter(QStringLiteral("3"));
    EXPECT_EQ(shownLines(), weeklyReportLines(after, 3) + summary);
    EXPECT_TRUE(printer.jobs.isEmpty());
}

TEST_F(WinnersScreen, InputErrorsNewSeasonAndCancel)
{
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection1")), Qt::LeftButton);

    // Out of range and not a number: message 3, the box emptied, the prompt again.
    for (const char* typed : {"0", "4", "week"}) {
        dialogs = ScriptedDialogs();
        typeAndEnter(QLatin1String(typed));
        EXPECT_EQ(dialogs.messages, QVector<int>{3}) << typed;
        expectPrompt();
    }

    // A week out of turn: message 9 names week 1; nothing is stored.
    dialogs = ScriptedDialogs();
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(dialogs.messages, QVector<int>{9});
    EXPECT_EQ(dialogs.messageTexts[0].last(), QStringLiteral("Week # 1 MUST be entered first"));
    EXPECT_EQ(box(2)->text(), QString());
    EXPECT_TRUE(shownLines().isEmpty());

    // A score out of range: message 29, the same team asked again with the same empty default.
    dialogs = ScriptedDialogs();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    dialogs.answerInput(QStringLiteral("1000")).acceptInput().answerInput(QStringLiteral("-1"));
    dialogs.answerInput(QStringLiteral("7")).answerInput(QStringLiteral("8")).answerInput(QStringLiteral("9"));
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.shown, (QStringList{"input 5", "message 29", "input 5", "input 5", "message 29", "input 5",
                                          "input 5", "input 5"}));
    Session after = saved();
    EXPECT_EQ(after.season.Score[1][1], Bye);  // accepted empty after the rejected 1000
    EXPECT_EQ(after.season.Score[1][2], 7);
    EXPECT_EQ(after.season.Score[1][4], 9);

    // Week 2 started and cancelled at the second team: nothing stored, list and box empty.
    dialogs = ScriptedDialogs();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    dialogs.answerInput(QStringLiteral("5")).answerInput(QString(), 2);
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(dialogs.inputs.size(), 2);
    EXPECT_TRUE(shownLines().isEmpty());
    EXPECT_EQ(box(2)->text(), QString());
    EXPECT_EQ(saved().season.ScoredWeeks, 1);

    // Week 2 entered, then a new season from week 1: only the new week 1 stays stored.
    dialogs = ScriptedDialogs();
    for (const char* score : {"1", "2", "3", "4"})
        dialogs.answerInput(QLatin1String(score));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(saved().season.ScoredWeeks, 2);
    dialogs = ScriptedDialogs();
    dialogs.answerMessage(7).answerMessage(6);
    for (const char* score : {"40", "30", "20", "10"})
        dialogs.answerInput(QLatin1String(score));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAndEnter(QStringLiteral("1"));
    EXPECT_EQ(dialogs.messages, (QVector<int>{1, 2}));
    after = saved();
    EXPECT_EQ(after.season.ScoredWeeks, 1);
    EXPECT_EQ(after.season.Score[1][1], 40);
    // Week 2 must now be entered anew: it is not offered for correction.
    dialogs = ScriptedDialogs();
    dialogs.answerInput(QString(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    typeAndEnter(QStringLiteral("2"));
    EXPECT_EQ(dialogs.shown, QStringList{"input 5"});
}
