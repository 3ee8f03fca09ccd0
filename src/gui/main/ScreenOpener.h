#pragma once

#include "main/ScreenRegistry.h"

#include <QObject>
#include <QPointer>

#include <map>

class QWidget;
class SecondaryScreen;
class Session;

// Opens the screens that take the place of one screen (the opener) and brings the opener back
// when they are finished. The main screen has one; a screen that opens another one has one too.
//
// Opening makes a new screen from the registry, shows it and only then hides the opener. When
// the screen is finished (its EXIT or its close box) the opener is shown again and the screen is
// deleted, so every opening loads the screen afresh. A screen that cannot be made leaves the
// opener as it is.
class ScreenOpener final : public QObject {
    Q_OBJECT
public:
    ScreenOpener(QWidget& opener, Session& session, const ScreenRegistry& screens);
    ~ScreenOpener() override;

    // Opens screen `id` in place of the opener, or beside it when `hideOpener` is false. A screen
    // of `id` that is open already is shown and raised instead. Returns the screen, or null when
    // this version of the program has no such screen.
    SecondaryScreen* open(ScreenId id, bool hideOpener = true);
    // The screen of `id` that is open now, or null.
    SecondaryScreen* openScreen(ScreenId id) const;
    // Closes every screen it opened without asking them (the program ends).
    void closeAll();

signals:
    // The screen of `id` is finished and the opener is shown again.
    void returned(ScreenId id);

private:
    void screenFinished(ScreenId id);

    QWidget& opener_;
    Session& session_;
    const ScreenRegistry& screens_;
    std::map<ScreenId, QPointer<SecondaryScreen>> open_;
};
