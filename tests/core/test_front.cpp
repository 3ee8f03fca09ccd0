#include "FrontSeason.h"

#include "front/FrontPrint.h"

#include <gtest/gtest.h>

TEST(TicketFront, FullFrontLineForLine)
{
    EXPECT_EQ(asCodedText(frontLines(fullFrontSeason())), expectedFrontText());
}

TEST(TicketFront, RulesHeadingsTopPrizeOddsAndTheBuyerFields)
{
    // Ties split, the next closest ticket paid, one regular prize on and a larger amount stored
    // for a prize that is off; 9 regular weeks and one playoff week.
    Season s = testSeason(32, 9, 1);
    setRules(s, true, true);
    setPrizes(s, {{1, 500}, {9, 80}});
    s.setPrizeAmount(Prize::GrandHigh, 1000);
    s.Odds = 10000;
    const QStringList lines = frontTexts(frontLines(s));
    EXPECT_EQ(lines.mid(6, 6), (QStringList{"RULES" + blanks(12),
                                            "Two teams for each week are listed on back" + blanks(17),
                                            "BOTH teams must play to be a winner" + blanks(17),
                                            "All ties split combined prize money" + blanks(17),
                                            "Unsold ticket won - Pay next closest" + blanks(17),
                                            "Full rules and results: www.kickpool.example" + blanks(17)}));
    EXPECT_TRUE(lines.contains("Regular Season ( 9 weeks)" + blanks(12)));
    EXPECT_TRUE(lines.contains("Playoff Season  ( 1 week)" + blanks(12)));
    EXPECT_TRUE(lines.contains("WIN UP TO $1,000" + blanks(8)));
    EXPECT_TRUE(lines.contains("Odds of Winning: 1 in 10000." + blanks(19)));
    EXPECT_EQ(lines.indexOf("Name    " + QString(24, '_') + blanks(11)), FrontLinesBeforeFields + 2);

    // No playoff weeks: the playoff prize is listed without its heading. No prize at all: the
    // buyer fields still start at the same line.
    s.PlayoffWeeks = 0;
    EXPECT_FALSE(frontTexts(frontLines(s)).filter("Playoff Season").size());
    EXPECT_TRUE(frontTexts(frontLines(s)).contains("If teams have highest total score, win $80" + blanks(17)));
    Season bare = testSeason(4, 3);
    bare.Odds = 14.6f;
    const QStringList bareLines = frontTexts(frontLines(bare));
    EXPECT_EQ(bareLines.size(), 41);
    EXPECT_EQ(bareLines.indexOf("Name    " + QString(24, '_') + blanks(11)), FrontLinesBeforeFields + 2);
    EXPECT_TRUE(bareLines.contains("Odds of Winning: 1 in 14.6" + blanks(19)));
}

TEST(TicketFront, ATextOfOneCharacterIsRemoved)
{
    Season s = fullFrontSeason();
    s.FrontText[4] = QStringLiteral(" ");
    s.FrontText[1] = QStringLiteral("AB");
    EXPECT_EQ(frontLines(s)[28].text, blanks(17));
    EXPECT_TRUE(emptySingleCharacterTexts(s));
    EXPECT_EQ(s.FrontText[4], QString());
    EXPECT_EQ(s.FrontText[1], QStringLiteral("AB"));
    EXPECT_FALSE(emptySingleCharacterTexts(s));
}

TEST(TicketFrontPrint, EveryStyleAndSizeFitsThePrintableArea)
{
    const QVector<FrontLine> lines = frontLines(fullFrontSeason());
    for (int size = 0; size <= 4; ++size) {
        for (FrontStyle style : {FrontStyle::Portrait, FrontStyle::ThreeToSheet, FrontStyle::FourToSheet}) {
            const QVector<FrontPlace> given = frontPlaces(size, style);
            const bool suits = style == FrontStyle::Portrait || (style == FrontStyle::FourToSheet) == (size == 0);
            ASSERT_EQ(given.size(), suits ? (style == FrontStyle::FourToSheet ? 4 : style == FrontStyle::ThreeToSheet ? 3 : 1) : 0);
            EXPECT_EQ(frontSheetJob(lines, size, style).ops().isEmpty(), !suits);
            if (!suits)
                continue;
            const bool landscape = style != FrontStyle::Portrait;
            const QVector<FrontPlace> fitted = fitOnPage(given, landscape);
            // Upright fronts and three to a sheet of sizes 1 and 2 are printed where given; the
            // others are shrunk alike, as little as needed to reach the printable edge.
            const bool keeps = style == FrontStyle::Portrait || size == 1 || size == 2;
            EXPECT_EQ(fitted == given, keeps) << size;
            const double scale = fitted[0].width / given[0].width;
            double right = 0;
            for (int m = 0; m < fitted.size(); ++m) {
                const FrontPlace part = printedPart(fitted[m]);
                EXPECT_GE(part.left, -1e-6);
                EXPECT_GE(part.top, 0);
                EXPECT_LE(part.bottom(), landscape ? PrintableWidthTwips : PrintableHeightTwips);
                EXPECT_DOUBLE_EQ(fitted[m].height, given[m].height * scale);
                EXPECT_NEAR(fitted[m].left - fitted[0].left, (given[m].left - given[0].left) * scale, 1e-6);
                right = std::max(right, part.right());
            }
            const double width = landscape ? PrintableHeightTwips : PrintableWidthTwips;
            EXPECT_LE(right, width + 1e-6);
            if (!keeps) {
                EXPECT_NEAR(right, width, 1e-6) << size;
            }
        }
    }
}

TEST(TicketFrontPrint, ASheetDrawsEachCopyRowByRowInItsPlace)
{
    const QVector<FrontLine> lines = frontLines(fullFrontSeason());
    const PrintJob job = frontSheetJob(lines, 2, FrontStyle::ThreeToSheet);
    const QStringList printed = printedTexts(lines);
    EXPECT_EQ(job.lines(), printed + printed + printed);
    EXPECT_EQ(job.pageCount(), 1);
    const QVector<PrintOp>& ops = job.ops();
    EXPECT_EQ(ops.first(), PrintJob().quality(-4).ops().first());
    EXPECT_EQ(ops[1], PrintJob().orientation(2).ops().first());
    EXPECT_EQ(ops.last().kind, PrintOp::Kind::EndDoc);

    // Rows follow each other down the place; the title is centred and bold, larger lines are
    // taller, and the second copy stands one step to the right of the first.
    const FrontPlace first = frontPlaces(2, FrontStyle::ThreeToSheet)[0];
    QVector<PrintOp> texts;
    double points[3] = {};
    for (const PrintOp& op : ops) {
        if (op.kind == PrintOp::Kind::FontSize && texts.size() < 3)
            points[texts.size()] = op.value;
        if (op.kind == PrintOp::Kind::Text)
            texts.append(op);
    }
    ASSERT_EQ(texts.size(), 3 * printed.size());
    EXPECT_EQ(texts[0].value, 1);
    EXPECT_EQ(texts[1].value, 0);
    EXPECT_NEAR(points[1] / points[0], 14.0 / 10.0, 1e-9);  // "B4" and "CB0"
    for (int n = 1; n < printed.size(); ++n)
        EXPECT_GE(texts[n].top, texts[n - 1].top + texts[n - 1].height - 1) << n;
    EXPECT_LE(texts[printed.size() - 1].top + texts[printed.size() - 1].height, first.bottom());
    EXPECT_EQ(texts[printed.size()].left - texts[0].left, 4680);
}
