#include "dialogs/ScriptedDialogs.h"

ScriptedDialogs& ScriptedDialogs::answerMessage(Answer answer)
{
    messageAnswers_.enqueue(answer);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerInput(const QString& text, Answer answer)
{
    inputAnswers_.enqueue({false, {answer, text}});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::acceptInput()
{
    inputAnswers_.enqueue({true, {Answer::Ok, {}}});
    return *this;
}

Answer ScriptedDialogs::showMessage(Session&, const MessageEntry& entry)
{
    shown.append(QStringLiteral("message %1").arg(static_cast<int>(entry.id)));
    messages.append(entry.id);
    messageTexts.append(messageTextLines(entry));
    if (messageAnswers_.isEmpty()) {
        ++unscripted;
        return Answer::Ok;
    }
    return messageAnswers_.dequeue();
}

InputReply ScriptedDialogs::showInput(Session&, const InputEntry& entry)
{
    shown.append(QStringLiteral("input %1").arg(static_cast<int>(entry.id)));
    inputs.append(entry.id);
    inputTexts.append(inputTextLines(entry));
    if (inputAnswers_.isEmpty()) {
        ++unscripted;
        return {Answer::Cancel, entry.startText};
    }
    InputAnswer answer = inputAnswers_.dequeue();
    // The box opens with its starting text; pressing OK on it gives that text back.
    if (answer.keepText)
        answer.reply.text = entry.startText;
    return answer.reply;
}
