// The screens of this version of the program, in one place. A screen is added with one line:
//   screens.add(ScreenId::AnnualData, [](Session& s, QWidget* parent) { return new Update(s, parent); });
// A ScreenId without a line here is not part of this version: its selection says so and the
// screen it would open from stays as it is.
#include "Screens.h"

#include "annual/Update.h"
#include "files/BackupsScreen.h"
#include "files/FilesScreen.h"
#include "front/Front.h"
#include "main/MainScreen.h"
#include "main/ScreenRegistry.h"
#include "prizes/Prizes.h"
#include "web/PublishScreen.h"
#include "sales/PayoutScreen.h"
#include "sales/SalesRegister.h"
#include "sales/Payouts.h"
#include "sales/SalesScreen.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "scores/ScoreSheet.h"
#include "tickets/WeeklyDisplay.h"

void registerScreens(ScreenRegistry& screens)
{
    screens.add(ScreenId::AnnualData, [](Session& s, QWidget* parent) { return new Update(s, parent); });
    screens.add(ScreenId::PrizeStructure, [](Session& s, QWidget* parent) { return new Prizes(s, parent); });
    screens.add(ScreenId::TicketFront, [](Session& s, QWidget* parent) { return new Front(s, parent); });
    screens.add(ScreenId::DataFiles, [](Session& s, QWidget* parent) { return new FilesScreen(s, parent); });
    screens.add(ScreenId::SalesRegister, [](Session& s, QWidget* parent) { return new SalesScreen(s, parent); });
    screens.add(ScreenId::WinnersToPay, [](Session& s, QWidget* parent) { return new PayoutScreen(s, parent); });
    screens.add(ScreenId::Sellers, [](Session& s, QWidget* parent) { return new SellersScreen(s, parent); });
    screens.add(ScreenId::Backups, [](Session& s, QWidget* parent) { return new BackupsScreen(s, parent); });
    screens.add(ScreenId::ScoreSheet, [](Session& s, QWidget* parent) { return new ScoreSheet(s, parent); });
    screens.add(ScreenId::PublishResults, [](Session& s, QWidget* parent) { return new PublishScreen(s, parent); });

    // The main screen's menu bar, menu by menu in the order shown.
    screens.addMenuEntry({MenuId::Season, QStringLiteral("&Data Files\u2026"), QStringLiteral("actionDataFiles"), {},
                          [](MainScreen& main) { main.cmdSaveRestore_Click(); }});
    screens.addMenuEntry({MenuId::Season, QStringLiteral("&Restore a Backup\u2026"), QStringLiteral("actionBackups"),
                          ScreenId::Backups, {}});
    screens.addMenuEntry({MenuId::Season, QStringLiteral("Open &Home Folder"), QStringLiteral("actionOpenHome"), {},
                          [](MainScreen& main) { main.openHomeFolder(); }});
    screens.addMenuEntry({MenuId::Season, QStringLiteral("E&xit"), QStringLiteral("actionExit"), {},
                          [](MainScreen& main) { main.cmdExit_Click(); }});

    screens.addMenuEntry({MenuId::Publish, QStringLiteral("Results &Web Page\u2026"), QStringLiteral("actionWebPage"),
                          ScreenId::PublishResults, {}});
    screens.addMenuEntry({MenuId::Publish, QStringLiteral("Copy as &E-mail Text"), QStringLiteral("actionMailText"), {},
                          [](MainScreen& main) { copyMailText(main); }});

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
    screens.addMenuEntry({MenuId::Tickets, QStringLiteral("&Sales Register\u2026"), QStringLiteral("actionSalesRegister"),
                          ScreenId::SalesRegister, {}});
    screens.addMenuEntry({MenuId::Tickets, QStringLiteral("&Winners to Pay\u2026"), QStringLiteral("actionWinnersToPay"),
                          ScreenId::WinnersToPay, {}});
    screens.addMenuEntry({MenuId::Tickets, QStringLiteral("S&ellers\u2026"), QStringLiteral("actionSellers"),
                          ScreenId::Sellers, {}});
    screens.addMenuEntry({MenuId::Tickets, QStringLiteral("&Addressed Letters\u2026"), QStringLiteral("actionAddressedLetters"), {},
                          [](MainScreen& main) {
                              Session& session = main.session();
                              SalesRegister reg;
                              LoadRegister(session, reg);
                              main.printFromMenu(addressedLetters(session, reg));
                          }});

    screens.addMenuEntry({MenuId::Help, QStringLiteral("&User Guide"), QStringLiteral("actionGuide"), {},
                          [](MainScreen& main) { main.openGuide(); }, QKeySequence(Qt::Key_F1)});
    screens.addMenuEntry({MenuId::Help, QStringLiteral("&About Kickpool"), QStringLiteral("actionAbout"), {},
                          [](MainScreen& main) { main.showAbout(); }});
}
