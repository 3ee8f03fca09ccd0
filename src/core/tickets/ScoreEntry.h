#pragma once

#include "dialogs/MessageId.h"
#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Session;

// The texts of the team score table of the weekly report, by team 1..TeamCount (element 0
// unused): the scores as typed, or as stored when a week is only reported again.
using ScoreTexts = std::array<QString, MaxTeams + 1>;

// The lines the week prompt adds to the list.
QStringList weekPromptLines(const Season& season);

// The week number typed into the week box (leading number, halves to even).
int typedWeekNumber(const QString& text);

// True when scores are stored for the week: one of the weeks stored, its row carrying its number.
bool weekIsStored(const Season& season, int week);

// The refusal of a week before any score is asked, checked in this order: out of range
// (EnterWeekAgain), scores stored for another number of teams (ScoresFileNotFound), or - for a
// week that is not stored yet - the week before it missing (PreviousWeekNotFound). None when
// scores may be entered or corrected.
std::optional<Refusal> weekRefusal(const Season& season, int week);
// The refusals with the texts they insert: the season's team count, the week to enter first.
Refusal scoresFileNotFound(const Season& season);
Refusal previousWeekNotFound(const Season& season);
// The refusal of reporting a stored week again: the week's refusal, or for a week not stored the
// week to enter first.
std::optional<Refusal> reportRefusal(const Season& season, int week);
// The refusal of entering a week's scores without being asked anything: the week's refusal, or
// ScoresAlreadyExist for a stored week (correcting one needs the question of the screen).
std::optional<Refusal> entryRefusal(const Season& season, int week);

// A stored score as the report shows it when a week is reported again: a leading blank for a
// number (" 21"), two blanks for a bye.
QString storedScoreText(int score);
// The stored scores of a week as report texts.
ScoreTexts storedScoreTexts(const Season& season, int week);
// A stored score as the entry offers it for a correction: "21", or empty for a bye.
QString correctionDefault(int score);

// A typed score: accepted (0..999) or not; its stored value (Bye when left blank) and the text
// the team score table shows.
struct TypedScore {
    bool accepted = false;
    int score = 0;
    QString text;
    bool operator==(const TypedScore&) const = default;
};
TypedScore readTypedScore(const QString& typed);
// Reads the text typed for a team and, when it is accepted, stores the score and its report text.
// False, with nothing stored, for a score outside 0..999 (the message is EnterScoreAgain).
bool storeTypedScore(Season& season, int week, int team, const QString& typed, ScoreTexts& texts);

// Starts a new season of scores: no week stored, columns for the present teams, the old rows
// emptied.
void startNewScores(Season& season);

// Marks the week as entered: its row number, the weeks stored, the team columns.
void markWeekEntered(Season& season, int week);
// Marks the week as entered and saves the season file; false when it could not be saved (the
// message has told why).
bool saveEnteredWeek(Session& session, int week);

// How a week was opened for its scores, by the score dialogs and by the score sheet alike.
enum class WeekOpening {
    Refused,       // a message said why (19, 9, or 34 when no backup could be kept); nothing changed
    StoredReport,  // the operator keeps the stored scores, which are reported again
    Correction,    // the stored scores are offered for correction
    NewEntry,      // a week not stored yet, or week 1 of a new season: no scores are offered
};

// Opens a week already checked for its range (weekRefusal gives no EnterWeekAgain) for its
// scores: the refusals and questions of the week through the session's dialogs (a stored week:
// correct it? week 1 not corrected: a new season? which starts only after a backup of the season
// file, and is saved at once). `texts` receives the stored scores as the report shows them.
WeekOpening openWeek(Session& session, int week, ScoreTexts& texts);

// What storing a whole week's typed texts came to.
struct WeekStoring {
    int rejectedTeam = 0;  // the first team whose text is not a score (0..999): nothing was stored
    bool saved = false;    // stored and saved; false with no rejected team: the save failed (told)
};
// Stores the texts typed for teams 1..TeamCount (element 0 unused; empty for a bye) as the
// week's scores, marks the week entered and saves the season file.
WeekStoring storeWeekScores(Session& session, int week, const ScoreTexts& typed, ScoreTexts& texts);

// What became of the entry of a week through the score dialogs.
enum class EntryOutcome {
    Refused,    // a message (9, 19, or 34 when no backup could be kept) was shown; nothing changed
    Cancelled,  // the operator cancelled a score; nothing was stored or saved
    Entered,    // the scores were typed, stored and saved
    Stored,     // the operator chose to report the stored scores again
};

// The score entry of a week through the dialogs: the week opened (openWeek), then one TeamScore
// input per team, storing and saving. `texts` receives the score texts of the report when the
// outcome is Entered or Stored.
EntryOutcome enterWeekScores(Session& session, int week, ScoreTexts& texts);
