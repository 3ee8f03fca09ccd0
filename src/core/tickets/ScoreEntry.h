#pragma once

#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <array>

class Session;

// The texts of the team score table of the weekly report, by team 1..TeamCount (element 0
// unused): the scores as typed, or as stored when a week is only reported again.
using ScoreTexts = std::array<QString, MaxTeams + 1>;

// Message ids of the weekly score entry.
namespace ScoreMessage {
constexpr int PreviousScoresFound = 1;
constexpr int StartNewSeason = 2;
constexpr int WeekOutOfRange = 3;
constexpr int PreviousWeekNotFound = 9;
constexpr int ScoresFileNotFound = 19;
constexpr int ScoreOutOfRange = 29;
}  // namespace ScoreMessage
constexpr int ScoreInputId = 5;

// The lines the week prompt adds to the list.
QStringList weekPromptLines(const Season& season);

// The week number typed into the week box (leading number, halves to even).
int typedWeekNumber(const QString& text);

// True when scores are stored for the week: one of the weeks stored, its row carrying its number.
bool weekIsStored(const Season& season, int week);

// The refusal of a week before any score is asked, checked in this order: out of range
// (message 3), scores stored for another number of teams (19), or - for a week that is not
// stored yet - the week before it missing (9). 0 when scores may be entered or corrected.
int weekRefusal(const Season& season, int week);

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

// Starts a new season of scores: no week stored, columns for the present teams, the old rows
// emptied.
void startNewScores(Season& season);

// Marks the week as entered: its row number, the weeks stored, the team columns.
void markWeekEntered(Season& season, int week);

// What became of the entry of a week.
enum class EntryOutcome {
    Refused,    // a message (9, 19, or 34 when no backup could be kept) was shown; nothing changed
    Cancelled,  // the operator cancelled a score; nothing was stored or saved
    Entered,    // the scores were typed, stored and saved
    Stored,     // the operator chose to report the stored scores again
};

// The score entry of a week already checked for its range (weekRefusal gives no message 3):
// messages 19, 1, 2 and 9 through the session's dialogs, one input 5 per team, storing and
// saving. A new season (message 2 answered Yes) starts only after a backup of the season file. `texts` receives the score texts of the report when the outcome is Entered or Stored.
EntryOutcome enterWeekScores(Session& session, int week, ScoreTexts& texts);
