// A week of the largest season (48 teams) from a pasted list of results to its report on the main
// screen: the score sheet opened from the menu, the results pasted and read, OK, the report listed.
#include "OffscreenBenchmarkMain.h"
#include "LargestSeason.h"
#include "Screens.h"
#include "TestFiles.h"

#include "main/MainScreen.h"
#include "main/ScreenRegistry.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void PastedWeekToReport(benchmark::State& state)
{
    QApplication::setQuitOnLastWindowClosed(false);
    Season season = largestSeason(2);
    season.ScoredWeeks = 4;  // week 5 is the next one
    QTemporaryDir home;
    const QString seasonPath = home.filePath(QStringLiteral("Files/Kickpool.txt"));
    const QByteArray bytes = seasonFileBytes(season);
    QStringList games;
    for (int team = 1; team < MaxTeams; team += 2)
        games << QStringLiteral("team %1 %2 - TEAM %3 %4").arg(team).arg(team % 40).arg(team + 1).arg(30 - team % 30);

    FixedClock clock(QDate(2024, 10, 14));
    Session session(home.path(), Services{nullptr, &clock, nullptr, nullptr});
    ScreenRegistry screens;
    registerScreens(screens);
    if (!writeFile(seasonPath, bytes)) {
        state.SkipWithError("the season file was not written");
        return;
    }
    MainScreen main(session, screens, QSize(1280, 1024));
    main.show();
    auto* list = main.findChild<QListWidget*>(QStringLiteral("List1"));
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        writeFile(seasonPath, bytes);
        LoadSeason(session);  // each round starts from the season as the file holds it
        QApplication::clipboard()->setText(games.join(QLatin1Char('\n')));
        state.ResumeTiming();

        main.findChild<QAction*>(QStringLiteral("actionScoreSheet"))->trigger();
        QWidget* sheet = nullptr;
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (shown->isVisible() && shown->objectName() == QLatin1String("ScoreSheet"))
                sheet = shown;
        }
        if (!sheet) {
            state.SkipWithError("the score sheet did not open");
            return;
        }
        sheet->findChild<QPushButton*>(QStringLiteral("cmdPaste"))->click();
        sheet->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCoreApplication::processEvents();
        if (list->count() < 40 || sheet->isVisible())
            state.SkipWithError("the report was not listed");
    }
}
BENCHMARK(PastedWeekToReport)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksOffscreen<QApplication>(argc, argv);
}
