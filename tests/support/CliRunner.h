#pragma once

// Runs the built kickpool-cli as a process, in a temporary home folder of its own.

#include "TestFiles.h"

#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct CliRun {
    int status = -1;  // the exit code; -1 when the program crashed or did not end
    QString out;
    QString err;
};

// Runs kickpool-cli with exactly these arguments.
inline CliRun runCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KICKPOOL_BIN "/kickpool-cli"), arguments);
    const bool ended = process.waitForFinished(60000);
    CliRun run;
    run.status = ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The lines as kickpool-cli writes them: each ended by a line feed.
inline QString asOutput(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\n');
    return text;
}

// A temporary home folder, holding a copy of the demo season unless told otherwise. Its runs and
// its sessions are dated November 20, 2024.
class CliHome {
public:
    explicit CliHome(bool withDemo = true)
    {
        if (withDemo) {
            EXPECT_TRUE(writeFile(seasonPath(), demoSeasonBytes()));
        }
    }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }
    QString seasonPath() const { return filePath(QStringLiteral("Files/Kickpool.txt")); }
    QByteArray seasonBytes() const { return readFile(seasonPath()); }
    void writeSeason(const QByteArray& bytes) const { EXPECT_TRUE(writeFile(seasonPath(), bytes)); }

    CliRun run(const QStringList& arguments) const
    {
        return runCli(QStringList{"--home", path(), "--today", "2024-11-20"} + arguments);
    }

    // The season as the program loads it from this home.
    Session session() const
    {
        Session s(path(), Services{nullptr, &clock_, nullptr, nullptr});
        EXPECT_EQ(LoadSeason(s), LoadOutcome::Loaded);
        return s;
    }

private:
    QTemporaryDir dir_;
    mutable FixedClock clock_{QDate(2024, 11, 20)};
};
