#pragma once

#include "dialogs/MessageId.h"
#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// A week's results pasted from elsewhere (a web page, a spreadsheet, a text file), read into one
// score text per team. Three shapes are understood:
//   - one score per line in team order, a blank line for a bye;
//   - "Team name 21" lines, or game lines "Team A 21, Team B 17" / "Team A 21 - Team B 17";
//   - a table (comma, semicolon or tab separated) whose first row names a team column and a
//     score column.
// In the last two the teams are found by name, and a team the paste does not name has a bye.

enum class PasteShape { Empty, ScorePerLine, NamedScores, Table };

// What one line of the paste was read as.
struct PastedLine {
    enum class Kind {
        Read,          // gave its scores to `teams`
        Blank,         // an empty line: a bye in the score-per-line shape, nothing otherwise
        Heading,       // the table's first row
        UnknownTeam,   // `name` fits no team
        UnclearTeam,   // `name` fits every team of `teams`
        TeamTwice,     // `teams` (one) was named before, on line `earlier`
        BadScore,      // the score `name` is not 0..999
        NoScore,       // no score after the name: the line cannot be read
        NoTeamLeft,    // a score line beyond the last team
    };
    int number = 0;  // 1-based line of the paste
    QString text;    // the line as pasted
    Kind kind = Kind::Blank;
    QVector<int> teams;
    QString name;
    int earlier = 0;

    bool keepsFromStoring() const { return kind != Kind::Read && kind != Kind::Blank && kind != Kind::Heading; }
};

struct PastedScores {
    PasteShape shape = PasteShape::Empty;
    // The score text each team got, as typed into its box ("" for a bye); none when the paste
    // does not name the team, which then has a bye.
    std::array<std::optional<QString>, MaxTeams + 1> typed;
    QVector<PastedLine> lines;

    // The first line that keeps the week from being stored until it is put right; null when none.
    const PastedLine* firstProblem() const;
    // The teams 1..teamCount that have a bye by this paste, in team order.
    QVector<int> byes(int teamCount) const;
};

// Reads pasted text for the teams of the season.
PastedScores readPastedScores(const Season& season, const QString& text);

// The teams a written name fits: the one team of that name, whatever its case, accents and
// punctuation; otherwise every team whose name begins or ends the written one (a trailing
// nickname or a leading city), or that the written name begins or ends. Several teams mean the
// name is not clear; none that there is no such team.
QVector<int> matchTeamName(const Season& season, const QString& written);

// The message that says why the line keeps the week from being stored.
Refusal pasteProblem(const Season& season, const PastedLine& line);

// What the paste was read as, one line per pasted line, then the byes: shown before anything is
// stored. A line that keeps the week from being stored starts with "?? ".
QStringList pastePreviewLines(const Season& season, const PastedScores& pasted);
