#include "season/Backups.h"

#include "season/SafeWrite.h"
#include "season/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd HH-mm-ss");

// A backup's time and sequence from its name, so that the oldest can be found; false for any
// other file, which is never deleted.
bool backupOrder(const QString& name, QString& order)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.+ (\\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d-\\d\\d)(?: \\((\\d{1,6})\\))?\\.txt$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    const int sequence = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
    order = match.captured(1) + QStringLiteral(" %1").arg(sequence, 6, 10, QLatin1Char('0'));
    return true;
}

void deleteOldest(const QString& folder)
{
    QVector<std::pair<QString, QString>> backups;  // order, name
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QString order;
        if (backupOrder(name, order))
            backups.append({order, name});
    }
    std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) { return a > b; });
    for (int n = BackupsKept; n < backups.size(); ++n)
        QFile::remove(joinPath(folder, backups[n].second));
}

}  // namespace

QString backupsFolder(const Session& session)
{
    return session.pathInHome(QStringLiteral("Files/Backups"));
}

QString backupName(const QString& fileName, const QDateTime& when, int sequence)
{
    QString name = QFileInfo(fileName).completeBaseName() + QLatin1Char(' ') + when.toString(TimeFormat);
    if (sequence > 1)
        name += QStringLiteral(" (%1)").arg(sequence);
    return name + QStringLiteral(".txt");
}

QString backupFile(const QString& file, const QString& folder, const QDateTime& when, QString& error)
{
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    QString path;
    for (int sequence = 1; path.isEmpty() || QFileInfo::exists(path); ++sequence)
        path = joinPath(folder, backupName(file, when, sequence));
    if (!copyFileSafely(file, path, error))
        return {};
    deleteOldest(folder);
    return path;
}

bool backupSeasonFile(Session& session)
{
    const QString season = session.seasonPath();
    if (!QFileInfo::exists(season))
        return true;
    QString error;
    const QString folder = backupsFolder(session);
    if (!backupFile(season, folder, QDateTime(session.today(), QTime::currentTime()), error).isEmpty())
        return true;
    session.message(MessageId::BackupNotMade, {QDir::toNativeSeparators(folder), error});
    return false;
}
