#include "CliRunner.h"
#include "PdfReadBack.h"

#include "prizes/PayoutEstimate.h"

#include <gtest/gtest.h>

TEST(CliEstimate, PrintsAndWritesTheEstimateWithoutTouchingTheSeasonFile)
{
    const CliHome home;
    const QByteArray before = home.seasonBytes();
    const Session session = home.session();
    const QStringList lines = payoutEstimate(session.season, PrizeSwitches::fromSeason(session.season)).lines;
    ASSERT_GT(lines.size(), 20);
    ASSERT_TRUE(lines.last().contains("Odds of Winning: 1 in ")) << lines.last().toStdString();

    const CliRun run = home.run({"--pdf", home.filePath("estimate.pdf"), "estimate"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, asOutput(lines));
    EXPECT_EQ(simplifiedLines(pdfLines(home.filePath("estimate.pdf"))), simplifiedLines(lines));
    EXPECT_EQ(home.seasonBytes(), before);
}
