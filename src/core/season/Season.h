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

// The prize categories, numbered as their switch in PrizeOption and their amount in PrizeValue.
enum class Prize {
    RegularHigh = 1,
    RegularSecondHigh = 2,
    // Not a setting of its own: the high and the second-high money together, which a tie for the
    // top of a regular week splits when both prizes are on. It is never switched on or set; its
    // amount is the sum of the two.
    RegularCombined = 3,
    RegularLow = 4,
    RegularRandom = 6,  // the amount paid to each random winner
    GrandHigh = 7,
    GrandLow = 8,
    PlayoffHigh = 9,
    PlayoffLow = 11,
};

enum class TieMethod { None, PayFull, Split };      // PrizeOption 12 and 13
enum class UnsoldRule { None, NotPaid, NextSold };  // PrizeOption 14 and 15

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

    // The prize structure by name. Only the season file's reader and writer use the positions.
    bool prizeOn(Prize prize) const { return PrizeOption[static_cast<int>(prize)] == 1; }
    // The switch holds anything but 0. A prize is paid only when it is on; the annual summary
    // shows its grand prize rows already when a grand prize switch is set.
    bool prizeSwitchSet(Prize prize) const { return PrizeOption[static_cast<int>(prize)] != 0; }
    // Whole currency units.
    int prizeAmount(Prize prize) const
    {
        if (prize == Prize::RegularCombined)
            return prizeAmount(Prize::RegularHigh) + prizeAmount(Prize::RegularSecondHigh);
        return PrizeValue[static_cast<int>(prize)];
    }
    void setPrizeOn(Prize prize, bool on) { PrizeOption[static_cast<int>(prize)] = on ? 1 : 0; }
    void setPrizeAmount(Prize prize, int amount) { PrizeValue[static_cast<int>(prize)] = amount; }
    // Random weekly winners of the regular season: how many a week (each paid prizeAmount(Prize::RegularRandom)).
    int randomWinnersPerWeek() const { return PrizeValue[12]; }
    void setRandomWinnersPerWeek(int count) { PrizeValue[12] = count; }
    // Method for ties, each choice 0 (not chosen) or -1 (chosen); neither may be chosen.
    TieMethod tieMethod() const;
    void setTieMethod(TieMethod method);
    // Payment of an unsold winning ticket, stored the same way.
    UnsoldRule unsoldRule() const;
    void setUnsoldRule(UnsoldRule rule);
    // Tied tickets split the prize money (otherwise each is paid in full).
    bool tiesSplitPrize() const { return tieMethod() == TieMethod::Split; }
    // The next closest sold ticket takes an unsold winner's place (otherwise it is not paid).
    bool unsoldWinnerPassesOn() const { return unsoldRule() == UnsoldRule::NextSold; }
    // Date text of week 1..TotalWeeks: the regular dates, then the playoff dates.
    QString weekDate(int week) const;

    bool operator==(const Season&) const = default;
};

// Tickets of a season with the given number of teams: one per distinct pair.
constexpr int ticketCountFor(int teamCount)
{
    return teamCount < 2 ? 0 : teamCount * (teamCount - 1) / 2;
}
