#include "WeeklyTestSeason.h"

#include "dialogs/ScriptedDialogs.h"
#include "season/SeasonFile.h"
#include "season/Session.h"
#include "tickets/ScoreEntry.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A session on a season file of four teams in a fresh home folder, with scripted dialogs.
struct EntryFixture {
    QTemporaryDir home;
    ScriptedDialogs dialogs;
    FixedClock clock{QDate(2024, 11, 20)};
    Session session;

    explicit EntryFixture(const Season& season) : session(home.path(), Services{&dialogs, &clock, nullptr, nullptr})
    {
        session.season = season;
        EXPECT_TRUE(SaveSeason(session));
    }

    // The season as the file holds it now.
    Season saved()
    {
        Session reader(home.path());
        LoadSeason(reader);
        return reader.season;
    }
};

std::vector<int> row(const Season& s, int week)
{
    return std::vector<int>(s.Score[week].begin(), s.Score[week].begin() + s.TeamCount + 1);
}

}  // namespace

TEST(ScoreEntry, TypedScores)
{
    EXPECT_EQ(readTypedScore(QStringLiteral("21")), (TypedScore{true, 21, QStringLiteral("21")}));
    EXPECT_EQ(readTypedScore(QString()), (TypedScore{true, Bye, QStringLiteral("  ")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("   ")), (TypedScore{true, Bye, QStringLiteral("  ")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("abc")), (TypedScore{true, 0, QStringLiteral("abc")}));
    EXPECT_EQ(readTypedScore(QStringLiteral(" 0 x")), (TypedScore{true, 0, QStringLiteral("0x")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("12.5")), (TypedScore{true, 12, QStringLiteral("12.5")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("13.5")), (TypedScore{true, 14, QStringLiteral("13.5")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("999")).score, 999);
    EXPECT_FALSE(readTypedScore(QStringLiteral("1000")).accepted);
    EXPECT_FALSE(readTypedScore(QStringLiteral("-1")).accepted);
    EXPECT_FALSE(readTypedScore(QStringLiteral("999.5")).accepted);

    EXPECT_EQ(storedScoreText(21), QStringLiteral(" 21"));
    EXPECT_EQ(storedScoreText(0), QStringLiteral(" 0"));
    EXPECT_EQ(storedScoreText(Bye), QStringLiteral("  "));
    EXPECT_EQ(correctionDefault(21), QStringLiteral("21"));
    EXPECT_EQ(correctionDefault(Bye), QString());
}

TEST(ScoreEntry, WeekChecksAndPrompt)
{
    Season s = weeklyTestSeason(4, 17, 4);
    EXPECT_EQ(weekPromptLines(s), (QStringList{QStringLiteral("Enter 'Week #'(1 to 21), then press 'ENTER'."), QString(),
                                               QStringLiteral("IMPORTANT: 'Week #' MUST be as shown on tickets (for a given date).")}));
    s.RegularWeeks = 5;
    s.computeDerived();
    EXPECT_EQ(weekPromptLines(s)[0], QStringLiteral("Enter 'Week #'(1 to  9), then press 'ENTER'."));

    EXPECT_EQ(typedWeekNumber(QStringLiteral("3x")), 3);
    EXPECT_EQ(typedWeekNumber(QStringLiteral("week")), 0);
    EXPECT_EQ(typedWeekNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(weekRefusal(s, 0), 3);
    EXPECT_EQ(weekRefusal(s, 10), 3);
    EXPECT_EQ(weekRefusal(s, 1), 0);
    EXPECT_EQ(weekRefusal(s, 2), 9);
    storeScores(s, 1, {1, 2, 3, 4});
    EXPECT_EQ(weekRefusal(s, 1), 0);
    EXPECT_EQ(weekRefusal(s, 2), 0);
    EXPECT_EQ(weekRefusal(s, 3), 9);
    s.ScoreTeams = 5;
    EXPECT_EQ(weekRefusal(s, 2), 19);
}

TEST(ScoreEntry, FirstEntryOfAWeekStoresAndSaves)
{
    EntryFixture f(weeklyTestSeason(4, 3));
    f.dialogs.answerInput(QStringLiteral("21")).answerInput(QStringLiteral("1000")).answerInput(QStringLiteral("17"));
    f.dialogs.answerInput(QString()).answerInput(QStringLiteral("abc"));
    ScoreTexts texts;
    EXPECT_EQ(enterWeekScores(f.session, 1, texts), EntryOutcome::Entered);

    // Team 2 was asked again after message 29; the dialog named the week and the team.
    EXPECT_EQ(f.dialogs.shown, (QStringList{QStringLiteral("input 5"), QStringLiteral("input 5"), QStringLiteral("message 29"),
                                            QStringLiteral("input 5"), QStringLiteral("input 5"), QStringLiteral("input 5")}));
    EXPECT_EQ(f.dialogs.inputTexts[1].first(), QStringLiteral("INPUT SCORES FOR WEEK # 1"));
    EXPECT_EQ(f.dialogs.inputTexts[1].last(), QStringLiteral(" 2 TEAM 02"));
    EXPECT_EQ(texts[1], QStringLiteral("21"));
    EXPECT_EQ(texts[3], QStringLiteral("  "));
    EXPECT_EQ(texts[4], QStringLiteral("abc"));

    const Season saved = f.saved();
    EXPECT_EQ(row(saved, 1), (std::vector<int>{1, 21, 17, Bye, 0}));
    EXPECT_EQ(saved.ScoredWeeks, 1);
    EXPECT_EQ(saved.ScoreTeams, 4);
}

TEST(ScoreEntry, ExistingWeekCorrectionReReportAndNewSeason)
{
    Season s = weeklyTestSeason(4, 8);
    for (int w = 1; w <= 5; ++w)
        storeScores(s, w, {w, 10 + w, Bye, 30});

    {
        // Correction of week 2: the stored scores are offered; a rejected score offers the
        // stored one again, not the rejected text. Weeks stored stay 5.
        EntryFixture f(s);
        f.dialogs.answerMessage(6).acceptInput().answerInput(QStringLiteral("-3")).acceptInput().acceptInput();
        f.dialogs.answerInput(QStringLiteral("31"));
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 2, texts), EntryOutcome::Entered);
        EXPECT_EQ(f.dialogs.messages, (QVector<int>{1, 29}));
        EXPECT_EQ(f.dialogs.messageTexts[0][2], QStringLiteral("Scores for week # 2 already exist!"));
        EXPECT_EQ(texts[2], QStringLiteral("12"));
        EXPECT_EQ(texts[3], QStringLiteral("  "));
        const Season saved = f.saved();
        EXPECT_EQ(row(saved, 2), (std::vector<int>{2, 2, 12, Bye, 31}));
        EXPECT_EQ(saved.ScoredWeeks, 5);
    }
    {
        // No correction: nothing is asked, the stored scores are reported as stored.
        EntryFixture f(s);
        f.dialogs.answerMessage(7);
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 2, texts), EntryOutcome::Stored);
        EXPECT_TRUE(f.dialogs.inputs.isEmpty());
        EXPECT_EQ(texts[1], QStringLiteral(" 2"));
        EXPECT_EQ(texts[2], QStringLiteral(" 12"));
        EXPECT_EQ(texts[3], QStringLiteral("  "));
    }
    {
        // Week 1, no correction and no new season: reported as stored.
        EntryFixture f(s);
        f.dialogs.answerMessage(7).answerMessage(7);
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 1, texts), EntryOutcome::Stored);
        EXPECT_EQ(f.dialogs.messages, (QVector<int>{1, 2}));
        EXPECT_EQ(f.saved().ScoredWeeks, 5);
    }
    {
        // Week 1, new season: no week stored is saved first, then week 1 is entered with empty
        // defaults; week 2 is no longer there.
        EntryFixture f(s);
        f.dialogs.answerMessage(7).answerMessage(6);
        for (int t = 0; t < 4; ++t)
            f.dialogs.acceptInput();
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 1, texts), EntryOutcome::Entered);
        for (int t = 1; t <= 4; ++t)
            EXPECT_EQ(texts[t], QStringLiteral("  "));
        const Season saved = f.saved();
        EXPECT_EQ(saved.ScoredWeeks, 1);
        EXPECT_EQ(row(saved, 1), (std::vector<int>{1, Bye, Bye, Bye, Bye}));
        EXPECT_FALSE(weekIsStored(f.session.season, 2));
        EXPECT_EQ(weekRefusal(f.session.season, 3), 9);
    }
}

