#include "TestFiles.h"

#include "dialogs/ScriptedDialogs.h"
#include "season/Season.h"
#include "season/SeasonFile.h"
#include "season/Session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
    QStringList damagedCopies() const
    {
        return QDir(filesFolder()).entryList({QStringLiteral("Kickpool.damaged-*")}, QDir::Files);
    }
};

// The four-team season: two regular weeks, no playoffs, tickets 5 and 6 unsold, one week scored.
Season fourTeamSeason()
{
    Season s;
    s.FrontText = {QString(), "Riverside Boosters Club", "FOOTBALL", "2026", "Permit 12"};
    s.ReturnAddress = {QString(), "Riverside Boosters Club", "PO Box 5", "", "Springfield, IL 62701"};
    s.TicketSize = 1;
    s.Seed = -5;
    s.TicketPrice = 10;
    s.Odds = 12.5f;
    s.RegularWeeks = 2;
    s.RegularDate[1] = "Sep  7";
    s.RegularDate[2] = "Sep 14";
    s.TeamCount = 4;
    s.TeamName[1] = "Bears";
    s.TeamName[2] = "Colts";
    s.TeamName[3] = "Eagles";
    s.TeamName[4] = "Lions";
    s.UnsoldCount = 1;
    s.UnsoldSeq[1] = "5,6";
    s.PrizeOption = {0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, -1};
    s.PrizeValue = {0, 25, 10, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0};
    s.ScoredWeeks = 1;
    s.ScoreTeams = 4;
    s.Score[1] = {1, 21, 17, -1, 30};
    return s;
}

const QByteArray FourTeamFile =
    "\"Riverside Boosters Club\"\r\n"
    "\"FOOTBALL\"\r\n"
    "\"2026\"\r\n"
    "\"Permit 12\"\r\n"
    "\"Riverside Boosters Club\"\r\n"
    "\"PO Box 5\"\r\n"
    "\"\"\r\n"
    "\"Springfield, IL 62701\"\r\n"
    "1\r\n"
    "-5\r\n"
    "10\r\n"
    "12.5\r\n"
    "2\r\n"
    "\"Sep  7\"\r\n"
    "\"Sep 14\"\r\n"
    "0\r\n"
    "4\r\n"
    "\"Bears\"\r\n"
    "\"Colts\"\r\n"
    "\"Eagles\"\r\n"
    "\"Lions\"\r\n"
    "1\r\n"
    "\"5,6\"\r\n"
    "1,1,0,1,0,0,0,0,0,0,0,-1,0,0,-1\r\n"
    "25,10,0,5,0,0,0,0,0,0,0,0\r\n"
    "1,4\r\n"
    "1,21,17,-1,30\r\n";

// The four-team file with line `line` (from 1) replaced.
QByteArray withLine(int line, const QByteArray& replacement)
{
    QList<QByteArray> lines = FourTeamFile.split('\n');
    lines[line - 1] = replacement + "\r";
    return lines.join('\n');
}

