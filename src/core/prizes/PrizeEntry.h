#pragma once

#include "season/Season.h"

#include <QString>

#include <functional>
#include <optional>

// The entry rules of the prize structure screen, without its widgets: which entry is open (the
// amount of a category, the number of random winners, the price or the estimated number sold),
// which values each one takes, what an amount of 0 does and which category is asked for next.
// The screen shows what this says and keeps it told of what is typed and clicked.
class PrizeEntry {
public:
    enum class Open { None, Amount, Winners, Price, Sold };

    // The entry open now and, for an amount or the winners, its category.
    Open open() const { return open_; }
    std::optional<Prize> category() const { return category_; }
    bool priceOpen() const { return open_ == Open::Price; }
    bool soldOpen() const { return open_ == Open::Sold; }

    // A category's check box was ticked: its amount entry opens.
    void openAmount(Prize prize);
    // The random winners' amount was taken: their number per week is asked.
    void openWinners();
    void openPrice() { set(Open::Price, std::nullopt); }
    void openSold() { set(Open::Sold, std::nullopt); }
    // A category's box was unticked, a rule chosen or RESET clicked: no entry stays open, though
    // an unticked category stays the current one until Enter goes on from it.
    void leaveOpenCategory(std::optional<Prize> prize) { set(Open::None, prize); }
    void close() { set(Open::None, std::nullopt); }

    // The values each entry takes; the ranges are the season's bounds.
    static bool amountTaken(Prize prize, int amount);
    static bool winnersTaken(int winners);
    static bool priceTaken(int price);
    static bool soldTaken(int sold, int ticketCount);

    // An amount of 0 (or no random winners a week) unticks the category.
    static bool unticks(int amount) { return amount == 0; }

    // The first ticked category still without an amount, in the screen's order: the random
    // winners are pending while their amount is 0, the others while their amount box is empty.
    static std::optional<Prize> nextPending(const std::function<bool(Prize)>& ticked,
                                            const std::function<bool(Prize)>& amountBoxEmpty, const Season& season);
    // Random winners ticked with an amount but no number a week yet.
    static bool winnersMissing(bool randomTicked, const Season& season);

private:
    void set(Open open, std::optional<Prize> category)
    {
        open_ = open;
        category_ = category;
    }
    Open open_ = Open::None;
    std::optional<Prize> category_;
};
