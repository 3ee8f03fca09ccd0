#pragma once

#include "TestSeason.h"

#include "season/Session.h"

#include <random>

// The largest season the program holds: 48 teams (1128 tickets), 25 regular and 4 playoff weeks,
// all scored 0..45 with a bye now and then; every prize on, `randomWinners` random winners a week,
// tickets 101..150 and 1001..1128 unsold.
inline Season largestSeason(int randomWinners)
{
    Season s = testSeason(MaxTeams, 25, 4);
    setEveryPrize(s);
    s.setRandomWinnersPerWeek(randomWinners);
    setUnsold(s, {QStringLiteral("101,150"), QStringLiteral("1001,1128")});
    std::mt19937 random(7);
    std::uniform_int_distribution<int> score(0, 45);
    std::uniform_int_distribution<int> bye(0, 15);
    for (int w = 1; w <= s.TotalWeeks; ++w) {
        std::vector<int> week;
        for (int t = 1; t <= s.TeamCount; ++t)
            week.push_back(bye(random) == 0 ? Bye : score(random));
        setScores(s, w, week);
    }
    return s;
}

// The largest season as the reports of its end see it: 20 random winners a week, printed on
// January 5, 2025.
inline Session largestSeasonEndSession()
{
    Session session;
    session.TodayText = QStringLiteral("January 5, 2025");
    session.season = largestSeason(20);
    return session;
}
