#pragma once

#include "print/PrintJob.h"
#include "season/Season.h"

#include <QStringList>
#include <QVector>
#include <QtGlobal>

class Session;
struct TeamPair;

// What a pair adds to its ticket's value in a week. Unlike the weekly prizes, a bye does not
// drop the pair: both teams played gives the sum, one bye gives the other team's score, two
// byes give 0.
int grandPrizePairPoints(const Season& season, const TeamPair& pair, int week);

// The value of every ticket summed over weeks 1..weeks; index = ticket (element 0 unused).
QVector<int> ticketValues(const Season& season, int weeks);

struct TicketStanding {
    int ticket = 0;
    int value = 0;
    bool operator==(const TicketStanding&) const = default;
};

// The season ranking over weeks 1..weeks: highest value first, equal values in ascending ticket
// order. Under "Use Next Closest Sold Ticket" (with unsold sequences) the unsold tickets are
// removed; otherwise every ticket stays.
QVector<TicketStanding> seasonRanking(const Season& season, int weeks);

// One grand prize and its winners: the top or bottom tie group of the ranking.
struct GrandPrizeGroup {
    Prize prize = Prize::GrandHigh;  // GrandHigh or GrandLow
    bool split = false;             // ties split the prize money
    int divisor = 1;                // group size when split, otherwise 1
    QVector<int> tickets;           // in report order: low from the bottom up, high from the top down
    qint64 cents = 0;               // what each ticket is awarded
    bool operator==(const GrandPrizeGroup&) const = default;
};

// The grand prizes of the season (values over all regular weeks): the low group, then the high
// group, each only when its prize is switched on and the ranking is not empty.
QVector<GrandPrizeGroup> grandPrizeGroups(const Season& season);

// The grand prize section that closes the weekly report of the last regular week: for each group
// its heading, the fill-in line and one award per ticket.
QStringList GrandPrizeLines(const Session& session);

// The standings of the "Grand Prize" selection: every ticket's position and value so far
// (weeks 1..min(ScoredWeeks, RegularWeeks)), by position and by ticket number, as the main
// screen's list shows them (one page heading before each listing).
QStringList grandPrizePreviewLines(const Session& session);

// The printed standings: one job, a page heading every 57 rows, the listing by ticket number
// starting on a new page.
PrintJob grandPrizePreviewJob(const Session& session);
