#pragma once

#include "dialogs/MessageCatalogue.h"

class Session;

// One request of the input dialog: its title, the text the input box starts with, the
// instruction lines and whether the question cue sounds when it opens.
struct InputEntry {
    QString title;
    QString startText;
    // The return-address requests empty InputText before filling the box, so that InputText then
    // follows the box and starts equal to the address line (empty stays empty).
    bool clearsInputText = false;
    QVector<MessageLine> lines;
    bool questionSound = false;
};

// Input request `id` (1..7) with the values it shows taken from the session (ReturnAddress,
// WeekNo, i and TeamName(i), InputText). An id outside 1..7 gives an empty entry.
InputEntry inputEntry(const Session& session, int id);

// The title followed by the texts of the instruction lines.
QStringList inputTextLines(const InputEntry& entry);

// Asks for a number of copies with input request `id` (proposing 1) until a number from 1 to
// `most` is given. Returns 0 when the user cancels.
int askCount(Session& session, int id, int most);
