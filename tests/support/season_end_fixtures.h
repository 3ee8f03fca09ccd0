#pragma once

#include "season/Season.h"
#include "season/Session.h"

#include <QStringList>
#include <initializer_list>
#include <ostream>

// Seasons built in code for the grand prize and annual summary tests.
namespace season_end {

// A season of `teams` teams named "Team 1".., `regular` regular and `playoff` playoff weeks with
// dates "Sep  1".., no scores yet, every prize off.
inline Season makeSeason(int teams, int regular, int playoff)
{
    Season s;
    s.FrontText[1] = QStringLiteral("Lions Club");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.TicketPrice = 5;
    s.Seed = 1234;
    s.TeamCount = teams;
    for (int t = 1; t <= teams; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t);
    s.RegularWeeks = regular;
    for (int w = 1; w <= regular; ++w)
        s.RegularDate[w] = QStringLiteral("Sep%1").arg(w, 3);
    s.PlayoffWeeks = playoff;
    for (int w = 1; w <= playoff; ++w)
        s.PlayoffDate[w] = QStringLiteral("Dec%1").arg(w, 3);
    s.ScoreTeams = teams;
    s.computeDerived();
    return s;
}

// Stores one week's scores in team order (Bye for a team that did not play).
inline void setScores(Season& s, int week, std::initializer_list<int> scores)
{
    s.Score[week][0] = week;
    int t = 1;
    for (int score : scores)
        s.Score[week][t++] = score;
    if (week > s.ScoredWeeks)
        s.ScoredWeeks = week;
}

inline void setUnsold(Season& s, std::initializer_list<const char*> sequences)
{
    s.UnsoldCount = 0;
    for (const char* seq : sequences)
        s.UnsoldSeq[++s.UnsoldCount] = QString::fromLatin1(seq);
    s.computeDerived();
}

inline QString spaces(int n)
{
    return QString(n, QLatin1Char(' '));
}

inline const QString& fillIn()
{
    static const QString line = QStringLiteral(
        "   ........  ......  ...............................   .........   .......");
    return line;
}

}  // namespace season_end

// Readable failure output for texts and lists of lines.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& lines, std::ostream* os)
{
    *os << "\n";
    for (const QString& line : lines)
        *os << "  |" << line.toStdString() << "|\n";
}
