#pragma once

#include "dialogs/InputId.h"
#include "dialogs/MessageId.h"
#include "season/Season.h"
#include "season/Services.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class HomeLock;

// One running program: the season data, the home folder (which holds Files/ and Sounds/), the
// working values that are never stored, and the services it uses.
class Session {
public:
    explicit Session(QString homeFolder = {}, Services services = {});

    Season season;
    QString home;
    Services services;

    // Working values.
    QString TodayText;
    float ScaleX = 1.0f;
    float ScaleY = 1.0f;
    float FontScale = 0.9f;
    QString ErrorSound;
    QString QuestionSound;

    // The home folder's write lock while this program holds it (see WriteAccess in HomeLock.h).
    std::shared_ptr<HomeLock> homeLock;
    // A fingerprint of the season file as last loaded or saved (empty when there was none); unset
    // until then. A save asks before replacing a file that changed on disk since.
    std::optional<QByteArray> loadedFile;

    // Home folder joined with a relative name, with exactly one separator between them.
    QString pathInHome(const QString& relative) const;
    QString seasonPath() const { return pathInHome(QStringLiteral("Files/Kickpool.txt")); }
    QString filesFolder() const { return pathInHome(QStringLiteral("Files")); }

    // Shows a message with the texts it inserts and returns the answer; OK without a dialog
    // service.
    Answer message(MessageId id, const QStringList& arguments = {});
    // Asks for input with the texts the request shows; cancelled without a dialog service.
    InputReply input(InputId id, const QStringList& arguments = {});
    // Plays a cue file when it exists; a missing file plays nothing.
    void playCue(const QString& path);
    QDate today() const;
};

// Joins a folder and a relative name with the platform's separator; a folder that already ends
// with a separator gets the name appended directly.
QString joinPath(const QString& folder, const QString& relative);
