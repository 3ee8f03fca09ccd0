#include "CliDialogs.h"

Answer CliDialogs::showMessage(Session& session, const MessageEntry& entry)
{
    // The dialog's empty lines only space it out.
    for (const QString& line : messageTextLines(entry)) {
        if (!line.trimmed().isEmpty())
            err_ << line << '\n';
    }
    err_.flush();
    return answers.showMessage(session, entry);
}

InputReply CliDialogs::showInput(Session& session, const InputEntry& entry)
{
    return answers.showInput(session, entry);
}
