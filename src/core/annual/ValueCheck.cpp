#include "annual/ValueCheck.h"

#include "season/Numbers.h"
#include "season/Season.h"

namespace {

ValueCheck putBack(std::optional<MessageId> message = std::nullopt, bool after = false)
{
    ValueCheck check;
    check.fix = ValueCheck::Fix::PutBackCount;
    check.message = message;
    check.messageAfterFix = after;
    return check;
}

ValueCheck emptied()
{
    ValueCheck check;
    check.fix = ValueCheck::Fix::Empty;
    return check;
}

ValueCheck zeroHidesGrid(int n)
{
    ValueCheck check;
    check.hideGrid = n == 0;
    return check;
}

// Weeks of one calendar against the other: alone it may have up to `alone` weeks; together
// with the other the two have at most MaxWeeksWithPlayoffs, and neither more.
ValueCheck checkWeeks(int n, int otherWeeks, int alone, MessageId tooManyAlone, bool messageAfterFix)
{
    if (otherWeeks == 0 && n > alone)
        return putBack(tooManyAlone, messageAfterFix);
    if (otherWeeks != 0 && (otherWeeks + n > MaxWeeksWithPlayoffs || n > MaxWeeksWithPlayoffs))
        return putBack(MessageId::TotalWeeksTooMany);
    if (n < 0)
        return putBack();
    return zeroHidesGrid(n);
}

}  // namespace

int typedValue(const QString& typed)
{
    return toInteger(leadingNumber(typed));
}

ValueCheck checkTypedValue(AnnualSelection selection, const QString& typed, const Season& season)
{
    const int n = typedValue(typed);
    switch (selection) {
    case AnnualSelection::Seed:
        return n > MaxSeed || n < -MaxSeed ? emptied() : ValueCheck{};
    case AnnualSelection::Regular:
        return checkWeeks(n, season.PlayoffWeeks, MaxRegularWeeks, MessageId::RegularWeeksTooMany, false);
    case AnnualSelection::Playoff:
        return checkWeeks(n, season.RegularWeeks, MaxPlayoffWeeks, MessageId::PlayoffWeeksTooMany, true);
    case AnnualSelection::Teams: {
        if (n > MaxTeams || n < 0)
            return emptied();
        ValueCheck check;
        if (!typed.isEmpty())
            check.tickets = ticketCountFor(n);
        return check;
    }
    case AnnualSelection::Unsold:
        return n > MaxUnsold || n < 0 ? emptied() : zeroHidesGrid(n);
    case AnnualSelection::Price:
        return n > MaxPrice || n < MinPrice ? emptied() : ValueCheck{};
    case AnnualSelection::None:
    case AnnualSelection::PrizeStructure:
        break;
    }
    return {};
}

int storedValue(AnnualSelection selection, const Season& season)
{
    switch (selection) {
    case AnnualSelection::Seed:
        return season.Seed;
    case AnnualSelection::Regular:
        return season.RegularWeeks;
    case AnnualSelection::Playoff:
        return season.PlayoffWeeks;
    case AnnualSelection::Teams:
        return season.TeamCount;
    case AnnualSelection::Unsold:
        return season.UnsoldCount;
    case AnnualSelection::Price:
        return season.TicketPrice;
    case AnnualSelection::None:
    case AnnualSelection::PrizeStructure:
        break;
    }
    return 0;
}
