#include "BoundRows.h"
#include "SeasonHome.h"
#include "TestSeason.h"

#include "season/Bounds.h"

#include <tuple>

namespace {

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
    s.RegularDate = {QString(), "Sep  7", "Sep 14"};
    s.TeamCount = 4;
    s.TeamName = {QString(), "Bears", "Colts", "Eagles", "Lions"};
    s.UnsoldCount = 1;
    s.UnsoldSeq[1] = "5,6";
    s.PrizeOption = {0, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, -1};
    s.PrizeValue = {0, 25, 10, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0};
    s.ScoredWeeks = 1;
    s.ScoreTeams = 4;
    s.Score[1] = {1, 21, 17, -1, 30};
    return s;
}

const QByteArray FourTeamFile = fourTeamFile();

// The four-team file with line `line` (from 1) replaced.
QByteArray withLine(int line, const QByteArray& replacement)
{
    return withValue(FourTeamFile, {line, 0, replacement, 0, {}});
}

// A season as large as seasons get (29 weeks in all, 48 teams and sequences, every week scored),
// with the awkward values a file must keep.
Season fullSeason()
{
    Season s = testSeason(MaxTeams, 25, MaxScoredWeeks - 25);
    s.FrontText = {QString(), "Boosters, Inc.", "", "2026 Valley League", QString::fromUtf8("Caf\u00e9 \u20ac5 \u00bd-time")};
    s.ReturnAddress = {QString(), "", "1 Main St, Suite 2", "", "Anytown"};
    s.TicketSize = 4;
    s.Seed = -32767;
    s.TicketPrice = 100;
    s.RegularDate[3] = "";
    s.UnsoldCount = MaxUnsold;
    for (int n = 1; n <= MaxUnsold; ++n)
        s.UnsoldSeq[n] = n == 7 ? QString("") : QStringLiteral("%1,%2").arg(n * 20).arg(n * 20 + n % 3);
    for (int n = 1; n <= PrizeOptionCount; ++n)
        s.PrizeOption[n] = n <= 11 ? n % 2 : -(n % 2);
    for (int n = 1; n <= PrizeValueCount; ++n)
        s.PrizeValue[n] = allowedRange(prizeValueBound(n)).max;
    for (int w = 1; w <= MaxScoredWeeks; ++w) {
        std::vector<int> scores;  // -1 (bye) .. 999
        for (int t = 1; t <= MaxTeams; ++t)
            scores.push_back((w * 37 + t * 11) % 1001 - 1);
        setScores(s, w, scores);
    }
    return s;
}

}  // namespace

