#pragma once

// Backups of season files, kept before an operation drops data: the start of a new season, and
// on the data files screen a restore, a delete or a rename over an existing file. They lie in
// Files/Backups/, named after the file with the date and time of the backup; the newest 20 are
// kept.

#include <QDateTime>
#include <QString>

class Session;

// The number of backups kept in the backups folder; older ones are removed.
constexpr int BackupsKept = 20;

// The backups folder of a Files folder.
QString backupsFolder(const QString& filesFolder);

// Keeps a copy of `path` in filesFolder/Backups/ (made when missing) through the safe writing of
// SafeWrite.h, named after the file with the date and time and a mark of Kickpool's own:
// "Kickpool_2026-11-20_101500.kickpool-backup.txt" (a later backup within the same second gets
// "_2" before the mark, and so on). Then removes all but the 20 most recently written backups;
// the one just made is never removed, nor any file without the mark, nor anything through a link. Returns the backup's path, or an empty text with
// `reason` ("<path>: <why>") when no backup could be kept.
QString backupFile(const QString& filesFolder, const QString& path, const QDateTime& now,
                   QString* reason = nullptr);

// Backs up the season file in use before its data is dropped. True when the backup was made or
// there is no season file to back up; otherwise message 34 tells why and the result is false, in
// which case the caller must not drop the data.
bool backupSeasonFile(Session& session);
