#pragma once

#include "dialogs/MessageId.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Colours of the dialogs, in blue-green-red order as the season's screens give them.
namespace BgrColour {
constexpr int Red = 255;
constexpr int Green = 65280;
constexpr int Yellow = 65535;
constexpr int White = 16777215;
}  // namespace BgrColour

// One line of a dialog: its text and the grid list's format code ("CBR0", "N", ...).
struct MessageLine {
    QString text;
    QString format;
    bool operator==(const MessageLine&) const = default;
};

struct MessageButton {
    QString caption;
    int face = 0;
    int captionColour = BgrColour::Red;
    Answer answer = Answer::Ok;
    bool operator==(const MessageButton&) const = default;
};

// One numbered message as the user sees it. A paired entry shows its two buttons as cmdBox1 and
// cmdBox2; an entry that is not paired shows its one button as cmdBox3; an entry of three buttons
// (Yes, No, Cancel) shows them as cmdBox1, cmdBox2 and cmdBox3 side by side.
struct MessageEntry {
    MessageId id{};
    QString title;
    QVector<MessageLine> lines;
    QVector<MessageButton> buttons;
    bool paired = false;
};

// Message `id` with the texts it inserts (MessageId.h lists them for each message); a text not
// given reads as empty. An id outside the catalogue gives an entry without title and buttons.
MessageEntry messageEntry(MessageId id, const QStringList& arguments = {});

// The title followed by the texts of the lines: how a message is written where there is no
// dialog (the standard error of kickpool-cli).
QStringList messageTextLines(const MessageEntry& entry);
// The same for any dialog's title and lines.
QStringList dialogTextLines(const QString& title, const QVector<MessageLine>& lines);
