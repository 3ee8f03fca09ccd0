#pragma once

#include "season/Season.h"

#include <array>

// The choices of the prize structure screen that the season data receive only when the screen is
// left: which categories are checked, the method for ties and the payment of unsold winners.
struct PrizeSwitches {
    std::array<bool, PrizeOptionCount + 1> checked{};  // by prize position; element 0 unused
    TieMethod tieMethod = TieMethod::None;
    UnsoldRule unsoldRule = UnsoldRule::None;

    bool isChecked(Prize prize) const { return checked[static_cast<int>(prize)]; }
    void setChecked(Prize prize, bool on) { checked[static_cast<int>(prize)] = on; }
    // The estimate needs both a method for ties and a payment rule.
    bool rulesChosen() const { return tieMethod != TieMethod::None && unsoldRule != UnsoldRule::None; }

    // The switches as the screen sets them when it opens on the season.
    static PrizeSwitches fromSeason(const Season& season);
    // What leaving the screen copies into the season: 1/0 for each category, -1/0 for the options.
    void storeInto(Season& season) const;

    bool operator==(const PrizeSwitches&) const = default;
};
