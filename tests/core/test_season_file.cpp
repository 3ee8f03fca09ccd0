#include "TestFiles.h"

#include "dialogs/ScriptedDialogs.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <tuple>
#include <vector>

#if defined(Q_OS_UNIX)
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// A session on a temporary home folder with scripted dialogs and a fixed date.
struct SeasonHome {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2010, 10, 4)};
    Session session{dir.path(), Services{&dialogs, &clock, nullptr, nullptr}};

    QString filesFolder() const { return dir.filePath(QStringLiteral("Files")); }
    QString seasonPath() const { return dir.filePath(QStringLiteral("Files/Kickpool.txt")); }
    void writeSeasonFile(const QByteArray& bytes) const { ASSERT_TRUE(writeFile(seasonPath(), bytes)); }
    QByteArray seasonFile() const { return readFile(seasonPath()); }
};

// Four teams, two regular weeks, no playoffs, tickets 5 and 6 unsold, one week scored.
const QByteArray FourTeamFile = dataBytes("seasons/four_teams.txt");

// The four-team file with line `line` (from 1) replaced.
QByteArray withLine(int line, const QByteArray& replacement)
{
    QList<QByteArray> lines = FourTeamFile.split('\n');
    lines[line - 1] = replacement + "\r";
    return lines.join('\n');
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

}  // namespace

TEST(SeasonFile, ReadsEveryValueAndWritesTheSameBytes)
{
    SeasonHome home;
    home.writeSeasonFile(FourTeamFile);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    const Season four = home.session.season;
    EXPECT_EQ((QStringList{four.FrontText[1], four.FrontText[4], four.ReturnAddress[3], four.ReturnAddress[4],
                           four.RegularDate[2], four.TeamName[4], four.UnsoldSeq[1]}),
              (QStringList{"Riverside Boosters Club", "Permit 12", "", "Springfield, IL 62701", "Sep 14", "Lions", "5,6"}));
    EXPECT_EQ((std::vector<double>{double(four.TicketSize), double(four.Seed), double(four.TicketPrice), four.Odds,
                                   double(four.PlayoffWeeks), double(four.ScoredWeeks), double(four.ScoreTeams)}),
              (std::vector<double>{1, -5, 10, 12.5, 0, 1, 4}));
    EXPECT_EQ((std::vector<int>{four.prizeAmount(Prize::RegularHigh), four.prizeAmount(Prize::RegularSecondHigh),
                                four.prizeAmount(Prize::RegularLow)}),
              (std::vector<int>{25, 10, 5}));
    EXPECT_TRUE(four.prizeOn(Prize::RegularLow) && !four.prizeOn(Prize::RegularRandom));
    EXPECT_EQ(four.tieMethod(), TieMethod::PayFull);
    EXPECT_EQ(four.unsoldRule(), UnsoldRule::NextSold);
    EXPECT_EQ(std::vector<int>(four.Score[1].begin(), four.Score[1].begin() + 5), (std::vector<int>{1, 21, 17, Bye, 30}));
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.seasonFile(), FourTeamFile);

    // Every array to its bounds, with texts that hold commas, accents and the euro sign, empty
    // dates and sequences, a bye in every week: read and written again unchanged.
    const QByteArray full = dataBytes("seasons/every_bound.txt");
    home.writeSeasonFile(full);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    const Season read = home.session.season;
    EXPECT_EQ(read.FrontText[4], QString::fromUtf8("Caf\u00e9 \u20ac5 \u00bd-time"));
    EXPECT_EQ(read.ReturnAddress[2], "1 Main St, Suite 2");
    EXPECT_EQ(read.RegularDate[3], "");
    EXPECT_EQ(read.TeamName[MaxTeams], "Team 48");
    EXPECT_EQ(read.UnsoldSeq[MaxUnsold], "960,960");
    EXPECT_EQ(read.Score[MaxScoredWeeks][MaxTeams], 599);
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.seasonFile(), full);
    EXPECT_TRUE(home.dialogs.shown.isEmpty());

    // Odds without a short decimal form come back as they were.
    home.session.season.Odds = 445.0f / 95.0f;
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.session.season.Odds, 445.0f / 95.0f);

    // Text in the 8-bit code page: the euro sign is one byte, 0x80.
    Season accents = four;
    accents.TeamName[1] = QString::fromUtf8("B\u00e9ars \u20ac");
    EXPECT_TRUE(seasonFileBytes(accents).contains("\"B\xe9" "ars \x80\"\r\n"));
}

TEST(SeasonFile, LoadingCountsSoldTickets)
{
    SeasonHome home;
    home.writeSeasonFile(FourTeamFile);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    EXPECT_EQ(home.session.season.TicketCount, 6);
    EXPECT_EQ(home.session.season.SoldCount, 4);
    EXPECT_EQ(home.session.TodayText, "October 4, 2010");

    // 32 teams: overlapping tickets count once; an empty entry is not in use; beyond 496 is no ticket.
    for (const auto& [first, second, sold] : {std::tuple{"1,10", "5,20", 476}, std::tuple{"", "490,500", 489}}) {
        Season s = home.session.season;
        s.TeamCount = 32;
        s.ScoredWeeks = 0;
        s.UnsoldCount = 2;
        s.UnsoldSeq[1] = first;
        s.UnsoldSeq[2] = second;
        home.writeSeasonFile(seasonFileBytes(s));
        ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
        EXPECT_EQ(home.session.season.SoldCount, sold) << first << " " << second;
    }
}

