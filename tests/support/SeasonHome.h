#pragma once

// A session on a temporary home folder with scripted dialogs and a fixed date, and on Unix a way
// for a test run by root to act as an ordinary user.

#include "TestFiles.h"

#include "dialogs/ScriptedDialogs.h"
#include "season/Session.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

struct SeasonHome {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2010, 10, 4)};
    Session session{dir.path(), Services{&dialogs, &clock, nullptr, nullptr}};

    QString filesFolder() const { return dir.filePath(QStringLiteral("Files")); }
    QString file(const QString& name) const { return dir.filePath(QStringLiteral("Files/") + name); }
    QString seasonPath() const { return file(QStringLiteral("Kickpool.txt")); }
    void put(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(writeFile(file(name), bytes)); }
    void writeSeasonFile(const QByteArray& bytes) const { ASSERT_TRUE(writeFile(seasonPath(), bytes)); }
    QByteArray seasonFile() const { return readFile(seasonPath()); }
    // Everything in the Files folder.
    QStringList files() const { return QDir(filesFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    // Whether the last message shown was `id` with these inserted texts.
    bool lastMessageWas(MessageId id, const QStringList& arguments) const
    {
        return !dialogs.messageTexts.isEmpty()
               && dialogs.messageTexts.last() == messageTextLines(messageEntry(id, arguments));
    }
};

// The season file of four teams: two regular weeks, no playoffs, tickets 5 and 6 unsold, one
// week scored.
inline QByteArray fourTeamFile()
{
    return readFile(QStringLiteral(KICKPOOL_TEST_DATA "/four-teams.txt"));
}

#if defined(Q_OS_UNIX)
// Root writes into any folder. While this lives, a test run by root acts as the user "nobody",
// so that folder permissions hold for it as they hold for a club's treasurer.
class ActAsOrdinaryUser {
public:
    ActAsOrdinaryUser()
    {
        if (geteuid() != 0)
            return;
        const passwd* nobody = getpwnam("nobody");
        const uid_t uid = nobody ? nobody->pw_uid : 65534;
        const gid_t gid = nobody ? nobody->pw_gid : 65534;
        switched_ = setegid(gid) == 0 && seteuid(uid) == 0;
    }
    ~ActAsOrdinaryUser()
    {
        if (switched_) {
            EXPECT_EQ(seteuid(0), 0);
            EXPECT_EQ(setegid(0), 0);
        }
    }
    ActAsOrdinaryUser(const ActAsOrdinaryUser&) = delete;
    ActAsOrdinaryUser& operator=(const ActAsOrdinaryUser&) = delete;

private:
    bool switched_ = false;
};
#endif
