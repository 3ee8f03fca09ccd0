#include "main/ScreenOpener.h"

#include "main/SecondaryScreen.h"
#include "season/Layout.h"

#include <QWidget>

ScreenOpener::ScreenOpener(QWidget& opener, Session& session, const ScreenRegistry& screens)
    : QObject(&opener), opener_(opener), session_(session), screens_(screens)
{
}

ScreenOpener::~ScreenOpener()
{
    closeAll();
}

SecondaryScreen* ScreenOpener::open(ScreenId id, bool hideOpener)
{
    SecondaryScreen* screen = openScreen(id);
    if (!screen) {
        // No parent: the screen is a window of its own (a child window of a hidden opener would
        // hide with it on some desktops); this opener deletes it.
        screen = screens_.make(id, session_, nullptr);
        if (!screen)
            return nullptr;
        screen->setAttribute(Qt::WA_DeleteOnClose, false);
        screen->openedBy(session_, screens_);
        open_[id] = screen;
        connect(screen, &SecondaryScreen::finished, this, [this, id] { screenFinished(id); });
        keepFrameOnScreen(screen);
    }
    screen->show();
    screen->raise();
    screen->activateWindow();
    // Hidden only now that the other screen is there: the program never shows no window at all.
    if (hideOpener && screen->isVisible())
        opener_.hide();
    return screen;
}

SecondaryScreen* ScreenOpener::openScreen(ScreenId id) const
{
    const auto found = open_.find(id);
    return found == open_.end() ? nullptr : found->second.data();
}

void ScreenOpener::closeAll()
{
    for (auto& [id, screen] : open_)
        delete screen.data();
    open_.clear();
}

void ScreenOpener::screenFinished(ScreenId id)
{
    QPointer<SecondaryScreen> screen = open_[id];
    open_.erase(id);
    opener_.show();
    opener_.raise();
    opener_.activateWindow();
    // Deleted once its close has run to the end.
    if (screen)
        screen->deleteLater();
    emit returned(id);
}
