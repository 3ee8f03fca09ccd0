#pragma once

#include "season/Season.h"

#include <QString>
#include <vector>

// A season for the weekly tests: teams "Team 01".."Team NN", week dates "Sep 01".., every weekly
// prize on (high 100, second high 50, low 30; playoff high 80, low 40), ties split, unsold
// winning tickets not paid, no random winners, no unsold tickets.
inline Season weeklyTestSeason(int teams, int regularWeeks, int playoffWeeks = 0)
{
    Season s;
    s.FrontText[1] = QStringLiteral("Lakeside Boosters");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.Seed = 1234;
    s.TicketPrice = 10;
    s.RegularWeeks = regularWeeks;
    for (int w = 1; w <= regularWeeks; ++w)
        s.RegularDate[w] = QStringLiteral("Sep %1").arg(w, 2, 10, QLatin1Char('0'));
    s.PlayoffWeeks = playoffWeeks;
    for (int w = 1; w <= playoffWeeks; ++w)
        s.PlayoffDate[w] = QStringLiteral("Jan %1").arg(w, 2, 10, QLatin1Char('0'));
    s.TeamCount = teams;
    for (int t = 1; t <= teams; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t, 2, 10, QLatin1Char('0'));
    s.PrizeOption[1] = s.PrizeOption[2] = s.PrizeOption[4] = 1;
    s.PrizeOption[9] = s.PrizeOption[11] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[14] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 50;
    s.PrizeValue[4] = 30;
    s.PrizeValue[9] = 80;
    s.PrizeValue[11] = 40;
    s.ScoreTeams = teams;
    s.computeDerived();
    return s;
}

inline void setFullMode(Season& s)
{
    s.PrizeOption[12] = -1;
    s.PrizeOption[13] = 0;
}

inline void setNextClosestSold(Season& s)
{
    s.PrizeOption[14] = 0;
    s.PrizeOption[15] = -1;
}

inline void setUnsold(Season& s, std::vector<QString> sequences)
{
    s.UnsoldCount = static_cast<int>(sequences.size());
    for (int n = 0; n < s.UnsoldCount; ++n)
        s.UnsoldSeq[n + 1] = sequences[n];
    s.computeDerived();
}

// Stores the scores of a week (Bye for a team that does not play).
inline void storeScores(Season& s, int week, std::vector<int> scores)
{
    s.Score[week][0] = week;
    for (int t = 1; t <= static_cast<int>(scores.size()); ++t)
        s.Score[week][t] = scores[t - 1];
    if (week > s.ScoredWeeks)
        s.ScoredWeeks = week;
}
