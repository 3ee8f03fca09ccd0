#include "sales/Payouts.h"

#include "season/Numbers.h"
#include "season/SafeWrite.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"
#include "reports/GrandPrize.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyWinners.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString GrandText = QStringLiteral("Grand");

QString csvRow(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& field : fields) {
        if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) || field.contains(QLatin1Char('\n')))
            quoted.append(QLatin1Char('"') + QString(field).replace(QLatin1Char('"'), QStringLiteral("\"\""))
                          + QLatin1Char('"'));
        else
            quoted.append(field);
    }
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString payoutsPath(const Session& session)
{
    return session.pathInHome(QStringLiteral("Files/Kickpool.payouts.csv"));
}

QString weekTitle(const Season& season, int week)
{
    return week == GrandPrizeWeek ? QStringLiteral("GRAND PRIZE")
                                  : QStringLiteral("WEEK %1  (%2)").arg(week).arg(season.weekDate(week));
}

QString cut(const QString& text, int width)
{
    QString plain = text;
    plain.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    return plain.left(width).leftJustified(width);
}

PrintJob linesJob(const QString& name, const QStringList& lines)
{
    PrintJob job(name);
    job.fontName(ReportFontName).fontSize(9).bold(false);
    int row = 0;
    for (const QString& line : lines) {
        if (row == 60) {
            job.newPage();
            row = 0;
        }
        job.line(line);
        ++row;
    }
    job.endDoc();
    return job;
}

}  // namespace

std::optional<PayoutMark> Payouts::mark(int week, int ticket) const
{
    const auto found = marks_.find({week, ticket});
    if (found == marks_.end())
        return std::nullopt;
    return found->second;
}

void Payouts::set(int week, int ticket, const PayoutMark& mark)
{
    marks_[{week, ticket}] = mark;
}

void Payouts::clear(int week, int ticket)
{
    marks_.erase({week, ticket});
}

QString payoutsFileName(const QString& seasonFileName)
{
    return QFileInfo(seasonFileName).completeBaseName() + QStringLiteral(".payouts.csv");
}

QByteArray payoutsFileBytes(const Payouts& payouts)
{
    QString text = QStringLiteral("\uFEFF") + csvRow({"Week", "Ticket", "Paid on", "Reference"});
    for (const auto& [key, mark] : payouts.marks())
        text += csvRow({key.first == GrandPrizeWeek ? GrandText : QString::number(key.first), QString::number(key.second),
                        mark.paidOn.toString(Qt::ISODate), mark.reference});
    return text.toUtf8();
}

std::optional<RegisterProblem> readPayouts(const QByteArray& content, Payouts& payouts)
{
    payouts = Payouts();
    QVector<QStringList> rows;
    if (auto problem = readCsvRows(content, rows))
        return problem;
    Payouts read;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        bool weekOk = false;
        bool ticketOk = false;
        const int week = row.value(0) == GrandText ? GrandPrizeWeek : row.value(0).toInt(&weekOk);
        const int ticket = row.value(1).toInt(&ticketOk);
        const std::optional<QDate> date = parseDate(row.value(2));
        if (row.size() != 4 || (!weekOk && row.value(0) != GrandText) || !ticketOk || !date)
            return RegisterProblem{int(r) + 1, QStringLiteral("Week,Ticket,Paid on,Reference expected")};
        read.set(week, ticket, {*date, row[3]});
    }
    payouts = read;
    return std::nullopt;
}

bool LoadPayouts(Session& session, Payouts& payouts)
{
    payouts = Payouts();
    const QString path = payoutsPath(session);
    if (!QFileInfo::exists(path))
        return true;
    QByteArray content;
    QString error;
    if (!readWholeFile(path, content, error)) {
        session.message(MessageId::RegisterNotReadable, {QDir::toNativeSeparators(path), error});
        return false;
    }
    if (const auto problem = readPayouts(content, payouts)) {
        session.message(MessageId::DamagedRegister, {QDir::toNativeSeparators(path), QString::number(problem->line),
                                                     problem->why, QStringLiteral("(the file itself is kept)")});
        return false;
    }
    return true;
}

bool SavePayouts(Session& session, const Payouts& payouts)
{
    QString error;
    const QString path = payoutsPath(session);
    if (writeFileSafely(path, payoutsFileBytes(payouts), error)) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        return true;
    }
    session.message(MessageId::RegisterNotSaved, {QDir::toNativeSeparators(path), error});
    return false;
}

