#include "files/FileOperations.h"

#include "dialogs/MessageCatalogue.h"
#include "files/FileNames.h"
#include "sales/Companions.h"
#include "season/Backups.h"
#include "season/HomeLock.h"
#include "season/SafeWrite.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// One operation on the Files folder of a session.
class Operation {
public:
    explicit Operation(Session& session) : session_(session), folder_(session.filesFolder()) {}

    QString path(const QString& name) const { return QDir(folder_).filePath(name); }
    bool isStored(const QString& name) const { return storedSeasons(folder_).contains(name); }

    Answer ask(MessageId id)
    {
        outcome_.message = id;
        return session_.message(id);
    }
    FileOutcome end(FileResult result)
    {
        outcome_.result = result;
        return outcome_;
    }
    FileOutcome refuse(MessageId id, const QStringList& arguments = {})
    {
        return show(FileResult::Refused, id, arguments);
    }
    FileOutcome declined() { return end(FileResult::Declined); }
    FileOutcome fail(const QString& notDone, const QString& reason)
    {
        return show(FileResult::Failed, MessageId::FileOperationFailed, {notDone, reason});
    }
    FileOutcome done(const QStringList& changed)
    {
        outcome_.changed = changed;
        return end(FileResult::Done);
    }

    // Keeps a copy of a file about to be replaced or removed; false (with the reason) when none
    // could be made.
    bool keepBackup(const QString& name, QString* reason)
    {
        outcome_.backup = backupFile(folder_, path(name), QDateTime::currentDateTime(), reason);
        return !outcome_.backup.isEmpty();
    }

    void reload()
    {
        LoadSeason(session_);
        outcome_.seasonLoaded = true;
    }

    // Holds the home's write lock for the rest of the operation; false (message 39 shown) when
    // another program is writing the home.
    bool lock()
    {
        access_.emplace(session_);
        if (*access_)
            return true;
        outcome_.message = MessageId::HomeInUse;
        return false;
    }
    FileOutcome inUse() { return end(FileResult::Refused); }

    // The season in use was removed or moved away by this program: its next save creates the
    // file again without asking.
    void currentFileGone() { session_.loadedFile = QByteArray(); }

private:
    FileOutcome show(FileResult result, MessageId id, const QStringList& arguments)
    {
        outcome_.message = id;
        session_.message(id, arguments);
        return end(result);
    }

    Session& session_;
    QString folder_;
    FileOutcome outcome_;
    std::optional<WriteAccess> access_;
};

// Why a stored file cannot become the season in use (it is damaged or cannot be read); empty
// when it can.
QString restoreRefusal(const QString& path)
{
    Season season;
    const SeasonFileRead read = readSeasonAt(path, season);
    if (read.state == SeasonFileRead::State::Unreadable)
        return QDir::toNativeSeparators(path) + QStringLiteral(": ") + read.reason;
    if (read.state == SeasonFileRead::State::Damaged)
        return QStringLiteral("%1 is damaged: line %2: %3 expected")
            .arg(QDir::toNativeSeparators(path))
            .arg(read.problems.first().line)
            .arg(read.problems.first().expected);
    return {};
}

bool isLink(const QString& path)
{
    return QFileInfo(path).isSymLink();
}

QString notInFolder(const QString& name)
{
    return name + QStringLiteral(" is not in the Files folder");
}

std::filesystem::path fsPath(const QString& path)
{
    return QFileInfo(path).filesystemFilePath();
}

}  // namespace

FileOutcome saveFile(Session& session, const QString& typedName)
{
    Operation op(session);
    if (typedName.isEmpty())
        return op.refuse(MessageId::FileNameNotEntered);
    if (isCurrentUseName(typedName))
        return op.refuse(MessageId::FileCannotReplaceItself);
    if (const QString why = fileNameProblem(typedName); !why.isEmpty())
        return op.refuse(MessageId::FileNameNotAllowed, {why});
    if (!QFileInfo(op.path(CurrentUseFileName)).isFile())
        return op.refuse(MessageId::NoCurrentFile);

    if (!op.lock())
        return op.inUse();
    const QString target = typedName + QStringLiteral(".txt");
    const QString notDone = target + QStringLiteral(" was not saved:");
    QString reason;
    if (QFileInfo::exists(op.path(target))) {
        if (op.ask(MessageId::FileNameExists) == Answer::No)
            return op.declined();
        if (!op.keepBackup(target, &reason))
            return op.fail(notDone, reason);
    }
    if (!copyFileSafely(op.path(CurrentUseFileName), op.path(target), &reason)
        || !copyCompanions(op.path(CurrentUseFileName), op.path(target), &reason))
        return op.fail(notDone, reason);
    return op.done({target});
}

