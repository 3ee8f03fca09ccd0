#include "tickets/TicketPairs.h"

#include "season/Season.h"

#include <utility>

int pairNumber(int teamCount, int a, int b)
{
    if (a > b)
        std::swap(a, b);
    // Pairs that start with a lower team: (n-1) + (n-2) + ... + (n-(a-1)).
    const int before = (a - 1) * teamCount - (a - 1) * a / 2;
    return before + (b - a);
}

TeamPair pairOfNumber(int teamCount, int k)
{
    int first = 1;
    while (first < teamCount && k > teamCount - first) {
        k -= teamCount - first;
        ++first;
    }
    return {first, first + k};
}

int pairNumberOfTicket(int teamCount, int ticket, int week)
{
    const int tickets = ticketCountFor(teamCount);
    const long long shifted = static_cast<long long>(week - 1) * teamCount + ticket - 1;
    return static_cast<int>(shifted % tickets) + 1;
}

TeamPair pairOfTicket(int teamCount, int ticket, int week)
{
    return pairOfNumber(teamCount, pairNumberOfTicket(teamCount, ticket, week));
}

int ticketOfPair(int teamCount, int a, int b, int week)
{
    const int tickets = ticketCountFor(teamCount);
    const long long shift = static_cast<long long>(week - 1) * teamCount % tickets;
    long long t = pairNumber(teamCount, a, b) - shift;
    if (t <= 0)
        t += tickets;
    return static_cast<int>(t);
}

bool isPlayingPair(const Season& season, const TeamPair& pair, int week)
{
    return season.Score[week][pair.first] != Bye && season.Score[week][pair.second] != Bye;
}

int pairTotal(const Season& season, const TeamPair& pair, int week)
{
    return season.Score[week][pair.first] + season.Score[week][pair.second];
}
