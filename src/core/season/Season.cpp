#include "season/Season.h"

#include "season/UnsoldTickets.h"

void Season::computeDerived()
{
    TicketCount = ticketCountFor(TeamCount);
    TotalWeeks = RegularWeeks + PlayoffWeeks;
    SoldCount = UnsoldCount > 0 ? UnsoldTickets(*this).soldAmong(TicketCount) : TicketCount;
}

QString Season::weekDate(int week) const
{
    if (week >= 1 && week <= RegularWeeks)
        return RegularDate[week];
    const int playoff = week - RegularWeeks;
    if (playoff >= 1 && playoff <= PlayoffWeeks)
        return PlayoffDate[playoff];
    return {};
}

TieMethod Season::tieMethod() const
{
    if (PrizeOption[13] == -1)
        return TieMethod::Split;
    return PrizeOption[12] == -1 ? TieMethod::PayFull : TieMethod::None;
}

void Season::setTieMethod(TieMethod method)
{
    PrizeOption[12] = method == TieMethod::PayFull ? -1 : 0;
    PrizeOption[13] = method == TieMethod::Split ? -1 : 0;
}

UnsoldRule Season::unsoldRule() const
{
    if (PrizeOption[15] == -1)
        return UnsoldRule::NextSold;
    return PrizeOption[14] == -1 ? UnsoldRule::NotPaid : UnsoldRule::None;
}

void Season::setUnsoldRule(UnsoldRule rule)
{
    PrizeOption[14] = rule == UnsoldRule::NotPaid ? -1 : 0;
    PrizeOption[15] = rule == UnsoldRule::NextSold ? -1 : 0;
}
