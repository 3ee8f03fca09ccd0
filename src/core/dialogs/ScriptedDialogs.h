#pragma once

#include "season/Services.h"

#include <QQueue>
#include <QString>
#include <QStringList>
#include <QVector>

// A dialog service that answers from a script and records what was shown: the dialogs of the
// tests, and of kickpool-cli, which never asks.
class ScriptedDialogs final : public Dialogs {
public:
    // Queue the answer to the next message (6 Yes, 7 No, 1 OK, 2 Cancel).
    ScriptedDialogs& answerMessage(int result);
    // Queue the answer to the next input request: the typed text and how it was closed.
    ScriptedDialogs& answerInput(const QString& text, int result = 1);
    // Queue "press OK / Enter without typing": the text the box starts with comes back (for the
    // return address, the address line; otherwise InputText as the caller set it).
    ScriptedDialogs& acceptInput();

    int showMessage(Session& session) override;
    int showInput(Session& session) override;

    // What was shown, in order: "message 16", "input 5", ...
    QStringList shown;
    QVector<int> messages;  // ids of the messages shown
    QVector<int> inputs;    // ids of the input requests shown
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
        QString text;
        int result = 1;
    };
    QQueue<int> messageAnswers_;
    QQueue<InputAnswer> inputAnswers_;
};
