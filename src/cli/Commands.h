#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <vector>

class CliDialogs;
class PrintJob;
class RecordingPrinter;
class Session;
struct CliCommand;
struct Refusal;

// Exit statuses of kickpool-cli.
namespace ExitStatus {
constexpr int Ok = 0;
constexpr int Usage = 1;    // unknown command or bad arguments: the usage went to stderr
constexpr int Refused = 2;  // a numbered message went to stderr
constexpr int Failed = 3;   // the --pdf file could not be written
}  // namespace ExitStatus

// What a command works with. stdout (`out`) holds exactly the lines of the screen's list.
struct CliContext {
    Session& session;
    const CliCommand& command;
    QStringList args;         // the arguments after the command's name
    QString pdfPath;          // --pdf FILE: the printout is also written there; empty without
    QTextStream& out;
    QTextStream& err;
    CliDialogs& dialogs;      // queue answers with dialogs.answers when a command must answer
    RecordingPrinter& printer;  // the session's printer when pdfPath is set; its jobs go to the PDF

    // Writes the lines to stdout, one a line, trailing blanks kept.
    void printLines(const QStringList& lines);
    // Sends the jobs to the session's printer, which is there only with --pdf.
    void print(const QVector<PrintJob>& jobs);
    // Shows the refusal's message on stderr; returns ExitStatus::Refused.
    int refuse(const Refusal& refusal);
    // The command's usage on stderr (with `why` above it when given); returns ExitStatus::Usage.
    int usageError(const QString& why = {});
    // Loads the season file; false when it is missing or damaged (its message is on stderr), in
    // which case the command returns ExitStatus::Refused.
    bool loadSeason();
};

// One command: its name, its arguments as the usage shows them, what it does, how many
// arguments it takes, and the function that runs it (returning the exit status).
struct CliCommand {
    const char* name;
    const char* arguments;
    const char* description;
    int minArgs;
    int maxArgs;
    int (*run)(CliContext&);
};

// Every command, in the order the usage lists them.
const std::vector<CliCommand>& cliCommands();
const CliCommand* findCliCommand(const QString& name);
// The whole usage text, one entry per line.
QStringList cliUsage();

// The commands, one file each: cmd_<name>.cpp.
int runCheck(CliContext& context);
int runReport(CliContext& context);
int runEnter(CliContext& context);
int runTickets(CliContext& context);
int runLetter(CliContext& context);
int runStandings(CliContext& context);
int runSummary(CliContext& context);
int runEstimate(CliContext& context);
int runFront(CliContext& context);
int runFiles(CliContext& context);
int runWeb(CliContext& context);
int runMailText(CliContext& context);
int runBackups(CliContext& context);
int runSales(CliContext& context);
int runWinners(CliContext& context);
int runPayout(CliContext& context);
int runSellers(CliContext& context);
int runLetters(CliContext& context);
