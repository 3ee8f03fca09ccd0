#include "tickets/WeeklyWinners.h"

#include "season/Numbers.h"
#include "season/RandomGenerator.h"
#include "season/Season.h"
#include "season/UnsoldTickets.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace {

// One prize group: the awards of the given entries of the ranked list, in the order given.
AwardGroup prizeGroup(const Season& season, const UnsoldTickets& unsold, const QVector<RankedEntry>& ranked,
                      Prize prize, bool split, const QVector<int>& entries, int divisor)
{
    AwardGroup group;
    group.prize = prize;
    group.split = split;
    const qint64 amount = season.prizeAmount(prize);
    for (int index : entries) {
        Award award;
        award.prize = prize;
        award.ticket = ranked[index].ticket;
        award.divisor = divisor;
        award.cents = shareCents(amount, divisor);
        award.unsold = season.UnsoldCount != 0 && unsold.isUnsold(award.ticket);
        group.awards.append(award);
    }
    return group;
}

QVector<int> indexes(int from, int to, bool downwards = false)
{
    QVector<int> out;
    if (downwards) {
        for (int n = to; n >= from; --n)
            out.append(n);
    } else {
        for (int n = from; n <= to; ++n)
            out.append(n);
    }
    return out;
}

}  // namespace

QVector<RankedEntry> rankedList(const Season& season, int week)
{
    QVector<RankedEntry> ranked;
    const int teams = season.TeamCount;
    if (week < 1 || week > MaxScoredWeeks || ticketCountFor(teams) == 0)
        return ranked;

    // Pair-number order is the lexicographic order of (first, second).
    for (int a = 1; a < teams; ++a) {
        for (int b = a + 1; b <= teams; ++b) {
            const TeamPair pair{a, b};
            if (isPlayingPair(season, pair, week))
                ranked.append({pair, pairTotal(season, pair, week), 0});
        }
    }
    // Equal totals keep pair-number order.
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const RankedEntry& x, const RankedEntry& y) { return x.total > y.total; });

    for (RankedEntry& entry : ranked)
        entry.ticket = ticketOfPair(teams, entry.pair.first, entry.pair.second, week);

    if (season.unsoldWinnerPassesOn() && season.UnsoldCount != 0)
        UnsoldTickets(season).removeUnsold(ranked, [](const RankedEntry& e) { return e.ticket; });
    return ranked;
}

QVector<int> drawList(const Season& season)
{
    QVector<int> draws;
    const int perWeek = season.randomWinnersPerWeek();
    const int tickets = ticketCountFor(season.TeamCount);
    const int weeks = season.RegularWeeks + season.PlayoffWeeks;
    if (perWeek <= 0 || tickets == 0 || weeks <= 0)
        return draws;

    // Whether each ticket is unsold, looked up once: with few tickets sold the draw is repeated
    // hundreds of times for every winner.
    const UnsoldTickets unsold(season);
    std::vector<bool> unsoldTicket(tickets + 1);
    bool anySold = false;
    for (int t = 1; t <= tickets; ++t) {
        unsoldTicket[t] = unsold.isUnsold(t);
        anySold = anySold || !unsoldTicket[t];
    }
    // When no ticket was sold the redraw of unsold tickets could never end: no random winners.
    if (!anySold)
        return draws;

    RandomGenerator generator;
    generator.reset();
    generator.seed(season.Seed);
    const int count = perWeek * weeks * 3;
    std::deque<int> drawn;
    for (int n = 0; n < count; ++n) {
        int ticket = static_cast<int>(std::floor(tickets * generator.next())) + 1;
        while (unsoldTicket[ticket])
            ticket = static_cast<int>(std::floor(tickets * generator.next())) + 1;
        drawn.push_back(ticket);
    }

    // Repeats go to the end. After a move the entry that moved into position i is compared
    // only with the earlier positions not yet visited, exactly as the draw has always done. The
    // positions before i never change while i is visited, so they are kept apart from the
    // entries still to visit, which a move takes from the front and puts at the back.
    draws.reserve(count);
    draws.append(drawn.front());
    drawn.pop_front();
    while (!drawn.empty()) {
        const int visited = draws.size();
        for (int j = 0; j < visited; ++j) {
            if (draws[j] == drawn.front()) {
                drawn.push_back(drawn.front());
                drawn.pop_front();
            }
        }
        draws.append(drawn.front());
        drawn.pop_front();
    }
    return draws;
}

QVector<int> randomWinnersOfWeek(const Season& season, int week, const QVector<int>& draws)
{
    QVector<int> winners;
    const int perWeek = season.randomWinnersPerWeek();
    if (perWeek <= 0 || !season.isRegularWeek(week) || week < 1)
        return winners;
    const int first = (week - 1) * perWeek;
    for (int n = first; n < first + perWeek && n < draws.size(); ++n)
        winners.append(draws[n]);
    return winners;
}

QVector<AwardGroup> prizeGroups(const Season& season, bool regular, const QVector<RankedEntry>& ranked)
{
    QVector<AwardGroup> groups;
    const int count = ranked.size();
    if (count == 0)
        return groups;

    const UnsoldTickets unsold(season);
    const bool split = season.tiesSplitPrize();
    const auto totalAt = [&](int index) { return ranked[index].total; };
    const auto add = [&](Prize prize, const QVector<int>& entries, int divisor) {
        groups.append(prizeGroup(season, unsold, ranked, prize, split, entries, divisor));
    };

    // Low prize: the last entry and every entry directly above it with the same total, paid
    // from the bottom up.
    if (count > 1) {
        int lowStart = count - 1;
        while (lowStart > 0 && totalAt(lowStart - 1) == totalAt(count - 1))
            --lowStart;
        const int lowSize = count - lowStart;
        const Prize low = regular ? Prize::RegularLow : Prize::PlayoffLow;
        if (season.prizeOn(low))
            add(low, indexes(lowStart, count - 1, true), split ? lowSize : 1);
    }

    // Tie groups at the top: `top` entries share the highest total, the `second` entries after
    // them the next one.
    int top = 1;
    while (top < count && totalAt(top) == totalAt(0))
        ++top;
    int second = 0;
    while (top + second < count && totalAt(top + second) == totalAt(top))
        ++second;

    // Second high: only when a single ticket holds the top.
    if (regular && season.prizeOn(Prize::RegularSecondHigh) && top == 1 && second > 0)
        add(Prize::RegularSecondHigh, indexes(1, second), split ? second : 1);

    // High. A tie for the top splits the high and second-high money together; paid in full, each
    // tied ticket wins the high prize and the second high is not paid.
    if (regular && season.prizeOn(Prize::RegularHigh)) {
        if (top > 1 && season.prizeOn(Prize::RegularSecondHigh) && split)
            add(Prize::RegularCombined, indexes(0, top - 1), top);
        else
            add(Prize::RegularHigh, indexes(0, top - 1), split ? top : 1);
    } else if (!regular && season.prizeOn(Prize::PlayoffHigh)) {
        add(Prize::PlayoffHigh, indexes(0, top - 1), split ? top : 1);
    }
    return groups;
}

WeekWinners calculateWeek(const Season& season, int week, const QVector<int>& draws)
{
    WeekWinners result;
    result.week = week;
    result.regular = season.isRegularWeek(week);
    result.ranked = rankedList(season, week);
    result.randomTickets = randomWinnersOfWeek(season, week, draws);
    result.groups = prizeGroups(season, result.regular, result.ranked);
    return result;
}

WeekWinners calculateWeek(const Season& season, int week)
{
    return calculateWeek(season, week, drawList(season));
}
