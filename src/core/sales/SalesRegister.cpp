#include "sales/SalesRegister.h"

#include "annual/UnsoldSequences.h"
#include "season/SafeWrite.h"
#include "season/Numbers.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "season/UnsoldTickets.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <csv.h>

#include <array>
#include <set>

namespace {

struct FieldName {
    SaleField field;
    const char* heading;
    const char* shortName;
};

constexpr std::array<FieldName, SaleFieldCount> FieldNames = {{
    {SaleField::Ticket, "Ticket", "ticket"},
    {SaleField::Name, "Name", "name"},
    {SaleField::Address, "Address", "address"},
    {SaleField::Phone, "Phone", "phone"},
    {SaleField::Email, "E-mail", "email"},
    {SaleField::Seller, "Sold by", "seller"},
    {SaleField::Paid, "Paid", "paid"},
    {SaleField::PaidOn, "Paid on", "paidon"},
    {SaleField::Note, "Note", "note"},
}};

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// Collects the fields and rows that libcsv hands over, with the line each row starts on.
struct CsvCollector {
    QVector<QStringList> rows;
    QStringList current;
    bool inRow = false;
};

void onField(void* text, size_t length, void* data)
{
    auto* collector = static_cast<CsvCollector*>(data);
    collector->current.append(QString::fromUtf8(static_cast<const char*>(text), qsizetype(length)));
    collector->inRow = true;
}

void onRowEnd(int, void* data)
{
    auto* collector = static_cast<CsvCollector*>(data);
    collector->rows.append(collector->current);
    collector->current.clear();
    collector->inRow = false;
}

int lineAt(const QByteArray& content, qsizetype position)
{
    return int(content.left(position).count('\n')) + 1;
}

QByteArray csvField(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r')
        && !utf8.startsWith(' ') && !utf8.endsWith(' '))
        return utf8;
    QByteArray quoted(utf8.size() * 2 + 2, '\0');
    quoted.resize(qsizetype(csv_write(quoted.data(), size_t(quoted.size()), utf8.constData(), size_t(utf8.size()))));
    return quoted;
}

const Sale NoSale;

}  // namespace

bool Sale::isEmpty() const
{
    return *this == Sale{};
}

QString fieldHeading(SaleField field)
{
    return QString::fromLatin1(FieldNames[size_t(field)].heading);
}

std::optional<SaleField> fieldNamed(const QString& text)
{
    const QString wanted = text.trimmed();
    for (const FieldName& name : FieldNames) {
        if (wanted.compare(QLatin1String(name.heading), Qt::CaseInsensitive) == 0
            || wanted.compare(QLatin1String(name.shortName), Qt::CaseInsensitive) == 0)
            return name.field;
    }
    return std::nullopt;
}

const Sale& SalesRegister::sale(int ticket) const
{
    const auto found = sales_.find(ticket);
    return found == sales_.end() ? NoSale : found->second;
}

void SalesRegister::set(int ticket, const Sale& sale)
{
    if (sale.isEmpty())
        sales_.erase(ticket);
    else
        sales_[ticket] = sale;
}

QString buyerName(const SalesRegister& reg, int ticket)
{
    return reg.sale(ticket).name.trimmed();
}

std::optional<qint64> parseAmount(const QString& text)
{
    QString plain = text.trimmed();
    plain.remove(QLatin1Char('$')).remove(QLatin1Char(','));
    if (plain.isEmpty())
        return qint64(0);
    static const QRegularExpression amount(QStringLiteral("^(\\d{1,9})(?:\\.(\\d{0,2}))?$"));
    const QRegularExpressionMatch match = amount.match(plain);
    if (!match.hasMatch())
        return std::nullopt;
    const QString decimals = (match.captured(2) + QStringLiteral("00")).left(2);
    return match.captured(1).toLongLong() * 100 + decimals.toLongLong();
}

