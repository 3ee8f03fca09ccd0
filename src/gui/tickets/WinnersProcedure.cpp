// "Calculate Winners": the week number in Text2, the scores through the input dialog, then the
// week's report in the list and, with the printer box ticked, on paper; after the last week of
// the season the annual summary follows.
#include "main/MainScreen.h"

#include "reports/Summary.h"
#include "season/SeasonFile.h"
#include "season/Services.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyReport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

void printJobs(Session& session, const QVector<PrintJob>& jobs)
{
    if (Printer* printer = session.services.printer) {
        for (const PrintJob& job : jobs)
            printer->print(job);
    }
}

}  // namespace

void MainScreen::Winners()
{
    LoadSeason(session_);
    const Season& season = session_.season;

    for (int n : {1, 3}) {
        text_[n]->clear();
        text_[n]->hide();
        label_[n]->hide();
    }

    if (text_[2]->text().isEmpty()) {
        text_[2]->show();
        text_[2]->setFocus();
        label_[2]->setText(QStringLiteral("Week #"));
        label_[2]->show();
        addLines(weekPromptLines(season));
        session_.playCue(session_.QuestionSound);
        return;
    }

    const int week = typedWeekNumber(text_[2]->text());
    session_.WeekNo = week;
    if (weekRefusal(season, week) == ScoreMessage::WeekOutOfRange) {
        text_[2]->clear();
        text_[2]->setFocus();
        session_.message(ScoreMessage::WeekOutOfRange);
        cmdRun_Click();
        return;
    }

    ScoreTexts texts;
    switch (enterWeekScores(session_, week, texts)) {
    case EntryOutcome::Refused:
        text_[2]->clear();
        return;
    case EntryOutcome::Cancelled:
        text_[2]->clear();
        list_->clear();
        return;
    case EntryOutcome::Entered:
    case EntryOutcome::Stored:
        break;
    }

    const QStringList report = weeklyReportLines(session_, week, texts);
    addLines(report);
    const bool printing = printerTicked();
    if (printing)
        printJobs(session_, weeklyReportJobs(session_, report));

    if (week == season.TotalWeeks) {
        // Printed, the summary is printed on its own: the list then shows it alone.
        if (printing)
            list_->clear();
        const QStringList summary = summaryLines(session_);
        addLines(summary);
        if (printing)
            printJobs(session_, summaryJobs(session_, summary));
    }
    text_[2]->clear();
}