// A season using every array to its bounds, with the awkward values a file must keep.
Season fullSeason()
{
    Season s;
    s.FrontText = {QString(), "Boosters, Inc.", "", "2026 Valley League", QString::fromUtf8("Caf\u00e9 \u20ac5 \u00bd-time")};
    s.ReturnAddress = {QString(), "", "1 Main St, Suite 2", "", "Anytown"};
    s.TicketSize = 4;
    s.Seed = -32767;
    s.TicketPrice = 100;
    s.RegularWeeks = MaxRegularWeeks;
    for (int n = 1; n <= MaxRegularWeeks; ++n)
        s.RegularDate[n] = QStringLiteral("Oct %1").arg(n, 2);
    s.RegularDate[3] = "";
    s.PlayoffWeeks = MaxPlayoffWeeks;
    for (int n = 1; n <= MaxPlayoffWeeks; ++n)
        s.PlayoffDate[n] = QStringLiteral("Jan %1").arg(n, 2);
    s.TeamCount = MaxTeams;
    for (int n = 1; n <= MaxTeams; ++n)
        s.TeamName[n] = QStringLiteral("Team %1").arg(n, 2, 10, QLatin1Char('0'));
    s.UnsoldCount = MaxUnsold;
    for (int n = 1; n <= MaxUnsold; ++n)
        s.UnsoldSeq[n] = QStringLiteral("%1,%2").arg(n * 20).arg(n * 20 + n % 3);
    s.UnsoldSeq[7] = "";
    for (int n = 1; n <= PrizeOptionCount; ++n)
        s.PrizeOption[n] = n % 3 == 0 ? -1 : n % 2;
    for (int n = 1; n <= PrizeValueCount; ++n)
        s.PrizeValue[n] = n * 125 - 1000;
    s.ScoredWeeks = MaxScoredWeeks;
    s.ScoreTeams = MaxTeams;
    for (int w = 1; w <= MaxScoredWeeks; ++w) {
        s.Score[w][0] = w;
        for (int t = 1; t <= MaxTeams; ++t)
            s.Score[w][t] = (w * 37 + t * 11) % 1001 - 1;  // -1 (bye) .. 999
    }
    return s;
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

TEST(SeasonFile, RoundTripGivesBackEveryStoredValue)
{
    for (float odds : {10000.0f, 12.5f, 14.6f, 445.0f / 95.0f}) {
        SCOPED_TRACE(odds);
        SeasonHome home;
        Season written = fullSeason();
        written.Odds = odds;
        home.session.season = written;
        ASSERT_TRUE(SaveSeason(home.session));

        // A fresh session reads it: nothing can come from memory.
        SeasonHome reader;
        reader.writeSeasonFile(home.seasonFile());
        ASSERT_EQ(LoadSeason(reader.session), LoadOutcome::Loaded);
        written.computeDerived();
        written.SavedTicketSize = written.TicketSize;
        EXPECT_EQ(reader.session.season, written);
        EXPECT_EQ(reader.session.season.Odds, odds);
        EXPECT_EQ(reader.session.season.FrontText[4], QString::fromUtf8("Caf\u00e9 \u20ac5 \u00bd-time"));
        EXPECT_TRUE(reader.dialogs.shown.isEmpty());

        // Written again by the program, the file is the same to the byte.
        const QByteArray first = home.seasonFile();
        ASSERT_TRUE(SaveSeason(reader.session));
        EXPECT_EQ(reader.seasonFile(), first);
    }
}

TEST(SeasonFile, FileBytesOfTheFourTeamSeason)
{
    SeasonHome home;
    home.session.season = fourTeamSeason();
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.seasonFile(), FourTeamFile);

    // Text in the 8-bit code page: the euro sign is one byte, 0x80.
    Season accents = fourTeamSeason();
    accents.TeamName[1] = QString::fromUtf8("B\u00e9ars \u20ac");
    EXPECT_TRUE(seasonFileBytes(accents).contains("\"B\xe9" "ars \x80\"\r\n"));

    // Odds: the shortest text without exponent that reads back as the same value.
    Season odds = fourTeamSeason();
    for (auto [value, text] : {std::pair{10000.0f, "10000"}, {14.6f, "14.6"}, {0.1f, "0.1"},
                               {123456792.0f, "123456792"}, {445.0f / 95.0f, "4.6842103"}}) {
        odds.Odds = value;
        EXPECT_TRUE(seasonFileBytes(odds).contains(QByteArray("10\r\n") + text + "\r\n2\r\n")) << text;
    }
}

