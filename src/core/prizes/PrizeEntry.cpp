#include "prizes/PrizeEntry.h"

#include "prizes/PrizeCategories.h"
#include "season/Bounds.h"

void PrizeEntry::openAmount(Prize prize)
{
    set(Open::Amount, prize);
}

void PrizeEntry::openWinners()
{
    set(Open::Winners, Prize::RegularRandom);
}

bool PrizeEntry::amountTaken(Prize prize, int amount)
{
    return amount >= 0 && amount <= prizeCategory(prize).maxAmount();
}

bool PrizeEntry::winnersTaken(int winners)
{
    return allowedRange(Bound::RandomWinners).contains(winners);
}

bool PrizeEntry::priceTaken(int price)
{
    return allowedRange(Bound::TicketPrice).contains(price);
}

bool PrizeEntry::soldTaken(int sold, int ticketCount)
{
    return sold >= 1 && sold <= ticketCount;
}

std::optional<Prize> PrizeEntry::nextPending(const std::function<bool(Prize)>& ticked,
                                             const std::function<bool(Prize)>& amountBoxEmpty, const Season& season)
{
    for (const PrizeCategory& category : prizeCategories()) {
        const Prize prize = category.prize;
        const bool pending = prize == Prize::RegularRandom ? season.prizeAmount(prize) == 0 : amountBoxEmpty(prize);
        if (ticked(prize) && pending)
            return prize;
    }
    return std::nullopt;
}

bool PrizeEntry::winnersMissing(bool randomTicked, const Season& season)
{
    return randomTicked && season.prizeAmount(Prize::RegularRandom) != 0 && season.randomWinnersPerWeek() == 0;
}
