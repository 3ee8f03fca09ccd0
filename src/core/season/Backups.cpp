#include "season/Backups.h"

#include "sales/Companions.h"
#include "season/SafeWrite.h"
#include "season/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Sorts backups by the time in their names ("Kickpool_2026-11-20_101500_2.txt"), then by their
// number within that second; empty for any other file, which is never removed.
QString backupSortKey(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^.+_(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:_(\\d+))?\\.txt$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return {};
    const int number = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return match.captured(1) + QStringLiteral("_%1").arg(number, 9, 10, QLatin1Char('0'));
}

void removeOldBackups(const QString& folder, const QString& keptName)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        if (name != keptName && !backupSortKey(name).isEmpty())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return backupSortKey(a) > backupSortKey(b); });
    for (qsizetype n = BackupsKept - 1; n < names.size(); ++n) {
        QFile::remove(QDir(folder).filePath(names[n]));
        removeCompanions(QDir(folder).filePath(names[n]));
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
    QString name = stem + QStringLiteral(".txt");
    for (int number = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++number)
        name = stem + QStringLiteral("_%1.txt").arg(number);
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
    QString failed;
    QString why;
    if (!backupInto(session.filesFolder(), season, QDateTime(session.today(), QTime::currentTime()), failed, why).isEmpty())
        return true;
    session.message(MessageId::BackupNotMade, {QDir::toNativeSeparators(failed), why});
    return false;
}