TEST(SeasonFile, RoundTripAndExactBytes)
{
    // Scores stored for more or fewer columns than teams (the state behind message 19) read back too.
    for (const auto& [odds, scoreTeams] : {std::pair{12.5f, MaxTeams}, std::pair{445.0f / 95.0f, 30}}) {
        SCOPED_TRACE(odds);
        SeasonHome home;
        Season written = fullSeason();
        written.Odds = odds;
        written.ScoreTeams = scoreTeams;
        home.session.season = written;
        ASSERT_TRUE(SaveSeason(home.session));

        // A fresh session reads it back, then writes the same bytes again.
        SeasonHome reader;
        reader.writeSeasonFile(home.seasonFile());
        ASSERT_EQ(LoadSeason(reader.session), LoadOutcome::Loaded);
        written.computeDerived();
        written.SavedTicketSize = written.TicketSize;
        for (int w = 1; w <= MaxScoredWeeks; ++w)
            std::fill(written.Score[w].begin() + scoreTeams + 1, written.Score[w].end(), 0);
        EXPECT_EQ(reader.session.season, written);
        EXPECT_TRUE(reader.dialogs.shown.isEmpty());
        ASSERT_TRUE(SaveSeason(reader.session));
        EXPECT_EQ(reader.seasonFile(), home.seasonFile());
    }

    SeasonHome home;
    home.session.season = fourTeamSeason();
    ASSERT_TRUE(SaveSeason(home.session));
    EXPECT_EQ(home.seasonFile(), FourTeamFile);

    // Commas and line ends both end an item, and a UTF-8 byte-order mark is skipped.
    for (const char* name : {"four-teams-joined.txt", "utf8-mark.txt"}) {
        Season read;
        EXPECT_TRUE(readSeasonFile(readFile(QStringLiteral(KICKPOOL_TEST_DATA "/fuzz/") + name), read).isEmpty()) << name;
        EXPECT_EQ(read.TeamName[4], "Lions");
    }

    // A text the file cannot hold is never changed on the quiet: the save is refused.
    home.session.season.TeamName[2] = "Colts \"A\"";
    home.session.season.FrontText[1] = QString::fromUtf8("Stra\u00dfe \u0141\u00f3d\u017a");
    EXPECT_FALSE(SaveSeason(home.session));
    EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotSaved, {home.seasonPath(), QString::fromUtf8(
        "Ticket front text 1 \"Stra\u00dfe \u0141\u00f3d\u017a\" holds \"\u0141\", which cannot be saved (and 1 more)")}));
    EXPECT_EQ(boundProblems(home.session.season).value(1), "team name 2 \"Colts \"A\"\" holds a double quote");
    EXPECT_EQ(home.seasonFile(), FourTeamFile);
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
        Season s = fourTeamSeason();
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
    const struct { QByteArray bytes; int line; const char* expected; } cases[] = {
        // The file ends early, or goes on after the last score row.
        {FourTeamFile.left(FourTeamFile.indexOf("\"Eagles\"")), 20, "a quoted text"},
        {FourTeamFile.left(FourTeamFile.size() - 4), 27, "a whole number"},
        {QByteArray(), 1, "a quoted text"},
        {FourTeamFile + "\r\n\r\n2,1\r\n", 30, "the end of the file"},
        // An item of the wrong kind.
        {withLine(11, "10.5"), 11, "a whole number"},
        {withLine(12, "12,5"), 13, "a quoted text"},
        {withLine(14, "\"Sep  7"), 14, "a quoted text"},
        {withLine(18, "\"Bears\" x"), 18, "a quoted text"},
        // A count beyond its array.
        {withLine(17, "49"), 17, "a number of teams from 0 to 48"},
        // An unsold sequence without its comma.
        {withLine(23, "\"56\""), 23, "a sequence such as 401,450"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("line %1: %2").arg(c.line).arg(c.expected).toStdString());
        SeasonHome home;
        home.writeSeasonFile(c.bytes);
        home.session.season = fourTeamSeason();
        Season expectedSeason = home.session.season;
        expectedSeason.computeDerived();
        setNoFileDefaults(expectedSeason);

        // Loaded twice: message 30 each time, the copy kept once, the file itself untouched.
        for (int load = 1; load <= 2; ++load) {
            EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
            EXPECT_EQ(home.dialogs.shown.size(), load);
            EXPECT_EQ(home.dialogs.shown.last(), "message 30");
        }
        const QString copy = damagedCopyName(c.bytes);
        EXPECT_TRUE(home.lastMessageWas(MessageId::DamagedFile, {home.seasonPath(), QString::number(c.line), c.expected, copy}));
        EXPECT_EQ(home.files(), (QStringList{copy, "Kickpool.txt"}));
        EXPECT_EQ(readFile(home.filesFolder() + "/" + copy), c.bytes);
        EXPECT_EQ(home.seasonFile(), c.bytes);
        EXPECT_EQ(home.session.season, expectedSeason);
    }

    // An empty sequence is an entry not in use, and LF line ends read the same.
    SeasonHome home;
    QByteArray lf = withLine(23, "\"\"");
    lf.replace("\r\n", "\n");
    home.writeSeasonFile(lf);
    ASSERT_EQ(LoadSeason(home.session), LoadOutcome::Loaded);
    EXPECT_EQ(home.session.season.SoldCount, 6);

    // A file of the copy's name that holds something else is not the copy.
    const QByteArray damaged = withLine(9, "x");
    home.writeSeasonFile(damaged);
    ASSERT_TRUE(writeFile(home.filesFolder() + "/" + damagedCopyName(damaged), "other"));
    EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
    EXPECT_EQ(home.dialogs.messageTexts.last().value(3), "A copy was kept as " + damagedCopyName(damaged, 2));
    EXPECT_EQ(readFile(home.filesFolder() + "/" + damagedCopyName(damaged, 2)), damaged);
}

