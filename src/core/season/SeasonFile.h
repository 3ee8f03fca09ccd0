#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVector>

struct Season;
class Session;

// What LoadSeason found.
enum class LoadOutcome {
    Loaded,      // the season file was read; the season data holds it
    Missing,     // no season file: message 16 was shown and the defaults set
    Unreadable,  // the file exists but cannot be read: message 33 was shown and the defaults set
    Damaged,     // the file is not a season: message 30 (a copy was kept) or 32 (none could be),
                 // and the defaults set
};

// Reads the season file (Files/Kickpool.txt in the home folder) into session.season and
// recomputes the derived values; sets session.TodayText in every case.
LoadOutcome LoadSeason(Session& session);

// Writes the stored values of session.season to the season file through the safe writing of
// SafeWrite.h, holding the home's write lock (HomeLock.h), then loads it again. When the file
// changed on disk since it was loaded, message 40 asks first; anything but Yes keeps it. Refuses (message 31, naming the file and the reason) when a
// value is beyond its bound or cannot be written, when the file in place cannot be read, or when
// it is damaged and no copy of it could be kept; then, and when the writing fails, the old file
// and the data in memory stay as they were, and the result is false.
bool SaveSeason(Session& session);

// The content of the season file for a season: Windows-1252 text, CR LF line ends. Only a
// season without boundProblems() reads back as itself.
QByteArray seasonFileBytes(const Season& season);

// Where a season file breaks its rules: the line (from 1) and what was expected there.
struct SeasonFileProblem {
    int line = 0;
    QString expected;  // "a whole number", "a quoted text", "a number of teams from 0 to 48", ...
    // For a value beyond its bound, the value as the file holds it (reading went on past it);
    // empty where reading stopped.
    QString found;
    bool operator==(const SeasonFileProblem&) const = default;
};

// Reads the content of a season file into `season`. Items end at commas and at line ends alike;
// a quoted text runs to its closing quote; a UTF-8 byte-order mark at the start is skipped (the
// rest is then read as UTF-8). Returns every problem found, in file order: reading goes on past
// a value beyond its bound, and stops where the rest cannot be read (the file ends early, an item
// of the wrong kind, a count beyond its array, content after the last score row). Elements
// beyond a count keep the values they had. `season` may be partly changed when there is a
// problem, so callers read into a copy.
QVector<SeasonFileProblem> readSeasonFile(const QByteArray& content, Season& season);
// The same, giving only the first problem; true when there is none.
bool readSeasonFile(const QByteArray& content, Season& season, SeasonFileProblem& problem);

// What a season file holds, as every reader of it (loading, `check`) sees it.
struct SeasonFileRead {
    enum class State {
        Read,        // `season` holds it, with its derived values
        Missing,     // there is no file
        Unreadable,  // it cannot be read (`reason`): not a regular file, too large, a link out
        Damaged,     // it is not a season (`problems`, in file order)
    };
    State state = State::Missing;
    QByteArray content;
    QString reason;
    QVector<SeasonFileProblem> problems;
    Season* season = nullptr;  // filled when given; partly changed when the file is damaged
    // Values that do not fit together and that every report tolerates: score rows out of order,
    // scores for another number of teams, unsold runs beyond the tickets (the screens never store
    // them). Judged whenever reading went on to the end of the file.
    QStringList warnings;
};

// Reads the season file at `path` into `season` (elements beyond a count keep their values).
SeasonFileRead readSeasonAt(const QString& path, Season& season);

// The fingerprint of a season file's content, kept by the session (Session::loadedFile).
QByteArray seasonFingerprint(const QByteArray& content);

// The date as reports show it: "October 4, 2010" (English month names whatever the locale).
QString todayText(QDate date);

// The values set when there is no season file to read (or it is damaged); everything else stays.
void setNoFileDefaults(Season& season);

// Name of a copy kept of damaged content: "Kickpool.damaged-" + first 8 hex digits of the SHA-1
// of the content + ".txt", so the same content never gets two copies; a later name ("-2", "-3",
// ...) when a file of that name holds something else.
QString damagedCopyName(const QByteArray& content, int sequence = 1);

// Keeps a copy of damaged content in `folder` under damagedCopyName(): written, synced and read
// back equal, or found there already. Returns its name, or an empty text with the reason.
QString keepDamagedCopy(const QString& folder, const QByteArray& content, QString& error);
