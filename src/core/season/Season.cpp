#include "season/Season.h"

#include "season/UnsoldTickets.h"

void Season::computeDerived()
{
    TicketCount = ticketCountFor(TeamCount);
    TotalWeeks = RegularWeeks + PlayoffWeeks;
    SoldCount = TicketCount;
    if (UnsoldCount > 0) {
        const UnsoldTickets unsold(*this);
        for (int t = 1; t <= TicketCount; ++t) {
            if (unsold.isUnsold(t))
                --SoldCount;
        }
    }
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
