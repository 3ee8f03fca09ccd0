#pragma once

#include "season/Services.h"

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays WAV cues with QSoundEffect without waiting for them. Each effect lives until its sound
// has ended. A file that does not exist plays nothing.
class QtSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void play(const QString& path) override;

    // Cues started and not yet ended.
    int playingCount() const;
};
