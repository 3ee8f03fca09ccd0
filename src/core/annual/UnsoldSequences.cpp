#include "annual/UnsoldSequences.h"

#include "season/Numbers.h"
#include "season/Season.h"
#include "season/UnsoldTickets.h"

#include <limits>

namespace {

bool fitsWholeNumber(double value)
{
    const int whole = toInteger(value);
    return whole >= std::numeric_limits<qint16>::min() && whole <= std::numeric_limits<qint16>::max();
}

}  // namespace

std::optional<MessageId> sequenceRefusal(const QString& sequence, int ticketCount)
{
    const int comma = sequence.indexOf(QLatin1Char(','));
    if (comma < 0)
        return MessageId::CommaNotFound;
    const double first = leadingNumber(sequence.left(comma));
    const double last = leadingNumber(sequence.mid(comma + 1));
    if (!fitsWholeNumber(first) || !fitsWholeNumber(last))
        return MessageId::SequenceOutOfRange;
    const TicketRange range = parseTicketRange(sequence);
    if (range.first > range.last)
        return MessageId::LastTicketBeforeFirst;
    if (range.first < 1 || range.last > ticketCount)
        return MessageId::SequenceOutOfRange;
    return std::nullopt;
}

int countSold(const Season& season)
{
    return UnsoldTickets(season).soldAmong(season.TicketCount);
}

void recountSold(Season& season)
{
    if (season.UnsoldCount != 0)
        season.SoldCount = countSold(season);
}

std::optional<Refusal> setUnsoldSequences(Season& season, const QStringList& sequences)
{
    if (sequences.size() > MaxUnsold)
        return Refusal{MessageId::TooManyUnsoldRuns, {QString::number(sequences.size())}};
    for (const QString& sequence : sequences) {
        if (const std::optional<MessageId> id = sequenceRefusal(sequence, season.TicketCount))
            return Refusal{*id, id == MessageId::SequenceOutOfRange ? QStringList{QString::number(season.TicketCount)}
                                                                     : QStringList{}};
    }
    season.UnsoldCount = int(sequences.size());
    for (int e = 1; e <= MaxUnsold; ++e)
        season.UnsoldSeq[e] = sequences.value(e - 1);
    season.SoldCount = season.TicketCount;
    recountSold(season);
    return std::nullopt;
}
