#pragma once

// Files of a test's home folder, the files of tests/data, and a sound player that only records
// what it was asked to play.

#include "season/Services.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <ostream>

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

// A file of tests/data: "seasons/riverside.txt" (the season most tests run on, 32 teams, nine
// weeks scored), "expected/....txt" (report texts line by line, trailing blanks kept).
inline QByteArray dataBytes(const QString& name)
{
    return readFile(QStringLiteral(KICKPOOL_TEST_DATA "/") + name);
}
inline QStringList dataLines(const QString& name)
{
    QString text = QString::fromUtf8(dataBytes(name));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

class RecordingSounds final : public SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

// The pages of the user guide asked for, in order.
class RecordingGuide final : public GuideOpener {
public:
    void open(const QString& page) override { pages.append(page); }
    QStringList pages;
};

// Readable failure output for texts and lists of lines.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& lines, std::ostream* os)
{
    *os << "\n";
    for (const QString& line : lines)
        *os << "  |" << line.toStdString() << "|\n";
}