QString amountText(qint64 cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

std::optional<QDate> parseDate(const QString& text)
{
    const QString plain = text.trimmed();
    for (const char* format : {"yyyy-MM-dd", "M/d/yyyy"}) {
        const QDate date = QDate::fromString(plain, QString::fromLatin1(format));
        if (date.isValid())
            return date;
    }
    return std::nullopt;
}

std::optional<Refusal> fieldRefusal(const Season& season, int ticket, SaleField field, const QString& text)
{
    if (field == SaleField::Paid && !parseAmount(text))
        return Refusal{MessageId::AmountNotValid, {text.trimmed()}};
    if (field == SaleField::PaidOn && !text.trimmed().isEmpty() && !parseDate(text))
        return Refusal{MessageId::DateNotValid, {text.trimmed()}};
    if (field == SaleField::Name && !text.trimmed().isEmpty() && season.UnsoldCount != 0
        && UnsoldTickets(season).isUnsold(ticket))
        return Refusal{MessageId::TicketNotForSale, {QString::number(ticket)}};
    return std::nullopt;
}

void setField(Sale& sale, SaleField field, const QString& text)
{
    switch (field) {
    case SaleField::Ticket: break;
    case SaleField::Name: sale.name = text; break;
    case SaleField::Address: sale.address = text; break;
    case SaleField::Phone: sale.phone = text; break;
    case SaleField::Email: sale.email = text; break;
    case SaleField::Seller: sale.seller = text; break;
    case SaleField::Paid: sale.paidCents = parseAmount(text).value_or(0); break;
    case SaleField::PaidOn: sale.paidOn = parseDate(text).value_or(QDate()); break;
    case SaleField::Note: sale.note = text; break;
    }
}

QString fieldText(int ticket, const Sale& sale, SaleField field)
{
    switch (field) {
    case SaleField::Ticket: return QString::number(ticket);
    case SaleField::Name: return sale.name;
    case SaleField::Address: return sale.address;
    case SaleField::Phone: return sale.phone;
    case SaleField::Email: return sale.email;
    case SaleField::Seller: return sale.seller;
    case SaleField::Paid: return sale.paidCents == 0 ? QString() : amountText(sale.paidCents);
    case SaleField::PaidOn: return sale.paidOn.isValid() ? sale.paidOn.toString(Qt::ISODate) : QString();
    case SaleField::Note: return sale.note;
    }
    return {};
}

QByteArray registerFileBytes(const SalesRegister& reg)
{
    QByteArray bytes = ByteOrderMark;
    auto row = [&bytes](const QStringList& fields) {
        for (qsizetype n = 0; n < fields.size(); ++n) {
            if (n > 0)
                bytes += ',';
            bytes += csvField(fields[n]);
        }
        bytes += "\r\n";
    };
    QStringList header;
    for (const FieldName& name : FieldNames)
        header.append(QString::fromLatin1(name.heading));
    row(header);
    for (const auto& [ticket, sale] : reg.sales()) {
        QStringList fields;
        for (const FieldName& name : FieldNames)
            fields.append(fieldText(ticket, sale, name.field));
        row(fields);
    }
    return bytes;
}

std::optional<RegisterProblem> readCsvRows(const QByteArray& content, QVector<QStringList>& rows)
{
    QByteArray text = content.startsWith(ByteOrderMark) ? content.mid(ByteOrderMark.size()) : content;
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL) != 0)
        return RegisterProblem{1, QStringLiteral("no memory to read it")};
    CsvCollector collector;
    const size_t read = csv_parse(&parser, text.constData(), size_t(text.size()), onField, onRowEnd, &collector);
    std::optional<RegisterProblem> problem;
    if (read != size_t(text.size()))
        problem = RegisterProblem{lineAt(text, qsizetype(read)), QString::fromLatin1(csv_strerror(csv_error(&parser)))};
    else if (csv_fini(&parser, onField, onRowEnd, &collector) != 0)
        problem = RegisterProblem{lineAt(text, text.size()), QStringLiteral("a quoted text is not closed")};
    csv_free(&parser);
    rows = problem ? QVector<QStringList>{} : collector.rows;
    return problem;
}

