#include "season/QtSoundPlayer.h"

#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {
// A cue is a second or two long; an effect still alive after this is let go in any case.
constexpr int kLongestCueMs = 30000;
}  // namespace

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

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
