#include "season/UnsoldTickets.h"

#include "season/Numbers.h"
#include "season/Season.h"

TicketRange parseTicketRange(const QString& text)
{
    const int comma = text.indexOf(QLatin1Char(','));
    if (text.isEmpty())
        return {};
    if (comma < 0)
        return {toInteger(leadingNumber(text)), 0};
    return {toInteger(leadingNumber(text.left(comma))), toInteger(leadingNumber(text.mid(comma + 1)))};
}

UnsoldTickets::UnsoldTickets(const Season& season)
{
    for (int n = 1; n <= season.UnsoldCount && n <= MaxUnsold; ++n)
        ranges_.append(parseTicketRange(season.UnsoldSeq[n]));
}

bool UnsoldTickets::isUnsold(int ticket) const
{
    for (const TicketRange& r : ranges_) {
        if (r.first <= ticket && ticket <= r.last)
            return true;
    }
    return false;
}

int UnsoldTickets::soldAmong(int ticketCount) const
{
    int sold = 0;
    for (int t = 1; t <= ticketCount; ++t) {
        if (!isUnsold(t))
            ++sold;
    }
    return sold;
}