std::optional<RegisterProblem> readRegister(const QByteArray& content, SalesRegister& reg)
{
    reg = SalesRegister();
    QVector<QStringList> rows;
    if (auto problem = readCsvRows(content, rows))
        return problem;
    if (rows.isEmpty())
        return std::nullopt;
    QStringList expected;
    for (const FieldName& name : FieldNames)
        expected.append(QString::fromLatin1(name.heading));
    if (rows.first() != expected)
        return RegisterProblem{1, QStringLiteral("the heading row \"") + expected.join(QLatin1Char(','))
                                      + QStringLiteral("\" expected")};
    // libcsv gives rows, not lines: a row starts one line after the last line of the row before,
    // and a quoted field may span lines.
    int line = 1 + int(rows.first().join(QString()).count(QLatin1Char('\n')));
    SalesRegister read;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const QStringList& fields = rows[r];
        ++line;
        const int rowLine = line;
        for (const QString& field : fields)
            line += int(field.count(QLatin1Char('\n')));
        auto fail = [&](const QString& why) { return RegisterProblem{rowLine, why}; };
        if (fields.size() != SaleFieldCount)
            return fail(QStringLiteral("%1 fields expected, %2 found").arg(SaleFieldCount).arg(fields.size()));
        bool isNumber = false;
        const int ticket = fields[0].toInt(&isNumber);
        if (!isNumber || ticket < 1)
            return fail(QStringLiteral("a ticket number expected, \"%1\" found").arg(fields[0]));
        if (!read.sale(ticket).isEmpty())
            return fail(QStringLiteral("ticket %1 is listed twice").arg(ticket));
        if (!parseAmount(fields[6]))
            return fail(QStringLiteral("an amount paid expected, \"%1\" found").arg(fields[6]));
        if (!fields[7].isEmpty() && !parseDate(fields[7]))
            return fail(QStringLiteral("a date YYYY-MM-DD expected, \"%1\" found").arg(fields[7]));
        Sale sale;
        for (int f = 1; f < SaleFieldCount; ++f)
            setField(sale, SaleField(f), fields[f]);
        read.set(ticket, sale);
    }
    reg = read;
    return std::nullopt;
}

QString registerFileName(const QString& seasonFileName)
{
    return QFileInfo(seasonFileName).completeBaseName() + QStringLiteral(".sales.csv");
}

QString registerPath(const Session& session)
{
    return session.pathInHome(QStringLiteral("Files/") + QStringLiteral("Kickpool.sales.csv"));
}

RegisterLoad LoadRegister(Session& session, SalesRegister& reg)
{
    reg = SalesRegister();
    const QString path = registerPath(session);
    if (!QFileInfo::exists(path))
        return RegisterLoad::Missing;
    QByteArray content;
    QString error;
    if (!readWholeFile(path, content, error)) {
        session.message(MessageId::RegisterNotReadable, {QDir::toNativeSeparators(path), error});
        return RegisterLoad::Unreadable;
    }
    const std::optional<RegisterProblem> problem = readRegister(content, reg);
    if (!problem)
        return RegisterLoad::Loaded;
    // A copy named after its content, so that the same damage is never kept twice.
    const QString copy = QStringLiteral("Kickpool.sales.damaged-")
                         + QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha1).toHex().left(8))
                         + QStringLiteral(".csv");
    const QString copyPath = QDir(session.filesFolder()).filePath(copy);
    const bool kept = fileHolds(copyPath, content) || writeFileSafely(copyPath, content, error);
    if (kept)
        QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::WriteOwner);
    const QString shown = kept ? copy : QStringLiteral("(none: ") + error + QLatin1Char(')');
    session.message(MessageId::DamagedRegister,
                    {QDir::toNativeSeparators(path), QString::number(problem->line), problem->why, shown});
    return RegisterLoad::Damaged;
}

