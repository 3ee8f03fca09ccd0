#pragma once

#include "dialogs/MessageId.h"

#include <QString>

// Every request of the input dialog by name; the texts it shows are passed with it.
enum class InputId {
    OrganisationName = 1,  // the return address, line by line {the line as it is}
    AddressLine1 = 2,
    AddressLine2 = 3,
    CityStateZip = 4,
    TeamScore = 5,         // {week, team number, team name, the text offered}
    LetterCopies = 6,      // {the number offered}
    TicketFrontCount = 7,  // {the number offered}
};

// What the input dialog gave back: OK (or Enter) with the text in the box, or Cancel.
struct InputReply {
    Answer answer = Answer::Cancel;
    QString text;
    bool cancelled() const { return answer == Answer::Cancel; }
};
