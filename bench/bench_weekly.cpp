// The weekly work on the largest season: one week's winners with its report lines, and the ticket
// backs of all 1128 tickets as list lines and as a PDF.
#include "JobRenderer.h"
#include "season/Season.h"
#include "season/Session.h"
#include "tickets/TicketBacks.h"
#include "tickets/WeeklyReport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <random>

namespace {

// 48 teams (1128 tickets), 20 regular and 8 playoff weeks, 2 random winners a week, three unsold
// sequences, every weekly prize on, ties split, unsold winners not paid.
Session weeklySession()
{
    Session session;
    session.TodayText = QStringLiteral("October 14, 2024");
    Season& s = session.season;
    s.FrontText[1] = QStringLiteral("Lakeside Boosters");
    s.FrontText[3] = QStringLiteral("2024 NFL");
    s.Seed = 2024;
    s.TicketPrice = 10;
    s.TeamCount = 48;
    for (int t = 1; t <= s.TeamCount; ++t)
        s.TeamName[t] = QStringLiteral("Team %1").arg(t, 2, 10, QLatin1Char('0'));
    s.RegularWeeks = 20;
    for (int w = 1; w <= s.RegularWeeks; ++w)
        s.RegularDate[w] = QStringLiteral("Sep%1").arg(w, 3);
    s.PlayoffWeeks = 8;
    for (int w = 1; w <= s.PlayoffWeeks; ++w)
        s.PlayoffDate[w] = QStringLiteral("Feb%1").arg(w, 3);
    s.UnsoldCount = 3;
    s.UnsoldSeq[1] = QStringLiteral("101,150");
    s.UnsoldSeq[2] = QStringLiteral("400,420");
    s.UnsoldSeq[3] = QStringLiteral("1001,1128");
    for (int p : {1, 2, 4, 6, 9, 11})
        s.PrizeOption[p] = 1;
    s.PrizeOption[13] = -1;
    s.PrizeOption[14] = -1;
    s.PrizeValue[1] = 100;
    s.PrizeValue[2] = 50;
    s.PrizeValue[4] = 25;
    s.PrizeValue[6] = 10;
    s.PrizeValue[9] = 200;
    s.PrizeValue[11] = 100;
    s.PrizeValue[12] = 2;

    std::mt19937 random(11);
    std::uniform_int_distribution<int> score(0, 45);
    s.ScoreTeams = s.TeamCount;
    s.ScoredWeeks = 5;
    for (int w = 1; w <= s.ScoredWeeks; ++w) {
        s.Score[w][0] = w;
        for (int t = 1; t <= s.TeamCount; ++t)
            s.Score[w][t] = score(random);
    }
    s.computeDerived();
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
