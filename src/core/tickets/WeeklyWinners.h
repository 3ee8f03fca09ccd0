#pragma once

#include "tickets/TicketPairs.h"

#include <QVector>
#include <QtGlobal>

struct Season;

// The prize categories of the weekly winners, numbered as their amounts in PrizeValue.
enum class PrizeCategory {
    RegularHigh = 1,
    RegularSecondHigh = 2,
    RegularCombined = 3,  // high and second high together, split among a tie for the top
    RegularLow = 4,
    PlayoffHigh = 9,
    PlayoffLow = 11,
};

// One playing pair of the week, in the order of the ranking.
struct RankedEntry {
    TeamPair pair;
    int total = 0;
    int ticket = 0;
    bool operator==(const RankedEntry&) const = default;
};

// One award: the category's amount divided by the share divisor, in cents (halves to even).
// An unsold ticket's award is listed but not paid.
struct Award {
    PrizeCategory category = PrizeCategory::RegularHigh;
    int ticket = 0;
    int divisor = 1;
    qint64 cents = 0;
    bool unsold = false;
    bool operator==(const Award&) const = default;
};

// A prize group with one heading: a tie group or a single winner.
struct AwardGroup {
    PrizeCategory category = PrizeCategory::RegularHigh;
    bool split = false;  // ties split the prize (the heading says "split")
    QVector<Award> awards;
    bool operator==(const AwardGroup&) const = default;
};

// Everything the weekly report and the annual summary need of one week. Nothing is stored:
// the week is computed again from the scores whenever it is needed.
struct WeekWinners {
    int week = 0;
    bool regular = true;
    QVector<RankedEntry> ranked;    // after unsold removal under "Use Next Closest Sold Ticket"
    QVector<int> randomTickets;     // this week's random winners, each paid PrizeValue(6)
    QVector<AwardGroup> groups;     // low group (bottom up), second high, high, in report order
    bool noWinners() const { return ranked.isEmpty(); }
};

// The amount of a prize category in whole units. The combined category is the high plus the
// second-high amount; the season's prize values are never changed to reckon it.
qint64 prizeAmount(const Season& season, PrizeCategory category);

// The playing pairs of a stored week, highest total first, equal totals in pair-number order,
// each with its ticket; unsold tickets left out under "Use Next Closest Sold Ticket".
QVector<RankedEntry> rankedList(const Season& season, int week);

// The season's random draw list (reset, then seeded with Seed): PrizeValue(12) x TotalWeeks x 3
// tickets, unsold tickets drawn again, repeats moved to the end. Empty when there are no random
// winners or when every ticket is unsold.
QVector<int> drawList(const Season& season);

// The random winners of a week taken from the draw list: PrizeValue(12) entries per regular
// week, none in playoff weeks.
QVector<int> randomWinnersOfWeek(const Season& season, int week, const QVector<int>& draws);

// The prize groups of a ranked list in report order (low from the bottom up, second high, high),
// with the tie, split and unsold rules of the season's prize structure.
QVector<AwardGroup> prizeGroups(const Season& season, bool regularWeek, const QVector<RankedEntry>& ranked);

// The winners of a stored week, from the season's scores and prize settings.
WeekWinners calculateWeek(const Season& season, int week, const QVector<int>& draws);
WeekWinners calculateWeek(const Season& season, int week);
