#pragma once

// Backups of season files, kept before an operation drops data: the start of a new season, and
// on the data files screen a restore, a delete or a rename over an existing file. They lie in
// Files/Backups/ as "<name> yyyy-MM-dd HH-mm-ss.txt"; the newest 20 are kept.

#include <QDateTime>
#include <QString>

class Session;

constexpr int BackupsKept = 20;

// The folder of the backups: Files/Backups in the home folder.
QString backupsFolder(const Session& session);

// The name of the backup of the file `fileName` made at `when`: "Kickpool 2024-11-20 14-03-07.txt",
// with " (2)", " (3)", ... before ".txt" for a later backup within the same second.
QString backupName(const QString& fileName, const QDateTime& when, int sequence = 1);

// Copies the file into `folder` (made when missing) under its backup name through the safe
// writing of SafeWrite.h, then deletes the oldest backups of the folder beyond BackupsKept.
// Returns the backup's path, or an empty text with the reason in `error`.
QString backupFile(const QString& file, const QString& folder, const QDateTime& when, QString& error);

// Backs up the season file in use before its data is dropped. True when the backup was made or
// there is no season file to back up; otherwise message 34 tells why and the result is false, in
// which case the caller must not drop the data.
bool backupSeasonFile(Session& session);
