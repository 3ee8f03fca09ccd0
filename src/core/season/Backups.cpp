#include "season/Backups.h"

#include "sales/Companions.h"
#include "season/HomeLock.h"
#include "season/SafeWrite.h"
#include "season/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The mark that only Kickpool's backups carry: "2005Hockey_2026-11-20_101500.kickpool-backup.txt",
// "..._101500_2.kickpool-backup.txt" for a second one within that second.
const QString BackupMark = QStringLiteral(".kickpool-backup.txt");

QString backupName(const QString& stem, int number)
{
    return stem + (number > 1 ? QStringLiteral("_%1").arg(number) : QString()) + BackupMark;
}

bool isBackupName(const QString& name)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral(".+_\\d{4}-\\d{2}-\\d{2}_\\d{6}(?:_\\d+)?\\.kickpool-backup\\.txt")));
    return pattern.match(name).hasMatch();
}

// Removes all but the newest backups, by when they were written: only Kickpool's own (by their
// names), only regular files lying directly in a real folder, never through a link.
void removeOldBackups(const QString& folder, const QString& keptName)
{
    if (QFileInfo(folder).isSymLink())
        return;
    QFileInfoList backups;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::Hidden)) {
        if (info.fileName() != keptName && !info.isSymLink() && info.isFile() && isBackupName(info.fileName()))
            backups.append(info);
    }
    std::sort(backups.begin(), backups.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const QDateTime whenA = a.lastModified();
        const QDateTime whenB = b.lastModified();
        return whenA != whenB ? whenA > whenB : a.fileName() > b.fileName();
    });
    for (qsizetype n = BackupsKept - 1; n < backups.size(); ++n) {
        QFile::remove(backups[n].absoluteFilePath());
        removeCompanions(backups[n].absoluteFilePath());
    }
}

// backupFile() with the file that failed and the reason apart.
QString backupInto(const QString& filesFolder, const QString& path, const QDateTime& now, QString& failed, QString& why)
{
    const QString folder = backupsFolder(filesFolder);
    if (!QDir().mkpath(folder)) {
        failed = folder;
        why = QStringLiteral("The folder cannot be created.");
        return {};
    }
    const QString stem = QFileInfo(path).completeBaseName() + QLatin1Char('_') + now.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString name = backupName(stem, 1);
    for (int number = 2; QFileInfo::exists(QDir(folder).filePath(name)) || QFileInfo(QDir(folder).filePath(name)).isSymLink(); ++number)
        name = backupName(stem, number);
    const QString copy = QDir(folder).filePath(name);
    if (!copyFileSafely(path, copy, failed, why))
        return {};
    // The season's register and payouts go into the backup with it.
    QString reason;
    if (!copyCompanions(path, copy, &reason)) {
        failed = copy;
        why = reason;
        QFile::remove(copy);
        removeCompanions(copy);
        return {};
    }
    removeOldBackups(folder, name);
    return copy;
}

}  // namespace

QString backupsFolder(const QString& filesFolder)
{
    return QDir(filesFolder).filePath(QStringLiteral("Backups"));
}

QString backupFile(const QString& filesFolder, const QString& path, const QDateTime& now, QString* reason)
{
    QString failed;
    QString why;
    const QString copy = backupInto(filesFolder, path, now, failed, why);
    if (copy.isEmpty() && reason)
        *reason = QDir::toNativeSeparators(failed) + QStringLiteral(": ") + why;
    return copy;
}

bool backupSeasonFile(Session& session)
{
    const QString season = session.seasonPath();
    if (!QFileInfo::exists(season))
        return true;
    const WriteAccess access(session);
    if (!access)
        return false;
    QString failed;
    QString why;
    if (!backupInto(session.filesFolder(), season, QDateTime(session.today(), QTime::currentTime()), failed, why).isEmpty())
        return true;
    session.message(MessageId::BackupNotMade, {QDir::toNativeSeparators(failed), why});
    return false;
}
