#pragma once

#include "print/PrintJob.h"
#include "tickets/ScoreEntry.h"

#include <QStringList>
#include <QVector>

class Session;

// Everything "Calculate Winners" and kickpool-cli produce for a week once its scores are known.
struct WeeklyOutput {
    QStringList report;      // the weekly report, closed by the grand prize in the last regular week
    QStringList summary;     // the annual summary after the last week of the season; otherwise empty
    QVector<PrintJob> jobs;  // the printout: the report's jobs, then the summary's
};

// The output of a week with the given score texts (as typed, or as stored when reported again).
WeeklyOutput weeklyOutput(const Session& session, int week, const ScoreTexts& texts);
