// kickpool-cli: the headless companion. Runs one command on the season in the home folder and
// writes the lines the screen's list would show to stdout.
#include "CliDialogs.h"
#include "Commands.h"
#include "JobRenderer.h"
#include "print/PdfTarget.h"
#include "print/RecordingPrinter.h"
#include "season/HomeFolder.h"
#include "season/Services.h"
#include "season/Session.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct Options {
    QString home;
    QString today;
    QString pdf;
    QString command;
    QStringList args;
    QString error;  // why the command line cannot be used
    bool help = false;
    bool version = false;
};

Options parseOptions(const QStringList& arguments)
{
    Options options;
    int n = 1;
    for (; n < arguments.size(); ++n) {
        const QString& arg = arguments[n];
        if (!arg.startsWith(QLatin1String("--")))
            break;
        if (arg == QLatin1String("--help")) {
            options.help = true;
            return options;
        }
        if (arg == QLatin1String("--version")) {
            options.version = true;
            return options;
        }
        QString name = arg;
        QString value;
        const int equals = arg.indexOf(QLatin1Char('='));
        if (equals > 0) {
            name = arg.left(equals);
            value = arg.mid(equals + 1);
        } else if (n + 1 < arguments.size()) {
            value = arguments[++n];
        } else {
            options.error = arg + QStringLiteral(" needs a value");
            return options;
        }
        // An empty value would silently mean something else (another home, today, no PDF).
        if (value.isEmpty() && (name == QLatin1String("--home") || name == QLatin1String("--today") || name == QLatin1String("--pdf"))) {
            options.error = name + QStringLiteral(" needs a value that is not empty");
            return options;
        }
        if (name == QLatin1String("--home"))
            options.home = value;
        else if (name == QLatin1String("--today"))
            options.today = value;
        else if (name == QLatin1String("--pdf"))
            options.pdf = value;
        else {
            options.error = QStringLiteral("unknown option ") + name;
            return options;
        }
    }
    if (n >= arguments.size()) {
        options.error = QStringLiteral("no command given");
        return options;
    }
    options.command = arguments[n];
    options.args = arguments.mid(n + 1);
    // --pdf FILE may also follow the command ("letters --pdf letters.pdf").
    const qsizetype pdf = options.args.indexOf(QStringLiteral("--pdf"));
    if (pdf >= 0 && pdf + 1 < options.args.size()) {
        options.pdf = options.args[pdf + 1];
        options.args.remove(pdf, 2);
    }
    return options;
}

bool wantsPdf(int argc, char** argv)
{
    for (int n = 1; n < argc; ++n) {
        if (std::strncmp(argv[n], "--pdf", 5) == 0)
            return true;
    }
    return false;
}

QString argumentCount(const CliCommand& command)
{
    if (command.maxArgs == 0)
        return QStringLiteral("no arguments");
    if (command.minArgs == command.maxArgs)
        return command.minArgs == 1 ? QStringLiteral("one argument") : QStringLiteral("%1 arguments").arg(command.minArgs);
    return QStringLiteral("%1 to %2 arguments").arg(command.minArgs).arg(command.maxArgs);
}

// Without a runtime folder the GUI side of Qt warns on stderr, which holds only the program's
// own messages; give it a private one, as a desktop session would.
void providePrivateRuntimeFolder()
{
#ifdef Q_OS_UNIX
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + QStringLiteral("/kickpool-runtime-%1").arg(getuid());
    if (!QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#endif
}

}  // namespace

int main(int argc, char** argv)
{
    setProgramIdentity();
    // Drawing a PDF needs the GUI application; with no display it draws offscreen. Windows
    // always has its own platform, and there the offscreen one would find no fonts.
    std::unique_ptr<QCoreApplication> app;
    if (wantsPdf(argc, argv)) {
#ifndef Q_OS_WIN
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        providePrivateRuntimeFolder();
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

#ifdef Q_OS_WIN
    // Lines end in a line feed on every system, so output compares and pipes the same.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    const Options options = parseOptions(QCoreApplication::arguments());
    if (options.help) {
        for (const QString& line : cliUsage())
            out << line << '\n';
        return ExitStatus::Ok;
    }
    if (options.version) {
        out << versionLine() << '\n';
        return ExitStatus::Ok;
    }
    const CliCommand* command = options.error.isEmpty() ? findCliCommand(options.command) : nullptr;
    if (!command) {
        err << "kickpool-cli: "
            << (options.error.isEmpty() ? QStringLiteral("unknown command ") + options.command : options.error)
            << '\n';
        for (const QString& line : cliUsage())
            err << line << '\n';
        return ExitStatus::Usage;
    }

    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    if (!options.today.isEmpty()) {
        // Exactly YYYY-MM-DD: no time, no blanks.
        static const QRegularExpression dayPattern(QRegularExpression::anchoredPattern(QStringLiteral("\\d{4}-\\d{2}-\\d{2}")));
        const QDate today = QDate::fromString(options.today, QStringLiteral("yyyy-MM-dd"));
        if (!dayPattern.match(options.today).hasMatch() || !today.isValid()) {
            err << "kickpool-cli: --today needs a date such as 2026-09-07\n";
            return ExitStatus::Usage;
        }
        clock = std::make_unique<FixedClock>(today);
    }

    const HomeFolder homeFolder = findHomeFolder(options.home);
    if (!homeFolder.problem.isEmpty())
        err << "kickpool-cli: " << homeFolder.problem << '\n';
    const QString& home = homeFolder.path;
    if (!options.pdf.isEmpty()) {
        if (const QString problem = pdfTargetProblem(home, options.pdf); !problem.isEmpty()) {
            err << "kickpool-cli: --pdf: " << problem << "; nothing was done\n";
            return ExitStatus::Usage;
        }
    }
    CliDialogs dialogs(err);
    RecordingPrinter printer;
    Services services{&dialogs, clock.get(), nullptr, options.pdf.isEmpty() ? nullptr : &printer};
    Session session(home, services);

    CliContext context{session, *command, options.args, options.pdf, out, err, dialogs, printer};
    int status = ExitStatus::Ok;
    if (options.args.size() < command->minArgs || options.args.size() > command->maxArgs)
        status = context.usageError(QStringLiteral("%1 takes %2").arg(QLatin1String(command->name), argumentCount(*command)));
    else
        status = command->run(context);
    out.flush();

    if (status == ExitStatus::Ok && !options.pdf.isEmpty() && !printer.jobs.isEmpty()) {
        QString error;
        if (!writePdf(printer.jobs, options.pdf, &error)) {
            err << "kickpool-cli: the PDF " << QDir::toNativeSeparators(QFileInfo(options.pdf).absoluteFilePath())
                << " was not written: " << error << '\n';
            status = ExitStatus::Failed;
        }
    }
    err.flush();
    return status;
}
