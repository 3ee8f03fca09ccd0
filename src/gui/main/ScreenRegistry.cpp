#include "main/ScreenRegistry.h"

#include "main/SecondaryScreen.h"

void ScreenRegistry::add(ScreenId id, ScreenFactory factory)
{
    factories_[id] = std::move(factory);
}

bool ScreenRegistry::has(ScreenId id) const
{
    const auto found = factories_.find(id);
    return found != factories_.end() && found->second;
}

SecondaryScreen* ScreenRegistry::make(ScreenId id, Session& session, QWidget* parent) const
{
    if (!has(id))
        return nullptr;
    // A screen that cannot be made is treated as one this version does not have: the screen
    // that asked for it stays as it is.
    try {
        return factories_.at(id)(session, parent);
    } catch (...) {
        return nullptr;
    }
}

void ScreenRegistry::addMenuEntry(MenuEntry entry)
{
    menuEntries_.push_back(std::move(entry));
}
