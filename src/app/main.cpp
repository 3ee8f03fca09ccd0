// Kickpool: the desktop program. Opens the main screen on the season in the home folder.
#include "dialogs/QtDialogs.h"
#include "main/MainScreen.h"
#include "OutputPrinter.h"
#include "Screens.h"
#include "main/ScreenRegistry.h"
#include "season/QtSoundPlayer.h"
#include "season/Services.h"
#include "season/Session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kickpool"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs a season-long sports fund-raiser."));
    parser.addHelpOption();
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("The folder that holds Files/ and Sounds/ (default: the program's folder)."),
        QStringLiteral("DIR"));
    parser.addOption(homeOption);
    parser.process(app);

    const QString home = parser.isSet(homeOption)
        ? QDir(parser.value(homeOption)).absolutePath()
        : QApplication::applicationDirPath();

    QtDialogs dialogs;
    SystemClock clock;
    QtSoundPlayer sounds;
    OutputPrinter printer(home, false);
    Session session(home, Services{&dialogs, &clock, &sounds, &printer});

    ScreenRegistry screens;
    registerScreens(screens);
    MainScreen main(session, screens);
    dialogs.setWindow(&main);
    main.show();
    return app.exec();
}
