#pragma once

#include "print/PrintJob.h"
#include "tickets/ScoreEntry.h"
#include "tickets/WeeklyWinners.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Session;

// The heading above the winners section, under whose columns the fill-in lines are written.
QString winnersHeading();

// "   Week #  9     Ending: Nov 18      Seed =  1234       November 20, 2024"
QString weekLine(const Session& session, int week);

// The team score table: two heading lines and the teams in three columns, top to bottom.
QStringList teamScoreTable(const Season& season, const ScoreTexts& texts);

// The ranked pairs: three heading lines and one row per shown entry (all of them when there are
// fewer than 15, otherwise the first seven and the last seven).
QStringList rankedPairLines(const Season& season, int week, const QVector<RankedEntry>& ranked);

// The heading of a prize group (its text, the blanks and the marks).
QString groupHeading(const AwardGroup& group);

// The winners section: "There are no weekly winners" when no pair played, the random winners,
// then each group's heading and awards, every line followed by the fill-in line.
QStringList winnersSectionLines(const Season& season, const WeekWinners& winners);

// The whole report of a week with the given score texts, as the list shows it; in the last
// regular week the grand prize closes it.
QStringList weeklyReportLines(const Session& session, int week, const ScoreTexts& texts);
// The report of a stored week reported again (score texts from the stored scores).
QStringList weeklyReportLines(const Session& session, int week);

// The printout of a report: one job when it has at most 52 lines, otherwise the lines before the
// winners heading in the first job and the week line, the winners heading and the rest in the
// second, each job under the season title.
QVector<PrintJob> weeklyReportJobs(const Session& session, const QStringList& reportLines);
