#include "season/Scale.h"

#include "season/Session.h"

void SetScale(Session& session, QSize screenPixels)
{
    session.ScaleX = static_cast<float>(screenPixels.width()) / 800.0f;
    session.ScaleY = static_cast<float>(screenPixels.height()) / 600.0f;
    session.FontScale = session.ScaleY * 0.9f;
}
