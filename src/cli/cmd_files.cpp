// files list | save NAME | restore NAME | rename NAME NEW | delete NAME [--yes]: the data files
// screen from a script. The refusals are the screen's; where the screen asks to confirm
// (overwrite, restore, delete), the command answers No, and so refuses, unless --yes is given.
#include "CliDialogs.h"
#include "Commands.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "season/HomeLock.h"
#include "season/Session.h"

int runFiles(CliContext& context)
{
    QStringList args = context.args;
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    Session& session = context.session;
    const QStringList stored = storedSeasons(session.filesFolder());

    if (action == QLatin1String("list") && args.isEmpty()) {
        context.printLines(stored);
        return ExitStatus::Ok;
    }
    // A stored file by its name as listed, or without its ".txt".
    auto storedName = [&stored](const QString& name) {
        return stored.contains(name) ? name : name + QStringLiteral(".txt");
    };
    const WriteAccess access(session);
    if (!access)
        return ExitStatus::Refused;
    ConfirmingDialogs dialogs(context.dialogs, yes);
    session.services.dialogs = &dialogs;
    FileOutcome outcome;
    if (action == QLatin1String("save") && args.size() == 1)
        outcome = saveFile(session, args[0]);
    else if (action == QLatin1String("restore") && args.size() == 1)
        outcome = restoreFile(session, storedName(args[0]));
    else if (action == QLatin1String("delete") && args.size() == 1)
        outcome = deleteFile(session, storedName(args[0]));
    else if (action == QLatin1String("rename") && args.size() == 2)
        outcome = renameFile(session, storedName(args[0]), args[1]);
    else
        return context.usageError(QStringLiteral("files takes list, save NAME, restore NAME, rename NAME NEW or delete NAME"));

    if (outcome.result == FileResult::Declined)
        context.err << "kickpool-cli: nothing was changed; give --yes to answer Yes\n";
    return outcome.result == FileResult::Done ? ExitStatus::Ok : ExitStatus::Refused;
}
