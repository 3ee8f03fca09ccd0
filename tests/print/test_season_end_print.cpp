#include "JobRenderer.h"
#include "PdfReadBack.h"
#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "season/Session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SeasonEndPrint, StandingsPagesBreakEveryFiftySevenRows)
{
    // 32 teams (496 tickets, 100 rows of each listing), 3 weeks scored.
    Session session;
    session.TodayText = QStringLiteral("October 4, 2024");
    session.season = testSeason(32, 17, 4);
    setPrizes(session.season, {{Prize::RegularHigh, 100}, {Prize::GrandHigh, 500}, {Prize::GrandLow, 250}});
    for (int w = 1; w <= 3; ++w) {
        std::vector<int> scores;
        for (int t = 1; t <= 32; ++t)
            scores.push_back((t * 7 + w * 13) % 41);
        setScores(session.season, w, scores);
    }
    const QStringList lines = grandPrizePreviewLines(session);
    ASSERT_EQ(lines.size(), 214);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("standings.pdf"));
    ASSERT_TRUE(writePdf({grandPrizePreviewJob(session)}, file));

    // Rows 1..57 and 58..100 of each listing, each page under its heading: a page holds the
    // 64 lines of 10-point text it is given without running over.
    ASSERT_EQ(pageSizes(file).size(), 4);
    const QStringList expectedPages[] = {
        simplifiedLines(lines.mid(0, 7) + lines.mid(7, 57)),
        simplifiedLines(lines.mid(0, 7) + lines.mid(64, 43)),
        simplifiedLines(lines.mid(107, 7) + lines.mid(114, 57)),
        simplifiedLines(lines.mid(107, 7) + lines.mid(171, 43)),
    };
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(simplifiedLines(pdfLines(file, page)), expectedPages[page - 1]) << "page " << page;
}
