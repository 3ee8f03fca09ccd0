// The sales register of the largest season (1,128 tickets, every sold ticket with a buyer):
// loading and saving its file, and filtering the register screen on one keystroke.
#include "OffscreenBenchmarkMain.h"
#include "LargestSeason.h"

#include "sales/SalesRegister.h"
#include "sales/SalesScreen.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

SalesRegister fullRegister(const Season& season)
{
    const QStringList sellers{"Ann Walker", "Bob Stone", "Carla Díaz", "Dev Patel", "Eve \"Evie\" Long"};
    SalesRegister reg;
    for (int t = 1; t <= season.TicketCount; ++t) {
        Sale sale;
        sale.name = QStringLiteral("Buyer %1, Smith").arg(t);
        sale.address = QStringLiteral("%1 Elm Street\nSpringfield, IL 62704").arg(t);
        sale.phone = QStringLiteral("555-%1").arg(t, 4, 10, QLatin1Char('0'));
        sale.email = QStringLiteral("buyer%1@example.org").arg(t);
        sale.seller = sellers[t % sellers.size()];
        sale.paidCents = t % 3 == 0 ? 0 : 500;
        sale.paidOn = sale.paidCents ? QDate(2024, 9, 1 + t % 28) : QDate();
        reg.set(t, sale);
    }
    return reg;
}

void RegisterLoadAndSave(benchmark::State& state)
{
    const Season season = largestSeason(2);
    const SalesRegister reg = fullRegister(season);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kickpool.sales.csv"));
    QString error;
    for (auto _ : state) {
        if (!writeRegisterFile(path, reg, error))
            state.SkipWithError("the register was not written");
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        SalesRegister read;
        if (readRegister(file.readAll(), read) || read.sales().size() != reg.sales().size())
            state.SkipWithError("the register did not read back");
    }
}
BENCHMARK(RegisterLoadAndSave)->Unit(benchmark::kMillisecond);

// The same without the disk: the CSV written and read back in memory.
void RegisterEncodeAndDecode(benchmark::State& state)
{
    const SalesRegister reg = fullRegister(largestSeason(2));
    for (auto _ : state) {
        SalesRegister read;
        if (readRegister(registerFileBytes(reg), read) || read.sales().size() != reg.sales().size())
            state.SkipWithError("the register did not read back");
    }
}
BENCHMARK(RegisterEncodeAndDecode)->Unit(benchmark::kMillisecond);

void ScreenFilterKeystroke(benchmark::State& state)
{
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral("Files")));
    FixedClock clock(QDate(2024, 11, 20));
    Session session(home.path(), Services{nullptr, &clock, nullptr, nullptr});
    session.season = largestSeason(2);
    session.season.computeDerived();
    SaveSeason(session);
    SaveRegister(session, fullRegister(session.season));
    SalesScreen screen(session);
    auto* search = screen.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    bool typed = false;
    for (auto _ : state) {
        // One more letter, then one less: each keystroke filters all 1,128 rows.
        search->setText(typed ? QStringLiteral("Smi") : QStringLiteral("Smit"));
        typed = !typed;
    }
}
BENCHMARK(ScreenFilterKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return runBenchmarksOffscreen<QApplication>(argc, argv);
}
