#include "dialogs/ScriptedDialogs.h"

#include "season/Session.h"

ScriptedDialogs& ScriptedDialogs::answerMessage(int result)
{
    messageAnswers_.enqueue(result);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(const QString& text, int result)
{
    inputAnswers_.enqueue({false, text, result});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::acceptInput()
{
    inputAnswers_.enqueue({true, {}, 1});
    return *this;
}

int ScriptedDialogs::showMessage(Session& session)
{
    shown.append(QStringLiteral("message %1").arg(session.MsgId));
    messages.append(session.MsgId);
    if (messageAnswers_.isEmpty()) {
        ++unscripted;
        session.MsgResult = 1;
    } else {
        session.MsgResult = messageAnswers_.dequeue();
    }
    return session.MsgResult;
}

int ScriptedDialogs::showInput(Session& session)
{
    shown.append(QStringLiteral("input %1").arg(session.MsgId));
    inputs.append(session.MsgId);
    if (inputAnswers_.isEmpty()) {
        ++unscripted;
        session.MsgResult = 2;
        return session.MsgResult;
    }
    const InputAnswer answer = inputAnswers_.dequeue();
    if (!answer.keepText)
        session.InputText = answer.text;
    session.MsgResult = answer.result;
    return session.MsgResult;
}
