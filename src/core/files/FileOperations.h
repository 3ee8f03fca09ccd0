#pragma once

#include "dialogs/MessageId.h"

#include <QString>
#include <QStringList>

#include <optional>

class Session;

// The four operations of the data files: keep the current season under a name, bring a stored
// one back, delete one, rename one. Each shows its refusals and questions through the session's
// messages, in the order the screen gives them, and says what it did. Before a file is replaced
// or removed it is copied into Files/Backups/; when that copy cannot be made, nothing happens.

enum class FileResult {
    Done,      // the files were changed as asked
    Refused,   // a message refused it; no file changed
    Declined,  // the user answered No; no file changed
    Failed,    // the file system failed; every file is as it was, message 37 says why
};

struct FileOutcome {
    FileResult result = FileResult::Refused;
    std::optional<MessageId> message;  // the last message the operation showed
    QStringList changed;               // names in the Files folder written, created or removed
    QString backup;                    // the copy kept in Files/Backups/, empty when none
    bool seasonLoaded = false;         // the season file was loaded again into the season data

    bool operator==(const FileOutcome&) const = default;
};

// SAVE FILE: copies the current-use file to the typed name (without extension) + ".txt".
FileOutcome saveFile(Session& session, const QString& typedName);

// RESTORE FILE: copies the selected file (a name of the list, with extension) over the
// current-use file and loads it.
FileOutcome restoreFile(Session& session, const QString& selectedName);

// DELETE FILE: removes the selected file. Removing the current-use file forgets the stored scores
// in memory (ScoredWeeks and ScoreTeams become 0); teams, dates and prizes stay.
FileOutcome deleteFile(Session& session, const QString& selectedName);

// RENAME FILE: gives the selected file the typed name. The name kickpool in any letter case makes
// it the current-use file Kickpool.txt, which is then loaded.
FileOutcome renameFile(Session& session, const QString& selectedName, const QString& typedName);
