#pragma once

#include <QString>

#include <functional>
#include <map>

class QWidget;
class SecondaryScreen;
class Session;

// The screens that open in place of another one: the main screen opens the annual data, ticket
// front and data files screens, the annual data screen opens the prize structure screen.
enum class ScreenId { AnnualData, PrizeStructure, TicketFront, DataFiles };

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

private:
    std::map<ScreenId, ScreenFactory> factories_;
};
