// backups list | restore NAME [--yes]: the backups of Files/Backups, newest first, and bringing
// one back over the season in use (answered No without --yes).
#include "CliDialogs.h"
#include "Commands.h"

#include "files/BackupRestore.h"
#include "season/Session.h"

int runBackups(CliContext& context)
{
    QStringList args = context.args;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    Session& session = context.session;
    if (args == QStringList{QStringLiteral("list")}) {
        for (const BackupEntry& entry : listBackups(session.filesFolder()))
            context.printLines({backupLine(entry)});
        return ExitStatus::Ok;
    }
    if (args.size() != 2 || args[0] != QLatin1String("restore"))
        return context.usageError(QStringLiteral("backups takes list or restore NAME"));
    ConfirmingDialogs dialogs(context.dialogs, yes);
    session.services.dialogs = &dialogs;
    const FileOutcome outcome = restoreBackup(session, args[1]);
    if (outcome.result == FileResult::Declined)
        context.err << "kickpool-cli: nothing was changed; give --yes to answer Yes\n";
    return outcome.result == FileResult::Done ? ExitStatus::Ok : ExitStatus::Refused;
}
