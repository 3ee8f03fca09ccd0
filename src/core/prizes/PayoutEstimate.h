#pragma once

#include "print/PrintJob.h"
#include "prizes/PrizeSwitches.h"

#include <QStringList>

#include <optional>

// The payout estimate of a prize structure: one line per checked prize with its season total,
// the total payout, the sales, the profit and the odds of winning.
struct PayoutEstimate {
    QStringList lines;          // without both rules chosen, the two "Select a" lines instead
    std::optional<float> odds;  // "1 in" odds; absent without both rules chosen
    // Said under the list on the screen (never printed) when the season would lose money or
    // pays more prizes than tickets are sold; empty otherwise.
    QStringList warnings;
};

// The odds of a season without a single prize: the most the estimate ever shows.
constexpr float NoPrizeOdds = 10000.0f;

// Where ties pay every tied ticket in full, or unsold winners are not paid, the real payout
// depends on the season's results: the weekly prizes are then raised by a tie factor, and the
// prizes lowered by the share of tickets sold, and the lines are marked "Estm".
PayoutEstimate payoutEstimate(const Season& season, const PrizeSwitches& switches);

// The estimate, with its odds stored in the season's Odds (which the ticket front prints).
PayoutEstimate Calculate(Season& season, const PrizeSwitches& switches);

// The printed prize structure: the lines in 10-point bold "Courier New" below 12 empty lines,
// each set in by 11 blanks.
PrintJob prizeStructureJob(const QStringList& lines);
