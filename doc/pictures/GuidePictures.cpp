// Makes the pictures of the user guide from the program itself: each screen is opened offscreen
// on the guide's season, filled the way a treasurer fills it, and saved as a PNG.
//
//   guide_pictures SEASON_FILE PICTURE_FOLDER
//
// The pictures are one table (Pictures below): a new screen gets its picture with one line.
#include "Screens.h"

#include "annual/Update.h"
#include "dialogs/MessageDialog.h"
#include "dialogs/ScriptedDialogs.h"
#include "files/FilesScreen.h"
#include "front/Front.h"
#include "main/MainScreen.h"
#include "main/ScreenRegistry.h"
#include "prizes/Prizes.h"
#include "sales/PayoutScreen.h"
#include "sales/SalesScreen.h"
#include "scores/ScoreSheet.h"
#include "web/PublishScreen.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The screens are drawn for the screen size they were designed for.
const QSize DesignScreen(800, 600);

// One fresh home folder holding the guide's season, with scripted dialogs and no printer.
struct Home {
    explicit Home(const QString& seasonFile)
    {
        QDir(folder.path()).mkpath(QStringLiteral("Files"));
        QFile::copy(seasonFile, folder.filePath(QStringLiteral("Files/Kickpool.txt")));
        // The season's sales register, when the guide has one beside its season.
        const QString sales = QFileInfo(seasonFile).dir().filePath(QStringLiteral("Kickpool.sales.csv"));
        if (QFile::exists(sales))
            QFile::copy(sales, folder.filePath(QStringLiteral("Files/Kickpool.sales.csv")));
        session = std::make_unique<Session>(folder.path(), Services{&dialogs, &clock, nullptr, nullptr});
        LoadSeason(*session);  // as the main screen does when the program starts
        registerScreens(screens);
    }
    // A stored season beside the one in use.
    void store(const QString& name) const
    {
        QFile::copy(folder.filePath(QStringLiteral("Files/Kickpool.txt")),
                    folder.filePath(QStringLiteral("Files/") + name + QStringLiteral(".txt")));
    }
    // The main screen, shown, with selection `option` chosen (0: none).
    MainScreen* main(int option = 0)
    {
        mainScreen = std::make_unique<MainScreen>(*session, screens, DesignScreen);
        mainScreen->show();
        if (option)
            click(mainScreen.get(), QStringLiteral("optSelection%1").arg(option));
        return mainScreen.get();
    }
    // A screen of its own, shown.
    template <class Screen>
    Screen* screen()
    {
        auto* shown = new Screen(*session, DesignScreen);
        other.reset(shown);
        shown->show();
        return shown;
    }
    static void click(QWidget* window, const QString& name)
    {
        window->findChild<QAbstractButton*>(name)->click();
    }
    // Types `text` into box `name` and presses Enter, which runs the screen's default button.
    static void type(QWidget* window, const QString& name, const QString& text)
    {
        window->findChild<QLineEdit*>(name)->setText(text);
        click(window, QStringLiteral("cmdRun"));
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2026, 11, 20)};
    ScreenRegistry screens;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainScreen> mainScreen;
    std::unique_ptr<QWidget> other;
    std::unique_ptr<QWidget> dialog;
};

struct Picture {
    const char* file;  // in the picture folder
    std::function<QWidget*(Home&)> show;
};

const Picture Pictures[] = {
    {"main-screen.png", [](Home& home) { return home.main(); }},
    {"weekly-report.png",
     [](Home& home) {
         MainScreen* main = home.main(1);
         home.dialogs.answerMessage(Answer::No);  // week 9 is stored: show its report again
         Home::type(main, QStringLiteral("Text2"), QStringLiteral("9"));
         return main;
     }},
    {"grand-prize.png", [](Home& home) { return home.main(6); }},
    {"ticket-backs.png",
     [](Home& home) {
         MainScreen* main = home.main(5);
         Home::type(main, QStringLiteral("Text1"), QStringLiteral("17"));
         Home::type(main, QStringLiteral("Text2"), QStringLiteral("18"));
         Home::type(main, QStringLiteral("Text3"), QStringLiteral("0"));
         return main;
     }},
    {"letter.png", [](Home& home) { return home.main(2); }},
    {"annual-teams.png",
     [](Home& home) {
         Update* update = home.screen<Update>();
         Home::click(update, QStringLiteral("optSelection4"));
         return update;
     }},
    {"annual-calendar.png",
     [](Home& home) {
         Update* update = home.screen<Update>();
         Home::click(update, QStringLiteral("optSelection2"));
         return update;
     }},
    {"annual-unsold.png",
     [](Home& home) {
         Update* update = home.screen<Update>();
         Home::click(update, QStringLiteral("optSelection5"));
         return update;
     }},
    {"prize-structure.png", [](Home& home) { return home.screen<Prizes>(); }},
    {"ticket-front.png", [](Home& home) { return home.screen<Front>(); }},
    {"data-files.png",
     [](Home& home) {
         home.store(QStringLiteral("Season2025"));
         home.store(QStringLiteral("Hockey2026"));
         return home.screen<FilesScreen>();
     }},
    {"score-sheet.png", [](Home& home) { return home.screen<ScoreSheet>(); }},
    {"sales-register.png", [](Home& home) { return home.screen<SalesScreen>(); }},
    {"winners-to-pay.png", [](Home& home) { return home.screen<PayoutScreen>(); }},
    {"sellers.png", [](Home& home) { return home.screen<SellersScreen>(); }},
    {"publish.png", [](Home& home) { return home.screen<PublishScreen>(); }},
    {"message-damaged-file.png",
     [](Home& home) {
         const MessageEntry entry = messageEntry(
             MessageId::DamagedFile, {QStringLiteral("Files/Kickpool.txt"), QStringLiteral("47"),
                                      QStringLiteral("a team name"), QStringLiteral("Kickpool.damaged-3f2a9c1e.txt")});
         home.dialog = std::make_unique<MessageDialog>(*home.session, entry);
         home.dialog->show();
         return home.dialog.get();
     }},
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 3) {
        std::fprintf(stderr, "usage: guide_pictures SEASON_FILE PICTURE_FOLDER\n");
        return 1;
    }
    const QString season = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QFile::exists(season) || !out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "guide_pictures: no season file %s or no folder %s\n", argv[1], argv[2]);
        return 1;
    }
    int failed = 0;
    for (const Picture& picture : Pictures) {
        Home home(season);
        QWidget* shown = picture.show(home);
        QApplication::processEvents();
        const QString path = out.filePath(QLatin1String(picture.file));
        if (!shown || !shown->grab().save(path)) {
            std::fprintf(stderr, "guide_pictures: %s could not be made\n", picture.file);
            ++failed;
        }
    }
    return failed ? 2 : 0;
}
