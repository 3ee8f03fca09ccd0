// "Calculate Winners": the week number in Text2, the scores through the input dialog, then the
// week's report in the list and, with the printer box ticked, on paper; after the last week of
// the season the annual summary follows.
#include "main/SelectionHost.h"

#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyDisplay.h"
#include "tickets/WeeklyOutput.h"

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

    showWeek(host, week, texts);
    host.emptyPrompt(2);
}

void showWeek(SelectionHost& host, int week, const ScoreTexts& texts)
{
    Session& session = host.session();
    const WeeklyOutput output = weeklyOutput(session, week, texts);
    const bool printing = host.printerTicked();
    host.addLines(output.report);
    if (!output.summary.isEmpty()) {
        // Printed, the summary is printed on its own: the list then shows it alone.
        if (printing)
            host.clearList();
        host.addLines(output.summary);
    }
    if (printing)
        printEvery(session.services.printer, output.jobs);
}
