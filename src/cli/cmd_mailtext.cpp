// mailtext [WEEK]: the winners of the latest scored week (or of WEEK) as a plain text for an
// e-mail, as "Copy as E-mail Text" copies it.
#include "Commands.h"

#include "season/Season.h"
#include "season/Session.h"
#include "web/PublishedResults.h"

int runMailText(CliContext& context)
{
    if (!context.loadSeason())
        return ExitStatus::Refused;
    Session& session = context.session;
    if (session.season.ScoredWeeks == 0)
        return context.refuse({MessageId::NoWeekToPublish, {}});
    const int week = publishedWeekNumber(session, context.args.value(0));
    if (week == 0)
        return context.refuse({MessageId::PublishWeekAgain, {QString::number(session.season.ScoredWeeks)}});
    context.printLines(mailTextLines(publishedSeason(session, week)));
    return ExitStatus::Ok;
}
