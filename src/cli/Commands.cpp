#include "Commands.h"

#include "CliDialogs.h"
#include "print/PrintJob.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

// To add a command: one line here, its function declared in Commands.h, and its file
// cmd_<name>.cpp.
const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"report", "[WEEK]", "the weekly report of a stored week (the latest without WEEK)", 0, 1, runReport},
        {"enter", "WEEK SCORES | WEEK --from FILE", "store the week's scores (comma-separated in team order, empty = bye; or the results in FILE, - for stdin), then report", 2, 3, runEnter},
        {"tickets", "FIRST LAST", "the ticket backs of tickets FIRST to LAST", 2, 2, runTickets},
        {"standings", "", "the \"Grand Prize\" selection: every ticket's position and value so far", 0, 0, runStandings},
        {"summary", "", "the annual summary", 0, 0, runSummary},
        {"letter", "", "the letter to winners", 0, 0, runLetter},
        {"estimate", "", "the payout estimate of the stored prize structure", 0, 0, runEstimate},
        {"front", "[portrait|landscape] [COPIES]", "the ticket front, one \"CODE<TAB>TEXT\" line per line (with --pdf: COPIES pages)", 0, 2, runFront},
        {"check", "", "load the season file and list every problem in it (exit 2 when any)", 0, 0, runCheck},
        {"files", "ACTION [NAME [NEW]]", "list | save NAME | restore NAME | rename NAME NEW | delete NAME  [--yes]", 1, 4, runFiles},
    };
    return commands;
}

const CliCommand* findCliCommand(const QString& name)
{
    for (const CliCommand& command : cliCommands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

static QString commandLine(const CliCommand& command)
{
    QString line = QLatin1String(command.name);
    if (*command.arguments)
        line += QLatin1Char(' ') + QLatin1String(command.arguments);
    return line;
}

QStringList cliUsage()
{
    QStringList lines{QStringLiteral("usage: kickpool-cli [--home DIR] [--today YYYY-MM-DD] [--pdf FILE] COMMAND [ARGS]")};
    int width = 0;
    for (const CliCommand& command : cliCommands())
        width = std::max(width, int(commandLine(command).size()));
    for (const CliCommand& command : cliCommands())
        lines.append(QStringLiteral("  ") + commandLine(command).leftJustified(width + 2)
                     + QLatin1String(command.description));
    return lines;
}

void CliContext::printLines(const QStringList& lines)
{
    for (const QString& line : lines)
        out << line << '\n';
}

void CliContext::print(const QVector<PrintJob>& jobs)
{
    printEvery(session.services.printer, jobs);
}

int CliContext::refuse(const Refusal& refusal)
{
    session.message(refusal.id, refusal.arguments);
    return ExitStatus::Refused;
}

int CliContext::usageError(const QString& why)
{
    if (!why.isEmpty())
        err << "kickpool-cli: " << why << '\n';
    err << "usage: kickpool-cli [--home DIR] [--today YYYY-MM-DD] [--pdf FILE] " << commandLine(command)
        << '\n';
    return ExitStatus::Usage;
}

bool CliContext::loadSeason()
{
    return LoadSeason(session) == LoadOutcome::Loaded;
}
