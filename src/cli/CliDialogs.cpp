#include "CliDialogs.h"

int CliDialogs::showMessage(Session& session)
{
    const int result = answers.showMessage(session);
    // The dialog's empty lines only space it out.
    for (const QString& line : answers.messageTexts.last()) {
        if (!line.trimmed().isEmpty())
            err_ << line << '\n';
    }
    err_.flush();
    return result;
}

int CliDialogs::showInput(Session& session)
{
    return answers.showInput(session);
}
