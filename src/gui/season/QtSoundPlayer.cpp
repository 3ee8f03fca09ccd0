#include "season/QtSoundPlayer.h"

#include <QFileInfo>

#if defined(KICKPOOL_SOUND_MULTIMEDIA)
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#elif defined(KICKPOOL_SOUND_WINDOWS)
#include <QDir>
#include <windows.h>
#include <mmsystem.h>
#endif

namespace {
// A cue is a second or two long; an effect still alive after this is let go in any case.
[[maybe_unused]] constexpr int kLongestCueMs = 30000;
}  // namespace

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

#if defined(KICKPOOL_SOUND_MULTIMEDIA)

void QtSoundPlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    // Without an audio output an effect would count as playing for ever; there is nothing to hear.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    auto* effect = new QSoundEffect(this);
    connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
        if (!effect->isPlaying())
            effect->deleteLater();
    });
    connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();  // a file it cannot read: silence
        else if (effect->status() == QSoundEffect::Ready && !effect->isPlaying())
            effect->play();
    });
    QTimer::singleShot(kLongestCueMs, effect, &QObject::deleteLater);
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    if (effect->status() == QSoundEffect::Ready)
        effect->play();
}

int QtSoundPlayer::playingCount() const
{
    return findChildren<QSoundEffect*>(Qt::FindDirectChildrenOnly).size();
}

#elif defined(KICKPOOL_SOUND_WINDOWS)

// Windows plays the file itself and returns at once; a new cue ends the one still playing.
void QtSoundPlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    const QString native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

int QtSoundPlayer::playingCount() const
{
    return 0;  // the system does not say
}

#else

// Built without a way to play sounds: the cues are silent.
void QtSoundPlayer::play(const QString&) {}

int QtSoundPlayer::playingCount() const
{
    return 0;
}

#endif
