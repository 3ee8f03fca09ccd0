#pragma once

// The bounds of every stored value of a season, as one table of rules. The season file's reader
// treats a value beyond its bound as damage, SaveSeason never writes one, `kickpool-cli check`
// lists them, and the editing screens take their ranges and text lengths from here.

#include <QString>
#include <QStringList>

struct Season;

// Every kind of stored value that has a bound of its own.
enum class Bound {
    TicketSize,
    Seed,
    TicketPrice,
    Odds,
    RegularWeeks,
    PlayoffWeeks,
    TotalWeeks,         // regular plus playoff weeks: the rows of the scores
    WeeksWithPlayoffs,  // regular plus playoff weeks once there are playoff weeks
    TeamCount,
    UnsoldCount,
    PrizeSwitch,          // PrizeOption 1..11: a check box, 0 off, 1 on
    PrizeChoice,          // PrizeOption 12..15: one of two exclusive choices, 0 or -1 (chosen)
    RegularHighAmount,    // PrizeValue 1
    RegularSecondAmount,  // PrizeValue 2
    RegularLowAmount,     // PrizeValue 4
    RandomAmount,         // PrizeValue 6, paid to each random winner
    GrandHighAmount,      // PrizeValue 7
    GrandLowAmount,       // PrizeValue 8
    PlayoffHighAmount,    // PrizeValue 9
    PlayoffLowAmount,     // PrizeValue 11
    UnusedAmount,         // PrizeValue 3, 5 and 10: written, never set by a screen
    RandomWinners,        // PrizeValue 12, random winners a week
    ScoredWeeks,
    ScoreTeams,
    ScoreWeek,  // column 0 of a score row: the week number
    Score,      // 0..999, or -1 for a bye
    FrontText,
    ReturnAddress,
    WeekDate,
    TeamName,
    UnsoldSeq,
};

// One rule of the table: what the value is called, and its least and greatest value. For a
// text the two numbers bound its length in characters. A few values may also be stored as 0
// while they are not set yet, though nobody may type 0 for them.
struct BoundRule {
    static constexpr int NoUnset = -100000;
    Bound bound;
    const char* name;  // "ticket price", "team name", ...
    int min;
    int max;
    int unset = NoUnset;  // the value that stands for "not set yet", if any
    bool isText() const;
    bool contains(int value) const { return (value >= min && value <= max) || value == unset; }
};

// The rule of a kind of value.
const BoundRule& boundRule(Bound bound);

// The range of a whole number of the season that may be typed (a stored "not set yet" value
// lies outside it), and the longest text of a kind.
struct WholeRange {
    int min = 0;
    int max = 0;
    bool contains(int value) const { return value >= min && value <= max; }
    bool operator==(const WholeRange&) const = default;
};
WholeRange allowedRange(Bound bound);
int maxTextLength(Bound bound);

// The rule of each position of the prize structure arrays (1..15 and 1..12).
Bound prizeOptionBound(int position);
Bound prizeValueBound(int position);

// Regular and playoff weeks together: a season holds at most 29 weeks (the rows of the scores),
// but once there are playoff weeks the two add up to at most 28. The season file may hold 29
// with playoffs; the annual data screen refuses them and `kickpool-cli check` names them.
bool weeksFitTogether(int regularWeeks, int playoffWeeks);
// "17 regular and 12 playoff weeks are more than the 28 weeks allowed with playoffs", or empty
// when the two fit together.
QString weeksTogetherProblem(const Season& season);

// What a file or a screen should hold instead of a value beyond its bound, in words that fit
// "Line 9: ... expected": "a ticket size from 0 to 4", "a team name of at most 13 characters".
QString expectedValue(Bound bound);

// Why a text cannot be stored as a value of its kind, in words that fit "... expected": empty
// when it can. A text may not hold a double quote or a line break (the season file has no way to
// write them), nor a character outside the file's 8-bit code page.
QString textRefusal(Bound bound, const QString& text);

// Whether the odds of winning are within their bound: 0 (not computed yet) to 10000.
bool oddsAllowed(float odds);

// Every stored value of the season beyond its bound, one sentence each, in the order of the
// season file: "team name 3 "Bears "A"" holds a double quote". Empty when the season can be saved.
QStringList boundProblems(const Season& season);
