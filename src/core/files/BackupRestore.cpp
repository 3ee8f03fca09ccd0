#include "files/BackupRestore.h"

#include "files/FileNames.h"
#include "sales/Companions.h"
#include "season/Backups.h"
#include "season/SafeWrite.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <numeric>

QVector<BackupEntry> listBackups(const QString& filesFolder)
{
    static const QRegularExpression pattern(QStringLiteral("^.+_(\\d{4}-\\d{2}-\\d{2}_\\d{6})(?:_(\\d+))?\\.kickpool-backup\\.txt$"));
    const QDir folder(backupsFolder(filesFolder));
    QVector<BackupEntry> entries;
    QVector<int> numbers;
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        BackupEntry entry;
        entry.name = name;
        entry.made = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd_HHmmss"));
        QByteArray content;
        QString error;
        Season season;
        SeasonFileProblem problem;
        if (readWholeFile(folder.filePath(name), content, error) && readSeasonFile(content, season, problem)) {
            entry.teams = season.TeamCount;
            entry.weeksScored = season.ScoredWeeks;
        }
        entry.withRegister = QFileInfo::exists(companionPaths(folder.filePath(name)).first());
        entries.append(entry);
        numbers.append(match.captured(2).isEmpty() ? 1 : match.captured(2).toInt());
    }
    QVector<int> order(entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        if (entries[a].made != entries[b].made)
            return entries[a].made > entries[b].made;
        return numbers[a] > numbers[b];
    });
    QVector<BackupEntry> sorted;
    for (int n : order)
        sorted.append(entries[n]);
    return sorted;
}

QString backupLine(const BackupEntry& entry)
{
    QString holds = entry.teams < 0 ? QStringLiteral("cannot be read")
                                    : QStringLiteral("%1 teams, %2 weeks scored").arg(entry.teams).arg(entry.weeksScored);
    if (entry.withRegister)
        holds += QStringLiteral(", sales register");
    return entry.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  ") + entry.name
           + QStringLiteral("  ") + holds;
}

FileOutcome restoreBackup(Session& session, const QString& backupName)
{
    FileOutcome outcome;
    auto show = [&](FileResult result, MessageId id, const QStringList& arguments = {}) {
        outcome.result = result;
        outcome.message = id;
        session.message(id, arguments);
        return outcome;
    };
    if (backupName.isEmpty())
        return show(FileResult::Refused, MessageId::FileNotSelected);
    const QString folder = backupsFolder(session.filesFolder());
    const QString path = QDir(folder).filePath(backupName);
    const QString notDone = backupName + QStringLiteral(" was not restored:");
    const QVector<BackupEntry> backups = listBackups(session.filesFolder());
    const bool listed = std::any_of(backups.cbegin(), backups.cend(), [&](const BackupEntry& e) { return e.name == backupName; });
    if (!listed)
        return show(FileResult::Failed, MessageId::FileOperationFailed, {notDone, backupName + QStringLiteral(" is not in the Backups folder")});
    outcome.message = MessageId::ReplaceCurrentFile;
    if (session.message(MessageId::ReplaceCurrentFile) == Answer::No) {
        outcome.result = FileResult::Declined;
        return outcome;
    }
    if (!backupSeasonFile(session)) {
        outcome.result = FileResult::Failed;
        outcome.message = MessageId::BackupNotMade;
        return outcome;
    }
    QString reason;
    if (!copyFileSafely(path, session.seasonPath(), &reason) || !copyCompanions(path, session.seasonPath(), &reason))
        return show(FileResult::Failed, MessageId::FileOperationFailed, {notDone, reason});
    LoadSeason(session);
    outcome.seasonLoaded = true;
    outcome.changed = {CurrentUseFileName};
    outcome.result = FileResult::Done;
    return outcome;
}
