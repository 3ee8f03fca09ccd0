#include "FrontSeason.h"

#include "front/FrontPrint.h"

TEST(TicketFront, RulesHeadingsTopPrizeOddsAndTheBuyerFields)
{
    // Ties split, the next closest ticket paid, one regular prize on and a larger amount stored
    // for a prize that is off (the top prize still names it); 9 regular weeks and one playoff week.
    Season s = testSeason(32, 9, 1);
    setRules(s, true, true);
    setPrizes(s, {{Prize::RegularHigh, 500}, {Prize::PlayoffHigh, 80}});
    s.setPrizeAmount(Prize::GrandHigh, 1000);
    s.Odds = 10000;
    EXPECT_EQ(frontTexts(frontLines(s)), dataLines("expected/front_split_next_closest.txt"));

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

    // A text of one character is written empty, and emptied in the season; two characters stay.
    bare.FrontText[4] = QStringLiteral(" ");
    EXPECT_TRUE(frontTexts(frontLines(bare)).contains(blanks(17)) && !frontTexts(frontLines(bare)).contains(blanks(18)));
    EXPECT_TRUE(emptySingleCharacterTexts(bare) && bare.FrontText[4].isEmpty() && bare.FrontText[3] == "2024 NFL");
}

TEST(TicketFrontPrint, SheetsKeepTheirPlacesOrShrinkAllAlikeToThePrintableEdge)
{
    // (Every copy's words, on a sheet of the right orientation, are read back from the printout
    // in the print tests.)
    const QVector<FrontLine> lines = frontLines(fullFrontSeason());
    using enum FrontStyle;
    struct Case { int size; FrontStyle style; int copies; bool keeps; };
    const Case cases[] = {{1, Portrait, 1, true}, {4, Portrait, 1, true}, {2, ThreeToSheet, 3, true},
                          {3, ThreeToSheet, 3, false}, {4, ThreeToSheet, 3, false}, {0, FourToSheet, 4, false},
                          {0, ThreeToSheet, 0, false}, {2, FourToSheet, 0, false}};
    for (const Case& c : cases) {
        const QVector<FrontPlace> given = frontPlaces(c.size, c.style);
        ASSERT_EQ(given.size(), c.copies) << c.size;
        if (c.copies == 0) {
            EXPECT_TRUE(frontSheetJob(lines, c.size, c.style).ops().isEmpty());
            continue;
        }
        const bool landscape = c.style != Portrait;
        const QVector<FrontPlace> fitted = fitOnPage(given, landscape);
        EXPECT_EQ(fitted == given, c.keeps) << c.size;
        const double edge = landscape ? PrintableHeightTwips : PrintableWidthTwips;
        EXPECT_NEAR(printedPart(fitted.last()).right(), c.keeps ? printedPart(given.last()).right() : edge, 1e-6);
        const double scale = fitted[0].width / given[0].width;
        for (int m = 0; m < fitted.size(); ++m) {
            EXPECT_GE(printedPart(fitted[m]).left, -1e-6);
            EXPECT_NEAR(fitted[m].left - fitted[0].left, (given[m].left - given[0].left) * scale, 1e-6);
            EXPECT_NEAR(fitted[m].height, given[m].height * scale, 1e-6);
        }
    }
}

TEST(TicketFrontPrint, RowsFollowEachOtherDownTheirPlace)
{
    const QVector<FrontLine> lines = frontLines(fullFrontSeason());
    const FrontPlace place = frontPlaces(2, FrontStyle::Portrait)[0];
    QVector<PrintOp> rows;
    double points[2] = {};
    const PrintJob job = frontSheetJob(lines, 2, FrontStyle::Portrait);
    for (const PrintOp& op : job.ops()) {
        if (op.kind == PrintOp::Kind::FontSize && rows.size() < 2)
            points[rows.size()] = op.value;
        if (op.kind == PrintOp::Kind::Text)
            rows.append(op);
    }
    EXPECT_EQ(job.lines(), printedTexts(lines));
    ASSERT_EQ(rows.size(), printedTexts(lines).size());
    EXPECT_EQ(rows[0].value, 1);  // the centred title
    EXPECT_EQ(rows[1].value, 0);
    EXPECT_NEAR(points[1] / points[0], 14.0 / 10.0, 1e-9);  // "B4" after "CB0"
    for (int n = 1; n < rows.size(); ++n)
        EXPECT_GE(rows[n].top, rows[n - 1].top + rows[n - 1].height - 1) << n;
    EXPECT_LE(rows.last().top + rows.last().height, place.bottom());
}
