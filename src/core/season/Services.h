#pragma once

#include <QDate>
#include <QString>

class Session;
class PrintJob;
class FileSteps;

// How every screen and procedure shows a numbered message or asks for typed input. The caller
// sets Session::MsgId (and the values the entry shows); the answer comes back in
// Session::MsgResult (6 Yes, 7 No, 1 OK, 2 Cancel) and, for input, Session::InputText.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows message Session::MsgId; stores the answer in MsgResult and returns it.
    virtual int showMessage(Session& session) = 0;
    // Shows input request Session::MsgId; stores MsgResult and InputText, returns MsgResult.
    virtual int showInput(Session& session) = 0;
};

// Today's date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate date) : date_(date) {}
    QDate today() const override { return date_; }
    void set(QDate date) { date_ = date; }

private:
    QDate date_;
};

// Plays a sound file without waiting for it to end.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// Receives the print jobs of the program; each job is one printed document.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void print(const PrintJob& job) = 0;
    // Ends one run of printing (one selection, one button): where the jobs were written to a PDF
    // file instead of a printer, that file's path; otherwise empty.
    virtual QString finishRun() { return {}; }
    // Why the last job could not be printed, cleared by asking; empty when nothing failed.
    virtual QString takeFailure() { return {}; }
};

// The services a session works with. None is owned; every pointer may be null, in which case
// messages are answered OK, input is cancelled, nothing sounds, nothing is printed and files are
// written by the system's steps.
struct Services {
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    SoundPlayer* sounds = nullptr;
    Printer* printer = nullptr;
    FileSteps* fileSteps = nullptr;  // how files reach the disk (SafeWrite.h); null: the system's
};
