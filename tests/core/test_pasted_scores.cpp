#include "TestSeason.h"

#include "scores/PastedScores.h"

namespace {

// Six teams with names as results pages write them differently.
Season namedSeason()
{
    Season s = testSeason(6, 4);
    const QStringList names{"EAGLES", "NY GIANTS", "NY JETS", QString::fromUtf8("SÃO PAULO"), "BEARS", "TEAM 06"};
    for (int t = 1; t <= 6; ++t)
        s.TeamName[t] = names[t - 1];
    return s;
}

QStringList typedScores(const PastedScores& pasted)
{
    QStringList typed;
    for (int t = 1; t <= 6; ++t)
        typed.append(pasted.typed[t] ? *pasted.typed[t] : QStringLiteral("<none>"));
    return typed;
}

}  // namespace

TEST(PastedScores, OneScorePerLineInTeamOrder)
{
    const Season s = namedSeason();
    PastedScores pasted = readPastedScores(s, QStringLiteral("21\r\n17\r\n\r\n30\r\n12.5\r\n\r\n"));
    EXPECT_EQ(pasted.shape, PasteShape::ScorePerLine);
    EXPECT_EQ(typedScores(pasted), (QStringList{"21", "17", "", "30", "12.5", "<none>"}));
    EXPECT_EQ(pasted.byes(6), (QVector<int>{3, 6}));
    EXPECT_EQ(pasted.firstProblem(), nullptr);
    EXPECT_EQ(pastePreviewLines(s, pasted),
              (QStringList{"Line 1: 21  ->  EAGLES 21", "Line 2: 17  ->  NY GIANTS 17", "Line 3:   ->  NY JETS bye",
                           "Line 4: 30  ->  SÃO PAULO 30", "Line 5: 12.5  ->  BEARS 12.5", "Byes: NY JETS and TEAM 06"}));

    // A score out of range, and more scores than teams, are marked and keep the week from storing.
    pasted = readPastedScores(s, QStringLiteral("1\n2\n1000\n4\n5\n6\n7"));
    ASSERT_NE(pasted.firstProblem(), nullptr);
    EXPECT_EQ(pasteProblem(s, *pasted.firstProblem()),
              (Refusal{MessageId::PastedLineNotRead, {"3", "1000", "A score must be 0 to 999."}}));
    EXPECT_EQ(pastePreviewLines(s, pasted).mid(2, 1), QStringList{"?? Line 3: 1000  ->  1000 is not a score (0 to 999)"});
    EXPECT_EQ(pastePreviewLines(s, pasted).at(6), QStringLiteral("?? Line 7: 7  ->  no team left for this score (6 teams)"));
}

TEST(PastedScores, TeamsByNameAndGameLines)
{
    const Season s = namedSeason();
    // Case, accents, a leading city and a shorter name; commas and dashes between the two teams.
    const PastedScores pasted = readPastedScores(
        s, QStringLiteral("Philadelphia Eagles 21, NY Giants 17\n\nJets 10 - Sao Paulo 3\nbears: 0\n"));
    EXPECT_EQ(pasted.shape, PasteShape::NamedScores);
    EXPECT_EQ(typedScores(pasted), (QStringList{"21", "17", "10", "3", "0", "<none>"}));
    EXPECT_EQ(pasted.firstProblem(), nullptr);
    EXPECT_EQ(pastePreviewLines(s, pasted),
              (QStringList{"Line 1: Philadelphia Eagles 21, NY Giants 17  ->  EAGLES 21, NY GIANTS 17",
                           "Line 3: Jets 10 - Sao Paulo 3  ->  NY JETS 10, SÃO PAULO 3", "Line 4: bears: 0  ->  BEARS 0",
                           "Byes: TEAM 06"}));
    EXPECT_EQ(matchTeamName(s, QStringLiteral("Team 6")), QVector<int>{6});

    // A name that fits two teams, one that fits none, a team named twice, a name without a score.
    const PastedScores wrong =
        readPastedScores(s, QStringLiteral("NY 14, Bears 3\nEaglez 21\nbears 7\nEagles\nTeam 06 7"));
    EXPECT_EQ(typedScores(wrong), (QStringList{"<none>", "<none>", "<none>", "<none>", "3", "7"}));
    EXPECT_EQ(pastePreviewLines(s, wrong),
              (QStringList{"?? Line 1: NY 14, Bears 3  ->  \"NY\" fits NY GIANTS and NY JETS",
                           "?? Line 2: Eaglez 21  ->  no team is called \"Eaglez\"",
                           "?? Line 3: bears 7  ->  BEARS already has a score from line 1",
                           "?? Line 4: Eagles  ->  no score after \"Eagles\"", "Line 5: Team 06 7  ->  TEAM 06 7",
                           "Byes: EAGLES, NY GIANTS, NY JETS and SÃO PAULO"}));
    EXPECT_EQ(pasteProblem(s, wrong.lines[0]), (Refusal{MessageId::TeamNameNotClear, {"1", "NY", "NY GIANTS and NY JETS"}}));
    EXPECT_EQ(pasteProblem(s, wrong.lines[1]), (Refusal{MessageId::TeamNotFound, {"2", "Eaglez"}}));
    EXPECT_EQ(pasteProblem(s, wrong.lines[2]), (Refusal{MessageId::TeamNamedTwice, {"3", "BEARS", "1"}}));
    EXPECT_EQ(wrong.firstProblem(), &wrong.lines[0]);
}

TEST(PastedScores, TableWithTeamAndScoreColumns)
{
    const Season s = namedSeason();
    // Semicolons, a quoted name holding the separator, a named team left without a score.
    PastedScores pasted =
        readPastedScores(s, QStringLiteral("Team;Score;Note\nEagles;21;\"home; rain\"\n\"NY Giants\";17\nBEARS;;\n"));
    EXPECT_EQ(pasted.shape, PasteShape::Table);
    EXPECT_EQ(typedScores(pasted), (QStringList{"21", "17", "<none>", "<none>", "", "<none>"}));
    EXPECT_EQ(pasted.byes(6), (QVector<int>{3, 4, 5, 6}));
    EXPECT_EQ(pastePreviewLines(s, pasted).first(), QStringLiteral("Line 1: Team;Score;Note  ->  the table's headings"));
    EXPECT_EQ(pastePreviewLines(s, pasted).at(3), QStringLiteral("Line 4: BEARS;;  ->  BEARS bye"));

    // Tab separated, the columns in another order, a score that is no number.
    pasted = readPastedScores(s, QStringLiteral("Pts\tRank\tTeam\n24\t1\tSão Paulo\nten\t2\tJets\n"));
    EXPECT_EQ(typedScores(pasted), (QStringList{"<none>", "<none>", "<none>", "24", "<none>", "<none>"}));
    ASSERT_NE(pasted.firstProblem(), nullptr);
    EXPECT_EQ(pasted.firstProblem()->number, 3);
    EXPECT_EQ(readPastedScores(s, QStringLiteral(" \n\n")).shape, PasteShape::Empty);
}
