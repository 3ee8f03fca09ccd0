#include "season/Scale.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QDir>

#include <gtest/gtest.h>

// Whether a cue sounds when its file is there and not otherwise is checked where the dialogs
// play them.
TEST(SoundCues, PathsLieInTheSoundsFolderOfHome)
{
    for (const QString& home : {QStringLiteral("/opt/kickpool"), QStringLiteral("/opt/kickpool/")}) {
        Session session(home);
        SetSounds(session);
        // A home folder that ends with a separator gets no second one.
        EXPECT_EQ(session.ErrorSound, QStringLiteral("/opt/kickpool") + QDir::toNativeSeparators("/Sounds/error.wav"));
        EXPECT_EQ(session.QuestionSound, QStringLiteral("/opt/kickpool") + QDir::toNativeSeparators("/Sounds/Question.wav"));
    }
}

TEST(ScreenScale, FactorsFollowTheScreenSize)
{
    // Width and height scale on their own; at the design size fonts go to nine tenths.
    const struct {
        QSize screen;
        float x, y, font;
    } cases[] = {{{800, 600}, 1.0f, 1.0f, 0.9f}, {{1024, 768}, 1.28f, 1.28f, 1.152f}, {{1920, 1080}, 2.4f, 1.8f, 1.62f}};
    for (const auto& c : cases) {
        Session session;
        SetScale(session, c.screen);
        EXPECT_FLOAT_EQ(session.ScaleX, c.x) << c.screen.width();
        EXPECT_FLOAT_EQ(session.ScaleY, c.y) << c.screen.width();
        EXPECT_FLOAT_EQ(session.FontScale, c.font) << c.screen.width();
    }
}
