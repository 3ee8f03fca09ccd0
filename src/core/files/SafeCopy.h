#pragma once

#include <QDateTime>
#include <QString>

// Copies the file `from` over the file `to` (created when missing). The copy is written to a
// temporary file beside `to`, every write, flush and sync checked, and then renamed over `to` in
// one step, so a crash or a full disk leaves `to` as it was. On failure `to` is untouched, no
// temporary file is left, `reason` (when given) says why, and the result is false.
bool copyFileSafely(const QString& from, const QString& to, QString* reason = nullptr);

// The number of copies kept in the backups folder; older ones are removed.
constexpr int BackupsKept = 20;

// Keeps a copy of `path` in filesFolder/Backups/ before it is overwritten or removed, named after
// the file with the date and time: "2005Hockey_2026-11-20_101500.txt" (a second copy within the
// same second gets "_2", and so on). Then removes all but the 20 newest copies. Returns the copy's
// path, or an empty text with `reason` filled when no copy could be kept.
QString backupFile(const QString& filesFolder, const QString& path, const QDateTime& now,
                   QString* reason = nullptr);

// The backups folder of a Files folder.
QString backupsFolder(const QString& filesFolder);
