#include "files/SafeCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

#if defined(Q_OS_WIN)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Writes what is still in the device's buffer to the disk itself; QSaveFile::commit() would
// ignore a failing sync.
bool syncToDisk(QFileDevice& file)
{
    if (!file.flush())
        return false;
    const int handle = file.handle();
    if (handle < 0)
        return false;
#if defined(Q_OS_WIN)
    return _commit(handle) == 0;
#else
    return fsync(handle) == 0;
#endif
}

// "2005Hockey_2026-11-20_101500_2.txt": the file's name, the time of the copy, the copy's number
// within that second (none for the first).
const QRegularExpression& backupNamePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+_(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:_(\\d+))?\\.txt$"));
    return pattern;
}

// Sorts backups by the time in their names, then by their number within that second.
QString backupSortKey(const QString& name)
{
    const QRegularExpressionMatch match = backupNamePattern().match(name);
    if (!match.hasMatch())
        return {};
    const int number = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    return match.captured(1) + QStringLiteral("_%1").arg(number, 9, 10, QLatin1Char('0'));
}

// Removes all but the newest backups. The one just made is never removed, even when the clock
// was set back and older copies carry later times.
void removeOldBackups(const QString& folder, const QString& keptName)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        if (name != keptName && !backupSortKey(name).isEmpty())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return backupSortKey(a) > backupSortKey(b);
    });
    for (qsizetype n = BackupsKept - 1; n < names.size(); ++n)
        QFile::remove(QDir(folder).filePath(names[n]));
}

}  // namespace

bool copyFileSafely(const QString& from, const QString& to, QString* reason)
{
    auto fail = [reason](const QString& path, const QString& why) {
        if (reason)
            *reason = shown(path) + QStringLiteral(": ") + why;
        return false;
    };

    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return fail(from, source.errorString());
    QSaveFile target(to);
    // Never write into the target itself, even where no temporary file can be made beside it.
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return fail(to, target.errorString());

    // Any return before commit() drops the temporary file (QSaveFile's destructor removes it).
    constexpr qint64 ChunkSize = 64 * 1024;
    qint64 copied = 0;
    while (true) {
        const QByteArray chunk = source.read(ChunkSize);
        if (source.error() != QFileDevice::NoError)
            return fail(from, source.errorString());
        if (chunk.isEmpty())
            break;
        if (target.write(chunk) != chunk.size())
            return fail(to, target.errorString());
        copied += chunk.size();
    }
    if (copied != source.size())
        return fail(from, QStringLiteral("the file changed while it was copied"));
    if (!syncToDisk(target))
        return fail(to, target.error() != QFileDevice::NoError ? target.errorString()
                                                               : QStringLiteral("it could not be written to the disk"));
    if (!target.commit())
        return fail(to, target.errorString());
    return true;
}

QString backupsFolder(const QString& filesFolder)
{
    return QDir(filesFolder).filePath(QStringLiteral("Backups"));
}

QString backupFile(const QString& filesFolder, const QString& path, const QDateTime& now, QString* reason)
{
    const QString folder = backupsFolder(filesFolder);
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason = shown(folder) + QStringLiteral(": the folder cannot be created");
        return {};
    }
    const QString stem = QFileInfo(path).completeBaseName() + QLatin1Char('_')
                         + now.toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    QString name = stem + QStringLiteral(".txt");
    for (int number = 2; QFileInfo::exists(QDir(folder).filePath(name)); ++number)
        name = stem + QStringLiteral("_%1.txt").arg(number);

    const QString copy = QDir(folder).filePath(name);
    if (!copyFileSafely(path, copy, reason))
        return {};
    removeOldBackups(folder, name);
    return copy;
}