TEST(SeasonFile, CountsOfZeroWriteOnlyTheCountLines)
{
    SeasonHome home;
    ASSERT_TRUE(SaveSeason(home.session));  // the season of a new program: all zero or empty
    EXPECT_EQ(home.seasonFile(),
              QByteArray("\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
                         "0\r\n0\r\n0\r\n0\r\n"
                         "0\r\n0\r\n0\r\n0\r\n"
                         "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                         "0,0,0,0,0,0,0,0,0,0,0,0\r\n"
                         "0,0\r\n"));

    // Reading counts of 0 reads no items, and the elements beyond keep what they held.
    Season before = fourTeamSeason();
    home.session.season = before;
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    const Season& s = home.session.season;
    EXPECT_EQ(s.TeamCount, 0);
    EXPECT_EQ(s.ScoredWeeks, 0);
    EXPECT_EQ(s.TeamName[1], "Bears");
    EXPECT_EQ(s.RegularDate[2], "Sep 14");
    EXPECT_EQ(s.Score[1][4], 30);
    EXPECT_EQ(s.FrontText[1], "");
    EXPECT_EQ(s.TicketCount, 0);
    EXPECT_EQ(s.SoldCount, 0);
    EXPECT_EQ(s.TotalWeeks, 0);
}

TEST(SeasonFile, LoadingComputesTicketsSoldAndWeeks)
{
    SeasonHome home;
    home.writeSeasonFile(FourTeamFile);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    EXPECT_EQ(home.session.season.TicketCount, 6);
    EXPECT_EQ(home.session.season.SoldCount, 4);
    EXPECT_EQ(home.session.season.TotalWeeks, 2);
    EXPECT_EQ(home.session.season.SavedTicketSize, 1);
    EXPECT_EQ(home.session.season.UnsoldSeq[1], "5,6");
    EXPECT_EQ(home.session.TodayText, "October 4, 2010");

    struct Case {
        int teams;
        QStringList unsold;
        int tickets;
        int sold;
    };
    for (const Case& c : {Case{32, {}, 496, 496}, Case{48, {}, 1128, 1128}, Case{2, {}, 1, 1},
                          Case{1, {}, 0, 0}, Case{0, {}, 0, 0},
                          Case{32, {"1,10", "5,20"}, 496, 476},  // overlapping tickets count once
                          Case{32, {"", "490,500"}, 496, 489},   // empty = no sequence; beyond the last ticket
                          Case{32, {"51,51"}, 496, 495}}) {
        Season s = fourTeamSeason();
        s.TeamCount = c.teams;
        s.ScoredWeeks = 0;
        s.UnsoldCount = int(c.unsold.size());
        for (int n = 1; n <= s.UnsoldCount; ++n)
            s.UnsoldSeq[n] = c.unsold[n - 1];
        home.writeSeasonFile(seasonFileBytes(s));
        ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
        EXPECT_EQ(home.session.season.TicketCount, c.tickets) << c.teams << " teams";
        EXPECT_EQ(home.session.season.SoldCount, c.sold) << c.unsold.join(" ").toStdString();
    }

    // A save recomputes the sold count from the sequences, replacing an estimate.
    home.session.season.SoldCount = 300;
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.session.season.SoldCount, 495);
}

TEST(SeasonFile, TodayTextInFullEnglishWhateverTheDate)
{
    EXPECT_EQ(todayText(QDate(2010, 10, 4)), "October 4, 2010");
    EXPECT_EQ(todayText(QDate(2026, 1, 31)), "January 31, 2026");
    EXPECT_EQ(todayText(QDate(1999, 12, 1)), "December 1, 1999");
}

TEST(SeasonFile, MissingFileShowsMessage16AndSetsTheDefaults)
{
    SeasonHome home;
    home.clock.set(QDate(2026, 9, 2));
    Season before = fourTeamSeason();
    before.PlayoffWeeks = 4;
    home.session.season = before;
    EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Missing);
    EXPECT_EQ(home.dialogs.shown, QStringList{"message 16"});
    EXPECT_EQ(home.session.TodayText, "September 2, 2026");

    Season expected = before;
    expected.RegularWeeks = 17;
    expected.TotalWeeks = 17;
    expected.TeamCount = 32;
    expected.TicketCount = 496;
    expected.SoldCount = 496;
    EXPECT_EQ(home.session.season, expected);

    // The first save creates the Files folder and the file; a home ending in "/" gets no second one.
    Session rooted(home.dir.path() + "/", Services{&home.dialogs, &home.clock, nullptr, nullptr});
    EXPECT_EQ(rooted.seasonPath(), home.dir.path() + "/Files/Kickpool.txt");
    rooted.season = fourTeamSeason();
    ASSERT_TRUE(SaveSeason(rooted));
    EXPECT_EQ(home.seasonFile(), FourTeamFile);
    EXPECT_EQ(home.dialogs.shown, QStringList{"message 16"});
}

