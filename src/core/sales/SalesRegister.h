#pragma once

// The sales register: who holds each ticket, who sold it, what was paid for it. It is kept as a
// CSV file beside its season (Files/Kickpool.sales.csv for the season in use, Files/NAME.sales.csv
// for a stored season NAME.txt); the season file itself never holds it.

#include "dialogs/MessageId.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <map>
#include <optional>

struct Season;
class Session;
class UnsoldTickets;

// What the register knows of one ticket.
struct Sale {
    QString name;
    QString address;  // may hold line breaks
    QString phone;
    QString email;
    QString seller;
    qint64 paidCents = 0;
    QDate paidOn;
    QString note;

    bool hasBuyer() const { return !name.trimmed().isEmpty(); }
    bool isEmpty() const;
    bool operator==(const Sale&) const = default;
};

// The fields of a sale, in the order of the file's columns.
enum class SaleField { Ticket, Name, Address, Phone, Email, Seller, Paid, PaidOn, Note };
constexpr int SaleFieldCount = 9;
// The column heading of a field in the register file: "Ticket", "Name", ..., "Paid on", "Note".
QString fieldHeading(SaleField field);
// The field of a heading or of its short name ("ticket", "name", "email", "seller", "paid",
// "paidon", "note"), in any letter case.
std::optional<SaleField> fieldNamed(const QString& text);

// The register of one season: the tickets with anything written for them.
class SalesRegister {
public:
    const Sale& sale(int ticket) const;
    // Replaces what is known of a ticket; an empty sale removes the ticket from the register.
    void set(int ticket, const Sale& sale);
    const std::map<int, Sale>& sales() const { return sales_; }
    bool operator==(const SalesRegister&) const = default;

private:
    std::map<int, Sale> sales_;
};

// The buyer's name of a ticket; empty when the register has none.
QString buyerName(const SalesRegister& reg, int ticket);

// An amount as typed ("12.50", "$1,012.5", "5"): cents, or nothing when it is not an amount.
std::optional<qint64> parseAmount(const QString& text);
// An amount as the file and the entry fields write it: "12.50", "0.00".
QString amountText(qint64 cents);
// A date as typed: YYYY-MM-DD (also M/D/YYYY); nothing when it is not a date.
std::optional<QDate> parseDate(const QString& text);

// Why a field's text cannot be taken for a ticket, or nothing when it can: a paid amount that is
// not an amount (56), a date that is not a date (57), a buyer for a ticket not for sale (50).
std::optional<Refusal> fieldRefusal(const Season& season, int ticket, SaleField field, const QString& text);
// Sets one field of a sale from its text (after fieldRefusal found nothing wrong).
void setField(Sale& sale, SaleField field, const QString& text);
// A field of a sale as the register screen and the file show it.
QString fieldText(int ticket, const Sale& sale, SaleField field);

// The register as file content: UTF-8 with a byte-order mark, a header row, one row per ticket
// with anything written for it in ticket order, CR LF line ends, quoted where the text needs it.
QByteArray registerFileBytes(const SalesRegister& reg);

// A problem that stops a register file from being read: the line (from 1) and what is wrong.
struct RegisterProblem {
    int line = 0;
    QString why;
    bool operator==(const RegisterProblem&) const = default;
};
// Reads register file content; on a problem `reg` is left empty.
std::optional<RegisterProblem> readRegister(const QByteArray& content, SalesRegister& reg);

// The register's file beside a season file: "Kickpool.txt" -> "Kickpool.sales.csv".
QString registerFileName(const QString& seasonFileName);
// The register of the season in use: Files/Kickpool.sales.csv.
QString registerPath(const Session& session);

// What loading a register found.
enum class RegisterLoad { Loaded, Missing, Damaged, Unreadable };
// Loads the register of the season in use. A missing file is an empty register. A damaged one
// is named with its line (message 51), a copy of it kept beside it, and the register is empty;
// the file stays as it is until the register is saved.
RegisterLoad LoadRegister(Session& session, SalesRegister& reg);
// Writes the register through the safe writing, readable by its owner only; on failure message
// 54 tells why and the old file stays as it was.
bool SaveRegister(Session& session, const SalesRegister& reg);
// The same for any path, with the reason on failure (for export and tests).
bool writeRegisterFile(const QString& path, const SalesRegister& reg, QString& error);

// The totals line of the register screen.
struct RegisterTotals {
    int withBuyer = 0;
    int paid = 0;            // tickets with an amount paid
    qint64 collected = 0;    // cents
    qint64 owed = 0;         // price x tickets with a buyer - paid, never below 0
    bool operator==(const RegisterTotals&) const = default;
};
RegisterTotals registerTotals(const Season& season, const SalesRegister& reg);
QString totalsLine(const RegisterTotals& totals);

// Whether a ticket's row matches the search text: its number, or the text within the buyer's
// name, phone or seller, letter case aside. An empty search matches every row.
bool matchesSearch(int ticket, const Sale& sale, const QString& search);
// The tickets 1..ticketCount whose rows match.
QVector<int> filterTickets(const SalesRegister& reg, int ticketCount, const QString& search);

// The unsold sequences the register gives: every run of tickets without a buyer, as "first,last".
QStringList unsoldFromRegister(const Season& season, const SalesRegister& reg);

// One row of a spreadsheet's CSV that could not be taken: its row number and why.
struct ImportRefusal {
    int row = 0;
    QString why;
    bool operator==(const ImportRefusal&) const = default;
};
struct ImportResult {
    std::map<int, Sale> taken;  // by ticket
    QVector<ImportRefusal> refused;
};
// The rows of a CSV file (the header row first); a problem when it is not CSV.
std::optional<RegisterProblem> readCsvRows(const QByteArray& content, QVector<QStringList>& rows);
// The field each column of a header row fills: `mapping` names a column heading for a field
// (field -> heading); a field without a mapping takes the column of its own heading or short name.
// Index = column; nothing for a column left out.
QVector<std::optional<SaleField>> mapColumns(const QStringList& header, const std::map<SaleField, QString>& mapping);
// The sales of the rows under the header, with every row that cannot be taken and why: no
// ticket number, a ticket outside the season, a ticket not for sale with a buyer, a ticket given
// twice, an amount or a date that cannot be read.
ImportResult importRows(const Season& season, const QVector<QStringList>& rows,
                        const QVector<std::optional<SaleField>>& columns);
// Writes the taken sales into the register (each replaces what was known of its ticket).
void applyImport(SalesRegister& reg, const ImportResult& result);

// The register as `kickpool-cli sales list` prints it: a heading, one line per ticket
// 1..TicketCount (tickets in an unsold sequence "not for sale"), then the totals line.
QStringList registerListLines(const Season& season, const SalesRegister& reg);
// One ticket as `sales show` prints it: "Name: ...", one field a line.
QStringList saleLines(const Season& season, const SalesRegister& reg, int ticket);
