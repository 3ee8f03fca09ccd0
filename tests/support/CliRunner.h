#pragma once

// Runs the built kickpool-cli in a temporary home folder of its own, dated November 20, 2024.

#include "TestFiles.h"

#include "season/SeasonFile.h"
#include "season/Session.h"

#include <QProcess>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

struct CliRun {
    int status = -1;  // the exit code; -1 when the program crashed or did not end
    QString out;
    QString err;
};

// The lines as kickpool-cli writes them: each ended by a line feed.
inline QString asOutput(const QStringList& lines)
{
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// A home folder holding the Riverside season unless told otherwise.
class CliHome {
public:
    explicit CliHome(bool withDemo = true)
    {
        if (withDemo)
            writeSeason(dataBytes(QStringLiteral("seasons/riverside.txt")));
    }

    QString path() const { return dir_.path(); }
    QString filePath(const QString& relative) const { return dir_.filePath(relative); }
    QString seasonPath() const { return filePath(QStringLiteral("Files/Kickpool.txt")); }
    QByteArray seasonBytes() const { return readFile(seasonPath()); }
    void writeSeason(const QByteArray& bytes) const { EXPECT_TRUE(writeFile(seasonPath(), bytes)); }

    // `childSetup` runs in the child before the program starts (to set a resource limit); `input`
    // is what it reads on its standard input.
    CliRun run(const QStringList& arguments, std::function<void()> childSetup = {}, const QByteArray& input = {}) const
    {
        QProcess process;
#if defined(Q_OS_UNIX)
        if (childSetup)
            process.setChildProcessModifier(childSetup);
#endif
        process.start(QStringLiteral(KICKPOOL_BIN "/kickpool-cli"),
                      QStringList{"--home", path(), "--today", "2024-11-20"} + arguments);
        process.write(input);
        process.closeWriteChannel();
        const bool ended = process.waitForFinished(60000);
        return {ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
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
