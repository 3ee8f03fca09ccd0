// web DIR [--week N] [--names]: writes the results web site into DIR, as "Results Web Page..."
// does; the lines list the files written.
#include "Commands.h"

#include "season/Season.h"
#include "season/Session.h"
#include "web/PublishedResults.h"
#include "web/ResultsSite.h"

int runWeb(CliContext& context)
{
    QStringList args = context.args;
    const bool names = args.removeAll(QStringLiteral("--names")) > 0;
    QString typedWeek;
    const int weekOption = args.indexOf(QStringLiteral("--week"));
    if (weekOption >= 0) {
        if (weekOption + 1 >= args.size())
            return context.usageError(QStringLiteral("--week needs a week number"));
        typedWeek = args.takeAt(weekOption + 1);
        args.removeAt(weekOption);
    }
    if (args.size() != 1 || args.first().startsWith(QStringLiteral("--")))
        return context.usageError(QStringLiteral("give the folder to write the pages into"));
    if (!context.loadSeason())
        return ExitStatus::Refused;

    Session& session = context.session;
    const int week = publishedWeekNumber(session, typedWeek);
    if (!typedWeek.isEmpty() && week == 0)
        return context.refuse({MessageId::PublishWeekAgain, {QString::number(session.season.ScoredWeeks)}});
    const BuyerName buyers = names ? buyerNamesOf(session) : BuyerName{};
    if (names && !buyers)
        return context.usageError(QStringLiteral("--names needs the ticket sales register, which cannot be read"));

    const QVector<SiteFile> files = resultsSite(publishedSeason(session, week, buyers));
    const SiteWriting writing = writeResultsSite(args.first(), files);
    if (!writing.written)
        return context.refuse({MessageId::ResultsPageNotWritten, {writing.failedFile, writing.why}});
    context.printLines(siteWrittenLines(args.first(), files, writing));
    return ExitStatus::Ok;
}
