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
