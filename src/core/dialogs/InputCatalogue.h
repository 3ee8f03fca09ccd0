#pragma once

#include "dialogs/InputId.h"
#include "dialogs/MessageCatalogue.h"

class Session;

// One request of the input dialog: its title, the text the input box starts with, the
// instruction lines and whether the question cue sounds when it opens.
struct InputEntry {
    InputId id{};
    QString title;
    QString startText;
    QVector<MessageLine> lines;
    bool questionSound = false;
};

// Input request `id` with the texts it shows (InputId.h lists them for each request); a text not
// given reads as empty. An id outside the catalogue gives an entry without title.
InputEntry inputEntry(InputId id, const QStringList& arguments = {});

// The title followed by the texts of the instruction lines.
QStringList inputTextLines(const InputEntry& entry);

// Asks for a number of copies with input request `id` (proposing 1) until a number from 1 to
// `most` is given. Returns 0 when the user cancels.
int askCount(Session& session, InputId id, int most);