namespace {

// Loads a damaged file over the four-team season and checks what every kind of damage shares:
// message 30 with the file, line, what was expected and the copy; the copy kept once; the file
// itself untouched; the defaults in memory over what was there before.
void expectDamaged(const QByteArray& bytes, int line, const QString& expected)
{
    SCOPED_TRACE(QStringLiteral("line %1: %2").arg(line).arg(expected).toStdString());
    SeasonHome home;
    home.writeSeasonFile(bytes);
    home.session.season = fourTeamSeason();
    home.session.season.computeDerived();
    const Season before = home.session.season;

    EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
    const QString copy = damagedCopyName(bytes);
    EXPECT_EQ(home.dialogs.shown, QStringList{"message 30"});
    EXPECT_EQ(home.session.MsgDetail, (QStringList{"Kickpool.txt", QString::number(line), expected, copy}));
    EXPECT_EQ(home.damagedCopies(), QStringList{copy});
    EXPECT_EQ(readFile(home.filesFolder() + "/" + copy), bytes);
    EXPECT_EQ(home.seasonFile(), bytes);

    Season expectedSeason = before;
    setNoFileDefaults(expectedSeason);
    EXPECT_EQ(home.session.season, expectedSeason);
    EXPECT_EQ(home.session.season.TeamCount, 32);
    EXPECT_EQ(home.session.season.TeamName[2], "Colts");

    // Loading the same content again keeps no second copy.
    EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
    EXPECT_EQ(home.dialogs.shown, (QStringList{"message 30", "message 30"}));
    EXPECT_EQ(home.damagedCopies(), QStringList{copy});
}

}  // namespace

TEST(SeasonFileDamage, FileEndsEarly)
{
    EXPECT_EQ(damagedCopyName("x"), "Kickpool.damaged-11f6ad8e.txt");  // SHA-1 of "x" is 11f6ad8e...
    expectDamaged(FourTeamFile.left(FourTeamFile.indexOf("\"Eagles\"")), 20, "a quoted text");
    expectDamaged(FourTeamFile.left(FourTeamFile.indexOf("1,21,17")), 27, "5 whole numbers separated by commas");
    expectDamaged(FourTeamFile.left(FourTeamFile.indexOf("-5")), 10, "a whole number");
    expectDamaged(QByteArray(), 1, "a quoted text");
    expectDamaged(FourTeamFile.left(FourTeamFile.size() - 6), 27, "5 whole numbers separated by commas");
}

TEST(SeasonFileDamage, ItemOfTheWrongKind)
{
    expectDamaged(withLine(11, "ten"), 11, "a whole number");
    expectDamaged(withLine(11, "\"10\""), 11, "a whole number");
    expectDamaged(withLine(11, "10.5"), 11, "a whole number");
    expectDamaged(withLine(10, "40000"), 10, "a whole number");
    expectDamaged(withLine(12, "12,5"), 12, "a number such as 12.5");
    expectDamaged(withLine(12, "many"), 12, "a number such as 12.5");
    expectDamaged(withLine(19, "Colts"), 19, "a quoted text");
    expectDamaged(withLine(19, "\"Colts"), 19, "a quoted text");
    expectDamaged(withLine(19, "\"Colts\"x"), 19, "a quoted text");
    expectDamaged(withLine(19, "\"Colts\",\"Eagles\""), 19, "a quoted text");
    expectDamaged(withLine(24, "1,1,0,1,0,0,0,0,0,0,0,-1,0,0"), 24, "15 whole numbers separated by commas");
    expectDamaged(withLine(25, "25,10,0,5,0,0,x,0,0,0,0,0"), 25, "a whole number");
    expectDamaged(withLine(27, "1,21,17,,30"), 27, "a whole number");
}