TEST(ScoreEntry, RefusalsAndCancelChangeNothingOnFile)
{
    Season s = weeklyTestSeason(4, 8);
    storeScores(s, 1, {1, 2, 3, 4});
    {
        // Week 3 with only week 1 stored: message 9 names week 2.
        EntryFixture f(s);
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 3, texts), EntryOutcome::Refused);
        EXPECT_EQ(f.dialogs.messages, QVector<int>{9});
        EXPECT_EQ(f.dialogs.messageTexts[0].last(), QStringLiteral("Week # 2 MUST be entered first"));
        EXPECT_EQ(f.saved(), f.session.season);
    }
    {
        // Scores stored for another number of teams: message 19.
        EntryFixture f(s);
        f.session.season.ScoreTeams = 6;
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 2, texts), EntryOutcome::Refused);
        EXPECT_EQ(f.dialogs.messages, QVector<int>{19});
        EXPECT_TRUE(f.dialogs.inputs.isEmpty());
    }
    {
        // Cancel at the third team: the week is not marked and nothing is saved.
        EntryFixture f(s);
        f.dialogs.answerInput(QStringLiteral("5")).answerInput(QStringLiteral("6")).answerInput(QString(), 2);
        ScoreTexts texts;
        EXPECT_EQ(enterWeekScores(f.session, 2, texts), EntryOutcome::Cancelled);
        EXPECT_EQ(f.dialogs.inputs.size(), 3);
        EXPECT_FALSE(weekIsStored(f.session.season, 2));
        const Season saved = f.saved();
        EXPECT_EQ(saved.ScoredWeeks, 1);
        EXPECT_EQ(saved.Score[2][1], 0);
    }
}
