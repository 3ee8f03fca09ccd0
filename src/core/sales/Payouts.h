#pragma once

// Whom to pay: the winning tickets of a stored week or of the grand prize, with the buyer from the
// sales register and the "paid out" mark of each. The winners come from the weekly calculation
// and the grand prize of the reports; nothing here ranks tickets again.

#include "print/PrintJob.h"
#include "sales/SalesRegister.h"
#include "season/Season.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <map>
#include <optional>
#include <utility>

class Session;

// The week number the grand prize is kept under.
constexpr int GrandPrizeWeek = 0;

// A prize handed over: when, and the cheque number or other reference.
struct PayoutMark {
    QDate paidOn;
    QString reference;
    bool operator==(const PayoutMark&) const = default;
};

// The payouts record of a season, by (week, ticket); the grand prize is week 0. It is kept in
// Files/Kickpool.payouts.csv beside the season, and carried along with it like the register.
class Payouts {
public:
    std::optional<PayoutMark> mark(int week, int ticket) const;
    void set(int week, int ticket, const PayoutMark& mark);
    void clear(int week, int ticket);
    const std::map<std::pair<int, int>, PayoutMark>& marks() const { return marks_; }
    bool operator==(const Payouts&) const = default;

private:
    std::map<std::pair<int, int>, PayoutMark> marks_;
};

QString payoutsFileName(const QString& seasonFileName);  // "Kickpool.txt" -> "Kickpool.payouts.csv"
QByteArray payoutsFileBytes(const Payouts& payouts);
std::optional<RegisterProblem> readPayouts(const QByteArray& content, Payouts& payouts);
// Loads the record of the season in use (a missing file is an empty record; a damaged one is
// named with its line and left as it is, the record empty).
bool LoadPayouts(Session& session, Payouts& payouts);
// Writes it through the safe writing, readable by its owner only; message 54 on failure.
bool SavePayouts(Session& session, const Payouts& payouts);

// One prize to hand over.
struct WinnerToPay {
    int week = 0;  // GrandPrizeWeek for the grand prize
    Prize prize = Prize::RegularHigh;
    int ticket = 0;
    qint64 cents = 0;
    bool unsold = false;  // listed, not paid
    bool operator==(const WinnerToPay&) const = default;
};

// A prize's name as the payout sheet writes it: "High", "Second high", "Random", "Grand low", ...
QString prizeName(Prize prize);

// The winners of a stored week (random winners, then the groups in report order), or of the grand
// prize with week GrandPrizeWeek, from the weekly calculation and the grand prize groups.
QVector<WinnerToPay> winnersToPay(const Season& season, int week);
// Why the winners of a week cannot be listed: the weekly report's refusals for a week, message 58
// for the grand prize before the last regular week is stored.
std::optional<Refusal> winnersRefusal(const Season& season, int week);
// Every prize of the season so far: weeks 1..ScoredWeeks, then the grand prize once decided.
QVector<WinnerToPay> seasonWinners(const Season& season);

struct PayoutTotals {
    qint64 paidOut = 0;
    qint64 toPay = 0;
    bool operator==(const PayoutTotals&) const = default;
};
PayoutTotals payoutTotals(const QVector<WinnerToPay>& winners, const Payouts& payouts);

// The payout sheet as the screen lists it: heading, one line per winner with prize, amount,
// buyer, phone and mark, and the season's "paid out so far / still to pay".
QStringList payoutLines(const Session& session, const SalesRegister& reg, const Payouts& payouts, int week);
PrintJob payoutJob(const Session& session, const QStringList& lines);

// The sellers' leaderboard: each seller's tickets with a buyer, collected and owed, most tickets
// first; then each seller's ticket numbers.
QStringList sellerLines(const Season& season, const SalesRegister& reg);
PrintJob sellersJob(const QStringList& lines);

// One letter per winning ticket with a buyer: the name and address from the register and the
// prizes the ticket won so far. Each letter is a print job of its own.
QVector<PrintJob> addressedLetters(const Session& session, const SalesRegister& reg);
