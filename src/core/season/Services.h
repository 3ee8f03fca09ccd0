#pragma once

#include "dialogs/InputId.h"

#include <QDate>
#include <QString>

class Session;
class PrintJob;
class FileSteps;
struct InputEntry;
struct MessageEntry;

// How a numbered message or an input request reaches the user. Screens and procedures call
// Session::message and Session::input, which look the entry up in the catalogue with the texts it
// inserts and pass it here; the session is given for the screen scaling and the sound cues.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the message and returns the answer of the button that closed it.
    virtual Answer showMessage(Session& session, const MessageEntry& entry) = 0;
    // Asks for one line of text.
    virtual InputReply showInput(Session& session, const InputEntry& entry) = 0;
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
    // True when the jobs go to a PDF file rather than paper (nothing to reload, nothing to pause for).
    virtual bool writesFile() const { return false; }
};

// Opens the user guide at one of its pages, such as "setting-up.html" (GuidePages.h).
class GuideOpener {
public:
    virtual ~GuideOpener() = default;
    virtual void open(const QString& page) = 0;
};

// The services a session works with. None is owned; every pointer may be null, in which case
// messages are answered OK, input is cancelled, nothing sounds, nothing is printed, files are
// written by the system's steps and the guide does not open.
struct Services {
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    SoundPlayer* sounds = nullptr;
    Printer* printer = nullptr;
    FileSteps* fileSteps = nullptr;  // how files reach the disk (SafeWrite.h); null: the system's
    GuideOpener* guide = nullptr;
};
