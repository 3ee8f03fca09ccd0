#pragma once

#include <QString>
#include <array>

// Bounds of the season data. Arrays are 1-based: element 0 is never used.
constexpr int MaxRegularWeeks = 29;
constexpr int MaxPlayoffWeeks = 28;
constexpr int MaxTeams = 48;
constexpr int MaxUnsold = 48;
constexpr int MaxScoredWeeks = 29;
constexpr int PrizeOptionCount = 15;
constexpr int PrizeValueCount = 12;
constexpr int Bye = -1;  // score of a team that does not play that week

// All data of one fund-raising season: the stored values (in the order of the season file)
// and the values derived from them by computeDerived().
struct Season {
    // Stored values.
    std::array<QString, 5> FrontText;      // 1 organisation, 2 sport, 3 season and league, 4 info line
    std::array<QString, 5> ReturnAddress;  // 1 organisation, 2 and 3 address lines, 4 city/state/zip
    int TicketSize = 0;                    // 0..4
    int Seed = 0;                          // -32767..32767
    int TicketPrice = 0;                   // whole currency units, 1..100
    float Odds = 0.0f;                     // "1 in" Odds
    int RegularWeeks = 0;
    std::array<QString, MaxRegularWeeks + 1> RegularDate;
    int PlayoffWeeks = 0;
    std::array<QString, MaxPlayoffWeeks + 1> PlayoffDate;
    int TeamCount = 0;
    std::array<QString, MaxTeams + 1> TeamName;
    int UnsoldCount = 0;
    std::array<QString, MaxUnsold + 1> UnsoldSeq;  // "first,last"; empty = not in use
    std::array<int, PrizeOptionCount + 1> PrizeOption{};
    std::array<int, PrizeValueCount + 1> PrizeValue{};
    int ScoredWeeks = 0;
    int ScoreTeams = 0;
    // Score[w][0] = w; Score[w][t] = score of team t in week w, 0..999, or Bye.
    std::array<std::array<int, MaxTeams + 1>, MaxScoredWeeks + 1> Score{};

    // Derived values.
    int TicketCount = 0;
    int SoldCount = 0;
    int TotalWeeks = 0;
    int SavedTicketSize = 0;

    // Recomputes TicketCount, SoldCount and TotalWeeks from the stored values.
    void computeDerived();

    bool isRegularWeek(int week) const { return week <= RegularWeeks; }
    // Method for ties: tied tickets split the prize money (otherwise each is paid in full).
    bool tiesSplitPrize() const { return PrizeOption[13] == -1; }
    // Payment of an unsold winning ticket: the next closest sold ticket takes its place
    // (otherwise it is not paid).
    bool unsoldWinnerPassesOn() const { return PrizeOption[15] == -1; }
    // Date text of week 1..TotalWeeks: the regular dates, then the playoff dates.
    QString weekDate(int week) const;

    bool operator==(const Season&) const = default;
};

// Tickets of a season with the given number of teams: one per distinct pair.
constexpr int ticketCountFor(int teamCount)
{
    return teamCount < 2 ? 0 : teamCount * (teamCount - 1) / 2;
}
