#pragma once

#include "main/ScreenRegistry.h"

#include <QWidget>

class Button;
class QCloseEvent;
class ScreenOpener;
class Session;

// A screen that opens in place of another one (the main screen, or the annual data screen for the
// prize structure) and says when it is finished, by EXIT or by its close box: EXIT calls close(),
// and an accepted close emits finished(). The ScreenOpener that opened it then shows the other
// screen again and deletes this one.
//
// To add a screen: derive from this class with a constructor (Session&, QWidget* parent =
// nullptr), and register it in registerScreens (src/app/Screens.cpp) under its ScreenId.
class SecondaryScreen : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryScreen(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

signals:
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

    // Opens screen `id` in place of this one, the way this one was opened, and shows this one again
    // when that screen is finished. Null when this version has no such screen, or when this
    // screen was not opened through a ScreenOpener (a test that builds it directly); this screen
    // then stays shown.
    SecondaryScreen* openInPlace(ScreenId id);

    // SAVE ALL CHANGES: asks first (No keeps everything as it is), saves the season file, and
    // says "SAVED" on the button for a second.
    static void saveAllChanges(Session& session, Button* saveButton);

private:
    friend class ScreenOpener;
    void openedBy(Session& session, const ScreenRegistry& screens);

    Session* session_ = nullptr;
    const ScreenRegistry* screens_ = nullptr;
    ScreenOpener* opener_ = nullptr;
};
