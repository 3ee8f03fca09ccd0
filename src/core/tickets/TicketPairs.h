#pragma once

// The team pair of every ticket in every week. There is one ticket for every distinct pair of
// teams; pairs are numbered in lexicographic order (1,2), (1,3), ..., (n-1,n), and each week the
// assignment shifts by the number of teams. Teams are numbered from 1; weeks from 1.

struct TeamPair {
    int first = 0;   // the lower team number
    int second = 0;  // the higher team number
    bool operator==(const TeamPair&) const = default;
};

// Number of the pair (a, b) in the pair list; the teams may come in either order.
int pairNumber(int teamCount, int a, int b);
// The two teams of pair number k.
TeamPair pairOfNumber(int teamCount, int k);
// Pair number held by ticket t in week w.
int pairNumberOfTicket(int teamCount, int ticket, int week);
// The two teams of ticket t in week w.
TeamPair pairOfTicket(int teamCount, int ticket, int week);
// The ticket that holds the pair (a, b) in week w; the teams may come in either order.
int ticketOfPair(int teamCount, int a, int b, int week);

struct Season;
// True when both teams have a score (no bye) in the stored week.
bool isPlayingPair(const Season& season, const TeamPair& pair, int week);
// Sum of the two teams' scores in the week (meaningful for a playing pair).
int pairTotal(const Season& season, const TeamPair& pair, int week);
