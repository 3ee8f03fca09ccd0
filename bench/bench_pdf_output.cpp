// How long writing printouts into a PDF takes: a long report (one line per ticket of a
// 32-team league) and a run of ticket backs, each its own document.
#include "JobRenderer.h"
#include "OffscreenBenchmarkMain.h"
#include "print/PrintJob.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

PrintJob longReport(int lines)
{
    PrintJob job(QStringLiteral("Weekly report"));
    job.fontName(QStringLiteral("Courier New")).bold(true).fontSize(14).line(QStringLiteral("WEEKLY WINNERS"));
    job.fontSize(12);
    for (int n = 1; n <= lines; ++n)
        job.line(QStringLiteral("  %1  Bears         21  Lions         42    $1,234.50").arg(n, 3));
    job.endDoc();
    return job;
}

void BM_WriteLongReport(benchmark::State& state)
{
    QTemporaryDir dir;
    const QVector<PrintJob> jobs{longReport(int(state.range(0)))};
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writePdf(jobs, file));
}
BENCHMARK(BM_WriteLongReport)->Arg(496)->Unit(benchmark::kMillisecond);

void BM_WriteTicketBackRun(benchmark::State& state)
{
    QTemporaryDir dir;
    QVector<PrintJob> jobs;
    for (int ticket = 1; ticket <= state.range(0); ++ticket) {
        PrintJob job(QStringLiteral("Ticket back %1").arg(ticket));
        job.fontName(QStringLiteral("Courier New")).bold(true).fontSize(9);
        for (int week = 1; week <= 20; ++week)
            job.line(QStringLiteral(" %1  12/05/2026  Bears       Lions").arg(week, 2));
        job.endDoc();
        jobs.append(job);
    }
    const QString file = dir.filePath(QStringLiteral("backs.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writePdf(jobs, file));
}
BENCHMARK(BM_WriteTicketBackRun)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksOffscreen(argc, argv);
}
