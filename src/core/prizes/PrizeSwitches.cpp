#include "prizes/PrizeSwitches.h"

#include "prizes/PrizeCategories.h"

PrizeSwitches PrizeSwitches::fromSeason(const Season& season)
{
    PrizeSwitches switches;
    for (const PrizeCategory& category : prizeCategories())
        switches.setChecked(category.prize, season.prizeOn(category.prize));
    switches.tieMethod = season.tieMethod();
    switches.unsoldRule = season.unsoldRule();
    return switches;
}

void PrizeSwitches::storeInto(Season& season) const
{
    for (const PrizeCategory& category : prizeCategories())
        season.setPrizeOn(category.prize, isChecked(category.prize));
    season.setTieMethod(tieMethod);
    season.setUnsoldRule(unsoldRule);
}
