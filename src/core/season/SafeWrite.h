#pragma once

// Writing a file so that it is either the old file or the new one, complete, whatever happens
// in between: a full disk, a file size limit, a failing drive or a program killed mid-write.
//
// The content goes to a temporary file beside the target ("<name>.<process>-<n>.saving"), made
// new and exclusive, so that no two programs share one and none is ever opened through a link;
// it gets the permissions of the file it replaces. Every write, the flush, the sync to the disk
// and the close are checked; the temporary file is read back and compared; only then does one
// atomic rename put it in place of the target, and the folder is synced so that the rename lasts.
// On any failure the temporary file is removed and the target is untouched. A target that is a
// link is replaced by the new file; the file it pointed to stays as it was. A read-only target is
// refused. A file size limit makes the write fail instead of ending the program. Temporary files
// that a killed program left behind are removed by the next writer of the home (HomeLock.h).
//
// QSaveFile does much of this, but neither syncs the folder after the rename nor reads the
// content back, and its steps cannot be made to fail one at a time in a test.

#include <QByteArray>
#include <QString>

class QFile;

// The steps by which a file reaches the disk. The program uses the real ones; a test replaces
// one step to fail as a full disk or a broken drive would. Each returns false and sets `error`
// (the system's reason, such as "No space left on device") when it fails.
class FileSteps {
public:
    virtual ~FileSteps() = default;
    virtual bool write(QFile& file, const QByteArray& bytes, QString& error);
    virtual bool flush(QFile& file, QString& error);
    // Forces the file's content onto the disk.
    virtual bool sync(QFile& file, QString& error);
    virtual bool close(QFile& file, QString& error);
    // Puts the file `from` in place of `to` in one step, replacing any file `to`.
    virtual bool replace(const QString& from, const QString& to, QString& error);
};

// The real steps.
FileSteps& systemFileSteps();

// A temporary file a safe write of `path` may write first: unique to this program and write.
QString temporaryPathFor(const QString& path);

// Whether a file name is a temporary file of safe writing that no running program writes:
// one of a program that has ended, or of the older naming "<name>.txt.saving".
bool isStaleTemporary(const QString& name);

// The largest file read as a season: no real season comes near it (the largest is about 60 KB).
constexpr qint64 MaxSeasonFileBytes = 4 * 1024 * 1024;

// Writes `content` as the file `path`, replacing any file of that name, as described above.
// The folder must exist. On failure returns false with the reason in `error`.
bool writeFileSafely(const QString& path, const QByteArray& content, QString& error,
                     FileSteps& steps = systemFileSteps());

// Copies the file `from` over the file `to` (created when missing) through the same safe
// writing. On failure `to` is untouched, no temporary file is left, `reason` (when given) says
// which file failed and why ("<path>: <why>"), and the result is false.
bool copyFileSafely(const QString& from, const QString& to, QString* reason = nullptr);
// The same, with the file that failed and the reason apart.
bool copyFileSafely(const QString& from, const QString& to, QString& failedFile, QString& why);

// Reads a whole file; false with the reason when it cannot be opened or read, when it is not a
// regular file (a folder, a pipe, a device), when it is larger than `maxBytes`, or when it is a
// link that leads out of its home folder (the folder above the link's own).
bool readWholeFile(const QString& path, QByteArray& content, QString& error, qint64 maxBytes = MaxSeasonFileBytes);

// True when the file exists and holds exactly `content`.
bool fileHolds(const QString& path, const QByteArray& content);
