#include "season/HomeLock.h"

#include "season/Backups.h"
#include "season/SafeWrite.h"
#include "season/Session.h"

#include <algorithm>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace {

// The program that holds a lock: its name as the system knows it where it can be found (so that
// the desktop program and kickpool-cli are told apart), and its process number.
QString holderOf(const QLockFile& file)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!file.getLockInfo(&pid, &host, &application))
        return QStringLiteral("another program (it could not be told which)");
    QString name = application;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly)) {
        const QString running = QString::fromLocal8Bit(comm.readAll()).trimmed();
        if (!running.isEmpty())
            name = running;
    }
    if (name.isEmpty())
        name = QStringLiteral("a program");
    QString text = QStringLiteral("%1, process %2").arg(name).arg(pid);
    if (!host.isEmpty() && host != QSysInfo::machineHostName())
        text += QStringLiteral(" on ") + host;
    return text;
}

// Whether a lock file is left by a program that is gone: the system releases a dead program's
// hold on the file at once, whatever the file says. A file that holds nothing yet is given a
// second, the moment between making it and taking hold of it.
bool leftByTheDead(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isSymLink())
        return false;
#if defined(Q_OS_UNIX)
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_SH | LOCK_NB) == 0;
    ::close(fd);
    return free && (info.size() > 0 || info.lastModified().msecsTo(QDateTime::currentDateTime()) > 1000);
#else
    return info.size() == 0 && info.lastModified().msecsTo(QDateTime::currentDateTime()) > 1000;
#endif
}

// Removes what killed programs left of the lock: the lock file itself and the files the taking
// over of a stale lock makes beside it ("Kickpool.lock.rmlock", ...). True when anything went.
bool removeLeftLocks(const QString& lockPath)
{
    bool removed = false;
    const QFileInfo lock(lockPath);
    const QStringList names = lock.dir().entryList({lock.fileName() + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        const QString path = lock.dir().filePath(name);
        if ((name == lock.fileName() || name.startsWith(lock.fileName() + QStringLiteral(".rmlock"))) && leftByTheDead(path))
            removed = QFile::remove(path) || removed;
    }
    return removed;
}

}  // namespace

HomeLock::HomeLock(const QString& home)
    : lockPath_(QDir(home).filePath(QStringLiteral("Kickpool.lock"))), file_(lockPath_)
{
    // Only a lock whose program has died is stale, however long a writer takes.
    file_.setStaleLockTime(0);
}

bool HomeLock::acquire(int waitMs, QString& holder)
{
    if (depth_ > 0) {
        ++depth_;
        return true;
    }
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // What the dead left is cleared first, so that the lock file's own taking over of stale
        // locks is never needed.
        removeLeftLocks(lockPath_);
        if (file_.tryLock(0)) {
            depth_ = 1;
            return true;
        }
        if (file_.error() != QLockFile::LockFailedError)
            break;
        if (waited.elapsed() >= waitMs)
            break;
        QThread::msleep(std::min<qint64>(20, waitMs - waited.elapsed()));
    }
    // A home folder where no lock file can be made (read-only) cannot be written either: the
    // writing itself then says why.
    if (file_.error() == QLockFile::PermissionError || file_.error() == QLockFile::UnknownError) {
        depth_ = 1;
        return true;
    }
    holder = holderOf(file_);
    return false;
}

void HomeLock::release()
{
    if (depth_ > 0 && --depth_ == 0 && file_.isLocked())
        file_.unlock();
}

namespace {

// Takes the session's home lock; the first holder removes what killed saves left behind.
bool acquireHome(Session& session, int waitMs, QString& holder)
{
    if (!session.homeLock)
        session.homeLock = std::make_shared<HomeLock>(session.home);
    const bool first = !session.homeLock->held();
    if (!session.homeLock->acquire(waitMs, holder))
        return false;
    if (first) {
        removeStaleTemporaries(session.filesFolder());
        removeStaleTemporaries(backupsFolder(session.filesFolder()));
    }
    return true;
}

}  // namespace

WriteAccess::WriteAccess(Session& session, int waitMs) : session_(session)
{
    QString holder;
    granted_ = acquireHome(session_, waitMs, holder);
    if (!granted_)
        session_.message(MessageId::HomeInUse, {QDir::toNativeSeparators(session_.home), holder});
}

void tidyHome(Session& session)
{
    QString holder;
    if (acquireHome(session, 0, holder))
        session.homeLock->release();
}

WriteAccess::~WriteAccess()
{
    if (granted_)
        session_.homeLock->release();
}

int removeStaleTemporaries(const QString& folder)
{
    // A folder that is a link is left alone: what lies behind it is not ours to clean.
    if (QFileInfo(folder).isSymLink())
        return 0;
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.saving")}, QDir::Files | QDir::System | QDir::Hidden)) {
        const QString path = dir.filePath(name);
        if (isStaleTemporary(name) && !QFileInfo(path).isDir() && QFile::remove(path))
            ++removed;
    }
    return removed;
}
