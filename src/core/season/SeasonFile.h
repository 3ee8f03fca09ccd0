#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

struct Season;
class Session;

// What LoadSeason found.
enum class LoadOutcome {
    Loaded,   // the season file was read; the season data holds it
    Missing,  // no season file: message 16 was shown and the defaults set
    Damaged,  // the file could not be read: message 30 was shown, a copy kept, the defaults set
};

// Reads the season file (Files/Kickpool.txt in the home folder) into session.season and
// recomputes the derived values; sets session.TodayText in every case.
LoadOutcome LoadSeason(Session& session);

// Writes the stored values of session.season to the season file, then loads it again. When the
// file cannot be written, message 31 tells why, the old file and the data in memory stay as they
// were, and the result is false.
bool SaveSeason(Session& session);

// The content of the season file for a season: Windows-1252 text, CR LF line ends.
QByteArray seasonFileBytes(const Season& season);

// Where a season file stops making sense: the line (from 1) and what was expected there.
struct SeasonFileProblem {
    int line = 0;
    QString expected;  // "a whole number", "a quoted text", "at most 48 teams", ...
    bool operator==(const SeasonFileProblem&) const = default;
};

// Reads the content of a season file into `season`. Elements beyond a count keep the values they
// had. Returns false and fills `problem` when the content cannot be read; `season` may then be
// partly changed, so callers read into a copy.
bool readSeasonFile(const QByteArray& content, Season& season, SeasonFileProblem& problem);

// The date as reports show it: "October 4, 2010" (English month names whatever the locale).
QString todayText(QDate date);

// The values set when there is no season file to read (or it is damaged); everything else stays.
void setNoFileDefaults(Season& season);

// Name of the copy kept of damaged content: "Kickpool.damaged-" + first 8 hex digits of the
// SHA-1 of the content + ".txt", so the same content never gets two copies.
QString damagedCopyName(const QByteArray& content);
