#pragma once

#include "dialogs/MessageId.h"

#include <QString>

#include <optional>

struct Season;

// Why a typed unsold sequence ("first,last") is refused, or nothing when it can be stored: no
// comma (17), last before first (5), a ticket outside 1..ticketCount (18). A number that a
// 16-bit whole number cannot hold is outside the tickets.
std::optional<MessageId> sequenceRefusal(const QString& sequence, int ticketCount);

// The tickets 1..TicketCount outside every unsold sequence 1..UnsoldCount of the season.
int countSold(const Season& season);
