#pragma once

// Files of a test's home folder, the demo season that lies beside the programs, and a sound
// player that only records what it was asked to play.

#include "season/Services.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Writes a file, making its folder first.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray demoSeasonBytes()
{
    return readFile(QStringLiteral(KICKPOOL_DIST "/Files/Kickpool.txt"));
}

class RecordingSounds final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};
