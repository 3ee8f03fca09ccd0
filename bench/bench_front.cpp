// How long composing the ticket front takes, and writing a run of front sheets into a PDF: 100
// copies three to a sheet, with the size of the file written.
#include "JobRenderer.h"
#include "OffscreenBenchmarkMain.h"
#include "LargestSeason.h"
#include "front/FrontLines.h"
#include "front/FrontPrint.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

Season frontSeason()
{
    Season s = largestSeason(3);
    s.FrontText[2] = QStringLiteral("FOOTBALL");
    s.FrontText[4] = QStringLiteral("Raffle permit 2024-7");
    s.Odds = 14.588235f;
    s.TicketSize = 2;
    return s;
}

void BM_ComposeFront(benchmark::State& state)
{
    const Season season = frontSeason();
    for (auto _ : state)
        benchmark::DoNotOptimize(frontLines(season));
}
BENCHMARK(BM_ComposeFront)->Unit(benchmark::kMicrosecond);

void BM_WriteFrontSheets(benchmark::State& state)
{
    const Season season = frontSeason();
    const PrintJob sheet = frontSheetJob(frontLines(season), season.TicketSize, FrontStyle::ThreeToSheet);
    const QVector<PrintJob> jobs(int(state.range(0)), sheet);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fronts.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writePdf(jobs, file));
    state.counters["pdf_bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_WriteFrontSheets)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksOffscreen(argc, argv);
}
