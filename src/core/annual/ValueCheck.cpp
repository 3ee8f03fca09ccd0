#include "annual/ValueCheck.h"

#include "season/Bounds.h"
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

ValueCheck emptiedOutside(Bound bound, int n, ValueCheck inside = {})
{
    return allowedRange(bound).contains(n) ? inside : emptied();
}

// Weeks of one calendar against the other: alone it may have as many weeks as its bound allows;
// together with the other the two must fit the rule for weeks with playoffs.
ValueCheck checkWeeks(Bound bound, int n, int otherWeeks, MessageId tooManyAlone, bool messageAfterFix)
{
    const WholeRange alone = allowedRange(bound);
    if (otherWeeks == 0 && n > alone.max)
        return putBack(tooManyAlone, messageAfterFix);
    const bool regular = bound == Bound::RegularWeeks;
    if (otherWeeks != 0 && n > 0 && !weeksFitTogether(regular ? n : otherWeeks, regular ? otherWeeks : n))
        return putBack(MessageId::TotalWeeksTooMany);
    if (n < alone.min)
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
        return emptiedOutside(Bound::Seed, n);
    case AnnualSelection::Regular:
        return checkWeeks(Bound::RegularWeeks, n, season.PlayoffWeeks, MessageId::RegularWeeksTooMany, false);
    case AnnualSelection::Playoff:
        return checkWeeks(Bound::PlayoffWeeks, n, season.RegularWeeks, MessageId::PlayoffWeeksTooMany, true);
    case AnnualSelection::Teams: {
        if (!allowedRange(Bound::TeamCount).contains(n))
            return emptied();
        ValueCheck check;
        if (!typed.isEmpty())
            check.tickets = ticketCountFor(n);
        return check;
    }
    case AnnualSelection::Unsold:
        return emptiedOutside(Bound::UnsoldCount, n, zeroHidesGrid(n));
    case AnnualSelection::Price:
        return emptiedOutside(Bound::TicketPrice, n);
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
