// letter: the letter to winners; with --pdf one printed copy.
#include "Commands.h"

#include "reports/Letter.h"
#include "season/Services.h"
#include "season/Session.h"

int runLetter(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    const Session& session = context.session;
    context.printLines(letterLines(session));
    context.print({letterJob(session)});
    return ExitStatus::Ok;
}
