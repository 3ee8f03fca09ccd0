#pragma once

#include "dialogs/MessageId.h"

#include <QString>
#include <QStringList>

#include <optional>

struct Season;

// Why a typed unsold sequence ("first,last") is refused, or nothing when it can be stored: no
// comma (17), last before first (5), a ticket outside 1..ticketCount (18). A number that a
// 16-bit whole number cannot hold is outside the tickets.
std::optional<MessageId> sequenceRefusal(const QString& sequence, int ticketCount);

// The tickets 1..TicketCount outside every unsold sequence 1..UnsoldCount of the season.
int countSold(const Season& season);

// Counts the sold tickets again after the sequences were taken over (with no sequences the count
// stays as it is): the annual data screen and the sales register both end with it.
void recountSold(Season& season);

// Replaces the unsold sequences by the given ones, each checked as a typed one is (17, 5, 18),
// at most 48 of them (53), then recounts the sold tickets. A refusal leaves the season as it was.
std::optional<Refusal> setUnsoldSequences(Season& season, const QStringList& sequences);
