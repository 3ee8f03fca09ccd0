#include "SeasonHome.h"
#include "TestSeason.h"

#include "tickets/ScoreEntry.h"

TEST(ScoreEntry, TypedScores)
{
    EXPECT_EQ(readTypedScore(QStringLiteral("21")), (TypedScore{true, 21, QStringLiteral("21")}));
    EXPECT_EQ(readTypedScore(QString()), (TypedScore{true, Bye, QStringLiteral("  ")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("abc")), (TypedScore{true, 0, QStringLiteral("abc")}));
    EXPECT_EQ(readTypedScore(QStringLiteral(" 0 x")), (TypedScore{true, 0, QStringLiteral("0x")}));
    EXPECT_EQ(readTypedScore(QStringLiteral("13.5")), (TypedScore{true, 14, QStringLiteral("13.5")}));
    for (const char* refused : {"1000", "-1", "999.5"})
        EXPECT_FALSE(readTypedScore(QLatin1String(refused)).accepted) << refused;

    EXPECT_EQ(storedScoreText(21), QStringLiteral(" 21"));
    EXPECT_EQ(storedScoreText(Bye), QStringLiteral("  "));
    EXPECT_EQ(correctionDefault(21), QStringLiteral("21"));
    EXPECT_EQ(correctionDefault(Bye), QString());
}

TEST(ScoreEntry, WeekChecksAndPrompt)
{
    Season s = weeklySeason(4, 17, 4);
    EXPECT_EQ(weekPromptLines(s), (QStringList{QStringLiteral("Enter 'Week #'(1 to 21), then press 'ENTER'."), QString(),
                                               QStringLiteral("IMPORTANT: 'Week #' MUST be as shown on tickets (for a given date).")}));
    s.RegularWeeks = 5;
    s.computeDerived();
    EXPECT_EQ(weekPromptLines(s)[0], QStringLiteral("Enter 'Week #'(1 to  9), then press 'ENTER'."));

    EXPECT_EQ(typedWeekNumber(QStringLiteral("3x")), 3);
    EXPECT_EQ(typedWeekNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(weekRefusal(s, 10), (Refusal{MessageId::EnterWeekAgain, {}}));
    EXPECT_EQ(weekRefusal(s, 2), (Refusal{MessageId::PreviousWeekNotFound, {"1"}}));
    setScores(s, 1, {1, 2, 3, 4});
    EXPECT_EQ(weekRefusal(s, 3), (Refusal{MessageId::PreviousWeekNotFound, {"2"}}));
    EXPECT_FALSE(weekRefusal(s, 2));
    s.ScoreTeams = 5;
    EXPECT_EQ(weekRefusal(s, 2), (Refusal{MessageId::ScoresFileNotFound, {"4"}}));
}

// The screen's tests go through first entries, re-reports, new seasons and cancels; here the
// correction: a rejected score offers the stored one again, not the rejected text; weeks stored stay 5.
TEST(ScoreEntry, CorrectionOffersTheStoredScores)
{
    SeasonHome home;
    Season& saved = home.session.season;  // saving reads the file back into the session
    saved = weeklySeason(4, 8);
    for (int w = 1; w <= 5; ++w)
        setScores(saved, w, {w, 10 + w, Bye, 30});
    home.dialogs.answerMessage(Answer::Yes).acceptInput().answerInput(QStringLiteral("-3")).acceptInput().acceptInput();
    home.dialogs.answerInput(QStringLiteral("31"));
    ScoreTexts texts;
    EXPECT_EQ(enterWeekScores(home.session, 2, texts), EntryOutcome::Entered);
    EXPECT_EQ(home.dialogs.messages, (QVector<MessageId>{MessageId::ScoresAlreadyExist, MessageId::EnterScoreAgain}));
    EXPECT_EQ(home.dialogs.messageTexts[0][2], QStringLiteral("Scores for week # 2 already exist!"));
    EXPECT_EQ(texts[2], QStringLiteral("12"));
    EXPECT_EQ(texts[3], QStringLiteral("  "));
    EXPECT_EQ(std::vector<int>(saved.Score[2].begin(), saved.Score[2].begin() + 5), (std::vector<int>{2, 2, 12, Bye, 31}));
    EXPECT_EQ(saved.ScoredWeeks, 5);
}

// Starting a new season drops every stored score: a backup of the season file is kept first,
// and without one nothing is dropped.
TEST(ScoreEntry, NewSeasonKeepsABackupFirst)
{
    SeasonHome home;
    home.session.season = weeklySeason(4, 8);
    setScores(home.session.season, 1, {1, 2, 3, 4});
    ASSERT_TRUE(SaveSeason(home.session));
    const QByteArray before = home.seasonFile();
    const QString backups = home.filesFolder() + "/Backups";
    ASSERT_TRUE(writeFile(backups, "a file where the folder should be"));
    home.dialogs.answerMessage(Answer::No).answerMessage(Answer::Yes);
    ScoreTexts texts;
    EXPECT_EQ(enterWeekScores(home.session, 1, texts), EntryOutcome::Refused);
    EXPECT_EQ(home.dialogs.messages, (QVector<MessageId>{MessageId::ScoresAlreadyExist, MessageId::StartNewSeason,
                                                         MessageId::BackupNotMade}));
    EXPECT_EQ(home.dialogs.messageTexts[2][2], QDir::toNativeSeparators(backups));
    EXPECT_EQ(home.seasonFile(), before);
    EXPECT_EQ(home.session.season.ScoredWeeks, 1);

    QFile::remove(backups);
    home.dialogs.answerMessage(Answer::No).answerMessage(Answer::Yes);
    for (const char* score : {"5", "6", "7", "8"})
        home.dialogs.answerInput(QString::fromLatin1(score));
    EXPECT_EQ(enterWeekScores(home.session, 1, texts), EntryOutcome::Entered);
    const Season& saved = home.session.season;
    EXPECT_EQ(std::vector<int>(saved.Score[1].begin(), saved.Score[1].begin() + 5), (std::vector<int>{1, 5, 6, 7, 8}));
    const QStringList kept = QDir(backups).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].startsWith("Kickpool_2010-10-04_")) << kept[0].toStdString();
    EXPECT_EQ(readFile(backups + "/" + kept[0]), before);
}