TEST(SeasonFileDamage, CountBeyondTheBounds)
{
    expectDamaged(withLine(13, "30"), 13, "at most 29 regular weeks");
    expectDamaged(withLine(16, "29"), 16, "at most 28 playoff weeks");
    expectDamaged(withLine(17, "49"), 17, "at most 48 teams");
    expectDamaged(withLine(17, "-1"), 17, "a number of teams of 0 or more");
    expectDamaged(withLine(22, "49"), 22, "at most 48 unsold sequences");
    expectDamaged(withLine(26, "30,4"), 26, "at most 29 scored weeks");
    expectDamaged(withLine(26, "1,49"), 26, "at most 48 score columns");
}

TEST(SeasonFileDamage, UnsoldSequenceWithoutComma)
{
    expectDamaged(withLine(23, "\"56\""), 23, "a sequence such as 401,450");
    expectDamaged(withLine(23, "\"5;6\""), 23, "a sequence such as 401,450");

    // An empty sequence is an entry not in use, and a file written by another editor with LF
    // line ends reads the same.
    SeasonHome home;
    QByteArray lf = withLine(23, "\"\"");
    lf.replace("\r\n", "\n");
    home.writeSeasonFile(lf);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    EXPECT_EQ(home.session.season.SoldCount, 6);
    EXPECT_TRUE(home.damagedCopies().isEmpty());
}

TEST(SeasonFileSave, UnwritableFileShowsMessage31AndKeepsEverything)
{
    // "Files" is a file, so the folder cannot be made.
    {
        SeasonHome home;
        ASSERT_TRUE(writeFile(home.filesFolder(), "not a folder"));
        home.session.season = fourTeamSeason();
        EXPECT_FALSE(SaveSeason(home.session));
        EXPECT_EQ(home.dialogs.shown, QStringList{"message 31"});
        ASSERT_EQ(home.session.MsgDetail.size(), 1);
        EXPECT_TRUE(home.session.MsgDetail[0].contains("Files")) << home.session.MsgDetail[0].toStdString();
        EXPECT_EQ(home.session.season, fourTeamSeason());
        EXPECT_EQ(readFile(home.filesFolder()), "not a folder");
    }
    // The season file's place is taken by a folder: the save cannot replace it.
    {
        SeasonHome home;
        ASSERT_TRUE(writeFile(home.seasonPath() + "/keep.txt", "kept"));
        home.session.season = fourTeamSeason();
        EXPECT_FALSE(SaveSeason(home.session));
        EXPECT_EQ(home.dialogs.shown, QStringList{"message 31"});
        ASSERT_EQ(home.session.MsgDetail.size(), 1);
        EXPECT_FALSE(home.session.MsgDetail[0].isEmpty());
        EXPECT_EQ(home.session.season, fourTeamSeason());
        EXPECT_EQ(readFile(home.seasonPath() + "/keep.txt"), "kept");
        EXPECT_EQ(QDir(home.filesFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"Kickpool.txt"});
    }
#if defined(Q_OS_UNIX)
    // A read-only Files folder beside an old file: everyone may read it, nobody may write in it.
    {
        SeasonHome home;
        home.writeSeasonFile(FourTeamFile);
        const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                  | QFile::ReadOther | QFile::ExeOther;
        ASSERT_TRUE(QFile::setPermissions(home.dir.path(), readAndEnter | QFile::WriteOwner));
        ASSERT_TRUE(QFile::setPermissions(home.filesFolder(), readAndEnter));
        home.session.season = fullSeason();
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
        ASSERT_EQ(home.session.MsgDetail.size(), 1);
        EXPECT_FALSE(home.session.MsgDetail[0].isEmpty());
        EXPECT_EQ(home.seasonFile(), FourTeamFile);
        EXPECT_EQ(QDir(home.filesFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"Kickpool.txt"});
        EXPECT_EQ(home.session.season, fullSeason());
    }
#endif
}