QString prizeName(Prize prize)
{
    switch (prize) {
    case Prize::RegularHigh: return QStringLiteral("High");
    case Prize::RegularSecondHigh: return QStringLiteral("Second high");
    case Prize::RegularCombined: return QStringLiteral("High + 2nd split");
    case Prize::RegularLow: return QStringLiteral("Low");
    case Prize::RegularRandom: return QStringLiteral("Random");
    case Prize::GrandHigh: return QStringLiteral("Grand high");
    case Prize::GrandLow: return QStringLiteral("Grand low");
    case Prize::PlayoffHigh: return QStringLiteral("Playoff high");
    case Prize::PlayoffLow: return QStringLiteral("Playoff low");
    }
    return {};
}

std::optional<Refusal> winnersRefusal(const Season& season, int week)
{
    if (week != GrandPrizeWeek)
        return reportRefusal(season, week);
    if (season.RegularWeeks < 1 || season.ScoredWeeks < season.RegularWeeks)
        return Refusal{MessageId::GrandPrizeNotDecided, {QString::number(season.RegularWeeks)}};
    return std::nullopt;
}

static QVector<WinnerToPay> winnersOf(const Season& season, int week, const QVector<int>& draws)
{
    QVector<WinnerToPay> winners;
    if (week == GrandPrizeWeek) {
        const UnsoldTickets unsold(season);
        for (const GrandPrizeGroup& group : grandPrizeGroups(season)) {
            for (int ticket : group.tickets)
                winners.append({week, group.prize, ticket, group.cents, season.UnsoldCount != 0 && unsold.isUnsold(ticket)});
        }
        return winners;
    }
    const WeekWinners calculated = calculateWeek(season, week, draws);
    for (int ticket : calculated.randomTickets)
        winners.append({week, Prize::RegularRandom, ticket, qint64(season.prizeAmount(Prize::RegularRandom)) * 100, false});
    for (const AwardGroup& group : calculated.groups) {
        for (const Award& award : group.awards)
            winners.append({week, award.prize, award.ticket, award.cents, award.unsold});
    }
    return winners;
}

QVector<WinnerToPay> winnersToPay(const Season& season, int week)
{
    return winnersOf(season, week, week == GrandPrizeWeek ? QVector<int>{} : drawList(season));
}

QVector<WinnerToPay> seasonWinners(const Season& season)
{
    const QVector<int> draws = drawList(season);
    QVector<WinnerToPay> winners;
    for (int week = 1; week <= season.ScoredWeeks && week <= season.TotalWeeks; ++week)
        winners += winnersOf(season, week, draws);
    if (!winnersRefusal(season, GrandPrizeWeek))
        winners += winnersOf(season, GrandPrizeWeek, draws);
    return winners;
}

PayoutTotals payoutTotals(const QVector<WinnerToPay>& winners, const Payouts& payouts)
{
    PayoutTotals totals;
    for (const WinnerToPay& winner : winners) {
        if (winner.unsold)
            continue;
        (payouts.mark(winner.week, winner.ticket) ? totals.paidOut : totals.toPay) += winner.cents;
    }
    return totals;
}

QStringList payoutLines(const Session& session, const SalesRegister& reg, const Payouts& payouts, int week)
{
    const Season& season = session.season;
    QStringList lines;
    lines << QStringLiteral("WINNERS TO PAY - ") + weekTitle(season, week) << QString();
    lines << QStringLiteral("Ticket  ") + cut(QStringLiteral("Prize"), 16) + QStringLiteral("Amount").rightJustified(11)
                 + QStringLiteral("  ") + cut(QStringLiteral("Buyer"), 21) + QStringLiteral("  ") + cut(QStringLiteral("Phone"), 13)
                 + QStringLiteral("  Paid out");
    const QVector<WinnerToPay> winners = winnersToPay(season, week);
    if (winners.isEmpty())
        lines << QStringLiteral("   There are no winners to pay");
    for (const WinnerToPay& winner : winners) {
        const Sale& sale = reg.sale(winner.ticket);
        QString paid;
        if (winner.unsold)
            paid = QStringLiteral("not paid: unsold");
        else if (const auto mark = payouts.mark(winner.week, winner.ticket))
            paid = mark->paidOn.toString(Qt::ISODate) + QLatin1Char(' ') + mark->reference;
        QString line = QString::number(winner.ticket).rightJustified(6) + QStringLiteral("  ")
                       + cut(prizeName(winner.prize), 16) + currency(winner.cents).rightJustified(11)
                       + QStringLiteral("  ") + cut(sale.name, 21) + QStringLiteral("  ") + cut(sale.phone, 13)
                       + QStringLiteral("  ") + paid;
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines << line;
    }
    const PayoutTotals totals = payoutTotals(seasonWinners(season), payouts);
    lines << QString() << QStringLiteral("Season: paid out so far ") + currency(totals.paidOut)
                              + QStringLiteral("   still to pay ") + currency(totals.toPay);
    return lines;
}

PrintJob payoutJob(const Session&, const QStringList& lines)
{
    return linesJob(QStringLiteral("Payout sheet"), lines);
}

