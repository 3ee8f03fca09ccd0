#pragma once

// Seasons built in code or read from tests/data for the tests and the benchmarks, and readable
// failure output for texts.

#include "TestFiles.h"

#include "season/Season.h"
#include "season/SeasonFile.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

// A season of `teams` teams "Team 01".., `regular` regular weeks ending "Sep 01".. and `playoff`
// playoff weeks ending "Jan 01"..; "Lakeside Boosters", "2024 NFL", $5 a ticket, seed 1234; every
// ticket sold, no scores yet, every prize off; ties split, unsold winning tickets not paid.
inline Season testSeason(int teams, int regular, int playoff = 0)
{
    Season s;
    s.FrontText[1] = QStringLiteral("Lakeside Boosters");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.TicketPrice = 5;
    s.Seed = 1234;
    s.TeamCount = teams;
    for (int t = 1; t <= teams; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t, 2, 10, QLatin1Char('0'));
    s.RegularWeeks = regular;
    for (int w = 1; w <= regular; ++w)
        s.RegularDate[w] = QStringLiteral("Sep %1").arg(w, 2, 10, QLatin1Char('0'));
    s.PlayoffWeeks = playoff;
    for (int w = 1; w <= playoff; ++w)
        s.PlayoffDate[w] = QStringLiteral("Jan %1").arg(w, 2, 10, QLatin1Char('0'));
    s.setTieMethod(TieMethod::Split);
    s.setUnsoldRule(UnsoldRule::NotPaid);
    s.ScoreTeams = teams;
    s.computeDerived();
    return s;
}

// Switches prizes on: {prize, amount in dollars}. The number of random winners a week has no
// switch and is set on its own.
inline void setPrizes(Season& s, std::initializer_list<std::pair<Prize, int>> prizes)
{
    for (const auto& [prize, amount] : prizes) {
        s.setPrizeOn(prize, true);
        s.setPrizeAmount(prize, amount);
    }
}

// Every prize on: weekly high 100, second high 50, low 25, random winners 10 each; grand prizes
// 1000 and 500; playoff high 200, low 100.
inline void setEveryPrize(Season& s)
{
    setPrizes(s, {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 50}, {Prize::RegularLow, 25},
                  {Prize::RegularRandom, 10}, {Prize::GrandHigh, 1000}, {Prize::GrandLow, 500},
                  {Prize::PlayoffHigh, 200}, {Prize::PlayoffLow, 100}});
}

// The weekly prizes most weekly tests use: high 100, second high 50, low 30; playoff high 80, low 40.
inline Season weeklySeason(int teams, int regular, int playoff = 0)
{
    Season s = testSeason(teams, regular, playoff);
    setPrizes(s, {{Prize::RegularHigh, 100}, {Prize::RegularSecondHigh, 50}, {Prize::RegularLow, 30},
                  {Prize::PlayoffHigh, 80}, {Prize::PlayoffLow, 40}});
    return s;
}

// Ties split the prize or pay every tied ticket in full; unsold winners are not paid or give way
// to the next closest sold ticket.
inline void setRules(Season& s, bool split, bool nextClosest)
{
    s.setTieMethod(split ? TieMethod::Split : TieMethod::PayFull);
    s.setUnsoldRule(nextClosest ? UnsoldRule::NextSold : UnsoldRule::NotPaid);
}

inline void setUnsold(Season& s, const QStringList& sequences)
{
    s.UnsoldCount = int(sequences.size());
    for (int n = 1; n <= s.UnsoldCount; ++n)
        s.UnsoldSeq[n] = sequences[n - 1];
    s.computeDerived();
}

// Stores one week's scores in team order (Bye for a team that does not play).
inline void setScores(Season& s, int week, const std::vector<int>& scores)
{
    s.Score[week][0] = week;
    for (int t = 1; t <= int(scores.size()); ++t)
        s.Score[week][t] = scores[t - 1];
    if (week > s.ScoredWeeks)
        s.ScoredWeeks = week;
}

// A season file of tests/data/seasons, read as the program reads it.
inline Season dataSeason(const QString& name)
{
    Season s;
    SeasonFileProblem problem;
    EXPECT_TRUE(readSeasonFile(dataBytes(QStringLiteral("seasons/") + name), s, problem)) << name.toStdString();
    s.computeDerived();
    return s;
}
