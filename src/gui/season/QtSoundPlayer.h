#pragma once

#include "season/Services.h"

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays WAV cues without waiting for them: with Qt Multimedia where it is built (each effect lives
// until its sound has ended), through the system's sound call on Windows otherwise.
// A file that does not exist plays nothing.
class QtSoundPlayer final : public QObject, public SoundPlayer {
    Q_OBJECT
public:
    explicit QtSoundPlayer(QObject* parent = nullptr);

    void play(const QString& path) override;

    // Cues started and not yet ended.
    int playingCount() const;
};
