// The screens of this version of the program, in one place. A screen is added with one line:
//   screens.add(ScreenId::AnnualData, [](Session& s, QWidget* parent) { return new Update(s, parent); });
// A ScreenId without a line here is not part of this version: its selection says so and the
// screen it would open from stays as it is.
#include "Screens.h"

#include "annual/Update.h"
#include "files/FilesScreen.h"
#include "front/Front.h"
#include "main/MainScreen.h"
#include "main/ScreenRegistry.h"
#include "prizes/Prizes.h"
#include "scores/ScoreSheet.h"
#include "tickets/WeeklyDisplay.h"

void registerScreens(ScreenRegistry& screens)
{
    screens.add(ScreenId::AnnualData, [](Session& s, QWidget* parent) { return new Update(s, parent); });
    screens.add(ScreenId::PrizeStructure, [](Session& s, QWidget* parent) { return new Prizes(s, parent); });
    screens.add(ScreenId::TicketFront, [](Session& s, QWidget* parent) { return new Front(s, parent); });
    screens.add(ScreenId::DataFiles, [](Session& s, QWidget* parent) { return new FilesScreen(s, parent); });
    screens.add(ScreenId::ScoreSheet, [](Session& s, QWidget* parent) { return new ScoreSheet(s, parent); });

    // The main screen's menu bar, menu by menu in the order shown.
    screens.addMenuEntry({MenuId::Season, QStringLiteral("&Data Files\u2026"), QStringLiteral("actionDataFiles"), {},
                          [](MainScreen& main) { main.cmdSaveRestore_Click(); }});
    screens.addMenuEntry({MenuId::Season, QStringLiteral("Open &Home Folder"), QStringLiteral("actionOpenHome"), {},
                          [](MainScreen& main) { main.openHomeFolder(); }});
    screens.addMenuEntry({MenuId::Season, QStringLiteral("E&xit"), QStringLiteral("actionExit"), {},
                          [](MainScreen& main) { main.cmdExit_Click(); }});

    // The score sheet hands the week it stored to the main screen, whose list shows its report.
    screens.addMenuEntry({MenuId::Tickets, QStringLiteral("Enter a &Week's Scores\u2026"), QStringLiteral("actionScoreSheet"),
                          {}, [](MainScreen& main) {
                              auto* sheet = qobject_cast<ScoreSheet*>(
                                  main.openFromMenu(ScreenId::ScoreSheet, QStringLiteral("Enter a Week's Scores")));
                              if (!sheet)
                                  return;
                              QObject::connect(sheet, &ScoreSheet::weekReady, &main, [&main](int week, const ScoreTexts& texts) {
                                  main.runOnList([week, &texts](SelectionHost& host) { showWeek(host, week, texts); });
                              });
                          }});

    screens.addMenuEntry({MenuId::Help, QStringLiteral("&About Kickpool"), QStringLiteral("actionAbout"), {},
                          [](MainScreen& main) { main.showAbout(); }});
}
