// Season end: the annual summary of the largest season and the standings of its 1128 tickets.
#include "reports/GrandPrize.h"
#include "reports/Summary.h"
#include "season/Season.h"
#include "season/Session.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// 48 teams, 25 regular and 4 playoff weeks, all scored with a few byes, every prize on,
// 20 random winners a week, ties split, two unsold sequences replaced by the next sold ticket.
Session largestSeason()
{
    Session session;
    session.TodayText = QStringLiteral("January 5, 2025");
    Season& s = session.season;
    s.FrontText[1] = QStringLiteral("Lions Club");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.TicketPrice = 5;
    s.Seed = 4321;
    s.TeamCount = 48;
    for (int t = 1; t <= s.TeamCount; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t);
    s.RegularWeeks = 25;
    for (int w = 1; w <= s.RegularWeeks; ++w)
        s.RegularDate[w] = QStringLiteral("Sep%1").arg(w, 3);
    s.PlayoffWeeks = 4;
    for (int w = 1; w <= s.PlayoffWeeks; ++w)
        s.PlayoffDate[w] = QStringLiteral("Feb%1").arg(w, 3);
    s.UnsoldCount = 2;
    s.UnsoldSeq[1] = QStringLiteral("101,150");
    s.UnsoldSeq[2] = QStringLiteral("1001,1128");
    for (int p : {1, 2, 4, 6, 7, 8, 9, 11})
        s.PrizeOption[p] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[15] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 50;
    s.PrizeValue[4] = 25;
    s.PrizeValue[6] = 10;
    s.PrizeValue[7] = 1000;
    s.PrizeValue[8] = 500;
    s.PrizeValue[9] = 200;
    s.PrizeValue[11] = 100;
    s.PrizeValue[12] = 20;

    std::mt19937 random(7);
    std::uniform_int_distribution<int> score(0, 45);
    std::uniform_int_distribution<int> bye(0, 15);
    s.ScoreTeams = s.TeamCount;
    s.ScoredWeeks = 29;
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        s.Score[w][0] = w;
        for (int t = 1; t <= s.TeamCount; ++t)
            s.Score[w][t] = bye(random) == 0 ? Bye : score(random);
    }
    s.computeDerived();
    return session;
}

void BM_AnnualSummary48Teams29Weeks(benchmark::State& state)
{
    const Session session = largestSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(summaryLines(session));
}
BENCHMARK(BM_AnnualSummary48Teams29Weeks)->Unit(benchmark::kMillisecond);

void BM_Standings1128Tickets(benchmark::State& state)
{
    const Session session = largestSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(grandPrizePreviewLines(session));
}
BENCHMARK(BM_Standings1128Tickets)->Unit(benchmark::kMillisecond);

void BM_StandingsPrintJob1128Tickets(benchmark::State& state)
{
    const Session session = largestSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(grandPrizePreviewJob(session));
}
BENCHMARK(BM_StandingsPrintJob1128Tickets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