TEST(SeasonFileDamage, EveryKindOfDamage)
{
    EXPECT_EQ(damagedCopyName("x"), "Kickpool.damaged-11f6ad8e.txt");  // SHA-1 of "x" is 11f6ad8e...
    const struct {
        QByteArray bytes;
        int line;
        const char* expected;
    } cases[] = {
        // The file ends early.
        {FourTeamFile.left(FourTeamFile.indexOf("\"Eagles\"")), 20, "a quoted text"},
        {FourTeamFile.left(FourTeamFile.size() - 6), 27, "5 whole numbers separated by commas"},
        {QByteArray(), 1, "a quoted text"},
        // An item of the wrong kind.
        {withLine(11, "10.5"), 11, "a whole number"},
        {withLine(10, "40000"), 10, "a whole number"},
        {withLine(12, "12,5"), 12, "a number such as 12.5"},
        {withLine(24, "1,1,0,1,0,0,0,0,0,0,0,-1,0,0"), 24, "15 whole numbers separated by commas"},
        {withLine(27, "1,21,17,,30"), 27, "a whole number"},
        // A count beyond the bounds.
        {withLine(13, "30"), 13, "at most 29 regular weeks"},
        {withLine(17, "49"), 17, "at most 48 teams"},
        {withLine(17, "-1"), 17, "a number of teams of 0 or more"},
        // An unsold sequence without its comma.
        {withLine(23, "\"56\""), 23, "a sequence such as 401,450"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("line %1: %2").arg(c.line).arg(c.expected).toStdString());
        SeasonHome home;
        home.writeSeasonFile(FourTeamFile);
        LoadSeason(home.session);
        Season expectedSeason = home.session.season;
        setNoFileDefaults(expectedSeason);
        home.writeSeasonFile(c.bytes);

        // Loaded twice: message 30 each time, the copy kept once, the file itself untouched.
        for (int load = 1; load <= 2; ++load) {
            EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
            EXPECT_EQ(home.dialogs.shown.size(), load);
            EXPECT_EQ(home.dialogs.shown.last(), "message 30");
        }
        const QString copy = damagedCopyName(c.bytes);
        EXPECT_EQ(home.dialogs.messageTexts.last().mid(1, 3),
                  (QStringList{"Kickpool.txt", QStringLiteral("Line %1: %2 expected").arg(c.line).arg(c.expected),
                               "A copy was kept as " + copy}));
        EXPECT_EQ(QDir(home.filesFolder()).entryList({"Kickpool.damaged-*"}, QDir::Files), QStringList{copy});
        EXPECT_EQ(readFile(home.filesFolder() + "/" + copy), c.bytes);
        EXPECT_EQ(home.seasonFile(), c.bytes);
        EXPECT_EQ(home.session.season, expectedSeason);
        EXPECT_EQ(home.session.season.TeamCount, 32);
    }

    // An empty sequence is an entry not in use, and LF line ends read the same.
    SeasonHome home;
    QByteArray lf = withLine(23, "\"\"");
    lf.replace("\r\n", "\n");
    home.writeSeasonFile(lf);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    EXPECT_EQ(home.session.season.SoldCount, 6);
}

#if defined(Q_OS_UNIX)
TEST(SeasonFileSave, ReadOnlyFolderShowsMessage31AndKeepsEverything)
{
    // A read-only Files folder beside an old file: everyone may read it, nobody may write in it.
    SeasonHome home;
    home.writeSeasonFile(FourTeamFile);
    const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                              | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(home.dir.path(), readAndEnter | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(home.filesFolder(), readAndEnter));
    LoadSeason(home.session);
    home.session.season.TeamName[1] = "Changed";
    const Season inMemory = home.session.season;
    bool saved = true;
    {
        ActAsOrdinaryUser user;
        QFile probe(home.filesFolder() + "/probe");
        ASSERT_FALSE(probe.open(QIODevice::WriteOnly)) << "the Files folder is writable after all";
        saved = SaveSeason(home.session);
    }
    QFile::setPermissions(home.filesFolder(), readAndEnter | QFile::WriteOwner);
    EXPECT_FALSE(saved);
    EXPECT_EQ(home.dialogs.shown, QStringList{"message 31"});
    EXPECT_FALSE(home.dialogs.messageTexts[0][2].isEmpty());  // why it could not be written
    EXPECT_EQ(home.seasonFile(), FourTeamFile);
    EXPECT_EQ(QDir(home.filesFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"Kickpool.txt"});
    EXPECT_EQ(home.session.season, inMemory);
}
#endif
