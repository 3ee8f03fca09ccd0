// The results web site of the largest season (48 teams, 1128 tickets, 29 weeks scored, 20
// random winners a week): made and written into a folder. The folder's size is reported as the
// counter "site_bytes" (it must stay under 2 MB).
#include "LargestSeason.h"

#include "season/Session.h"
#include "web/PublishedResults.h"
#include "web/ResultsSite.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_WebSiteMade48Teams29Weeks(benchmark::State& state)
{
    const Session session = largestSeasonEndSession();
    for (auto _ : state)
        benchmark::DoNotOptimize(resultsSite(publishedSeason(session)));
}
BENCHMARK(BM_WebSiteMade48Teams29Weeks)->Unit(benchmark::kMillisecond);

void BM_WebSiteWritten48Teams29Weeks(benchmark::State& state)
{
    const Session session = largestSeasonEndSession();
    QTemporaryDir dir;
    qint64 bytes = 0;
    for (auto _ : state) {
        const SiteWriting writing = writeResultsSite(dir.filePath(QStringLiteral("Web")),
                                                     resultsSite(publishedSeason(session)));
        if (!writing.written)
            state.SkipWithError("the site could not be written");
        bytes = writing.bytes;
    }
    state.counters["site_bytes"] = double(bytes);
}
BENCHMARK(BM_WebSiteWritten48Teams29Weeks)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
