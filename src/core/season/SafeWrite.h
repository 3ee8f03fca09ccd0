#pragma once

// Writing a file so that it is either the old file or the new one, complete, whatever happens
// in between: a full disk, a file size limit, a failing drive or a program killed mid-write.
//
// The content goes to a temporary file beside the target ("<name>.saving"); every write, the
// flush, the sync to the disk and the close are checked; the temporary file is read back and
// compared; only then does one atomic rename put it in place of the target, and the folder is
// synced so that the rename lasts. On any failure the temporary file is removed and the target
// is untouched. A temporary file left behind by a killed run is reused by the next write.
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

// The temporary file a safe write of `path` writes first.
QString temporaryPathFor(const QString& path);

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

// Reads a whole file; false with the reason when it cannot be opened or read.
bool readWholeFile(const QString& path, QByteArray& content, QString& error);

// True when the file exists and holds exactly `content`.
bool fileHolds(const QString& path, const QByteArray& content);
