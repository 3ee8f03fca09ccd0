// The season file and the ticket pairs at their largest: 48 teams (1128 tickets), 29 weeks scored.
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/TicketPairs.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

Season largestSeason()
{
    Season s;
    s.FrontText = {QString(), "Riverside Boosters Club", "FOOTBALL", "2026 Valley League", "Raffle permit"};
    s.ReturnAddress = {QString(), "Riverside Boosters Club", "100 Main Street", "PO Box 12", "Riverside, OH 45001"};
    s.Seed = 1931;
    s.TicketPrice = 10;
    s.Odds = 14.6f;
    s.RegularWeeks = 25;
    for (int w = 1; w <= 25; ++w)
        s.RegularDate[w] = QStringLiteral("Oct %1").arg(w, 2);
    s.PlayoffWeeks = 4;
    for (int w = 1; w <= 4; ++w)
        s.PlayoffDate[w] = QStringLiteral("Jan %1").arg(w, 2);
    s.TeamCount = MaxTeams;
    for (int t = 1; t <= MaxTeams; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t, 2, 10, QLatin1Char('0'));
    s.UnsoldCount = 2;
    s.UnsoldSeq[1] = "401,450";
    s.UnsoldSeq[2] = "51,51";
    s.PrizeOption = {0, 1, 1, 0, 1, 0, 1, 1, 1, 1, 0, 1, 0, -1, 0, -1};
    s.PrizeValue = {0, 100, 50, 0, 50, 0, 25, 500, 250, 150, 0, 75, 2};
    s.ScoredWeeks = MaxScoredWeeks;
    s.ScoreTeams = MaxTeams;
    for (int w = 1; w <= MaxScoredWeeks; ++w) {
        s.Score[w][0] = w;
        for (int t = 1; t <= MaxTeams; ++t)
            s.Score[w][t] = (w * 7 + t * 13) % 53 - 1;
    }
    return s;
}

// SaveSeason writes the file and reads it back: one save and one load.
void SaveAndLoadSeason(benchmark::State& state)
{
    QTemporaryDir home;
    Session session(home.path());
    session.season = largestSeason();
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
    session.season = largestSeason();
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
