#include "dialogs/ScriptedDialogs.h"

#include "dialogs/InputCatalogue.h"
#include "dialogs/MessageCatalogue.h"
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
    messageTexts.append(messageTextLines(messageEntry(session, session.MsgId)));
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
    const InputEntry entry = inputEntry(session, session.MsgId);
    inputTexts.append(inputTextLines(entry));
    // The box opens with its starting text, and InputText follows the box.
    if (!entry.title.isEmpty())
        session.InputText = entry.startText;
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
