#pragma once

#include "main/SecondaryScreen.h"

#include <QSize>

class QLabel;
class QListWidget;
class Session;

// Restore a backup: the backups of Files/Backups newest first (List1: date, name, and what the
// season holds), cmdRestore to bring the selected one back over the season in use (after asking
// and backing that up), cmdExit to return.
class BackupsScreen : public SecondaryScreen {
    Q_OBJECT
public:
    explicit BackupsScreen(Session& session, QWidget* parent = nullptr);
    BackupsScreen(Session& session, QSize screenSize, QWidget* parent = nullptr);
    void cmdRestore_Click();

private:
    void fillList();

    Session& session_;
    QListWidget* list1_ = nullptr;
    QLabel* lblNote_ = nullptr;
    QStringList names_;
};
