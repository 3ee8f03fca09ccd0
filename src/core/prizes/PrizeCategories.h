#pragma once

#include "season/Season.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The frame of the prize structure screen that holds a category.
enum class PrizeFrame { Regular, GrandPrize, Playoff };

// One prize category of the prize structure screen.
struct PrizeCategory {
    Prize prize;
    PrizeFrame frame;
    QString caption;        // of its check box; "\n" between the lines
    QStringList helpLines;  // shown above the range line while its amount is typed

    int position() const { return static_cast<int>(prize); }
    // Amounts 0..maxAmount() are taken, as the season's bounds table says.
    int maxAmount() const;
    // "Amount Per Week" for the weekly prizes, "Amount - End Season" for the grand prizes.
    QString amountLabel() const;
};

// The eight categories in the order the screen goes through them: 1, 2, 4, 6, 7, 8, 9, 11.
const QVector<PrizeCategory>& prizeCategories();
const PrizeCategory& prizeCategory(Prize prize);

// What the screen's list shows while a value is typed.
QStringList amountEntryLines(const PrizeCategory& category);
QStringList winnersEntryLines();
QStringList priceEntryLines();
QStringList soldEntryLines(int ticketCount);
// Shown instead of the estimate until a method for ties and a payment rule are chosen.
QStringList tiesUnsoldLines();

// An amount box: "$100", or empty for 0. The random winners' box: "3@$25".
QString amountBoxText(int amount);
QString randomWinnersBoxText(int winners, int amount);