FileOutcome restoreFile(Session& session, const QString& selectedName)
{
    Operation op(session);
    if (selectedName == CurrentUseFileName)
        return op.refuse(MessageId::FileCannotReplaceItself);
    if (selectedName.isEmpty())
        return op.refuse(MessageId::FileNotSelected);
    const QString notDone = selectedName + QStringLiteral(" was not restored:");
    if (!op.isStored(selectedName))
        return op.fail(notDone, notInFolder(selectedName));
    if (op.ask(MessageId::ReplaceCurrentFile) == Answer::No)
        return op.declined();
    if (!op.lock())
        return op.inUse();
    // A damaged file never replaces the season in use.
    if (const QString why = restoreRefusal(op.path(selectedName)); !why.isEmpty())
        return op.fail(notDone, why);

    QString reason;
    if (QFileInfo::exists(op.path(CurrentUseFileName)) && !op.keepBackup(CurrentUseFileName, &reason))
        return op.fail(notDone, reason);
    if (!copyFileSafely(op.path(selectedName), op.path(CurrentUseFileName), &reason)
        || !copyCompanions(op.path(selectedName), op.path(CurrentUseFileName), &reason))
        return op.fail(notDone, reason);
    op.reload();
    return op.done({CurrentUseFileName});
}

FileOutcome deleteFile(Session& session, const QString& selectedName)
{
    Operation op(session);
    if (selectedName.isEmpty())
        return op.refuse(MessageId::FileNotSelected);
    const QString notDone = selectedName + QStringLiteral(" was not deleted:");
    if (!op.isStored(selectedName))
        return op.fail(notDone, notInFolder(selectedName));
    if (op.ask(MessageId::DeleteFile) == Answer::No)
        return op.declined();
    if (!op.lock())
        return op.inUse();

    // Deleting a link loses nothing: the file it leads to stays.
    QString reason;
    if (!isLink(op.path(selectedName)) && !op.keepBackup(selectedName, &reason))
        return op.fail(notDone, reason);
    QFile file(op.path(selectedName));
    if (!file.remove())
        return op.fail(notDone, QDir::toNativeSeparators(file.fileName()) + QStringLiteral(": ") + file.errorString());
    removeCompanions(op.path(selectedName));
    // The scores are forgotten only once the file is really gone.
    if (selectedName == CurrentUseFileName) {
        session.season.ScoredWeeks = 0;
        session.season.ScoreTeams = 0;
        op.currentFileGone();
    }
    return op.done({selectedName});
}

FileOutcome renameFile(Session& session, const QString& selectedName, const QString& typedName)
{
    Operation op(session);
    if (selectedName.isEmpty())
        return op.refuse(MessageId::FileNotSelected);
    if (typedName.isEmpty())
        return op.refuse(MessageId::FileNameNotEntered);
    if (const QString why = fileNameProblem(typedName); !why.isEmpty())
        return op.refuse(MessageId::FileNameNotAllowed, {why});
    const QString notDone = selectedName + QStringLiteral(" was not renamed:");
    if (!op.isStored(selectedName))
        return op.fail(notDone, notInFolder(selectedName));

    // kickpool in any letter case is the current-use file, also where the file system tells
    // letter cases apart.
    const bool becomesCurrent = isCurrentUseName(typedName);
    const QString target = becomesCurrent ? CurrentUseFileName : typedName + QStringLiteral(".txt");
    const std::filesystem::path from = fsPath(op.path(selectedName));
    const std::filesystem::path to = fsPath(op.path(target));
    const bool targetExists = QFileInfo::exists(op.path(target));
    if (targetExists && op.ask(MessageId::FileNameExists) == Answer::No)
        return op.declined();
    if (!op.lock())
        return op.inUse();
    std::error_code error;
    // A link renamed onto the very file it leads to would become a link to itself: the link goes,
    // the file stays.
    if (selectedName != target && isLink(op.path(selectedName)) && std::filesystem::equivalent(from, to, error)) {
        if (!QFile::remove(op.path(selectedName)))
            return op.fail(notDone, QDir::toNativeSeparators(op.path(selectedName)) + QStringLiteral(": the link cannot be removed"));
        if (becomesCurrent)
            op.reload();
        return op.done({selectedName});
    }
    if (targetExists && !std::filesystem::equivalent(from, to, error)) {
        QString reason;
        if (!op.keepBackup(target, &reason))
            return op.fail(notDone, reason);
    }
    // Renaming a file to its own name leaves it as it was; only its letter case may change.
    QStringList changed;
    QString reason;
    if (selectedName != target) {
        std::filesystem::rename(from, to, error);  // replaces the target in one step
        if (error)
            return op.fail(notDone, QDir::toNativeSeparators(op.path(selectedName)) + QStringLiteral(": ")
                                        + QString::fromStdString(error.message()));
        changed = {selectedName, target};
        if (!renameCompanions(op.path(selectedName), op.path(target), &reason))
            return op.fail(notDone, reason);
        if (selectedName == CurrentUseFileName)
            op.currentFileGone();
    }
    if (becomesCurrent)
        op.reload();
    return op.done(changed);
}
