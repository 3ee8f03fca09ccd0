// Season end: the annual summary of the largest season (20 random winners a week) and the
// standings of its 1128 tickets.
#include "LargestSeason.h"

#include "reports/GrandPrize.h"
#include "reports/Summary.h"
#include "season/Session.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AnnualSummary48Teams29Weeks(benchmark::State& state)
{
    const Session session = largestSeasonEndSession();
    for (auto _ : state)
        benchmark::DoNotOptimize(summaryLines(session));
}
BENCHMARK(BM_AnnualSummary48Teams29Weeks)->Unit(benchmark::kMillisecond);

void BM_Standings1128Tickets(benchmark::State& state)
{
    const Session session = largestSeasonEndSession();
    for (auto _ : state)
        benchmark::DoNotOptimize(grandPrizePreviewLines(session));
}
BENCHMARK(BM_Standings1128Tickets)->Unit(benchmark::kMillisecond);

void BM_StandingsPrintJob1128Tickets(benchmark::State& state)
{
    const Session session = largestSeasonEndSession();
    for (auto _ : state)
        benchmark::DoNotOptimize(grandPrizePreviewJob(session));
}
BENCHMARK(BM_StandingsPrintJob1128Tickets)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
