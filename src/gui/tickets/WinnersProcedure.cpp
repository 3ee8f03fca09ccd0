// "Calculate Winners": the week number in Text2, the scores through the input dialog, then the
// week's report in the list and, with the printer box ticked, on paper; after the last week of
// the season the annual summary follows.
#include "main/SelectionHost.h"

#include "reports/Summary.h"
#include "season/SeasonFile.h"
#include "season/Services.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyReport.h"

namespace {

void printJobs(Session& session, const QVector<PrintJob>& jobs)
{
    if (Printer* printer = session.services.printer) {
        for (const PrintJob& job : jobs)
            printer->print(job);
    }
}

}  // namespace

void Winners(SelectionHost& host)
{
    Session& session = host.session();
    LoadSeason(session);
    const Season& season = session.season;

    host.hidePrompt(1);
    host.hidePrompt(3);

    if (host.promptText(2).isEmpty()) {
        host.askPrompt(2, QStringLiteral("Week #"));
        host.addLines(weekPromptLines(season));
        session.playCue(session.QuestionSound);
        return;
    }

    const int week = typedWeekNumber(host.promptText(2));
    const std::optional<Refusal> refusal = weekRefusal(season, week);
    if (refusal && refusal->id == MessageId::EnterWeekAgain) {
        host.emptyPrompt(2);
        host.focusPrompt(2);
        session.message(refusal->id, refusal->arguments);
        host.runAgain();
        return;
    }

    ScoreTexts texts;
    switch (enterWeekScores(session, week, texts)) {
    case EntryOutcome::Refused:
        host.emptyPrompt(2);
        return;
    case EntryOutcome::Cancelled:
        host.emptyPrompt(2);
        host.clearList();
        return;
    case EntryOutcome::Entered:
    case EntryOutcome::Stored:
        break;
    }

    const QStringList report = weeklyReportLines(session, week, texts);
    host.addLines(report);
    const bool printing = host.printerTicked();
    if (printing)
        printJobs(session, weeklyReportJobs(session, report));

    if (week == season.TotalWeeks) {
        // Printed, the summary is printed on its own: the list then shows it alone.
        if (printing)
            host.clearList();
        const QStringList summary = summaryLines(session);
        host.addLines(summary);
        if (printing)
            printJobs(session, summaryJobs(session, summary));
    }
    host.emptyPrompt(2);
}