QStringList sellerLines(const Season& season, const SalesRegister& reg)
{
    struct SellerTotals {
        QString name;
        QVector<int> tickets;
        qint64 collected = 0;
        qint64 owed = 0;
    };
    std::map<QString, SellerTotals> sellers;
    for (const auto& [ticket, sale] : reg.sales()) {
        if (ticket > season.TicketCount || (!sale.hasBuyer() && sale.paidCents == 0))
            continue;
        const QString name = sale.seller.trimmed().isEmpty() ? QStringLiteral("(no seller)") : sale.seller.trimmed();
        SellerTotals& totals = sellers[name.toCaseFolded()];
        totals.name = name;
        if (sale.hasBuyer())
            totals.tickets.append(ticket);
        totals.collected += sale.paidCents;
    }
    std::vector<SellerTotals> board;
    for (auto& [key, totals] : sellers) {
        totals.owed = std::max<qint64>(0, qint64(season.TicketPrice) * 100 * totals.tickets.size() - totals.collected);
        board.push_back(totals);
    }
    std::stable_sort(board.begin(), board.end(),
                     [](const SellerTotals& a, const SellerTotals& b) { return a.tickets.size() > b.tickets.size(); });

    QStringList lines{QStringLiteral("SELLERS"), QString(),
                      QStringLiteral("  #  Seller                 Tickets    Collected         Owed")};
    int place = 0;
    for (const SellerTotals& s : board)
        lines << QString::number(++place).rightJustified(3) + QStringLiteral("  ") + cut(s.name, 21)
                     + QString::number(s.tickets.size()).rightJustified(8) + currency(s.collected).rightJustified(13)
                     + currency(s.owed).rightJustified(13);
    for (const SellerTotals& s : board) {
        lines << QString() << s.name + QStringLiteral(":");
        QStringList numbers;
        for (int ticket : s.tickets)
            numbers << QString::number(ticket);
        for (qsizetype n = 0; n < numbers.size(); n += 12)
            lines << QStringLiteral("   ") + numbers.mid(n, 12).join(QStringLiteral(", "));
    }
    return lines;
}

PrintJob sellersJob(const QStringList& lines)
{
    return linesJob(QStringLiteral("Sellers"), lines);
}

QVector<PrintJob> addressedLetters(const Session& session, const SalesRegister& reg)
{
    const Season& season = session.season;
    std::map<int, QVector<WinnerToPay>> byTicket;
    for (const WinnerToPay& winner : seasonWinners(season)) {
        if (!winner.unsold && reg.sale(winner.ticket).hasBuyer())
            byTicket[winner.ticket].append(winner);
    }
    QVector<PrintJob> jobs;
    for (const auto& [ticket, won] : byTicket) {
        const Sale& sale = reg.sale(ticket);
        PrintJob job(QStringLiteral("Letter to ticket %1").arg(ticket));
        job.fontName(ReportFontName).fontSize(12).bold(false);
        for (int n = 1; n <= 4; ++n) {
            if (!season.ReturnAddress[n].isEmpty())
                job.line(QStringLiteral(" ") + season.ReturnAddress[n]);
        }
        job.line().line(QStringLiteral(" ") + session.TodayText).line().line();
        job.line(QStringLiteral(" ") + sale.name.trimmed());
        for (const QString& addressLine : sale.address.split(QLatin1Char('\n')))
            if (!addressLine.trimmed().isEmpty())
                job.line(QStringLiteral(" ") + addressLine.trimmed());
        job.line().line().line(QStringLiteral(" Dear ") + sale.name.trimmed() + QLatin1Char(','));
        job.line().line(QStringLiteral(" Congratulations! Your ticket # %1 has won:").arg(ticket)).line();
        qint64 total = 0;
        for (const WinnerToPay& winner : won) {
            const QString when = winner.week == GrandPrizeWeek ? QStringLiteral("Grand prize")
                                                               : QStringLiteral("Week %1, %2").arg(winner.week).arg(season.weekDate(winner.week));
            job.line(QStringLiteral("    ") + cut(when, 26) + cut(prizeName(winner.prize), 18)
                     + currency(winner.cents).rightJustified(12));
            total += winner.cents;
        }
        job.line(QStringLiteral("    ") + QString(44, QLatin1Char(' ')) + QString(12, QLatin1Char('-')));
        job.line(QStringLiteral("    ") + cut(QStringLiteral("Total"), 44) + currency(total).rightJustified(12));
        job.line().line(QStringLiteral(" Thank you for supporting ") + season.ReturnAddress[1] + QLatin1Char('.'));
        job.line().line(QStringLiteral(" Sincerely,")).line().line().line(QStringLiteral(" ") + season.ReturnAddress[1]);
        job.endDoc();
        jobs.append(job);
    }
    return jobs;
}
