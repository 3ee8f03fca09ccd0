#pragma once

#include "print/PrintJob.h"
#include "season/Season.h"

#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>

class Session;
struct Award;

// The columns of the annual summary.
enum SummaryColumn { RandomColumn = 1, HighColumn = 2, SecondHighColumn = 3, LowColumn = 4 };

// The money of one row of the annual summary. Amounts are held in half cents: a combined high
// and second-high prize goes half to each column, and its halves must add up exactly.
struct CategorySums {
    std::array<qint64, 5> halfCents{};  // by SummaryColumn; element 0 unused
    qint64 totalHalfCents = 0;

    CategorySums& operator+=(const CategorySums& other);
    bool operator==(const CategorySums&) const = default;
};

// Adds one award to a row: its amount goes to the row's total and to the column of the prize
// (the highs to High, the second high to 2nd High, the lows to Low, the combined money half to
// High and half to 2nd High). An unsold ticket's award is not paid and adds nothing.
void SumWinnings(CategorySums& sums, Prize prize, qint64 cents, bool unsold);
void SumWinnings(CategorySums& sums, const Award& award);

// The grand prizes of the season, as the weekly report of the last regular week pays them.
CategorySums SummaryGrandPrize(const Season& season);

// What week `week` paid, from the same calculation as its weekly report (`draws` is the
// season's draw list).
CategorySums weekSums(const Season& season, int week, const QVector<int>& draws);

// The season's money: every week's row, the subtotals, the grand prizes, payout, sales, profit.
struct AnnualSummary {
    QVector<CategorySums> weeks;  // index = week (element 0 unused)
    CategorySums regular;         // sums of the regular weeks
    CategorySums playoffs;        // sums of the playoff weeks
    CategorySums grandPrize;
    qint64 payoutCents = 0;
    qint64 salesCents = 0;
    qint64 profitCents = 0;
    int profitPercent = 0;  // of the sales, halves to even; 0 without sales
};

AnnualSummary Summary(const Season& season);

// The annual summary as the main screen's list shows it.
QStringList summaryLines(const Session& session);

// The printed summary: one job, the given lines under the season title.
QVector<PrintJob> summaryJobs(const Session& session, const QStringList& lines);
QVector<PrintJob> summaryJobs(const Session& session);
