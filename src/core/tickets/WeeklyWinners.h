#pragma once

#include "season/Season.h"
#include "tickets/TicketPairs.h"

#include <QVector>
#include <QtGlobal>

// One playing pair of the week, in the order of the ranking.
struct RankedEntry {
    TeamPair pair;
    int total = 0;
    int ticket = 0;
    bool operator==(const RankedEntry&) const = default;
};

// One award: the prize's amount divided by the share divisor, in cents (halves to even). An
// unsold ticket's award is listed but not paid. Weekly prizes are the regular high, second high,
// combined and low, and the playoff high and low.
struct Award {
    Prize prize = Prize::RegularHigh;
    int ticket = 0;
    int divisor = 1;
    qint64 cents = 0;
    bool unsold = false;
    bool operator==(const Award&) const = default;
};

// A prize group with one heading: a tie group or a single winner.
struct AwardGroup {
    Prize prize = Prize::RegularHigh;
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
    QVector<int> randomTickets;     // this week's random winners, each paid the random prize
    QVector<AwardGroup> groups;     // low group (bottom up), second high, high, in report order
    bool noWinners() const { return ranked.isEmpty(); }
};

// The playing pairs of a stored week, highest total first, equal totals in pair-number order,
// each with its ticket; unsold tickets left out under "Use Next Closest Sold Ticket".
QVector<RankedEntry> rankedList(const Season& season, int week);

// The season's random draw list (reset, then seeded with Seed): random winners per week x
// TotalWeeks x 3 tickets, unsold tickets drawn again, repeats moved to the end. Empty when there are no random
// winners or when every ticket is unsold.
QVector<int> drawList(const Season& season);

// The random winners of a week taken from the draw list: the random winners per week of a
// regular week, none in playoff weeks.
QVector<int> randomWinnersOfWeek(const Season& season, int week, const QVector<int>& draws);

// The prize groups of a ranked list in report order (low from the bottom up, second high, high),
// with the tie, split and unsold rules of the season's prize structure.
QVector<AwardGroup> prizeGroups(const Season& season, bool regularWeek, const QVector<RankedEntry>& ranked);

// The winners of a stored week, from the season's scores and prize settings.
WeekWinners calculateWeek(const Season& season, int week, const QVector<int>& draws);
WeekWinners calculateWeek(const Season& season, int week);