bool writeRegisterFile(const QString& path, const SalesRegister& reg, QString& error)
{
    if (!writeFileSafely(path, registerFileBytes(reg), error))
        return false;
    // Names, addresses and phones: readable by the owner only.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

bool SaveRegister(Session& session, const SalesRegister& reg)
{
    QString error;
    if (writeRegisterFile(registerPath(session), reg, error))
        return true;
    session.message(MessageId::RegisterNotSaved, {QDir::toNativeSeparators(registerPath(session)), error});
    return false;
}

RegisterTotals registerTotals(const Season& season, const SalesRegister& reg)
{
    RegisterTotals totals;
    for (const auto& [ticket, sale] : reg.sales()) {
        if (ticket > season.TicketCount)
            continue;
        totals.withBuyer += sale.hasBuyer() ? 1 : 0;
        totals.paid += sale.paidCents > 0 ? 1 : 0;
        totals.collected += sale.paidCents;
    }
    totals.owed = std::max<qint64>(0, qint64(season.TicketPrice) * 100 * totals.withBuyer - totals.collected);
    return totals;
}

QString totalsLine(const RegisterTotals& totals)
{
    return QStringLiteral("Tickets with a buyer: %1   Paid: %2   Collected: %3   Still owed: %4")
        .arg(totals.withBuyer)
        .arg(totals.paid)
        .arg(currency(totals.collected), currency(totals.owed));
}

bool matchesSearch(int ticket, const Sale& sale, const QString& search)
{
    const QString wanted = search.trimmed();
    if (wanted.isEmpty())
        return true;
    if (QString::number(ticket) == wanted)
        return true;
    return sale.name.contains(wanted, Qt::CaseInsensitive) || sale.phone.contains(wanted, Qt::CaseInsensitive)
           || sale.seller.contains(wanted, Qt::CaseInsensitive);
}

QVector<int> filterTickets(const SalesRegister& reg, int ticketCount, const QString& search)
{
    QVector<int> tickets;
    tickets.reserve(ticketCount);
    for (int ticket = 1; ticket <= ticketCount; ++ticket) {
        if (matchesSearch(ticket, reg.sale(ticket), search))
            tickets.append(ticket);
    }
    return tickets;
}

QStringList unsoldFromRegister(const Season& season, const SalesRegister& reg)
{
    QStringList sequences;
    int first = 0;
    for (int ticket = 1; ticket <= season.TicketCount + 1; ++ticket) {
        const bool withoutBuyer = ticket <= season.TicketCount && !reg.sale(ticket).hasBuyer();
        if (withoutBuyer && first == 0)
            first = ticket;
        if (!withoutBuyer && first != 0) {
            sequences.append(QStringLiteral("%1,%2").arg(first).arg(ticket - 1));
            first = 0;
        }
    }
    return sequences;
}

QVector<std::optional<SaleField>> mapColumns(const QStringList& header, const std::map<SaleField, QString>& mapping)
{
    QVector<std::optional<SaleField>> columns(header.size());
    std::set<SaleField> mapped;
    for (const auto& [field, heading] : mapping) {
        const qsizetype column = header.indexOf(heading);
        if (column >= 0) {
            columns[column] = field;
            mapped.insert(field);
        }
    }
    for (qsizetype c = 0; c < header.size(); ++c) {
        const std::optional<SaleField> own = fieldNamed(header[c]);
        if (!columns[c] && own && !mapping.count(*own) && !mapped.count(*own)) {
            columns[c] = own;
            mapped.insert(*own);
        }
    }
    return columns;
}

ImportResult importRows(const Season& season, const QVector<QStringList>& rows,
                        const QVector<std::optional<SaleField>>& columns)
{
    ImportResult result;
    const qsizetype ticketColumn = columns.indexOf(SaleField::Ticket);
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const int rowNumber = int(r) + 1;
        const QStringList& fields = rows[r];
        auto refuse = [&](const QString& why) { result.refused.append({rowNumber, why}); };
        if (fields.join(QString()).trimmed().isEmpty())
            continue;
        const QString number = ticketColumn < 0 ? QString() : fields.value(ticketColumn).trimmed();
        bool isNumber = false;
        const int ticket = number.toInt(&isNumber);
        if (!isNumber) {
            refuse(QStringLiteral("no ticket number (\"%1\")").arg(number));
            continue;
        }
        if (ticket < 1 || ticket > season.TicketCount) {
            refuse(QStringLiteral("ticket %1 is not a ticket of this season (1 to %2)").arg(ticket).arg(season.TicketCount));
            continue;
        }
        if (result.taken.count(ticket)) {
            refuse(QStringLiteral("ticket %1 was given on an earlier row").arg(ticket));
            continue;
        }
        Sale sale;
        QString why;
        for (qsizetype c = 0; c < columns.size() && c < fields.size() && why.isEmpty(); ++c) {
            if (!columns[c] || *columns[c] == SaleField::Ticket)
                continue;
            if (const auto refusal = fieldRefusal(season, ticket, *columns[c], fields[c])) {
                why = refusal->id == MessageId::TicketNotForSale
                          ? QStringLiteral("ticket %1 is not for sale (an unsold sequence)").arg(ticket)
                          : QStringLiteral("%1 \"%2\" cannot be read").arg(fieldHeading(*columns[c]), fields[c]);
                break;
            }
            setField(sale, *columns[c], fields[c]);
        }
        if (!why.isEmpty())
            refuse(why);
        else
            result.taken[ticket] = sale;
    }
    return result;
}

