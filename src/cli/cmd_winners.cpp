// winners WEEK|grand [--csv]: whom to pay for a stored week or the grand prize.
// payout WEEK|grand TICKET --ref TEXT: marks a ticket's prizes of that week paid out today.
#include "Commands.h"

#include "sales/Payouts.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"

namespace {

// The week of an argument: a number, or "grand" for the grand prize; -1 when neither.
int weekArgument(const QString& text)
{
    if (text.compare(QLatin1String("grand"), Qt::CaseInsensitive) == 0)
        return GrandPrizeWeek;
    bool ok = false;
    const int week = text.toInt(&ok);
    return ok && week >= 1 ? week : -1;
}

QString csvText(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

}  // namespace

int runWinners(CliContext& context)
{
    QStringList args = context.args;
    const bool csv = args.removeAll(QStringLiteral("--csv")) > 0;
    if (args.size() != 1 || weekArgument(args[0]) < 0)
        return context.usageError(QStringLiteral("winners takes a week number or grand"));
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    const int week = weekArgument(args[0]);
    if (const auto refusal = winnersRefusal(session.season, week))
        return context.refuse(*refusal);
    SalesRegister reg;
    Payouts payouts;
    LoadRegister(session, reg);
    LoadPayouts(session, payouts);
    if (csv) {
        context.printLines({QStringLiteral("Week,Ticket,Prize,Amount,Buyer,Phone,Paid on,Reference")});
        for (const WinnerToPay& w : winnersToPay(session.season, week)) {
            const Sale& sale = reg.sale(w.ticket);
            const auto mark = payouts.mark(w.week, w.ticket);
            context.printLines({QStringList{week == GrandPrizeWeek ? QStringLiteral("Grand") : QString::number(week),
                                            QString::number(w.ticket), prizeName(w.prize),
                                            w.unsold ? QStringLiteral("not paid: unsold") : amountText(w.cents),
                                            csvText(sale.name), csvText(sale.phone),
                                            mark ? mark->paidOn.toString(Qt::ISODate) : QString(),
                                            mark ? csvText(mark->reference) : QString()}
                                    .join(QLatin1Char(','))});
        }
        return ExitStatus::Ok;
    }
    const QStringList lines = payoutLines(session, reg, payouts, week);
    context.printLines(lines);
    context.print({payoutJob(session, lines)});
    return ExitStatus::Ok;
}

int runPayout(CliContext& context)
{
    QStringList args = context.args;
    const qsizetype ref = args.indexOf(QStringLiteral("--ref"));
    if (ref < 0 || ref + 1 >= args.size())
        return context.usageError(QStringLiteral("payout needs --ref TEXT (the cheque number)"));
    const QString reference = args[ref + 1];
    args.remove(ref, 2);
    bool ok = false;
    const int week = args.size() == 2 ? weekArgument(args[0]) : -1;
    const int ticket = args.size() == 2 ? args[1].toInt(&ok) : 0;
    if (week < 0 || !ok)
        return context.usageError();
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    if (const auto refusal = winnersRefusal(session.season, week))
        return context.refuse(*refusal);
    const QVector<WinnerToPay> winners = winnersToPay(session.season, week);
    const bool wins = std::any_of(winners.cbegin(), winners.cend(),
                                  [&](const WinnerToPay& w) { return w.ticket == ticket && !w.unsold; });
    if (!wins)
        return context.usageError(QStringLiteral("ticket %1 has no prize to pay in %2").arg(ticket).arg(args[0]));
    Payouts payouts;
    if (!LoadPayouts(session, payouts))
        return ExitStatus::Refused;
    payouts.set(week, ticket, {session.today(), reference});
    if (!SavePayouts(session, payouts))
        return ExitStatus::Refused;
    SalesRegister reg;
    LoadRegister(session, reg);
    context.printLines(payoutLines(session, reg, payouts, week));
    return ExitStatus::Ok;
}

int runSellers(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    SalesRegister reg;
    if (LoadRegister(context.session, reg) == RegisterLoad::Unreadable)
        return ExitStatus::Refused;
    const QStringList lines = sellerLines(context.session.season, reg);
    context.printLines(lines);
    context.print({sellersJob(lines)});
    return ExitStatus::Ok;
}

int runLetters(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    SalesRegister reg;
    if (LoadRegister(context.session, reg) == RegisterLoad::Unreadable)
        return ExitStatus::Refused;
    const QVector<PrintJob> jobs = addressedLetters(context.session, reg);
    for (const PrintJob& job : jobs)
        context.printLines(QStringList{job.name()});
    context.print(jobs);
    return ExitStatus::Ok;
}