// A value just beyond each bound makes the file damaged at its line; the first problem is the one
// reported, and every row's value is refused by saving as well.
TEST(SeasonFileDamage, ValuesJustBeyondTheirBounds)
{
    const QVector<BoundRow> rows = boundRows();
    ASSERT_GE(rows.size(), 45);
    for (const BoundRow& row : rows) {
        SCOPED_TRACE(row.value.left(20).toStdString() + " at line " + std::to_string(row.line));
        Season read = fourTeamSeason();
        const QVector<SeasonFileProblem> problems = readSeasonFile(withValue(FourTeamFile, row), read);
        ASSERT_FALSE(problems.isEmpty());
        EXPECT_EQ(problems[0].line, row.problemLine);
        EXPECT_EQ(problems[0].expected, row.expected);
        EXPECT_TRUE(row.alone || boundProblems(read).size() == 1) << boundProblems(read).size();
    }
}

#if defined(Q_OS_UNIX)
// What the folder and file permissions of an ordinary user do: a read-only Files folder refuses
// the save and the damaged file's copy, and a file nobody may read is reported as unreadable;
// in every case the file in place stays as it was.
TEST(SeasonFileSave, ReadOnlyFolderAndUnreadableFile)
{
    SeasonHome home;
    const QByteArray damaged = withLine(9, "x");
    home.writeSeasonFile(damaged);
    const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                              | QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(home.dir.path(), readAndEnter | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(home.filesFolder(), readAndEnter));
    {
        ActAsOrdinaryUser user;
        QFile probe(home.filesFolder() + "/probe");
        ASSERT_FALSE(probe.open(QIODevice::WriteOnly)) << "the Files folder is writable after all";
        EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Damaged);
        home.session.season = fullSeason();
        EXPECT_FALSE(SaveSeason(home.session));
    }
    EXPECT_EQ(home.dialogs.shown, (QStringList{"message 32", "message 31"}));
    EXPECT_EQ(home.dialogs.messageTexts[0][3], "No copy could be kept: Permission denied");
    EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotSaved, {home.seasonPath(), "The file in place is damaged and no "
                                                                                  "copy could be kept: Permission denied"}));
    EXPECT_EQ(home.session.season, fullSeason());

    // The file itself unreadable, in a writable folder: reported as such, and not replaced.
    ASSERT_TRUE(QFile::setPermissions(home.filesFolder(), readAndEnter | QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(home.seasonPath(), QFile::WriteOwner));
    {
        ActAsOrdinaryUser user;
        EXPECT_EQ(LoadSeason(home.session), LoadOutcome::Unreadable);
        home.session.season = fullSeason();
        EXPECT_FALSE(SaveSeason(home.session));
    }
    EXPECT_EQ(home.dialogs.messageTexts[2], (QStringList{"FILE NOT READABLE", home.seasonPath(),
                                                         "The file cannot be read: Permission denied", "",
                                                         "Check that you may read it.", "SAVE will not replace it."}));
    EXPECT_TRUE(home.lastMessageWas(MessageId::FileNotSaved, {home.seasonPath(), "The file in place cannot be read: Permission denied"}));
    QFile::setPermissions(home.seasonPath(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(home.seasonFile(), damaged);
    EXPECT_EQ(home.files(), QStringList{"Kickpool.txt"});
}
#endif
