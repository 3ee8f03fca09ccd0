#include "JobRenderer.h"
#include "PdfReadBack.h"
#include "TestSeason.h"

#include "reports/GrandPrize.h"
#include "season/Session.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A 32-team season: 17 regular and 4 playoff weeks, 3 weeks scored, both grand prizes on. (The
// printed summary is read back in the command-line tests.)
Session thirtyTwoTeams()
{
    Session session;
    session.TodayText = QStringLiteral("October 4, 2024");
    Season& s = session.season;
    s = testSeason(32, 17, 4);
    setPrizes(s, {{1, 100}, {2, 50}, {4, 25}, {7, 500}, {8, 250}, {9, 150}, {11, 75}});
    for (int w = 1; w <= 3; ++w) {
        std::vector<int> scores;
        for (int t = 1; t <= 32; ++t)
            scores.push_back((t * 7 + w * 13) % 41);
        setScores(s, w, scores);
    }
    return session;
}

}  // namespace

TEST(SeasonEndPrint, StandingsPagesBreakEveryFiftySevenRows)
{
    const Session session = thirtyTwoTeams();
    const QStringList lines = grandPrizePreviewLines(session);
    ASSERT_EQ(lines.size(), 214);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("standings.pdf"));
    QString error;
    ASSERT_TRUE(writePdf({grandPrizePreviewJob(session)}, file, &error)) << error.toStdString();

    // Four pages: rows 1..57 and 58..100 of each listing, each page under its heading. A page
    // must hold the 64 lines of 10-point text (7 heading lines and 57 rows) that it is given.
    ASSERT_EQ(pageSizes(file).size(), 4) << "a page of the standings ran over onto a page of its own";
    const QStringList positionHeading = simplifiedLines(lines.mid(0, 7));
    const QStringList ticketHeading = simplifiedLines(lines.mid(107, 7));
    const QStringList expectedPages[] = {
        positionHeading + simplifiedLines(lines.mid(7, 57)),
        positionHeading + simplifiedLines(lines.mid(64, 43)),
        ticketHeading + simplifiedLines(lines.mid(114, 57)),
        ticketHeading + simplifiedLines(lines.mid(171, 43)),
    };
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(simplifiedLines(pdfLines(file, page)), expectedPages[page - 1]) << "page " << page;
}
