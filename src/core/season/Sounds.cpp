#include "season/Sounds.h"

#include "season/Session.h"

void SetSounds(Session& session)
{
    session.ErrorSound = joinPath(session.home, QStringLiteral("Sounds/error.wav"));
    session.QuestionSound = joinPath(session.home, QStringLiteral("Sounds/Question.wav"));
}
