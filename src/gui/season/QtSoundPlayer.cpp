#include "season/QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer(QObject* parent) : QObject(parent) {}

void QtSoundPlayer::play(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return;
    auto* effect = new QSoundEffect(this);
    const auto finishWhenDone = [effect] {
        if (!effect->isPlaying() && effect->status() != QSoundEffect::Loading)
            effect->deleteLater();
    };
    connect(effect, &QSoundEffect::playingChanged, effect, finishWhenDone);
    connect(effect, &QSoundEffect::statusChanged, effect, [effect, finishWhenDone] {
        if (effect->status() == QSoundEffect::Error)
            effect->deleteLater();  // no audio device, or a file it cannot read: silence
        else if (effect->status() == QSoundEffect::Ready && !effect->isPlaying())
            effect->play();
    });
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    if (effect->status() == QSoundEffect::Ready)
        effect->play();
}

int QtSoundPlayer::playingCount() const
{
    return findChildren<QSoundEffect*>(Qt::FindDirectChildrenOnly).size();
}
