#pragma once

// Bringing back a backup of the season in use from Files/Backups/.

#include "files/FileOperations.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class Session;

// One backup as the list shows it.
struct BackupEntry {
    QString name;        // "Kickpool_2026-11-20_101500.txt"
    QDateTime made;      // from the name
    int teams = -1;      // what the season holds; -1 when it cannot be read
    int weeksScored = 0;
    bool withRegister = false;
    bool operator==(const BackupEntry&) const = default;
};

// The backups of the Files folder, newest first.
QVector<BackupEntry> listBackups(const QString& filesFolder);
// One line of the list: "2026-11-20 10:15:00  Kickpool_2026-11-20_101500.txt  32 teams, 9 weeks scored, register".
QString backupLine(const BackupEntry& entry);

// Restores a backup (a name of the list) over the season in use, with its register and payouts,
// after asking (message 23) and backing up the season in use; then loads it.
FileOutcome restoreBackup(Session& session, const QString& backupName);
