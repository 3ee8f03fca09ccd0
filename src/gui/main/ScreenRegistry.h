#pragma once

#include <QKeySequence>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class MainScreen;
class QWidget;
class SecondaryScreen;
class Session;

// The screens that open in place of another one: the main screen opens the annual data, ticket
// front and data files screens, the annual data screen opens the prize structure screen.
// The screens beyond the six selections open from the main screen's menu bar.
enum class ScreenId {
    AnnualData,
    PrizeStructure,
    TicketFront,
    DataFiles,
    SalesRegister,
    WinnersToPay,
    Sellers,
    Backups,
    ScoreSheet,
    PublishResults,
};

// The menus of the main screen's menu bar, left to right.
enum class MenuId { Season, Tickets, Publish, Help };

// One entry of a menu: it opens a screen in place of the main screen, or runs an action on it.
struct MenuEntry {
    MenuId menu = MenuId::Season;
    QString caption;     // as the menu shows it, "&" before the key letter
    QString objectName;  // the QAction's object name, for tests
    std::optional<ScreenId> screen;
    std::function<void(MainScreen&)> action;
    QKeySequence shortcut = {};
};

// Makes a screen for the session; `parent` is the screen it opens from. Every screen's
// constructor (Session&, QWidget* parent = nullptr) fits it.
using ScreenFactory = std::function<SecondaryScreen*(Session& session, QWidget* parent)>;

// Which screens this build of the program has, and how to make each. The program fills it once,
// at start (registerScreens in src/app); a screen without a factory is not part of this version.
class ScreenRegistry {
public:
    void add(ScreenId id, ScreenFactory factory);
    bool has(ScreenId id) const;
    // A new screen, or null when there is no factory for it or the factory gives null or throws.
    SecondaryScreen* make(ScreenId id, Session& session, QWidget* parent) const;

    // Menu entries, shown in the order they were added within each menu.
    void addMenuEntry(MenuEntry entry);
    const std::vector<MenuEntry>& menuEntries() const { return menuEntries_; }

private:
    std::map<ScreenId, ScreenFactory> factories_;
    std::vector<MenuEntry> menuEntries_;
};
