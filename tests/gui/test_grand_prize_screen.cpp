#include "dialogs/ScriptedDialogs.h"
#include "main/MainScreen.h"
#include "print/RecordingPrinter.h"
#include "reports/GrandPrize.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season_end_checks.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace season_end;

namespace {

class SeasonEndScreen : public ::testing::Test {
protected:
    void start(const Season& season)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        ASSERT_TRUE(home.isValid());
        QDir().mkpath(home.filePath(QStringLiteral("Files")));
        QFile file(home.filePath(QStringLiteral("Files/Kickpool.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(seasonFileBytes(season));
        file.close();
        session = std::make_unique<Session>(home.path(), Services{&dialogs, &clock, nullptr, &printer});
        screen = std::make_unique<MainScreen>(*session);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    }

    // The season as the file holds it now, dated as the screen dates it.
    Session saved()
    {
        Session reader(home.path(), Services{nullptr, &clock, nullptr, nullptr});
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

    QStringList shownLines() const
    {
        const QListWidget* list = find<QListWidget>(QStringLiteral("List1"));
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines.append(list->item(row)->text());
        return lines;
    }

    void typeAndEnter(const QString& text)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClicks(focused, text);
        QTest::keyClick(focused, Qt::Key_Return);
    }

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2025, 1, 20)};
    RecordingPrinter printer;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> screen;
};

}  // namespace

TEST_F(SeasonEndScreen, GrandPrizeSelectionAndRunAgain)
{
    Season season = sixTeamSeason(true, true);
    storeSixTeamScores(season);
    start(season);
    const Session stored = saved();
    const QStringList standings = grandPrizePreviewLines(stored);
    ASSERT_EQ(standings.size(), 2 * (7 + 3));  // 12 sold tickets: 3 rows of five cells, 3 beyond

    // Choosing "Grand Prize": the standings of the three regular weeks, nothing printed.
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection6")), Qt::LeftButton);
    EXPECT_EQ(shownLines(), standings);
    EXPECT_EQ(shownLines()[3], QStringLiteral("   Week #  3    Ending: Sep 03") + blanks(40)
                                   + QStringLiteral("  January 20, 2025"));
    EXPECT_TRUE(printer.jobs.isEmpty());

    // Ticking "Printer Output?" produces it again, printed as one job.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton);
    EXPECT_EQ(shownLines(), standings);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0], grandPrizePreviewJob(stored));

    // RUN AGAIN: the list shows the standings once, and they are printed once more.
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdRun")), Qt::LeftButton);
    EXPECT_EQ(shownLines(), standings);
    EXPECT_EQ(printer.jobs.size(), 2);

    // Unticked: shown again, not printed.
    QTest::mouseClick(find<QCheckBox>(QStringLiteral("ChkPrint")), Qt::LeftButton);
    EXPECT_EQ(shownLines(), standings);
    EXPECT_EQ(printer.jobs.size(), 2);
    EXPECT_EQ(dialogs.unscripted, 0);
}

TEST_F(SeasonEndScreen, AWholeSeasonEntersWeekByWeekAndEndsWithTheSummary)
{
    start(sixTeamSeason(true, false));
    QTest::mouseClick(find<QRadioButton>(QStringLiteral("optSelection1")), Qt::LeftButton);

    const QVector<QStringList>& scores = sixTeamScores();
    QVector<QStringList> reports(scores.size());
    QStringList summary;
    for (int w = 1; w < scores.size(); ++w) {
        for (const QString& score : scores[w])
            dialogs.answerInput(score);
        typeAndEnter(QString::number(w));
        ASSERT_TRUE(dialogs.scriptDone()) << "week " << w;
        reports[w] = shownLines();
        // Back at the week prompt for the next week.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // After the last week the summary follows that week's report in the list.
    const Session stored = saved();
    ASSERT_EQ(stored.season.ScoredWeeks, 5);
    QStringList& last = reports[5];
    const int title = last.indexOf(QRegularExpression(QStringLiteral("^ {10}ANNUAL SUMMARY .*")));
    ASSERT_GT(title, 3);
    summary = last.mid(title - 3);
    last = last.mid(0, title - 3);
    EXPECT_EQ(summary, summaryLines(stored));
    EXPECT_TRUE(reports[3].contains(QStringLiteral("   Next 2 split Grand Prize High Money:") + blanks(18)
                                    + QStringLiteral("xxxxx      xxxxx")));

    expectSummaryShowsReports(stored.season, reports, summary, true);
    EXPECT_TRUE(printer.jobs.isEmpty());
}
