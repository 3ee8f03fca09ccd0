// Kickpool: the desktop program. Opens the main screen on the season in the home folder.
#include "dialogs/QtDialogs.h"
#include "guide/GuidePages.h"
#include "guide/QtGuideOpener.h"
#include "main/MainScreen.h"
#include "OutputPrinter.h"
#include "season/HomeFolder.h"
#include "season/HomeLock.h"
#include "Screens.h"
#include "main/ScreenRegistry.h"
#include "season/QtSoundPlayer.h"
#include "season/Services.h"
#include "season/Session.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    setProgramIdentity();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs a season-long sports fund-raiser."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption homeOption(
        QStringLiteral("home"),
        QStringLiteral("The folder that holds Files/, Sounds/ and Prints/."),
        QStringLiteral("DIR"));
    parser.addOption(homeOption);

    // --version, --help and a mistyped option are answered before the window system is
    // reached, so that they work without a display.
    QStringList arguments;
    for (int n = 0; n < argc; ++n)
        arguments.append(QString::fromLocal8Bit(argv[n]));
    if (!parser.parse(arguments) || parser.isSet(helpOption) || parser.isSet(versionOption)) {
        QCoreApplication textOnly(argc, argv);
        parser.process(textOnly);  // prints the answer and ends the program
    }

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("kickpool"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kickpool")));

    const HomeFolder homeFolder = findHomeFolder(parser.value(homeOption));
    if (!homeFolder.problem.isEmpty())
        std::fprintf(stderr, "kickpool: %s\n", qPrintable(homeFolder.problem));
    const QString& home = homeFolder.path;

    QtDialogs dialogs;
    SystemClock clock;
    QtSoundPlayer sounds;
    OutputPrinter printer(home, false);
    Session session(home, Services{&dialogs, &clock, &sounds, &printer});
    QtGuideOpener guide(guideFolder(QCoreApplication::applicationDirPath()), &session);
    session.services.guide = &guide;
    tidyHome(session);

    ScreenRegistry screens;
    registerScreens(screens);
    MainScreen main(session, screens);
    dialogs.setWindow(&main);
    main.show();
    return app.exec();
}
