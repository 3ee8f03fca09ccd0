#pragma once

// One program at a time writes a home folder. Every writer (the desktop program while it saves
// or changes a data file, kickpool-cli for the whole of a command that writes) holds the lock file
// "Kickpool.lock" in the home folder; a lock left by a program that died is taken over. Readers
// never take it. A second writer waits a little, then says which program holds the home.

#include <QLockFile>
#include <QString>

class Session;

// How long a writer waits for another one to finish before it gives up.
constexpr int HomeLockWaitMs = 2000;

class HomeLock {
public:
    explicit HomeLock(const QString& home);

    // Takes the lock, waiting up to `waitMs`; reentrant within one program. False with the
    // program holding it ("kickpool-cli, process 1234") in `holder` when it stays taken.
    bool acquire(int waitMs, QString& holder);
    void release();
    bool held() const { return depth_ > 0; }

private:
    QString lockPath_;
    QLockFile file_;
    int depth_ = 0;
};

// Holds the session's home lock for as long as it lives. When the lock cannot be had, message 39
// names the program holding it and the access is refused (false). The first holder of a home
// also removes the temporary files that a killed save left behind (removeStaleTemporaries).
class WriteAccess {
public:
    explicit WriteAccess(Session& session, int waitMs = HomeLockWaitMs);
    ~WriteAccess();
    WriteAccess(const WriteAccess&) = delete;
    WriteAccess& operator=(const WriteAccess&) = delete;

    explicit operator bool() const { return granted_; }

private:
    Session& session_;
    bool granted_ = false;
};

// When the program opens its home: removes the temporary files that a killed save left behind,
// if no other program is writing the home just now (without a word otherwise).
void tidyHome(Session& session);

// Removes, from `folder`, the temporary files of safe writing (SafeWrite.h) that no running
// program is writing any more: only names of our own pattern, never following a link. Returns
// how many were removed.
int removeStaleTemporaries(const QString& folder);
