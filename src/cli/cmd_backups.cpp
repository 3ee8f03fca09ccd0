// backups list | restore NAME [--yes]: the backups of Files/Backups, newest first, and bringing
// one back over the season in use (answered No without --yes).
#include "CliDialogs.h"
#include "Commands.h"

#include "dialogs/MessageCatalogue.h"
#include "files/BackupRestore.h"
#include "season/Session.h"

namespace {

class YesDialogs final : public Dialogs {
public:
    YesDialogs(CliDialogs& shown, bool yes) : shown_(shown), yes_(yes) {}
    Answer showMessage(Session& session, const MessageEntry& entry) override
    {
        if (entry.paired && yes_)
            return Answer::Yes;
        if (entry.paired)
            shown_.answers.answerMessage(Answer::No);
        return shown_.showMessage(session, entry);
    }
    InputReply showInput(Session& session, const InputEntry& entry) override { return shown_.showInput(session, entry); }

private:
    CliDialogs& shown_;
    bool yes_;
};

}  // namespace

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
    YesDialogs dialogs(context.dialogs, yes);
    session.services.dialogs = &dialogs;
    const FileOutcome outcome = restoreBackup(session, args[1]);
    if (outcome.result == FileResult::Declined)
        context.err << "kickpool-cli: nothing was changed; give --yes to answer Yes\n";
    return outcome.result == FileResult::Done ? ExitStatus::Ok : ExitStatus::Refused;
}
