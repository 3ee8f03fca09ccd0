#pragma once

#include "dialogs/MessageId.h"

#include <QString>

#include <optional>

struct Season;

// The seven selections of the annual data screen, numbered as its options.
enum class AnnualSelection {
    None = 0,
    Seed = 1,
    Regular = 2,
    Playoff = 3,
    Teams = 4,
    Unsold = 5,
    Price = 6,
    PrizeStructure = 7,
};

// What the value field does with the text it holds after each change, typed or set.
struct ValueCheck {
    enum class Fix {
        None,
        Empty,         // the value is out of range: the field is emptied
        PutBackCount,  // the count is out of range: the field gets the stored count back
    };
    Fix fix = Fix::None;
    std::optional<MessageId> message;  // shown before the count is put back, or after it
    bool messageAfterFix = false;
    bool hideGrid = false;             // a count of 0: the entry grid is hidden until Enter
    std::optional<int> tickets;        // number of teams: the tickets that count makes
};

// The value a typed text stands for: its leading number as a whole number, halves to even.
int typedValue(const QString& typed);

// The check of a typed value for a selection, against the season's stored counts. The ranges are
// those of the season's bounds table, so the screen refuses what `kickpool-cli check` names.
ValueCheck checkTypedValue(AnnualSelection selection, const QString& typed, const Season& season);

// The count of a list selection as the season holds it (regular or playoff weeks, teams, unsold
// sequences), the value of the seed and the price; 0 for the others.
int storedValue(AnnualSelection selection, const Season& season);
