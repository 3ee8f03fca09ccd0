// sales list [--csv] | show N | set N [--name ..] ... | import FILE [--map field=Heading,...] --yes
// | export FILE | unsold --yes: the sales register from a script.
#include "CliDialogs.h"
#include "Commands.h"

#include "annual/UnsoldSequences.h"
#include "sales/SalesRegister.h"
#include "season/SafeWrite.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QDir>

namespace {

// A ticket number of the season, or 0.
int ticketArgument(const Season& season, const QString& text)
{
    bool ok = false;
    const int ticket = text.toInt(&ok);
    return ok && ticket >= 1 && ticket <= season.TicketCount ? ticket : 0;
}

int setSale(CliContext& context, SalesRegister& reg, QStringList args)
{
    Session& session = context.session;
    const int ticket = ticketArgument(session.season, args.takeFirst());
    if (ticket == 0)
        return context.usageError(QStringLiteral("no ticket of this season (1 to %1)").arg(session.season.TicketCount));
    static const std::map<QString, SaleField> options = {
        {"--name", SaleField::Name},   {"--address", SaleField::Address}, {"--phone", SaleField::Phone},
        {"--email", SaleField::Email}, {"--seller", SaleField::Seller},   {"--paid", SaleField::Paid},
        {"--paid-on", SaleField::PaidOn}, {"--note", SaleField::Note}};
    Sale sale = reg.sale(ticket);
    for (qsizetype n = 0; n < args.size(); n += 2) {
        const auto option = options.find(args[n]);
        if (option == options.end() || n + 1 >= args.size())
            return context.usageError(QStringLiteral("sales set N takes --name, --address, --phone, --email, --seller, --paid, --paid-on or --note, each with a value"));
        if (const auto refusal = fieldRefusal(session.season, ticket, option->second, args[n + 1]))
            return context.refuse(*refusal);
        setField(sale, option->second, args[n + 1]);
    }
    reg.set(ticket, sale);
    if (!SaveRegister(session, reg))
        return ExitStatus::Refused;
    context.printLines(saleLines(session.season, reg, ticket));
    return ExitStatus::Ok;
}

int importSales(CliContext& context, SalesRegister& reg, QStringList args, bool yes)
{
    Session& session = context.session;
    const QString file = args.takeFirst();
    std::map<SaleField, QString> mapping;
    if (args.size() == 2 && args[0] == QLatin1String("--map")) {
        for (const QString& pair : args[1].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const std::optional<SaleField> field = fieldNamed(pair.section(QLatin1Char('='), 0, 0));
            if (!field || !pair.contains(QLatin1Char('=')))
                return context.usageError(QStringLiteral("--map takes field=Heading pairs: ") + pair);
            mapping[*field] = pair.section(QLatin1Char('='), 1);
        }
    } else if (!args.isEmpty()) {
        return context.usageError();
    }
    QByteArray content;
    QString error;
    if (!readWholeFile(file, content, error)) {
        context.err << "kickpool-cli: " << QDir::toNativeSeparators(file) << ": " << error << '\n';
        return ExitStatus::Refused;
    }
    QVector<QStringList> rows;
    if (const auto problem = readCsvRows(content, rows)) {
        context.err << "kickpool-cli: " << QDir::toNativeSeparators(file) << " line " << problem->line << ": "
                    << problem->why << '\n';
        return ExitStatus::Refused;
    }
    const QStringList header = rows.value(0);
    const QVector<std::optional<SaleField>> columns = mapColumns(header, mapping);
    QStringList lines;
    for (qsizetype c = 0; c < header.size(); ++c)
        lines << QStringLiteral("Column \"%1\": %2").arg(header[c], columns[c] ? fieldHeading(*columns[c]) : QStringLiteral("(left out)"));
    const ImportResult result = importRows(session.season, rows, columns);
    for (const ImportRefusal& refusal : result.refused)
        lines << QStringLiteral("Row %1 not taken: %2").arg(refusal.row).arg(refusal.why);
    lines << QStringLiteral("%1 rows taken, %2 not taken").arg(result.taken.size()).arg(result.refused.size());
    context.printLines(lines);
    if (!yes) {
        context.err << "kickpool-cli: nothing was written; give --yes to write the rows taken\n";
        return ExitStatus::Refused;
    }
    applyImport(reg, result);
    return SaveRegister(session, reg) ? ExitStatus::Ok : ExitStatus::Refused;
}

}  // namespace

int runSales(CliContext& context)
{
    QStringList args = context.args;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const bool csv = args.removeAll(QStringLiteral("--csv")) > 0;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    SalesRegister reg;
    const RegisterLoad load = LoadRegister(session, reg);
    if (load == RegisterLoad::Unreadable || (load == RegisterLoad::Damaged && action != QLatin1String("list")))
        return ExitStatus::Refused;

    if (action == QLatin1String("list") && args.isEmpty()) {
        if (csv)
            context.out << QString::fromUtf8(registerFileBytes(reg).mid(3)).remove(QLatin1Char('\r'));
        else
            context.printLines(registerListLines(session.season, reg));
        return ExitStatus::Ok;
    }
    if (action == QLatin1String("show") && args.size() == 1) {
        const int ticket = ticketArgument(session.season, args[0]);
        if (ticket == 0)
            return context.usageError(QStringLiteral("no ticket of this season (1 to %1)").arg(session.season.TicketCount));
        context.printLines(saleLines(session.season, reg, ticket));
        return ExitStatus::Ok;
    }
    if (action == QLatin1String("set") && !args.isEmpty())
        return setSale(context, reg, args);
    if (action == QLatin1String("import") && !args.isEmpty())
        return importSales(context, reg, args, yes);
    if (action == QLatin1String("export") && args.size() == 1) {
        QString error;
        if (!writeRegisterFile(args[0], reg, error)) {
            context.err << "kickpool-cli: " << QDir::toNativeSeparators(args[0]) << ": " << error << '\n';
            return ExitStatus::Refused;
        }
        return ExitStatus::Ok;
    }
    if (action == QLatin1String("unsold") && args.isEmpty()) {
        const QStringList sequences = unsoldFromRegister(session.season, reg);
        Season marked = session.season;
        if (const auto refusal = setUnsoldSequences(marked, sequences))
            return context.refuse(*refusal);
        context.printLines(sequences);
        context.printLines({QStringLiteral("Tickets sold: %1").arg(marked.SoldCount)});
        if (!yes) {
            context.err << "kickpool-cli: nothing was changed; give --yes to mark these unsold and save\n";
            return ExitStatus::Refused;
        }
        session.season = marked;
        return SaveSeason(session) ? ExitStatus::Ok : ExitStatus::Refused;
    }
    return context.usageError(QStringLiteral("sales takes list, show N, set N, import FILE, export FILE or unsold"));
}
