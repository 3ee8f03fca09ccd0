#pragma once

#include "dialogs/InputCatalogue.h"
#include "dialogs/MessageCatalogue.h"
#include "season/Services.h"

#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>

// A dialog service that answers from a script and records what was shown: the dialogs of the
// tests, and of kickpool-cli, which never asks.
class ScriptedDialogs final : public Dialogs {
public:
    // Queue the answer to the next message.
    ScriptedDialogs& answerMessage(Answer answer);
    // Queue the answer to the next input request: the typed text and how it was closed.
    ScriptedDialogs& answerInput(const QString& text, Answer answer = Answer::Ok);
    // Queue "press OK / Enter without typing": the text the box starts with comes back.
    ScriptedDialogs& acceptInput();

    // An unscripted message is answered OK, an unscripted input request is cancelled.
    Answer showMessage(Session& session, const MessageEntry& entry) override;
    InputReply showInput(Session& session, const InputEntry& entry) override;

    // What was shown, in order: "message 16", "input 5", ...
    QStringList shown;
    QVector<MessageId> messages;  // the messages shown
    QVector<InputId> inputs;      // the input requests shown
    // What the user would have read: title and lines of each message and each input request,
    // in the order shown, with the numbers and names they insert.
    QVector<QStringList> messageTexts;
    QVector<QStringList> inputTexts;
    // Messages or inputs shown with no scripted answer left (a test that expects none checks this).
    int unscripted = 0;

    bool scriptDone() const { return messageAnswers_.isEmpty() && inputAnswers_.isEmpty(); }

private:
    struct InputAnswer {
        bool keepText = false;
        InputReply reply;
    };
    QQueue<Answer> messageAnswers_;
    QQueue<InputAnswer> inputAnswers_;
};
