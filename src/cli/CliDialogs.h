#pragma once

#include "dialogs/ScriptedDialogs.h"
#include "season/Services.h"

#include <QTextStream>

// The dialogs of kickpool-cli, which never asks: a message is written to stderr as its title and
// lines and answered from `answers` (OK when nothing is queued); an input request is answered
// from `answers` too, or cancelled.
class CliDialogs final : public Dialogs {
public:
    explicit CliDialogs(QTextStream& err) : err_(err) {}

    Answer showMessage(Session& session, const MessageEntry& entry) override;
    InputReply showInput(Session& session, const InputEntry& entry) override;

    ScriptedDialogs answers;

private:
    QTextStream& err_;
};

// The dialogs of a command that does what a screen confirms first (overwrite, restore, delete):
// each question is answered Yes with --yes, without a word; otherwise No, shown on stderr like
// every other message.
class ConfirmingDialogs final : public Dialogs {
public:
    ConfirmingDialogs(CliDialogs& shown, bool yes) : shown_(shown), yes_(yes) {}

    Answer showMessage(Session& session, const MessageEntry& entry) override
    {
        if (entry.paired && yes_)
            return Answer::Yes;
        if (entry.paired)
            shown_.answers.answerMessage(Answer::No);
        return shown_.showMessage(session, entry);
    }
    InputReply showInput(Session& session, const InputEntry& entry) override { return shown_.showInput(session, entry); }

private:
    CliDialogs& shown_;
    bool yes_;
};
