// The season file and the ticket pairs at their largest: 48 teams (1128 tickets), 29 weeks scored.
#include "LargestSeason.h"

#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/TicketPairs.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

// SaveSeason writes the file and reads it back: one save and one load.
void SaveAndLoadSeason(benchmark::State& state)
{
    QTemporaryDir home;
    Session session(home.path());
    session.season = largestSeason(2);
    for (auto _ : state) {
        if (!SaveSeason(session))
            state.SkipWithError("the season file could not be saved");
        benchmark::DoNotOptimize(session.season.SoldCount);
    }
}
BENCHMARK(SaveAndLoadSeason)->Unit(benchmark::kMicrosecond);

void LoadSeasonOnly(benchmark::State& state)
{
    QTemporaryDir home;
    Session session(home.path());
    session.season = largestSeason(2);
    SaveSeason(session);
    for (auto _ : state) {
        if (LoadSeason(session) != LoadOutcome::Loaded)
            state.SkipWithError("the season file could not be read");
        benchmark::DoNotOptimize(session.season.SoldCount);
    }
}
BENCHMARK(LoadSeasonOnly)->Unit(benchmark::kMicrosecond);

// Every ticket of every week to its pair and back: 1128 tickets x 29 weeks.
void TicketsToPairsAndBack(benchmark::State& state)
{
    const int tickets = ticketCountFor(MaxTeams);
    for (auto _ : state) {
        long long sum = 0;
        for (int week = 1; week <= MaxScoredWeeks; ++week) {
            for (int ticket = 1; ticket <= tickets; ++ticket) {
                const TeamPair pair = pairOfTicket(MaxTeams, ticket, week);
                sum += ticketOfPair(MaxTeams, pair.first, pair.second, week);
            }
        }
        if (sum != 29LL * tickets * (tickets + 1) / 2)
            state.SkipWithError("a ticket did not come back from its pair");
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(TicketsToPairsAndBack)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
