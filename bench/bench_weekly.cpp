// The weekly work on the largest season: one week's winners with its report lines, and the ticket
// backs of all 1128 tickets as list lines and as a PDF.
#include "JobRenderer.h"
#include "OffscreenBenchmarkMain.h"
#include "LargestSeason.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"
#include "tickets/WeeklyReport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

Session weeklySession()
{
    Session session;
    session.TodayText = QStringLiteral("October 14, 2024");
    session.season = largestSeason(2);
    return session;
}

void WeekWinnersAndReport(benchmark::State& state)
{
    const Session session = weeklySession();
    for (auto _ : state)
        benchmark::DoNotOptimize(weeklyReportLines(session, 5));
}
BENCHMARK(WeekWinnersAndReport)->Unit(benchmark::kMicrosecond);

void TicketBackListLines(benchmark::State& state)
{
    const Session session = weeklySession();
    for (auto _ : state)
        benchmark::DoNotOptimize(ticketBackLines(session.season, 1, 1128));
}
BENCHMARK(TicketBackListLines)->Unit(benchmark::kMillisecond);

void TicketBackPdf(benchmark::State& state)
{
    const Session session = weeklySession();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("backs.pdf"));
    for (auto _ : state) {
        QVector<PrintJob> jobs;
        const TicketBackMargins margins = ticketBackMargins(session.season);
        for (int ticket = 1; ticket <= 1128; ++ticket)
            jobs.append(ticketBackJob(session.season, ticket, margins));
        QString error;
        if (!writePdf(jobs, file, &error))
            state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(TicketBackPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksOffscreen(argc, argv);
}
