#include "season/SafeWrite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString errorOr(const QFile& file, const char* fallback)
{
    return file.error() != QFileDevice::NoError ? file.errorString() : QString::fromLatin1(fallback);
}

// Makes the rename of a file in `folder` last. The new file is already in place when this runs,
// so a failure here (some file systems cannot sync a folder) is no reason to report the write as
// failed.
void syncFolder(const QString& folder)
{
#if defined(Q_OS_WIN)
    Q_UNUSED(folder);  // MoveFileEx with MOVEFILE_WRITE_THROUGH has already made it last
#else
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
}

bool fail(QFile& file, const QString& temporary, QString& error, const QString& reason)
{
    error = reason;
    if (file.isOpen())
        file.close();
    QFile::remove(temporary);
    return false;
}

// A write beyond a file size limit then fails ("File too large") instead of ending the program.
void ignoreFileSizeSignal()
{
#if defined(SIGXFSZ)
    static const bool ignored = (std::signal(SIGXFSZ, SIG_IGN), true);
    Q_UNUSED(ignored);
#endif
}

bool processIsRunning(qint64 pid)
{
#if defined(Q_OS_WIN)
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return false;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
#endif
}

// A link is followed only to a file within the folder above the link's own (for a season file,
// the home folder).
bool linkStaysHome(const QFileInfo& link)
{
    const QString target = link.canonicalFilePath();
    QDir home = link.absoluteDir();
    home.cdUp();
    const QString within = QFileInfo(home.absolutePath()).canonicalFilePath();
    return !target.isEmpty() && !within.isEmpty() && target.startsWith(within + QLatin1Char('/'));
}

}  // namespace

bool FileSteps::write(QFile& file, const QByteArray& bytes, QString& error)
{
    // A write may take only part of the bytes (at a file size limit); the next one then fails
    // with the reason.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            error = errorOr(file, "The file could not be written.");
            return false;
        }
        done += written;
    }
    return true;
}

bool FileSteps::flush(QFile& file, QString& error)
{
    if (file.flush())
        return true;
    error = errorOr(file, "The file could not be written.");
    return false;
}

bool FileSteps::sync(QFile& file, QString& error)
{
#if defined(Q_OS_WIN)
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
    if (handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle))
        return true;
    error = qt_error_string(int(GetLastError()));
    return false;
#else
    const int fd = file.handle();
#if defined(Q_OS_MACOS)
    // On macOS only F_FULLFSYNC reaches the drive itself.
    if (fd >= 0 && ::fcntl(fd, F_FULLFSYNC) == 0)
        return true;
#endif
    if (fd >= 0 && ::fsync(fd) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
#endif
}

bool FileSteps::close(QFile& file, QString& error)
{
    file.close();
    if (file.error() == QFileDevice::NoError)
        return true;
    error = file.errorString();
    return false;
}

bool FileSteps::replace(const QString& from, const QString& to, QString& error)
{
#if defined(Q_OS_WIN)
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = qt_error_string(int(GetLastError()));
    return false;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = qt_error_string(errno);
    return false;
#endif
}

FileSteps& systemFileSteps()
{
    static FileSteps steps;
    return steps;
}

QString temporaryPathFor(const QString& path)
{
    static std::atomic<int> written{0};
    return QStringLiteral("%1.%2-%3.saving").arg(path).arg(QCoreApplication::applicationPid()).arg(++written);
}

bool isStaleTemporary(const QString& name)
{
    static const QRegularExpression ours(QStringLiteral("^.+\\.(\\d+)-\\d+\\.saving$"));
    static const QRegularExpression older(QStringLiteral("^.+\\.txt\\.saving$"));
    const QRegularExpressionMatch match = ours.match(name);
    if (!match.hasMatch())
        return older.match(name).hasMatch();
    const qint64 pid = match.captured(1).toLongLong();
    return pid == QCoreApplication::applicationPid() || !processIsRunning(pid);
}

bool writeFileSafely(const QString& path, const QByteArray& content, QString& error, FileSteps& steps)
{
    ignoreFileSizeSignal();
    const QFileInfo target(path);
    if (target.exists() && !target.isSymLink() && !target.isFile()) {
        error = QStringLiteral("It is not a regular file.");
        return false;
    }
    if (target.isFile() && !target.isSymLink() && !(target.permissions() & QFile::WriteOwner)) {
        error = QStringLiteral("The file is read-only.");
        return false;
    }
    const QString temporary = temporaryPathFor(path);
    QFile file(temporary);
    // New and exclusive: never a file of another program, never through a link.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    if (target.isFile() && !target.isSymLink())
        file.setPermissions(target.permissions());
    QString reason;
    if (!steps.write(file, content, reason) || !steps.flush(file, reason) || !steps.sync(file, reason)
        || !steps.close(file, reason))
        return fail(file, temporary, error, reason);
    if (!fileHolds(temporary, content))
        return fail(file, temporary, error, QStringLiteral("The file read back differs from what was written."));
    if (!steps.replace(temporary, path, reason))
        return fail(file, temporary, error, reason);
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

bool readWholeFile(const QString& path, QByteArray& content, QString& error, qint64 maxBytes)
{
    const QFileInfo info(path);
    QFile file(path);
#if defined(Q_OS_WIN)
    if (!info.isFile()) {
        error = QStringLiteral("It is not a regular file.");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const qint64 size = file.size();
#else
    // Opened without waiting (a named pipe would wait for a writer), then judged by what was
    // opened, so that nothing can be swapped in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = qt_error_string(errno);
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = QStringLiteral("It is not a regular file.");
        return false;
    }
    const qint64 size = status.st_size;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        return false;
    }
#endif
    if (info.isSymLink() && !linkStaysHome(info)) {
        error = QStringLiteral("It is a link to a file outside its home folder; such links are not followed.");
        return false;
    }
    if (size > maxBytes) {
        error = QStringLiteral("It is larger than %1 bytes (%2 bytes); no season file is that large.").arg(maxBytes).arg(size);
        return false;
    }
    content = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    if (content.size() > maxBytes) {
        error = QStringLiteral("It is larger than %1 bytes; no season file is that large.").arg(maxBytes);
        return false;
    }
    return true;
}

bool copyFileSafely(const QString& from, const QString& to, QString& failedFile, QString& why)
{
    QByteArray content;
    failedFile = from;
    if (!readWholeFile(from, content, why))
        return false;
    failedFile = to;
    return writeFileSafely(to, content, why);
}

bool copyFileSafely(const QString& from, const QString& to, QString* reason)
{
    QString failed;
    QString why;
    if (copyFileSafely(from, to, failed, why))
        return true;
    if (reason)
        *reason = QDir::toNativeSeparators(failed) + QStringLiteral(": ") + why;
    return false;
}

bool fileHolds(const QString& path, const QByteArray& content)
{
    QByteArray found;
    QString ignored;
    return QFileInfo(path).isFile() && readWholeFile(path, found, ignored, content.size()) && found == content;
}
