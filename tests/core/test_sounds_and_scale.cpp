#include "season/Scale.h"
#include "season/Session.h"
#include "season/Sounds.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RecordingSounds final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

}  // namespace

TEST(SoundCues, PathsLieInTheSoundsFolderOfHome)
{
    Session plain(QStringLiteral("/opt/kickpool"));
    SetSounds(plain);
    EXPECT_EQ(plain.ErrorSound, QDir::toNativeSeparators(QStringLiteral("/opt/kickpool/Sounds/error.wav")));
    EXPECT_EQ(plain.QuestionSound, QDir::toNativeSeparators(QStringLiteral("/opt/kickpool/Sounds/Question.wav")));

    // A home folder that ends with a separator gets no second one.
    Session trailing(QStringLiteral("/opt/kickpool/"));
    SetSounds(trailing);
    EXPECT_EQ(trailing.ErrorSound, QStringLiteral("/opt/kickpool/") + QDir::toNativeSeparators(QStringLiteral("Sounds/error.wav")));
    EXPECT_EQ(trailing.QuestionSound, QStringLiteral("/opt/kickpool/") + QDir::toNativeSeparators(QStringLiteral("Sounds/Question.wav")));
}

TEST(SoundCues, MissingSoundsFolderIsSilentAndPresentCuesPlay)
{
    QTemporaryDir home;
    RecordingSounds sounds;
    Services services;
    services.sounds = &sounds;
    Session session(home.path(), services);
    SetSounds(session);

    session.playCue(session.ErrorSound);
    session.playCue(session.QuestionSound);
    EXPECT_TRUE(sounds.played.isEmpty());

    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral("Sounds")));
    QFile cue(session.QuestionSound);
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly));
    cue.write("RIFF");
    cue.close();
    session.playCue(session.ErrorSound);     // still missing
    session.playCue(session.QuestionSound);  // now there
    EXPECT_EQ(sounds.played, QStringList{session.QuestionSound});
}

TEST(ScreenScale, FactorsFollowTheScreenSize)
{
    Session session;
    SetScale(session, QSize(800, 600));
    EXPECT_FLOAT_EQ(session.ScaleX, 1.0f);
    EXPECT_FLOAT_EQ(session.ScaleY, 1.0f);
    EXPECT_FLOAT_EQ(session.FontScale, 0.9f);

    SetScale(session, QSize(1024, 768));
    EXPECT_FLOAT_EQ(session.ScaleX, 1.28f);
    EXPECT_FLOAT_EQ(session.ScaleY, 1.28f);
    EXPECT_FLOAT_EQ(session.FontScale, 1.152f);

    // Width and height scale on their own.
    SetScale(session, QSize(1920, 1080));
    EXPECT_FLOAT_EQ(session.ScaleX, 2.4f);
    EXPECT_FLOAT_EQ(session.ScaleY, 1.8f);
    EXPECT_FLOAT_EQ(session.FontScale, 1.62f);
}
