#pragma once

#include <QString>
#include <QVector>

#include <algorithm>

struct Season;

// One unsold ticket sequence: first..last, both included. An empty text reads as 0..0.
struct TicketRange {
    int first = 0;
    int last = 0;
    bool operator==(const TicketRange&) const = default;
};

// The sequence text "first,last": the numbers before and after the first comma.
TicketRange parseTicketRange(const QString& text);

// The unsold sequences 1..UnsoldCount of a season, in order.
class UnsoldTickets {
public:
    UnsoldTickets() = default;
    explicit UnsoldTickets(const Season& season);

    bool isUnsold(int ticket) const;
    // The tickets 1..ticketCount outside every sequence; a ticket in two sequences counts once.
    int soldAmong(int ticketCount) const;
    bool empty() const { return ranges_.isEmpty(); }
    const QVector<TicketRange>& ranges() const { return ranges_; }

    // Removes the entries whose ticket is unsold, keeping the order of the rest.
    template <typename Entries, typename TicketOf>
    void removeUnsold(Entries& entries, TicketOf ticketOf) const
    {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const auto& entry) { return isUnsold(ticketOf(entry)); }),
                      entries.end());
    }

private:
    QVector<TicketRange> ranges_;
};