void applyImport(SalesRegister& reg, const ImportResult& result)
{
    for (const auto& [ticket, sale] : result.taken)
        reg.set(ticket, sale);
}

namespace {

QString column(const QString& text, int width)
{
    QString plain = text;
    plain.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return plain.left(width).leftJustified(width);
}

}  // namespace

QStringList registerListLines(const Season& season, const SalesRegister& reg)
{
    QStringList lines{QStringLiteral("Ticket  ") + column(QStringLiteral("Name"), 20) + QStringLiteral("  ")
                      + column(QStringLiteral("Phone"), 13) + QStringLiteral("  ") + column(QStringLiteral("Sold by"), 15)
                      + QStringLiteral("      Paid     Paid on")};
    const UnsoldTickets unsold(season);
    for (int ticket = 1; ticket <= season.TicketCount; ++ticket) {
        const Sale& sale = reg.sale(ticket);
        QString line = QString::number(ticket).rightJustified(6) + QStringLiteral("  ");
        if (season.UnsoldCount != 0 && unsold.isUnsold(ticket))
            line += QStringLiteral("not for sale");
        else
            line += column(sale.name, 20) + QStringLiteral("  ") + column(sale.phone, 13) + QStringLiteral("  ")
                    + column(sale.seller, 15) + (sale.paidCents ? currency(sale.paidCents) : QString()).rightJustified(10)
                    + QStringLiteral("  ") + fieldText(ticket, sale, SaleField::PaidOn);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        lines.append(line);
    }
    lines.append(totalsLine(registerTotals(season, reg)));
    return lines;
}

QStringList saleLines(const Season& season, const SalesRegister& reg, int ticket)
{
    QStringList lines;
    const Sale& sale = reg.sale(ticket);
    for (int f = 0; f < SaleFieldCount; ++f)
        lines.append(fieldHeading(SaleField(f)) + QStringLiteral(": ") + fieldText(ticket, sale, SaleField(f)).replace(QLatin1Char('\n'), QStringLiteral(" / ")));
    if (season.UnsoldCount != 0 && UnsoldTickets(season).isUnsold(ticket))
        lines.append(QStringLiteral("Not for sale: in an unsold sequence"));
    return lines;
}
