#include "season/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_WIN)
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
    return path + QStringLiteral(".saving");
}

bool writeFileSafely(const QString& path, const QByteArray& content, QString& error, FileSteps& steps)
{
    const QString temporary = temporaryPathFor(path);
    QFile file(temporary);
    // Truncating reuses a temporary file that a killed run left behind.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
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

bool readWholeFile(const QString& path, QByteArray& content, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
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
    return QFileInfo(path).isFile() && readWholeFile(path, found, ignored) && found == content;
}
